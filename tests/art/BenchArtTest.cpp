// The bench generator's power switch reads at a glance: "on" (Media 13) has its I half pressed in
// and lights up, "off" (Media 14) has its 0 half pressed in and stays dark. The pieces laid on
// the instrument fronts agree with them: the digits blend with the display glass, a hidden
// capacitor strip arrow leaves the bare plate, and the coarse dial's labels stay clear of the
// title's rule and of each other.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "runtime/qt/QtArt.h"

namespace {

// Mean lightness (0..255) of a rectangle of the picture, in picture pixels.
double lightness(const QImage& img, const QRect& r) {
    double sum = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x, ++n) sum += img.pixelColor(x, y).lightness();
    return sum / n;
}

// Inside the frame of the 20 x 43 rocker: the I half above the middle, the 0 half below.
const QRect kUpperHalf(4, 5, 12, 13);
const QRect kLowerHalf(4, 25, 12, 13);

TEST(BenchPowerSwitch, OnAndOffAreClearlyDifferent) {
    const QImage on = rtqt::paintPictureImage("Media", 13, 1.0);
    const QImage off = rtqt::paintPictureImage("Media", 14, 1.0);
    ASSERT_FALSE(on.isNull());
    ASSERT_FALSE(off.isNull());

    // The pressed half is the shaded one: the I half when on, the 0 half when off.
    EXPECT_LT(lightness(on, kUpperHalf) + 25, lightness(on, kLowerHalf));
    EXPECT_LT(lightness(off, kLowerHalf) + 25, lightness(off, kUpperHalf));

    // Switched on, the rocker is lit: far brighter than the dark, unlit rocker.
    const QRect face(4, 5, 12, 33);
    EXPECT_GT(lightness(on, face), lightness(off, face) + 30);

    // Half by half the two pictures differ markedly, not by a shade.
    EXPECT_GT(lightness(on, kLowerHalf), lightness(off, kLowerHalf) + 50);
}

// Channel by channel within `tol`.
bool near(QColor a, QColor b, int tol) {
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}

TEST(BenchGeneratorFront, DigitTilesAreNotSeenAgainstTheDisplayGlass) {
    const QImage front = rtqt::paintPictureImage("Media", 12, 1.0).convertToFormat(QImage::Format_ARGB32);
    const int left = 1935 / 15, top = 840 / 15;  // the units digit, 28 x 49 px
    for (int n = 1; n <= 10; ++n) {
        QImage shown = front;
        QPainter(&shown).drawImage(left, top, rtqt::paintPictureImage("Led", n, 1.0));
        for (QPoint c : {QPoint(0, 0), QPoint(27, 0), QPoint(0, 48), QPoint(27, 48), QPoint(13, 0)}) {
            const QPoint at(left + c.x(), top + c.y());
            EXPECT_TRUE(near(shown.pixelColor(at), front.pixelColor(at), 2))
                << "digit " << n - 1 << " at " << c.x() << "," << c.y() << ": "
                << shown.pixelColor(at).name().toStdString() << " on glass "
                << front.pixelColor(at).name().toStdString();
        }
    }
}

TEST(BenchGeneratorFront, CoarseDialLabelsClearTheRuleAndEachOther) {
    const QImage front = rtqt::paintPictureImage("Media", 12, 1.0).convertToFormat(QImage::Format_ARGB32);
    const QColor rule(40, 60, 120);
    int row = -1;  // the rule's row, found left of everything else
    for (int y = 20; y < 50 && row < 0; ++y)
        if (near(front.pixelColor(40, y), rule, 8)) row = y;
    ASSERT_GE(row, 0) << "no rule under the title";
    // Nothing is drawn across the rule: the dial's top label used to cross it.
    for (int x = 31; x < 351; ++x)
        EXPECT_TRUE(near(front.pixelColor(x, row), rule, 8)) << "the rule is crossed at x " << x;
    // Between the rule and the dial's top tick only the labels 15 and 0 have ink, and a clear
    // gap parts them.
    std::vector<int> ink;
    for (int x = 245; x < 300; ++x)
        for (int y = row + 3; y <= 43; ++y)
            if (front.pixelColor(x, y).lightness() < 120) {
                ink.push_back(x);
                break;
            }
    ASSERT_GE(ink.size(), 2u);
    int widest = 0;
    for (size_t i = 1; i < ink.size(); ++i) widest = std::max(widest, ink[i] - ink[i - 1] - 1);
    EXPECT_GE(widest, 6) << "15 crowds 0";
}

TEST(BenchCapacitorBox, AHiddenStripArrowLeavesTheBarePlate) {
    const QImage box = rtqt::paintPictureImage("Media", 3, 1.0).convertToFormat(QImage::Format_ARGB32);
    // FlecheG and FlecheD (13 x 11 px) at (200, 320) and (5450, 320) twips; beside each, bare plate.
    const int top = 320 / 15;
    for (auto [left, bare] : {std::pair{200 / 15, 40}, std::pair{5450 / 15, 330}})
        for (int y = top; y < top + 11; ++y)
            for (int x = left; x < left + 13; ++x)
                EXPECT_TRUE(near(box.pixelColor(x, y), box.pixelColor(bare, y), 3))
                    << "something is painted under the arrow at " << x << "," << y;
}

}  // namespace
