// Every picture of every list paints to an image of its size times the device pixel ratio, and
// the cursors are transparent (black) at the corners with their hot spot on the hand or lead.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>

#include "art/PictureTables.h"
#include "runtime/qt/QtArt.h"

namespace {

bool isBlack(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0;
}

class ArtAtRatio : public ::testing::TestWithParam<double> {};

TEST_P(ArtAtRatio, EveryPicturePaintsAtItsSize) {
    const double dpr = GetParam();
    for (const rt::PictureList* l : art::allLists()) {
        ASSERT_GT(l->count(), 0) << l->name();
        for (int n = 1; n <= l->count(); ++n) {
            const rt::PictureInfo& info = l->at(n);
            const QImage img = rtqt::paintPictureImage(l->name(), n, dpr);
            ASSERT_FALSE(img.isNull()) << l->name() << ":" << n;
            EXPECT_EQ(img.width(), static_cast<int>(std::ceil(info.width * dpr))) << l->name() << ":" << n;
            EXPECT_EQ(img.height(), static_cast<int>(std::ceil(info.height * dpr))) << l->name() << ":" << n;
            EXPECT_DOUBLE_EQ(img.devicePixelRatio(), dpr) << l->name() << ":" << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ArtAtRatio, ::testing::Values(1.0, 1.5, 2.0));

TEST(Art, UnknownListOrNumberGivesNull) {
    EXPECT_TRUE(rtqt::paintPictureImage("NoSuchList", 1).isNull());
    EXPECT_TRUE(rtqt::paintPictureImage("Imapoint", 0).isNull());
    EXPECT_TRUE(rtqt::paintPictureImage("Imapoint", 11).isNull());
}

TEST(Art, CursorsAreBlackAtCornersAndHotSpotIsOnTheHand) {
    const rt::PictureList& l = art::list("Imapoint");
    ASSERT_EQ(l.count(), 10);
    for (int n = 1; n <= l.count(); ++n) {
        const rt::PictureInfo& info = l.at(n);
        const QImage img = rtqt::paintPictureImage("Imapoint", n, 1.0).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.width(), 32);
        const int w = img.width(), h = img.height();
        for (QPoint c : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            EXPECT_TRUE(isBlack(img.pixel(c))) << "cursor " << n << " corner " << c.x() << "," << c.y();
            EXPECT_EQ(qAlpha(img.pixel(c)), 255) << "cursor " << n << ": the ground must be opaque black";
        }
        ASSERT_TRUE(info.hotX >= 0 && info.hotX < w && info.hotY >= 0 && info.hotY < h) << "cursor " << n;
        EXPECT_FALSE(isBlack(img.pixel(info.hotX, info.hotY)))
            << "cursor " << n << " hot spot " << info.hotX << "," << info.hotY << " is not on the hand";
        // The hot spot is well inside the drawing: every pixel within 1 px is painted, and most of
        // the 5 x 5 square around it.
        int painted = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = info.hotX + dx, y = info.hotY + dy;
                if (x < 0 || y < 0 || x >= w || y >= h) continue;
                const bool on = !isBlack(img.pixel(x, y));
                painted += on;
                if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
                    EXPECT_TRUE(on) << "cursor " << n << " pixel " << x << "," << y
                                    << " next to the hot spot";
                }
            }
        EXPECT_GE(painted, 13) << "cursor " << n;
    }
}

// The computer's screen (menu pictures 21 to 26) has a soft glass reflection whose lower edge
// runs from (28, 31) to (93, 19). The reflection has no outline: left of the flag, where it has
// faded out, the glass along that edge is as smooth as 2 px above and below it (a thin line there
// once cut across the screen in the frames with a logo, drawn with the flag's outline pen).
TEST(Art, ComputerGlassReflectionHasNoEdgeLine) {
    for (double dpr : {1.0, 2.0}) {
        for (int n = 21; n <= 26; ++n) {
            const QImage img =
                rtqt::paintPictureImage("ImaMenu", n, dpr).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(img.isNull());
            auto at = [&](double x, double y) {
                return img.pixel(static_cast<int>(std::floor(x * dpr)),
                                 static_cast<int>(std::floor(y * dpr)));
            };
            for (double x = 30; x <= 44; x += 2) {
                const double y = 31 - (x - 28) * 12 / 65;
                const QRgb on = at(x, y), above = at(x, y - 2), below = at(x, y + 2);
                for (int shift : {16, 8, 0}) {  // red, green, blue
                    auto channel = [shift](QRgb c) { return static_cast<int>(c >> shift & 0xff); };
                    const double around = (channel(above) + channel(below)) / 2.0;
                    EXPECT_LT(std::abs(channel(on) - around), 12)
                        << "picture " << n << " at ratio " << dpr << ", x " << x;
                }
            }
        }
    }
}

TEST(Art, PaintingIsDeterministic) {
    for (const char* name : {"ImaMenu", "Media", "Imapoint"}) {
        const rt::PictureList& l = art::list(name);
        for (int n = 1; n <= l.count(); ++n)
            EXPECT_EQ(rtqt::paintPictureImage(name, n, 1.5), rtqt::paintPictureImage(name, n, 1.5))
                << name << ":" << n;
    }
}

}  // namespace
