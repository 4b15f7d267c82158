// The bench's knob and display pictures: BtnGene (generator knob in 16 positions),
// Led (seven-segment digits) and ImaBtnDec (decade knob on its 0..10 dial).

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "art/ArtLists.h"
#include "art/BenchArtParts.h"
#include "art/DrawKit.h"

namespace art {
namespace {

using kit::kPi;

QPointF polar(const QPointF& c, qreal r, qreal deg) {
    const qreal a = deg * kPi / 180;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// ---- BtnGene: black knob, yellow marker dot ------------------------------------------------

void generatorKnob(QPainter& p, int n) {
    const QPointF c(17.5, 18);
    const qreal angle = (n - 1) * 22.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(c + QPointF(0.8, 1.2), 16.6, 16.6);
    // Knurled skirt; the ridges turn with the knob.
    QRadialGradient skirt(c - QPointF(4, 5), 22);
    skirt.setColorAt(0, QColor(75, 75, 80));
    skirt.setColorAt(1, QColor(12, 12, 14));
    p.setPen(QPen(QColor(5, 5, 6), 0.7));
    p.setBrush(skirt);
    p.drawEllipse(c, 16.2, 16.2);
    for (int i = 0; i < 32; ++i) {
        const qreal a = angle + i * 11.25;
        const qreal lit = 0.5 + 0.5 * std::cos((a + 45) * kPi / 180);  // light from the top left
        p.setPen(QPen(QColor(40 + static_cast<int>(70 * lit), 40 + static_cast<int>(70 * lit),
                             46 + static_cast<int>(70 * lit)),
                      0.8));
        p.drawLine(polar(c, 13.6, a), polar(c, 15.7, a));
    }
    // The cap: a shallow dome with a soft highlight.
    QRadialGradient cap(c - QPointF(4.5, 5.5), 17);
    cap.setColorAt(0, QColor(95, 95, 102));
    cap.setColorAt(0.55, QColor(32, 32, 36));
    cap.setColorAt(1, QColor(8, 8, 10));
    p.setPen(QPen(QColor(100, 100, 108), 0.6));
    p.setBrush(cap);
    p.drawEllipse(c, 12.9, 12.9);
    p.setPen(Qt::NoPen);
    QRadialGradient gloss(c - QPointF(4.5, 6), 6);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(c - QPointF(4.5, 6), 6, 4.5);
    // Marker dot.
    const QPointF d = polar(c, 9.0, angle);
    p.setPen(QPen(QColor(120, 90, 0), 0.7));
    QRadialGradient dot(d - QPointF(0.8, 0.8), 3);
    dot.setColorAt(0, QColor(255, 250, 170));
    dot.setColorAt(0.5, QColor(255, 215, 0));
    dot.setColorAt(1, QColor(210, 150, 0));
    p.setBrush(dot);
    p.drawEllipse(d, 2.4, 2.4);
}

// ---- Led: seven-segment digit ----------------------------------------------------------------

// Segments a..g of each digit, bit 0 = a.
constexpr std::array<int, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF segment(const QPointF& a, const QPointF& b, qreal t) {
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    const qreal gap = 0.9, h = t / 2;
    const QPointF s = a + d * gap, e = b - d * gap;
    return QPolygonF({s, s + d * h + n * h, e - d * h + n * h, e, e - d * h - n * h, s + d * h - n * h});
}

void ledDigit(QPainter& p, int digit) {
    // The ground is the display glass at the digit's place, reflection included.
    const QRectF tile(0, 0, 28, 49);
    p.fillRect(tile, kLedGround);
    p.fillRect(tile, ledReflection(-kLedGlassAbove));
    const qreal L = 7.5, R = 21.5, T = 5.5, M = 24.5, B = 43.5, t = 3.6;
    const std::array<std::pair<QPointF, QPointF>, 7> seg = {{{{L, T}, {R, T}},
                                                             {{R, T}, {R, M}},
                                                             {{R, M}, {R, B}},
                                                             {{L, B}, {R, B}},
                                                             {{L, M}, {L, B}},
                                                             {{L, T}, {L, M}},
                                                             {{L, M}, {R, M}}}};
    QTransform slant;  // a slight italic, as on real displays
    slant.translate(0, M);
    slant.shear(-0.09, 0);
    slant.translate(0, -M);
    const int bits = kDigitSegments[static_cast<size_t>(digit)];
    p.setPen(Qt::NoPen);
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 7; ++i) {
            const bool on = bits & (1 << i);
            const QPolygonF poly = slant.map(segment(seg[i].first, seg[i].second, t));
            if (pass == 0 && !on) {
                p.setBrush(kLedOff);
                p.drawPolygon(poly);
            } else if (pass == 1 && on) {  // glow
                p.setPen(QPen(QColor(255, 40, 20, 55), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(QColor(255, 40, 20, 55));
                p.drawPolygon(poly);
                p.setPen(Qt::NoPen);
            } else if (pass == 2 && on) {
                p.setBrush(kLedOn);
                p.drawPolygon(poly);
                p.setPen(QPen(QColor(255, 170, 140, 160), 0.6));
                const QPointF a = slant.map(seg[i].first), b = slant.map(seg[i].second);
                const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
                p.drawLine(a + d * 2.6, b - d * 2.6);
                p.setPen(Qt::NoPen);
            }
        }
    }
}

// ---- ImaBtnDec: decade knob on a dial --------------------------------------------------------

qreal dialAngle(int k) {
    return -150.0 + 30.0 * k;
}

void decadeKnob(QPainter& p, int n) {
    const QPointF c(35, 34.5);
    p.fillRect(QRectF(0, 0, 70, 65), kDecadePanel);
    // Scale: ticks and numbers 0..10, the selected one in red.
    for (int k = 0; k <= 10; ++k) {
        const qreal a = dialAngle(k);
        const bool sel = k == n - 1;
        p.setPen(QPen(sel ? QColor(210, 20, 20) : QColor(70, 70, 75), sel ? 1.4 : 1.0, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(polar(c, 17.6, a), polar(c, 20.2, a));
        const QFont f = kit::font(sel ? 10 : 9, true);
        kit::textAt(p, polar(c, 26, a), QString::number(k), f,
                    sel ? QColor(220, 15, 15) : QColor(35, 35, 40));
    }
    // Knob: shadow, fluted skirt, domed cap, pointer line.
    const qreal angle = dialAngle(n - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(0.9, 1.3), 15.6, 15.6);
    QRadialGradient skirt(c - QPointF(5, 6), 24);
    skirt.setColorAt(0, QColor(205, 207, 212));
    skirt.setColorAt(1, QColor(95, 97, 104));
    p.setPen(QPen(QColor(60, 62, 68), 0.8));
    p.setBrush(skirt);
    QPainterPath fluted;
    for (int i = 0; i <= 120; ++i) {
        const qreal a = angle + i * 3.0;
        const qreal r = 15.0 + 0.55 * std::cos(i * 3.0 * 18 * kPi / 180);  // 18 flutes
        const QPointF q = polar(c, r, a);
        if (i == 0)
            fluted.moveTo(q);
        else
            fluted.lineTo(q);
    }
    fluted.closeSubpath();
    p.drawPath(fluted);
    QRadialGradient cap(c - QPointF(4, 5), 16);
    cap.setColorAt(0, QColor(235, 236, 240));
    cap.setColorAt(0.6, QColor(165, 168, 175));
    cap.setColorAt(1, QColor(120, 123, 130));
    p.setPen(QPen(QColor(95, 97, 104), 0.7));
    p.setBrush(cap);
    p.drawEllipse(c, 11.2, 11.2);
    p.setPen(QPen(QColor(40, 40, 45), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(c, 3.5, angle), polar(c, 13.8, angle));
    p.setPen(QPen(QColor(250, 250, 250), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(c, 4.0, angle), polar(c, 13.3, angle));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 20, 20));
    p.drawEllipse(polar(c, 15.6, angle), 1.5, 1.5);
}

}  // namespace

void paintBtnGene(QPainter& p, int n) {
    generatorKnob(p, n);
}
void paintLed(QPainter& p, int n) {
    ledDigit(p, n - 1);
}
void paintImaBtnDec(QPainter& p, int n) {
    decadeKnob(p, n);
}

}  // namespace art
