// The bench generator's power switch reads at a glance: "on" (Media 13) has its I half pressed in
// and lights up, "off" (Media 14) has its 0 half pressed in and stays dark.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include "art/Painter.h"

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
    const QImage on = art::paintPicture("Media", 13, 1.0);
    const QImage off = art::paintPicture("Media", 14, 1.0);
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

}  // namespace
