// Pictures are painted once per ratio and reused; cursors keep the hand and lose the black ground.

#include <gtest/gtest.h>

#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "art/Painter.h"
#include "art/PictureTables.h"
#include "runtime/qt/CursorCache.h"
#include "runtime/qt/PictureCache.h"

namespace {

TEST(PictureCache, PaintsOncePerPictureAndRatio) {
    rtqt::PictureCache cache;
    const rt::PictureRef strip{&art::list("ImaMenu"), 20};
    const QImage& a = cache.picture(strip, 1.0);
    const QImage& b = cache.picture(strip, 1.0);
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(a.size(), QSize(307, 109));

    const QImage& big = cache.picture(strip, 1.5);
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(big.size(), QSize(461, 164));  // 307 x 1.5 and 109 x 1.5, rounded up
    EXPECT_DOUBLE_EQ(big.devicePixelRatio(), 1.5);
    EXPECT_EQ(&cache.picture(strip, 1.5000001), &big);  // float noise is the same ratio
}

// Pictures painted on several threads at once are the ones painted one by one; resizing through
// many scales keeps the pictures of the last few ratios only.
TEST(PictureCache, PrefetchPaintsTheSamePicturesAndOldRatiosAreDropped) {
    rtqt::PictureCache cache;
    const rt::PictureList& menu = art::list("ImaMenu");
    std::vector<rt::PictureRef> refs;
    for (int n = 1; n <= menu.count(); ++n) refs.push_back(rt::PictureRef{&menu, n});
    cache.prefetch(refs, 1.87);
    EXPECT_EQ(cache.size(), static_cast<size_t>(menu.count()));
    for (const rt::PictureRef& r : refs)
        EXPECT_EQ(cache.picture(r, 1.87), art::paintPicture("ImaMenu", r.index, 1.87)) << r.index;

    const rt::PictureRef strip{&menu, 20};
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 2.5}) cache.picture(strip, ratio);
    EXPECT_EQ(cache.size(), rtqt::PictureCache::kMaxRatios);  // 1.5, 2 and 2.5: one picture each
    EXPECT_EQ(cache.picture(strip, 2.5).devicePixelRatio(), 2.5);
}

// The band said to hide what is behind it is opaque in every pixel; at a ratio that is not
// whole, the partly covered edge columns do not keep a panel from having one.
TEST(PictureCache, OpaqueBandHidesWhatIsBehindIt) {
    rtqt::PictureCache cache;
    const rt::PictureRef strip{&art::list("ImaMenu"), 20};
    const rtqt::PictureCache::Painted& whole = cache.painted(strip, 1.0);
    EXPECT_EQ(whole.opaque, whole.image.rect());
    EXPECT_FALSE(whole.image.hasAlphaChannel());
    for (double ratio : {1.87, 3.91}) {
        const rtqt::PictureCache::Painted& p = cache.painted(strip, ratio);
        EXPECT_GT(double(p.opaque.width()) * p.opaque.height(), 0.95 * p.image.width() * p.image.height());
        for (int y = p.opaque.top(); y <= p.opaque.bottom(); ++y)
            for (int x = p.opaque.left(); x <= p.opaque.right(); ++x)
                ASSERT_EQ(qAlpha(p.image.pixel(x, y)), 255) << ratio << " at " << x << "," << y;
    }
}

// Below ratio 1 (a small screen, a frame shrunk by the user) a picture is drawn whole at its
// smaller size: the same picture as at ratio 1 made smaller, not its top-left corner at design
// size (QPainter takes a device ratio below 1 as 1).
TEST(PictureCache, BelowRatioOneThePictureIsDrawnWholeAtItsSmallerSize) {
    rtqt::PictureCache cache;
    const rt::PictureRef generator{&art::list("BtnGene"), 1};
    for (const rt::PictureRef ref : {rt::PictureRef{&art::list("ImaMenu"), 20}, generator}) {
        const QImage full = cache.picture(ref, 1.0).convertToFormat(QImage::Format_ARGB32);
        for (double ratio : {0.5, 0.64}) {
            const QImage small = cache.picture(ref, ratio).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(small.width(), static_cast<int>(std::ceil(full.width() * ratio)));
            const QImage shrunk = full.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            double diff = 0;
            for (int y = 0; y < small.height(); ++y)
                for (int x = 0; x < small.width(); ++x) {
                    const QRgb a = small.pixel(x, y), b = shrunk.pixel(x, y);
                    diff += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                            std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            EXPECT_LT(diff / (small.width() * small.height() * 4.0), 12.0) << ratio;
        }
    }
}

TEST(PictureCache, NoPictureIsANullImageAndCachesNothing) {
    rtqt::PictureCache cache;
    const rt::PictureList& menu = art::list("ImaMenu");
    EXPECT_TRUE(cache.picture(rt::PictureRef{}, 1.0).isNull());
    EXPECT_TRUE(cache.picture(rt::PictureRef{&menu, 0}, 1.0).isNull());
    EXPECT_TRUE(cache.picture(rt::PictureRef{&menu, menu.count() + 1}, 1.0).isNull());
    EXPECT_TRUE(cache.picture(rt::PictureRef{&menu, 1}, 0.0).isNull());
    EXPECT_EQ(cache.size(), 0u);
}

class CursorAtRatio : public ::testing::TestWithParam<double> {};

TEST_P(CursorAtRatio, HandWithoutBlackSquare) {
    const double dpr = GetParam();
    const rt::PictureList& pointers = art::list("Imapoint");
    for (int n = 1; n <= pointers.count(); ++n) {
        const QImage img = rtqt::CursorCache::cursorImage(rt::PictureRef{&pointers, n}, dpr);
        ASSERT_EQ(img.width(), static_cast<int>(std::ceil(32 * dpr))) << n;
        int opaque = 0, opaqueBlack = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() == 0) continue;
                ++opaque;
                if (c.red() == 0 && c.green() == 0 && c.blue() == 0) ++opaqueBlack;
            }
        }
        EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0) << n;
        EXPECT_EQ(img.pixelColor(img.width() - 1, 0).alpha(), 0) << n;
        EXPECT_EQ(opaqueBlack, 0) << n;
        EXPECT_GT(opaque, img.width() * img.height() / 10) << n;  // the hand is there
    }
}

// A cursor is drawn at the view scale, its pixels at the view scale times the ratio (up to the
// largest cursor made), its hot spot on the drawn fingertip in device pixels at every size.
TEST_P(CursorAtRatio, CursorCarriesTheHotSpotTheScaleAndTheRatio) {
    const double dpr = GetParam();
    rtqt::CursorCache cursors;
    const rt::PictureList& pointers = art::list("Imapoint");
    for (int n : {1, 4, 7}) {
        const rt::PictureRef hand{&pointers, n};
        for (double scale : {1.0, 0.5, 0.64, 1.93, 3.91, 12.0}) {
            const QCursor& c = cursors.cursor(hand, dpr, scale);
            EXPECT_EQ(&cursors.cursor(hand, dpr, scale), &c);  // made once
            const double r = std::min(std::round(dpr * scale * 100) / 100, 8.0);
            EXPECT_DOUBLE_EQ(rtqt::CursorCache::paintRatio(dpr, scale), r);
            // In device pixels, as the display takes it: on the fingertip drawn at this size.
            EXPECT_EQ(c.hotSpot(), QPoint(static_cast<int>(std::lround(pointers.at(n).hotX * r)),
                                          static_cast<int>(std::lround(pointers.at(n).hotY * r))))
                << n << " scale " << scale;
            EXPECT_EQ(c.pixmap().width(), static_cast<int>(std::ceil(32 * r))) << scale;
            EXPECT_LE(c.pixmap().width(), rtqt::CursorCache::kMaxPixels);
            // The screen's ratio: the logical size is the picture's times the view scale.
            EXPECT_DOUBLE_EQ(c.pixmap().devicePixelRatio(), dpr);
            const QImage img = c.pixmap().toImage();
            const QPoint hot = c.hotSpot();
            // The fingertip itself is drawn: some pixel within a few device pixels of the hot spot.
            bool drawn = false;
            const int reach = static_cast<int>(std::ceil(2 * r));
            for (int y = hot.y() - reach; y <= hot.y() + reach; ++y)
                for (int x = hot.x() - reach; x <= hot.x() + reach; ++x)
                    drawn = drawn || (img.valid(x, y) && qAlpha(img.pixel(x, y)) > 0);
            EXPECT_TRUE(drawn) << n << " scale " << scale;
        }
    }
    EXPECT_EQ(cursors.cursor(rt::PictureRef{}, dpr).shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(Ratios, CursorAtRatio, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
