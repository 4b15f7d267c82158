#include "art/MenuArtParts.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "art/DrawKit.h"

namespace art {
namespace {

void knob(QPainter& p, const QPointF& c, qreal r, qreal angleDeg) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(0.6, 0.8), r, r);
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.45), r * 1.5);
    g.setColorAt(0, QColor(110, 110, 115));
    g.setColorAt(1, QColor(20, 20, 24));
    p.setPen(QPen(QColor(10, 10, 12), 0.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    const qreal a = angleDeg * kit::kPi / 180;
    p.setPen(QPen(QColor(240, 240, 240), std::max(0.6, r * 0.18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * r * 0.35,
               c + QPointF(std::sin(a), -std::cos(a)) * r * 0.85);
}

void screenGlass(QPainter& p, const QRectF& s, ScopeTrace trace, int level) {
    QRadialGradient g(s.center(), s.width() * 0.7);
    g.setColorAt(0, QColor(28, 58, 40));
    g.setColorAt(1, QColor(8, 22, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(s, 2.5, 2.5);
    // Graticule, 10 by 8 divisions, with fine ticks on the centre lines.
    const qreal dx = s.width() / 10, dy = s.height() / 8;
    p.setPen(QPen(QColor(90, 160, 110, 120), 0.4));
    for (int i = 1; i < 10; ++i)
        p.drawLine(QPointF(s.left() + i * dx, s.top()), QPointF(s.left() + i * dx, s.bottom()));
    for (int j = 1; j < 8; ++j)
        p.drawLine(QPointF(s.left(), s.top() + j * dy), QPointF(s.right(), s.top() + j * dy));
    p.setPen(QPen(QColor(110, 190, 130, 150), 0.4));
    for (int i = 1; i < 50; ++i) {
        const qreal x = s.left() + i * dx / 5;
        p.drawLine(QPointF(x, s.center().y() - 0.8), QPointF(x, s.center().y() + 0.8));
    }
    for (int j = 1; j < 40; ++j) {
        const qreal y = s.top() + j * dy / 5;
        p.drawLine(QPointF(s.center().x() - 0.8, y), QPointF(s.center().x() + 0.8, y));
    }
    QPainterPath path;
    if (trace == ScopeTrace::Line) {
        static constexpr qreal kHeight[5] = {0.80, 0.64, 0.48, 0.33, 0.19};
        const qreal y = s.top() + s.height() * kHeight[std::clamp(level, 0, 4)];
        path.moveTo(s.left() + 1, y);
        path.lineTo(s.right() - 1, y);
    } else if (trace == ScopeTrace::Curve) {
        for (int i = 0; i <= 60; ++i) {
            const qreal t = i / 60.0;
            const QPointF q(s.left() + 1 + t * (s.width() - 2),
                            s.top() + s.height() * (0.875 - 0.7 * (1 - std::exp(-4.5 * t))));
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    }
    if (!path.isEmpty()) {
        p.save();
        p.setClipRect(s);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 255, 120, 60), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(QColor(120, 255, 140), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(QColor(220, 255, 220), 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.restore();
    }
    QLinearGradient refl(s.topLeft(), s.bottomLeft());
    refl.setColorAt(0, QColor(255, 255, 255, 40));
    refl.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(refl);
    p.drawRoundedRect(s, 2.5, 2.5);
}

}  // namespace

void drawLightGround(QPainter& p, qreal w, qreal h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(246, 245, 238));
    g.setColorAt(1, QColor(222, 220, 210));
    p.setPen(QPen(QColor(160, 158, 150), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
}

void drawScope(QPainter& p, const QRectF& area, ScopeTrace trace, int level) {
    const qreal s = std::min(area.width() / 132, area.height() / 83);
    p.save();
    p.translate(area.center().x() - 66 * s, area.center().y() - 41.5 * s);
    p.scale(s, s);
    // Handle and feet.
    p.setPen(QPen(QColor(40, 40, 45), 0.8));
    p.setBrush(QColor(70, 72, 78));
    p.drawRoundedRect(QRectF(42, 2.5, 48, 6), 2.5, 2.5);
    p.drawRoundedRect(QRectF(12, 72, 12, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(108, 72, 12, 5), 1.5, 1.5);
    // Case and front.
    const QRectF box(5, 7, 122, 67);
    QLinearGradient cg(box.topLeft(), box.bottomLeft());
    cg.setColorAt(0, QColor(214, 218, 224));
    cg.setColorAt(1, QColor(160, 166, 176));
    p.setPen(QPen(QColor(80, 85, 95), 1.0));
    p.setBrush(cg);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QPen(QColor(120, 126, 136), 0.6));
    p.setBrush(QColor(196, 201, 208));
    p.drawRoundedRect(box.adjusted(3.5, 3.5, -3.5, -3.5), 2.5, 2.5);
    // Screen in its bezel.
    p.setPen(QPen(QColor(30, 30, 34), 0.8));
    p.setBrush(QColor(62, 64, 70));
    p.drawRoundedRect(QRectF(12, 14, 65, 52), 3.5, 3.5);
    screenGlass(p, QRectF(15.5, 17, 58, 46), trace, level);
    // Controls on the right: two big knobs, three small ones, inputs, power button.
    knob(p, QPointF(90, 25), 5.6, -40);
    knob(p, QPointF(110, 25), 5.6, 35);
    knob(p, QPointF(87, 43), 3.3, 20);
    knob(p, QPointF(99, 43), 3.3, -60);
    knob(p, QPointF(111, 43), 3.3, 90);
    for (qreal x : {88.0, 102.0}) {
        p.setPen(QPen(QColor(70, 70, 70), 0.5));
        QRadialGradient m(QPointF(x - 1, 58), 4);
        m.setColorAt(0, QColor(245, 245, 245));
        m.setColorAt(1, QColor(130, 130, 135));
        p.setBrush(m);
        p.drawEllipse(QPointF(x, 59), 3.2, 3.2);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(x, 59), 1.1, 1.1);
    }
    p.setPen(QPen(QColor(90, 10, 10), 0.6));
    p.setBrush(QColor(220, 40, 35));
    p.drawRoundedRect(QRectF(109, 55.5, 7, 7), 1.2, 1.2);
    p.setPen(QColor(60, 65, 75));
    p.setFont(kit::font(5, true));
    p.drawText(QRectF(12, 66.2, 65, 5), Qt::AlignCenter, QStringLiteral("OSCILLOSCOPE"));
    p.restore();
}

}  // namespace art
