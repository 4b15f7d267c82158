// The software backend given shapes that are not numbers or are squashed flat by the transform
// paints nothing from them; shapes reaching far beyond the image are cut at its sides. It never
// reads or writes outside the image, nor turns a coordinate beyond an int's reach into one (the
// sanitizer build checks these).

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gfx/raster/RasterCanvas.h"
#include "gfx/raster/RasterSurface.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void badShapes(gfx::Canvas& c) {
    c.drawRect({kNan, 0, 10, 10});
    c.drawLine({0, 0}, {kInf, 5});
    c.drawEllipse({1e300, 1e300, 1e300, 1e300});
    c.drawRoundedRect({-1e300, 2, 1e300, kNan}, 3, kNan);
    c.drawPolygon({{kNan, kNan}, {kInf, -kInf}, {1e300, 5}});
    c.fillRect({2, 2, 10, 10}, gfx::LinearGradient({kNan, 0}, {kInf, 0}));
    c.fillRect({2, 2, 0, 0}, gfx::RadialGradient({5, 5}, kNan, {kInf, 1}));
    c.drawText({kNan, 20}, "abc");
    c.drawImage({kNan, 1e300}, gfx::Image(4, 4, kNan, gfx::argb(255, 9, 9, 9)));
    gfx::Image shortImage(10, 10, 1.0);
    shortImage.pixels.resize(5);  // fewer pixels than its size says
    c.drawImage({0, 0}, shortImage);
    {
        const gfx::SavedState keep(c);
        c.clipRect({kNan, 0, 40, 30});
        c.fillRect({0, 0, 40, 30}, gfx::Color(0, 0, 0));
    }
    {
        const gfx::SavedState keep(c);
        c.scale(0, 0);  // everything lands on one point
        c.setPen(gfx::Pen(gfx::Color(0, 0, 0), 3));
        c.drawRect({0, 0, 40, 30});
        c.fillRect({0, 0, 40, 30}, gfx::RadialGradient({5, 5}, 10));
    }
    {
        const gfx::SavedState keep(c);
        c.translate(kNan, 0);
        c.setPen(gfx::Pen(gfx::Color(0, 0, 0), 0));
        c.drawLine(0, 0, 30, 20);
        c.clipPath(gfx::polygonPath({{0, 0}, {10, 0}, {0, 10}}));
        c.fillRect({0, 0, 40, 30}, gfx::Color(0, 0, 0));
    }
    c.setFont(gfx::Font{kNan});
    c.drawText({5, 20}, "abc");
    c.restore();  // more restores than saves
}

TEST(RasterCanvas, ShapesThatAreNotNumbersPaintNothing) {
    const uint32_t back = gfx::argb(255, 10, 20, 30);
    gfx::Image img(40, 30, 1.0, back);
    {
        gfx::raster::RasterCanvas c(img, 1.0);
        c.setPen(gfx::Pen(gfx::Color(255, 0, 0), 2, gfx::Cap::Round, gfx::Join::Round));
        c.setBrush(gfx::Color(0, 255, 0));
        badShapes(c);
        c.setAntialiasing(false);
        badShapes(c);
    }
    for (uint32_t p : img.pixels) ASSERT_EQ(p, back);
}

// A shape whose corners lie far beyond any image is cut at the image's sides: the part inside
// is filled as any other, with or without antialiasing.
TEST(RasterCanvas, ShapesFarBeyondTheImageAreCutAtItsSides) {
    for (bool aa : {true, false}) {
        gfx::Image img(40, 30, 1.0, gfx::argb(255, 10, 20, 30));
        {
            gfx::raster::RasterCanvas c(img, 1.0);
            c.setAntialiasing(aa);
            c.fillRect({-1e300, -1e300, 2e300, 2e300}, gfx::Color(0, 255, 0));
            c.fillRect({-3e9, 10, 6e9, 1e12}, gfx::Color(0, 0, 255));
        }
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(img.at(x, y), y < 10 ? gfx::argb(255, 0, 255, 0) : gfx::argb(255, 0, 0, 255))
                    << x << "," << y;
    }
}

// A surface too big for memory is refused (the picture cache then draws nothing), not
// attempted; any other is at least one pixel.
TEST(RasterSurface, SizesBeyondReachAreRefused) {
    gfx::raster::RasterSurfaceFactory f;
    EXPECT_EQ(f.makeSurface(1 << 20, 1 << 20, 1.0), nullptr);
    const std::unique_ptr<gfx::Surface> tiny = f.makeSurface(0, -5, 0.0);
    ASSERT_NE(tiny, nullptr);
    EXPECT_EQ(tiny->width(), 1);
    EXPECT_EQ(tiny->height(), 1);
    EXPECT_EQ(tiny->ratio(), 1.0);
}

}  // namespace
