// The canvas on a QPainter gives the painter's own pixels for the same drawing: pens (caps,
// joins, cosmetic width), brushes and gradients (focal point, stops), fill rules, clips and
// transforms are passed through one to one. Surfaces keep their pixels and ratio and are drawn
// one to one.

#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "gfx/Surface.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/QtSurface.h"

namespace {

QImage blank(double dpr) {
    QImage img(int(120 * dpr), int(90 * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}

void paintWithPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient rg(QPointF(30, 30), 25, QPointF(22, 20));
    rg.setColorAt(0, QColor(255, 190, 170));
    rg.setColorAt(0.45, QColor(235, 40, 30));
    rg.setColorAt(1, QColor(120, 10, 8, 200));
    p.setPen(QPen(QColor(20, 20, 20), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(rg);
    p.drawEllipse(QPointF(30, 30), 25, 20);
    QLinearGradient lg(QPointF(60, 0), QPointF(110, 40));
    lg.setColorAt(0, QColor(236, 238, 240));
    lg.setColorAt(1, QColor(150, 156, 164));
    p.setBrush(lg);
    p.setPen(QPen(QColor(0, 0, 0, 128), 0));  // cosmetic
    p.drawRoundedRect(QRectF(60.5, 5.25, 50, 30), 6, 4);
    p.save();
    p.translate(60, 60);
    p.rotate(30);
    p.scale(1.5, 0.8);
    p.setClipRect(QRectF(-20, -20, 30, 35), Qt::IntersectClip);
    p.setPen(QPen(QColor(0, 90, 200), 4, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{-15, -10}, {0, 10}, {15, -10}}));
    p.restore();
    QPainterPath star;
    star.moveTo(10, 85);
    star.lineTo(30, 45);
    star.lineTo(50, 85);
    star.lineTo(5, 60);
    star.lineTo(55, 60);
    star.closeSubpath();
    star.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(10, 10, 10), 2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(QColor(240, 200, 0));
    p.drawPath(star);
    p.fillRect(QRectF(70, 50, 20, 10), QColor(0, 160, 0, 150));
    p.setPen(QColor(200, 0, 200));
    p.drawLine(QPointF(70, 80), QPointF(115, 62));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPolygon(QPolygonF({{95, 70}, {118, 88}, {92, 88}}), Qt::OddEvenFill);
    p.drawRect(QRectF(100.5, 45.5, 12, 8));
}

void paintWithCanvas(gfx::Canvas& c) {
    c.setAntialiasing(true);
    gfx::RadialGradient rg({30, 30}, 25, {22, 20});
    rg.setColorAt(0, gfx::Color(255, 190, 170));
    rg.setColorAt(0.45, gfx::Color(235, 40, 30));
    rg.setColorAt(1, gfx::Color(120, 10, 8, 200));
    c.setPen(gfx::Pen(gfx::Color(20, 20, 20), 1.5, gfx::Cap::Round, gfx::Join::Miter));
    c.setBrush(rg);
    c.drawEllipse({30, 30}, 25, 20);
    gfx::LinearGradient lg({60, 0}, {110, 40});
    lg.setColorAt(0, gfx::Color(236, 238, 240));
    lg.setColorAt(1, gfx::Color(150, 156, 164));
    c.setBrush(lg);
    c.setPen(gfx::Pen(gfx::Color(0, 0, 0, 128), 0));
    c.drawRoundedRect({60.5, 5.25, 50, 30}, 6, 4);
    {
        gfx::SavedState keep(c);
        c.translate(60, 60);
        c.rotate(30);
        c.scale(1.5, 0.8);
        c.clipRect({-20, -20, 30, 35});
        c.setPen(gfx::Pen(gfx::Color(0, 90, 200), 4, gfx::Cap::Flat, gfx::Join::Bevel));
        c.setBrush(gfx::Brush::none());
        c.drawPolyline({{-15, -10}, {0, 10}, {15, -10}});
    }
    gfx::Path star =
        gfx::polygonPath({{10, 85}, {30, 45}, {50, 85}, {5, 60}, {55, 60}}, gfx::FillRule::Winding);
    c.setPen(gfx::Pen(gfx::Color(10, 10, 10), 2, gfx::Cap::Square, gfx::Join::Round));
    c.setBrush(gfx::Color(240, 200, 0));
    c.drawPath(star);
    c.fillRect({70, 50, 20, 10}, gfx::Color(0, 160, 0, 150));
    c.setPen(gfx::Pen(gfx::Color(200, 0, 200)));
    c.drawLine(70, 80, 115, 62);
    c.setBrush(gfx::Color(0, 0, 0, 90));
    c.drawPolygon({{95, 70}, {118, 88}, {92, 88}});
    c.drawRect({100.5, 45.5, 12, 8});
}

TEST(QtCanvas, DrawsThePaintersOwnPixels) {
    for (double dpr : {1.0, 2.0, 1.93}) {
        QImage want = blank(dpr), got = blank(dpr);
        {
            QPainter p(&want);
            paintWithPainter(p);
        }
        {
            QPainter p(&got);
            rtqt::QtCanvas c(p);
            EXPECT_DOUBLE_EQ(c.ratio(), dpr);
            paintWithCanvas(c);
        }
        EXPECT_EQ(want, got) << "ratio " << dpr;
    }
}

TEST(QtSurface, KeepsItsPixelsAndIsDrawnOneToOne) {
    rtqt::QtSurfaceFactory factory;
    EXPECT_TRUE(factory.paintsOnThreads());
    const std::unique_ptr<gfx::Surface> s = factory.makeSurface(30, 20, 2);
    ASSERT_EQ(s->width(), 30);
    EXPECT_EQ(s->height(), 20);
    EXPECT_DOUBLE_EQ(s->ratio(), 2);
    EXPECT_EQ(s->readPixels().at(0, 0), 0u);  // transparent until painted
    {
        const std::unique_ptr<gfx::Canvas> c = s->paint();
        EXPECT_DOUBLE_EQ(c->ratio(), 2);
        c->fillRect({0, 0, 15, 10}, gfx::Color(255, 0, 0, 128));  // logical units: the whole surface
    }
    const gfx::Image px = s->readPixels();
    ASSERT_EQ(px.width, 30);
    EXPECT_DOUBLE_EQ(px.ratio, 2);
    EXPECT_EQ(px.at(29, 19), gfx::argb(128, 128, 0, 0));  // premultiplied
    // Drawn at a whole device pixel, the pixels land unchanged; a gfx image likewise.
    QImage target = blank(2);
    {
        QPainter p(&target);
        rtqt::QtCanvas c(p);
        c.drawSurface({10, 5}, *s);
        c.drawImage({50, 5}, px);
    }
    EXPECT_EQ(rtqt::toImage(target.copy(20, 10, 30, 20)).pixels, px.pixels);
    EXPECT_EQ(rtqt::toImage(target.copy(100, 10, 30, 20)).pixels, px.pixels);
    EXPECT_EQ(qAlpha(target.pixel(19, 10)), 0);
    // Degenerate sizes and ratios still give a usable surface.
    const std::unique_ptr<gfx::Surface> tiny = factory.makeSurface(0, -5, 0);
    EXPECT_EQ(tiny->width(), 1);
    EXPECT_EQ(tiny->height(), 1);
    EXPECT_GT(tiny->ratio(), 0);
}

}  // namespace
