// The toolkit-free colours and paths agree with the desktop painter's own: lighter/darker give
// the same 8-bit colours as its HSV rule, and arcs, ellipses and rounded rectangles flatten to
// the same cubic curves (a backend without these shapes draws them from the curves).

#include <gtest/gtest.h>

#include <QColor>
#include <QPainterPath>
#include <QTransform>

#include "gfx/Color.h"
#include "gfx/Path.h"
#include "runtime/qt/QtCanvas.h"

namespace {

TEST(GfxColor, LighterAndDarkerMatchThePainterOnATableOfColours) {
    const int factors[] = {-10, 0,   1,   50,  99,  100, 101, 110, 115, 120, 125,
                           130, 140, 150, 160, 170, 180, 200, 250, 300, 400};
    int checked = 0;
    auto check = [&](int r, int g, int b, int a) {
        const gfx::Color c(r, g, b, a);
        const QColor q(r, g, b, a);
        for (int f : factors) {
            const QColor ql = q.lighter(f), qd = q.darker(f);
            ASSERT_EQ(c.lighter(f), gfx::Color(ql.red(), ql.green(), ql.blue(), ql.alpha()))
                << r << "," << g << "," << b << " lighter(" << f << ")";
            ASSERT_EQ(c.darker(f), gfx::Color(qd.red(), qd.green(), qd.blue(), qd.alpha()))
                << r << "," << g << "," << b << " darker(" << f << ")";
            ++checked;
        }
    };
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 13) check(r, g, b, 255);
    for (int v = 0; v < 256; ++v) check(v, v, v, 255);                  // greys have no hue
    for (int v = 0; v < 256; ++v) check(v, 255 - v, (v * 7) % 256, v);  // alpha is kept
    // Colours of the pictures' palettes, near the hue sextant boundaries.
    check(255, 0, 1, 255), check(1, 255, 0, 255), check(0, 1, 255, 255), check(254, 255, 255, 255);
    check(190, 20, 15, 255), check(40, 60, 120, 255), check(0, 142, 142, 255), check(235, 40, 30, 200);
    EXPECT_GT(checked, 10000);
}

std::vector<QPointF> points(const QPainterPath& q) {
    std::vector<QPointF> out;
    for (int i = 0; i < q.elementCount(); ++i) out.push_back(q.elementAt(i));
    return out;
}

// The flattened gfx path has the painter path's points, element for element.
void expectSameCurves(const gfx::Path& p, const QPainterPath& q, const char* what) {
    const QPainterPath flat = rtqt::qtPath(p.toCubics());
    const std::vector<QPointF> a = points(flat), b = points(q);
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i].x(), b[i].x(), 1e-9) << what << " point " << i;
        EXPECT_NEAR(a[i].y(), b[i].y(), 1e-9) << what << " point " << i;
    }
    const QRectF qb = q.boundingRect();
    const gfx::Rect gb = p.boundingRect();
    EXPECT_NEAR(gb.x, qb.x(), 1e-9) << what;
    EXPECT_NEAR(gb.y, qb.y(), 1e-9) << what;
    EXPECT_NEAR(gb.right(), qb.right(), 1e-9) << what;
    EXPECT_NEAR(gb.bottom(), qb.bottom(), 1e-9) << what;
    const QPointF qc = q.currentPosition();
    EXPECT_NEAR(p.currentPosition().x, qc.x(), 1e-9) << what;
    EXPECT_NEAR(p.currentPosition().y, qc.y(), 1e-9) << what;
}

TEST(GfxPath, ArcsFlattenToThePaintersCurves) {
    const gfx::Rect r{10, 20, 80, 50};
    const double starts[] = {0, 30, 45, 90, 135, 180, 200, 270, 300, 359, -45, -90, 400};
    const double sweeps[] = {0, 10, 45, 90, 100, 180, 270, 359, 360, -30, -90, -180, -270, -360, 500, -500};
    for (double s : starts) {
        for (double w : sweeps) {
            gfx::Path p({0, 0});
            p.arcTo(r, s, w);
            QPainterPath q(QPointF(0, 0));
            q.arcTo(QRectF(10, 20, 80, 50), s, w);
            const std::string what = "arc " + std::to_string(s) + " " + std::to_string(w);
            expectSameCurves(p, q, what.c_str());
            gfx::Path m;
            m.arcMoveTo(r, s);
            m.lineTo({0, 0});
            QPainterPath qm;
            qm.arcMoveTo(QRectF(10, 20, 80, 50), s);
            qm.lineTo(0, 0);
            expectSameCurves(m, qm, ("arcMove " + what).c_str());
        }
    }
}

TEST(GfxPath, ClosedShapesAndSubpathsFlattenAsThePaintersDo) {
    gfx::Path p;
    QPainterPath q;
    p.addEllipse({5, 6, 30, 20});
    q.addEllipse(QRectF(5, 6, 30, 20));
    p.lineTo({50, 50});  // after a closed shape a new subpath starts where it ended
    q.lineTo(50, 50);
    p.addRoundedRect({40, 10, 60, 30}, 8, 5);
    q.addRoundedRect(QRectF(40, 10, 60, 30), 8, 5);
    p.addRoundedRect({0, 60, 20, 10}, 30, 30);  // radii past half the side are cut to it
    q.addRoundedRect(QRectF(0, 60, 20, 10), 30, 30);
    p.addRoundedRect({0, 80, 20, 10}, 0, 4);  // no radius: a plain rectangle
    q.addRoundedRect(QRectF(0, 80, 20, 10), 0, 4);
    p.addRect({70, 70, 10, 5});
    q.addRect(QRectF(70, 70, 10, 5));
    p.moveTo({1, 1});
    q.moveTo(1, 1);
    p.moveTo({2, 2});  // a move after a move replaces it
    q.moveTo(2, 2);
    p.lineTo({2, 2});  // a line to where the pen is adds nothing
    q.lineTo(2, 2);
    p.quadTo({10, 0}, {20, 2});
    q.quadTo(10, 0, 20, 2);
    p.lineTo({20, 30});
    q.lineTo(20, 30);
    p.closeSubpath();
    q.closeSubpath();
    p.cubicTo({30, 30}, {40, 40}, {30, 50});
    q.cubicTo(30, 30, 40, 40, 30, 50);
    expectSameCurves(p, q, "shapes");

    // Mapped by a transform: the painter's path mapped the same way.
    const gfx::Transform t =
        gfx::Transform::rotation(30) * gfx::Transform::scaling(2, 0.5) * gfx::Transform::translation(3, -4);
    QTransform qt;
    qt.translate(3, -4);
    qt.scale(2, 0.5);
    qt.rotate(30);
    expectSameCurves(p.transformed(t), qt.map(q), "transformed");
    expectSameCurves(p.translated(7, 8), q.translated(7, 8), "translated");
}

}  // namespace
