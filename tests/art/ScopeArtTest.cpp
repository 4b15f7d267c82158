// The oscilloscope's pictures agree with the window they are laid on: the graticule's lines fall
// on the screen's 10 x 8 divisions, the knobs point where their picture number says, the panel
// leaves the screen area white, and the leads meet the sockets they are plugged into.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <vector>

#include "runtime/qt/QtArt.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class WithGuiApp : public ::testing::Test {};
using ScopeGraticule = WithGuiApp;
using ScopePanel = WithGuiApp;
using ScopeKnobs = WithGuiApp;
using ScopeParts = WithGuiApp;

QColor pixel(const QImage& img, double x, double y) {
    const qreal dpr = img.devicePixelRatio();
    return img.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
}

bool isTeal(QColor c) {
    return c.red() == 0 && c.green() == 127 && c.blue() == 127;
}

// The graticule is the teal screen with light lines at i * 373 / 10 and j * 283 / 8, the
// divisions of the 100 x 80 screen units shown over 373 x 283 pixels.
TEST_F(ScopeGraticule, LinesFallOnTheDivisionsAndCellsAreScreenTeal) {
    const QImage g = rtqt::paintPictureImage("ImageList1", 2);
    ASSERT_EQ(g.size(), QSize(373, 283));
    const double rowMid = 283.0 / 16;  // middle of the top row of cells, clear of the centre axis
    for (int i = 0; i <= 10; ++i) {
        const double x = std::min(std::floor(i * 37.3), 372.0);
        const QColor on = pixel(g, x, rowMid);
        EXPECT_GT(on.red(), 60) << "vertical line " << i;
        EXPECT_GT(on.green(), 160) << "vertical line " << i;
        if (i < 10) {
            EXPECT_TRUE(isTeal(pixel(g, (i + 0.5) * 37.3, rowMid))) << "cell " << i;
        }
    }
    const double colMid = 373.0 / 20;
    for (int j = 0; j <= 8; ++j) {
        const double y = std::min(std::floor(j * 283.0 / 8), 282.0);
        EXPECT_GT(pixel(g, colMid, y).red(), 60) << "horizontal line " << j;
        if (j < 8) {
            EXPECT_TRUE(isTeal(pixel(g, colMid, (j + 0.5) * 283.0 / 8))) << "row " << j;
        }
    }
}

// Only the two centre axes carry the five sub-divisions of each division.
TEST_F(ScopeGraticule, OnlyTheCentreAxesCarrySubdivisionTicks) {
    const QImage g = rtqt::paintPictureImage("ImageList1", 2);
    const double tickX = 2 * 373.0 / 50;  // the second tick of the first division
    const double tickY = 2 * 283.0 / 40;
    EXPECT_FALSE(isTeal(pixel(g, tickX, 141 + 2)));           // beside the horizontal axis
    EXPECT_FALSE(isTeal(pixel(g, 186 + 2, tickY)));           // beside the vertical axis
    EXPECT_TRUE(isTeal(pixel(g, tickX, 2 * 283.0 / 8 + 2)));  // beside another grid line
    EXPECT_TRUE(isTeal(pixel(g, 3 * 37.3 + 2, tickY)));
}

// The window lays the screen container over (44, 43), 393 x 299: the panel leaves it white at
// every device pixel ratio, and is opaque everywhere else (it is the window's background).
TEST_F(ScopePanel, ScreenAreaIsWhiteAndThePanelOpaque) {
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        const QImage panel = rtqt::paintPictureImage("ImageList1", 1, dpr);
        ASSERT_EQ(panel.size(),
                  QSize(static_cast<int>(std::ceil(788 * dpr)), static_cast<int>(std::ceil(503 * dpr))));
        // Every device pixel wholly inside the screen area (every third row and column).
        const QRect inside(
            QPoint(static_cast<int>(std::ceil(44 * dpr)), static_cast<int>(std::ceil(43 * dpr))),
            QPoint(static_cast<int>(437 * dpr) - 1, static_cast<int>(342 * dpr) - 1));
        for (int y = inside.top(); y <= inside.bottom(); y += 3)
            for (int x = inside.left(); x <= inside.right(); x += 3)
                ASSERT_EQ(panel.pixelColor(x, y), QColor(Qt::white)) << x << "," << y << " at " << dpr;
        EXPECT_EQ(panel.pixelColor(inside.bottomRight()), QColor(Qt::white)) << dpr;
        for (double y = 0.5; y < 503; y += 11)
            for (double x = 0.5; x < 788; x += 13)
                ASSERT_EQ(pixel(panel, x, y).alpha(), 255) << x << "," << y;
    }
}

// Picture n turns the marker (n - 1) / 52 of a turn clockwise from the bottom. The marker is the
// brightest of the four points at the marker's radius on the knob's axes.
TEST_F(ScopeKnobs, PositionKnobMarkerTurnsClockwiseFromTheBottom) {
    struct Case {
        int picture;
        double dx, dy;
    };
    const Case cases[] = {{1, 0, 1}, {14, -1, 0}, {27, 0, -1}, {40, 1, 0}, {53, 0, 1}};
    for (const Case& c : cases) {
        const QImage knob = rtqt::paintPictureImage("DecalDG", c.picture, 2.0);
        const QPointF sides[] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
        int best = -1;
        QPointF bestSide;
        for (QPointF side : sides) {
            const int v = pixel(knob, 20 + 8.6 * side.x(), 20.5 + 8.6 * side.y()).lightness();
            if (v > best) {
                best = v;
                bestSide = side;
            }
        }
        EXPECT_EQ(bestSide, QPointF(c.dx, c.dy)) << "picture " << c.picture;
        EXPECT_GT(best, 200) << "picture " << c.picture;
    }
    EXPECT_EQ(rtqt::paintPictureImage("DecalDG", 1), rtqt::paintPictureImage("DecalDG", 53));
}

bool isRed(QColor c) {
    return c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

// Direction, clockwise from straight up in degrees, of the red ink's centre of mass as seen
// from the knob's centre: where the detent's graduation is printed.
double redInkAngle(const QImage& img, QPointF centre) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isRed(img.pixelColor(x, y))) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    if (n == 0) return NAN;
    return std::atan2(sx / n - centre.x(), centre.y() - sy / n) * 180 / kPi;
}

// Each detent has its own picture, with the graduation in red at the pointer. Picture 1 is the
// fully anticlockwise position (lower left) and the red graduation moves clockwise, step by step,
// to the last one (lower right). The centres are those of the hit areas laid over the knobs.
void checkSelector(const char* list, int count, QPointF centre) {
    std::vector<QImage> pictures;
    for (int k = 1; k <= count; ++k) pictures.push_back(rtqt::paintPictureImage(list, k));
    double previous = -360;
    for (int k = 1; k <= count; ++k) {
        const double angle = redInkAngle(pictures[static_cast<size_t>(k - 1)], centre);
        ASSERT_FALSE(std::isnan(angle)) << list << " " << k << " has no red graduation";
        EXPECT_GT(angle, previous + 5) << list << " " << k;
        previous = angle;
        for (int j = 1; j < k; ++j)
            EXPECT_NE(pictures[static_cast<size_t>(j - 1)], pictures[static_cast<size_t>(k - 1)])
                << list << " " << j << " vs " << k;
    }
    EXPECT_LT(redInkAngle(pictures.front(), centre), -90) << list;
    EXPECT_GT(redInkAngle(pictures.back(), centre), 90) << list;
}

TEST_F(ScopeKnobs, VoltsPerDivisionDetentsAreDistinctAndRedAtThePointer) {
    checkSelector("Sensivert", 14, {(7575 - 7110 + 427.5) / 15.0, (2925 - 2415 + 427.5) / 15.0});
}

TEST_F(ScopeKnobs, TimePerDivisionDetentsAreDistinctAndRedAtThePointer) {
    checkSelector("Balay", 18, {(8670 - 8115 + 425) / 15.0, (5475 - 4995 + 425) / 15.0});
}

// The window places the socket pair and the four plugged leads in twips; the hit areas of the
// sockets are 450 twips square. A plugged lead's plug must cover its socket, the lead's picture
// must be transparent away from the lead, and the sockets must be where their hit areas are.
TEST_F(ScopeParts, SocketsSitUnderTheirHitAreasAndPlugsOnTheSockets) {
    const QImage pair = rtqt::paintPictureImage("ImageList2", 7);
    const QPointF red((6885 + 225 - 6810) / 15.0, (6285 + 225 - 5940) / 15.0);
    const QPointF black((7650 + 225 - 6810) / 15.0, (6270 + 225 - 5940) / 15.0);
    const QColor redRing = pixel(pair, red.x() + 6, red.y());
    EXPECT_GT(redRing.red(), 2 * redRing.green()) << "red socket";
    EXPECT_LT(pixel(pair, black.x() + 6, black.y()).lightness(), 90) << "black socket";

    struct Lead {
        int picture;
        double leftTw, topTw;          // the lead's picture
        double socketTw, socketTopTw;  // the socket's hit area
        bool red;
    };
    const Lead leads[] = {{12, 6690, 6340, 6885, 6285, true},
                          {13, 7470, 6300, 7650, 6270, false},
                          {14, 9900, 6335, 10185, 6285, true},
                          {15, 10770, 6300, 10965, 6270, false}};
    for (const Lead& l : leads) {
        const QImage img = rtqt::paintPictureImage("ImageList2", l.picture);
        const QColor plug =
            pixel(img, (l.socketTw + 225 - l.leftTw) / 15, (l.socketTopTw + 225 - l.topTw) / 15);
        EXPECT_EQ(plug.alpha(), 255) << "lead " << l.picture;
        if (l.red) {
            EXPECT_GT(plug.red(), 2 * plug.green()) << "lead " << l.picture;
        } else {
            EXPECT_LT(plug.lightness(), 110) << "lead " << l.picture;
        }
        EXPECT_EQ(pixel(img, 0, 0).alpha(), 0) << "lead " << l.picture;
        EXPECT_EQ(pixel(img, img.width() - 1, 0).alpha(), 0) << "lead " << l.picture;
    }
}

}  // namespace
