// The software backend against the desktop painter: a scene of every kind of drawing, and the
// program's real windows, painted through both land on the same pixels but for antialiasing
// differences, region by region (a part missing or misplaced shows in its own region).

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Scene.h"
#include "bench/Chargedecharge.h"
#include "gfx/raster/PngFile.h"
#include "gfx/raster/RasterSurface.h"
#include "runtime/qt/QtSurface.h"
#include "runtime/qt/WindowImage.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"
#include "view/WindowRaster.h"

namespace {

// The share of pixels whose channels all lie within `tol` of the other image's, over all of
// it and in the worst of its tiles of `tile` x `tile` pixels.
struct Agreement {
    double overall = 0, worstTile = 1;
};

bool close(uint32_t a, uint32_t b, int tol) {
    for (int s = 0; s < 32; s += 8)
        if (std::abs(int(a >> s & 0xff) - int(b >> s & 0xff)) > tol) return false;
    return true;
}

Agreement agreement(const gfx::Image& a, const gfx::Image& b, int tile = 25, int tol = 26) {
    Agreement out;
    if (a.width != b.width || a.height != b.height || a.isNull()) return {0, 0};
    long good = 0;
    for (int ty = 0; ty < a.height; ty += tile)
        for (int tx = 0; tx < a.width; tx += tile) {
            int n = 0, ok = 0;
            for (int y = ty; y < std::min(ty + tile, a.height); ++y)
                for (int x = tx; x < std::min(tx + tile, a.width); ++x, ++n)
                    ok += close(a.at(x, y), b.at(x, y), tol);
            good += ok;
            out.worstTile = std::min(out.worstTile, double(ok) / n);
        }
    out.overall = double(good) / (double(a.width) * a.height);
    return out;
}

// Saves both images where VORLINDE_RASTER_DUMP names a folder (to look at them).
void dump(const gfx::Image& raster, const gfx::Image& desktop, const std::string& name) {
    const char* dir = std::getenv("VORLINDE_RASTER_DUMP");
    if (!dir) return;
    for (const auto& [img, kind] : {std::pair{&raster, "raster"}, std::pair{&desktop, "desktop"}}) {
        const QImage q(reinterpret_cast<const uchar*>(img->pixels.data()), img->width, img->height,
                       img->width * 4, QImage::Format_ARGB32_Premultiplied);
        q.save(QString::fromStdString(std::string(dir) + "/" + name + "-" + kind + ".png"));
    }
}

void scene(gfx::Canvas& c) {
    using gfx::Color;
    c.fillRect({0, 0, 240, 150}, gfx::kWhite);
    c.setPen(gfx::Pen::none());
    c.setBrush(Color(200, 30, 30));
    c.drawEllipse({10.3, 10.6, 60, 40});
    gfx::Path ring;  // a frame: the inner rectangle is a hole under the odd-even rule
    ring.addRect({90, 10, 50, 40});
    ring.addRect({100, 20, 30, 20});
    c.setBrush(Color(20, 90, 200));
    c.drawPath(ring);
    gfx::LinearGradient lg({10, 60}, {80, 60});
    lg.setColorAt(0, Color(255, 255, 0));
    lg.setColorAt(1, Color(0, 128, 0));
    c.fillRect({10, 60, 70, 30}, lg);
    gfx::RadialGradient rg({130, 80}, 25, {120, 72});
    rg.setColorAt(0, gfx::kWhite);
    rg.setColorAt(1, Color(40, 40, 90));
    c.setBrush(rg);
    c.drawEllipse({105, 55, 50, 50});
    {
        const gfx::SavedState keep(c);
        c.translate(160, 12);
        c.rotate(30);
        c.setPen(gfx::Pen(Color(0, 0, 0), 12, gfx::Cap::Round, gfx::Join::Round));
        c.drawPolyline({{0, 0}, {20, 10}, {5, 30}});
    }
    {
        const gfx::SavedState keep(c);
        c.clipRect({10, 100, 40, 40});
        c.setBrush(Color(0, 160, 160));
        c.drawEllipse({20, 105, 50, 50});
    }
    {
        const gfx::SavedState keep(c);
        gfx::Path round;
        round.addEllipse({202, 10, 36, 40});
        c.clipPath(round);
        c.drawImage({202, 10}, gfx::Image(36, 40, 1.0, gfx::argb(255, 240, 120, 0)));
    }
    c.setFont(gfx::Font{14, true});
    c.setPen(gfx::Pen(Color(0, 0, 0)));
    c.drawText({60, 130}, "Vorlinde ÉTÉ 42");
    c.setAntialiasing(false);
    c.setPen(gfx::Pen(Color(128, 0, 128), 1));
    c.setBrush(gfx::Brush::none());
    c.drawRect({160.5, 100.5, 30, 40});
    c.drawLine(165, 145, 195, 145);
    c.setPen(gfx::Pen(Color(0, 0, 0), 0));
    for (int i = 0; i < 6; ++i) {
        c.drawLine(202, 60 + 4 * i, 238, 60 + 4 * i);
        c.drawLine(202 + 4 * i, 90, 202 + 4 * i, 140);
    }
}

gfx::Image painted(gfx::SurfaceFactory& f, double ratio) {
    const auto px = [ratio](int units) { return static_cast<int>(std::ceil(units * ratio)); };
    const std::unique_ptr<gfx::Surface> s = f.makeSurface(px(240), px(150), ratio);
    scene(*s->paint());
    return s->readPixels();
}

// At the ratios of common screens (the scene's units then cover several device pixels).
class RasterScene : public ::testing::TestWithParam<double> {};

TEST_P(RasterScene, MatchesTheDesktopPainter) {
    gfx::raster::RasterSurfaceFactory raster;
    rtqt::QtSurfaceFactory desktop;
    const gfx::Image a = painted(raster, GetParam()), b = painted(desktop, GetParam());
    dump(a, b, "scene-" + std::to_string(GetParam()));
    const Agreement m = agreement(a, b, static_cast<int>(25 * GetParam()));
    EXPECT_GE(m.overall, 0.99);
    EXPECT_GE(m.worstTile, 0.95);
}

INSTANTIATE_TEST_SUITE_P(Ratios, RasterScene, ::testing::Values(1.0, 1.5, 2.0));

// The windows as the runner's snapshots show them: the bench at start, the oscilloscope shown.
TEST(RasterCanvas, WindowsMatchTheDesktopSnapshots) {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    Program prog{clock, text};
    prog.Main();
    prog.app().window<Oscillo>("Oscillo").Show();
    for (const char* name : {"Chargedecharge", "Oscillo"}) {
        const rt::Window& w = *prog.app().existing(name);
        const gfx::Image a = view::rasterWindow(w), b = rtqt::toImage(rtqt::renderWindow(w));
        dump(a, b, name);
        const Agreement m = agreement(a, b, 50);
        EXPECT_GE(m.overall, 0.995) << name;
        EXPECT_GE(m.worstTile, 0.93) << name;
    }
}

// A PNG file holds each colour unpremultiplied in its own channel, with its alpha; a file that
// cannot be written, or an image of no size, is reported.
TEST(RasterPng, KeepsColoursAndAlpha) {
    gfx::Image img(3, 2, 1.0);
    img.pixels = {gfx::argb(255, 255, 0, 0),
                  gfx::argb(255, 0, 255, 0),
                  gfx::argb(255, 0, 0, 255),
                  gfx::argb(128, 64, 32, 0),
                  0,
                  gfx::argb(255, 1, 2, 3)};
    const std::string path = ::testing::TempDir() + "raster-png-test.png";
    ASSERT_TRUE(gfx::raster::writePng(img, path));
    const QImage back = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), QSize(3, 2));
    EXPECT_EQ(back.pixel(0, 0), 0xffff0000u);
    EXPECT_EQ(back.pixel(1, 0), 0xff00ff00u);
    EXPECT_EQ(back.pixel(2, 0), 0xff0000ffu);
    EXPECT_EQ(back.pixel(0, 1), 0x80804000u);  // half transparent, straight colour
    EXPECT_EQ(qAlpha(back.pixel(1, 1)), 0);
    EXPECT_EQ(back.pixel(2, 1), 0xff010203u);
    EXPECT_FALSE(gfx::raster::writePng(img, ::testing::TempDir() + "no-such-folder/x.png"));
    EXPECT_FALSE(gfx::raster::writePng(gfx::Image(), path));
}

}  // namespace
