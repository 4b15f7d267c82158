// What paintWindow puts on screen, read back as pixels: every kind of control lands where the
// model places it (twips / 15), in drawing order, clipped by its containers, and only when shown.

#include <gtest/gtest.h>

#include <QPainter>

#include "Scene.h"
#include "art/PictureTables.h"
#include "runtime/Container.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/qt/WindowImage.h"
#include "view/WindowPainter.h"

namespace {

using qttest::at;
using qttest::kTw;
using qttest::Scene;

const QColor kGrey(view::kDefaultBackColor.r, view::kDefaultBackColor.g, view::kDefaultBackColor.b);

bool near(const QColor& a, const QColor& b, int tol = 8) {
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}

void dot(rt::Shape& s, float xPx, float yPx, float dPx, rt::Color c) {
    s.move(xPx * kTw, yPx * kTw, dPx * kTw, dPx * kTw);
    s.setBorderColor(c);
    s.setFillColor(c);
}

TEST(RenderWindow, ImageHasTheWindowSizeAtTheRatio) {
    Scene s(200, 150);
    const QImage one = rtqt::renderWindow(s.window);
    EXPECT_EQ(one.size(), QSize(200, 150));
    const QImage two = rtqt::renderWindow(s.window, 2.0);
    EXPECT_EQ(two.size(), QSize(400, 300));
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(rtqt::renderWindow(s.window, 1.5).size(), QSize(300, 225));
    EXPECT_TRUE(near(at(one, 5, 5), kGrey));  // the default back colour
    s.window.setBackColor(rt::Color{0, 0, 128});
    EXPECT_TRUE(near(at(rtqt::renderWindow(s.window), 199, 149), QColor(0, 0, 128)));
}

TEST(PaintWindow, PictureDrawnAtItsPlaceOnlyWhenItHasOne) {
    Scene s;
    const rt::PictureList& menu = art::list("ImaMenu");
    rt::PictureControl pic(&s.window, "Fond");
    pic.setPicture(menu, 20);  // the plain strip, 307 x 109: wider than the window
    pic.move(40 * kTw, 30 * kTw);
    rt::PictureControl empty(&s.window, "Zone");  // no picture: a hit area that draws nothing
    empty.move(0, 0, 30 * kTw, 20 * kTw);

    const QImage img = rtqt::renderWindow(s.window);
    EXPECT_FALSE(near(at(img, 60, 60), kGrey, 2));  // the strip
    EXPECT_TRUE(near(at(img, 39, 60), kGrey));      // left of it
    EXPECT_TRUE(near(at(img, 60, 29), kGrey));      // above it
    EXPECT_TRUE(near(at(img, 10, 10), kGrey));      // the empty control

    pic.setVisible(false);
    EXPECT_TRUE(near(at(rtqt::renderWindow(s.window), 60, 60), kGrey));
}

TEST(PaintWindow, ShapesAreFilledCirclesInDrawingOrder) {
    Scene s;
    rt::Shape red(&s.window, "R"), blue(&s.window, "B"), red2(&s.window, "R2");
    dot(red, 10, 10, 20, {255, 0, 0});
    dot(blue, 20, 10, 20, {0, 0, 255});  // over the right half of red
    dot(red2, 30, 10, 20, {255, 0, 0});  // over the right half of blue: same style as the first
    const QImage img = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(img, 14, 20), QColor(255, 0, 0)));
    EXPECT_TRUE(near(at(img, 24, 20), QColor(0, 0, 255)));
    EXPECT_TRUE(near(at(img, 34, 20), QColor(255, 0, 0)));
    EXPECT_TRUE(near(at(img, 48, 20), QColor(255, 0, 0)));
    EXPECT_TRUE(near(at(img, 48, 11), kGrey));  // the corner of red2's square is not the circle

    // A circle in a tall rectangle is centred and as wide as the rectangle.
    rt::Shape tall(&s.window, "T");
    tall.move(100 * kTw, 50 * kTw, 10 * kTw, 40 * kTw);
    tall.setFillColor({0, 160, 0});
    tall.setBorderColor({0, 160, 0});
    const QImage img2 = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(img2, 105, 70), QColor(0, 160, 0)));
    EXPECT_TRUE(near(at(img2, 105, 55), kGrey));
}

TEST(PaintWindow, ThickOutlineInItsOwnColour) {
    Scene s;
    rt::Shape ring(&s.window, "Anneau");
    ring.move(50 * kTw, 50 * kTw, 40 * kTw, 40 * kTw);
    ring.setBorderWidth(6);
    ring.setBorderColor({255, 255, 0});
    ring.setFillColor({0, 0, 255});
    const QImage img = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(img, 70, 70), QColor(0, 0, 255)));    // fill
    EXPECT_TRUE(near(at(img, 51, 70), QColor(255, 255, 0)));  // outline on the left edge
    ring.setFilled(false);
    EXPECT_TRUE(near(at(rtqt::renderWindow(s.window), 70, 70), kGrey));
}

TEST(PaintWindow, LinesUseTheirContainersUnits) {
    Scene s;
    rt::Container screen(&s.window, "Ecran");
    screen.move(20 * kTw, 20 * kTw, 100 * kTw, 80 * kTw);
    screen.setBackColor({0, 0, 0});
    screen.setScale(100, 80, 0, -40);  // 1 unit = 1 px, y from -40 at the top
    rt::Line trace(&screen, "Ten1");
    trace.setX1(10);
    trace.setX2(90);
    trace.setY1(0);
    trace.setY2(0);
    trace.setBorderWidth(3);
    trace.setBorderColor({0, 255, 0});
    const QImage img = rtqt::renderWindow(s.window);
    // y = 0 is the middle of the screen container: window pixel 20 + 40.
    EXPECT_TRUE(near(at(img, 70, 60), QColor(0, 255, 0)));
    EXPECT_TRUE(near(at(img, 70, 59), QColor(0, 255, 0)));  // three pixels thick
    EXPECT_TRUE(near(at(img, 70, 55), QColor(0, 0, 0)));
    EXPECT_TRUE(near(at(img, 25, 60), QColor(0, 0, 0)));  // starts at x = 10 units
    trace.setVisible(false);
    EXPECT_TRUE(near(at(rtqt::renderWindow(s.window), 70, 60), QColor(0, 0, 0)));
}

TEST(PaintWindow, ContainersClipTheirChildrenAndHideThem) {
    Scene s;
    rt::Container box(&s.window, "Boite");
    box.move(100 * kTw, 20 * kTw, 40 * kTw, 40 * kTw);
    box.setBackColor({255, 255, 0});
    rt::Shape big(&box, "Point");
    dot(big, 20, 20, 40, {255, 0, 255});  // reaches 20 px beyond the box to the right and below
    const QImage img = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(img, 105, 25), QColor(255, 255, 0)));  // box ground
    EXPECT_TRUE(near(at(img, 135, 55), QColor(255, 0, 255)));  // the dot inside the box
    EXPECT_TRUE(near(at(img, 145, 45), kGrey));                // the dot is cut at the box's edge
    EXPECT_TRUE(near(at(img, 135, 65), kGrey));

    box.setVisible(false);  // children hide with their container
    const QImage hidden = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(hidden, 135, 55), kGrey));
    EXPECT_TRUE(near(at(hidden, 105, 25), kGrey));
}

TEST(PaintWindow, ContainersLieAboveGraphicalControls) {
    Scene s;
    rt::Container box(&s.window, "Boite");
    box.move(10 * kTw, 10 * kTw, 20 * kTw, 20 * kTw);
    box.setBackColor({0, 0, 255});
    rt::Shape under(&s.window, "Dessous");  // made after the box, but graphical: drawn below it
    dot(under, 0, 0, 60, {255, 0, 0});
    const QImage img = rtqt::renderWindow(s.window);
    EXPECT_TRUE(near(at(img, 20, 20), QColor(0, 0, 255)));
    EXPECT_TRUE(near(at(img, 35, 35), QColor(255, 0, 0)));
}

TEST(PaintWindow, LabelTextInItsColourOnATransparentGround) {
    Scene s;
    s.window.setBackColor({255, 255, 255});
    rt::Label l(&s.window, "Vle");
    l.setFont(rt::Font{"Arial", 18, true});
    l.setForeColor({200, 0, 0});
    l.setCaption("MMMM");
    l.move(10 * kTw, 10 * kTw);
    const QImage img = rtqt::renderWindow(s.window);
    const int wPx = static_cast<int>(l.Width() / kTw), hPx = static_cast<int>(l.Height() / kTw);
    int red = 0, outside = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QColor c = at(img, x, y);
            const bool inLabel = x >= 10 && x < 10 + wPx && y >= 10 && y < 10 + hPx;
            if (c.red() > 150 && c.green() < 60 && inLabel) ++red;
            if (!inLabel && c != QColor(255, 255, 255)) ++outside;
        }
    }
    EXPECT_GT(red, 100);    // strokes of four bold capitals
    EXPECT_EQ(outside, 0);  // nothing outside the label, and no ground drawn inside it
    EXPECT_EQ(at(img, 10, 10 + hPx - 1), QColor(255, 255, 255));  // below the baseline: ground

    l.setTransparent(false);
    l.setBackColor({0, 0, 0});
    EXPECT_EQ(at(rtqt::renderWindow(s.window), 10, 10 + hPx - 1), QColor(0, 0, 0));
}

TEST(PaintWindow, SymbolCaptionDrawsTheGreekLetter) {
    Scene s;
    s.window.setBackColor({255, 255, 255});
    rt::Label omega(&s.window, "Omega");
    omega.setFont(rt::Font{"Symbol", 24, false});
    omega.setCaption("W");
    rt::Label greek(&s.window, "Grec");
    greek.setFont(rt::Font{"Arial", 24, false});
    greek.setCaption("Ω");
    greek.move(100 * kTw, 0);
    EXPECT_EQ(omega.Caption(), "W");  // the model keeps the letter typed
    EXPECT_FLOAT_EQ(omega.Width(), greek.Width());
    const QImage img = rtqt::renderWindow(s.window);
    const int w = static_cast<int>(omega.Width() / kTw), h = static_cast<int>(omega.Height() / kTw);
    EXPECT_EQ(img.copy(0, 0, w, h), img.copy(100, 0, w, h));
}

TEST(PaintWindow, TwoThousandDotsAllPainted) {
    // A recorded trace: 2002 dots in a scaled screen container, painted in one pass.
    Scene s(400, 300);
    rt::Container screen(&s.window, "Ecran");
    screen.move(0, 0, 400 * kTw, 300 * kTw);
    screen.setBackColor({0, 0, 0});
    screen.setScale(100, 80, 0, -40);
    std::vector<std::unique_ptr<rt::Shape>> dots;
    for (int i = 0; i < 2002; ++i) {
        auto d = std::make_unique<rt::Shape>(&screen, "faisceau1", i);
        const float x = (i % 1001) * 0.1f, y = i < 1001 ? -20.0f : 20.0f;
        d->move(x, y, 0.75f, 1.0f);
        dots.push_back(std::move(d));
    }
    const QImage img = rtqt::renderWindow(s.window);
    // Both rows are drawn from left to right: y = -20 is window pixel 75, y = 20 is 225.
    for (int x : {2, 100, 200, 398}) {
        EXPECT_GT(at(img, x, 77).green(), 100) << x;
        EXPECT_GT(at(img, x, 227).green(), 100) << x;
    }
    EXPECT_EQ(at(img, 200, 150), QColor(0, 0, 0));
}

class DotAtRatio : public ::testing::TestWithParam<double> {};

TEST_P(DotAtRatio, LandsWithinADevicePixelOfItsPlace) {
    // Dots are stamped from a sprite at whole device pixels; the circle still covers its
    // rectangle, 30..40 by 40..50 px, to a device pixel.
    const double dpr = GetParam();
    Scene s(100, 100);
    s.window.setBackColor({0, 0, 0});
    rt::Shape d(&s.window, "Point");
    dot(d, 30, 40, 10, {255, 0, 0});
    const QImage img = rtqt::renderWindow(s.window, dpr);
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y).red() < 128) continue;
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    }
    EXPECT_NEAR(left, 30 * dpr, 1.0);
    EXPECT_NEAR(right, 40 * dpr, 1.0);
    EXPECT_NEAR(top, 40 * dpr, 1.0);
    EXPECT_NEAR(bottom, 50 * dpr, 1.0);
    EXPECT_EQ(img.pixelColor(static_cast<int>(35 * dpr), static_cast<int>(45 * dpr)), QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Ratios, DotAtRatio, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
