// Media: the bench's instrument fronts, legends, arrows and power switch. The panel
// art agrees with where the controls sit (the bench window's layout; twips / 15 = pixels, from the
// panel's top-left corner).

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "art/ArtLists.h"
#include "art/BenchArtParts.h"
#include "art/DrawKit.h"
#include "art/MenuArtParts.h"

namespace art {
namespace {

using kit::kPi;

constexpr qreal tw(qreal twips) {
    return twips / 15.0;
}

QPointF polar(const QPointF& c, qreal r, qreal deg) {
    const qreal a = deg * kPi / 180;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// A case (rounded, bevelled) with a lighter front plate inset by `inset` and four screws.
void instrumentCase(QPainter& p, qreal w, qreal h, const QColor& body, const QColor& plate, qreal inset) {
    QPainterPath box;
    box.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 7, 7);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, body.lighter(135));
    g.setColorAt(0.5, body);
    g.setColorAt(1, body.darker(140));
    p.setPen(QPen(body.darker(250), 1.0));
    p.setBrush(g);
    p.drawPath(box);
    kit::bevel(p, box, 1.8, 110, 140);
    const QRectF face(inset, inset, w - 2 * inset, h - 2 * inset);
    QLinearGradient fg(face.topLeft(), face.bottomLeft());
    fg.setColorAt(0, plate.lighter(106));
    fg.setColorAt(1, plate.darker(104));
    p.setPen(QPen(body.darker(200), 1.0));
    p.setBrush(fg);
    p.drawRoundedRect(face, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawLine(face.topLeft() + QPointF(3, 1), face.topRight() + QPointF(-3, 1));
    const qreal s = inset + 5.5;
    const std::array<QPointF, 4> screws = {QPointF(s, s), QPointF(w - s, s), QPointF(s, h - s),
                                           QPointF(w - s, h - s)};
    for (size_t i = 0; i < screws.size(); ++i) kit::screw(p, screws[i], 2.8, 20.0 + 37.0 * i);
}

// A recessed outline (a line of shade above and left, of light below and right).
void recess(QPainter& p, const QRectF& r, qreal radius) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawRoundedRect(r.translated(0.6, 0.6), radius, radius);
    p.setPen(QPen(QColor(90, 88, 80, 200), 1.0));
    p.drawRoundedRect(r, radius, radius);
}

// ---- Media 2: resistor decade box -----------------------------------------------------------

void resistorBox(QPainter& p) {
    const qreal w = 431, h = 174;
    instrumentCase(p, w, h, QColor(52, 48, 46), kDecadePanel, 9);
    kit::engraved(p, QPointF(195, 31), QStringLiteral("BOITE DE RESISTANCES"), kit::font(16, true),
                  QColor(35, 32, 30));
    p.setPen(QPen(QColor(120, 115, 100), 0.8));
    p.drawLine(QPointF(40, 45.5), QPointF(350, 45.5));
    static const std::array<const char*, 4> kWeights = {"10000", "1000", "100", "10"};
    for (int i = 0; i < 4; ++i) {
        const qreal x = tw(300 + 1400 * i), y = tw(1080);  // Rpot(i + 1), 70 x 65 px
        recess(p, QRectF(x - 3.5, y - 3.5, 77, 92), 5);
        kit::engraved(p, QPointF(x + 35, y + 77),
                      QString::fromUtf8("Ω × ") + kWeights[static_cast<size_t>(i)], kit::font(12, true),
                      QColor(30, 30, 34));
    }
    // Binding posts on the right.
    kit::terminal(p, QPointF(397, 78), 9, QColor(200, 25, 20));
    kit::terminal(p, QPointF(397, 122), 9, QColor(40, 40, 42));
}

// ---- Media 3: capacitor decade box ----------------------------------------------------------

void capacitorBox(QPainter& p) {
    const qreal w = 431, h = 141;
    instrumentCase(p, w, h, QColor(28, 48, 120), kDecadePanel, 9);
    const QRectF window(tw(300), tw(600), tw(5230), tw(1200));  // fondbox, covered by the knob strip
    kit::engraved(p, QPointF(window.center().x(), 27), QStringLiteral("BOITE DE CONDENSATEURS"),
                  kit::font(16, true), QColor(20, 30, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 224, 210));
    p.drawRect(window);
    // The scroll arrows FlecheG and FlecheD bring their own sockets: where one is hidden, the
    // plate is bare.
    recess(p, window.adjusted(-2, -2, 2, 2), 3);
    kit::terminal(p, QPointF(397, 62), 9, QColor(200, 25, 20));
    kit::terminal(p, QPointF(397, 104), 9, QColor(40, 40, 42));
}

// ---- Media 4 to 9: decade legends -----------------------------------------------------------

void legend(QPainter& p, int k) {
    static const std::array<const char*, 6> kFactor = {"1000", "100", "10", "1", "0,1", "0,01"};
    static constexpr std::array<int, 6> kWidth = {51, 45, 39, 33, 42, 47};
    const qreal w = kWidth[static_cast<size_t>(k)];
    p.fillRect(QRectF(0, 0, w, 15), kDecadePanel);
    const QString text = QString::fromUtf8("µF × ") + kFactor[static_cast<size_t>(k)];
    const int px = kit::fittingSize(text, w - 2, 11);
    kit::engraved(p, QPointF(w / 2, 7.2), text, kit::font(px, true), QColor(25, 30, 60));
}

// ---- arrows ---------------------------------------------------------------------------------

QPolygonF triangle(const QRectF& r, bool right) {
    if (right) return QPolygonF({r.topLeft(), QPointF(r.right(), r.center().y()), r.bottomLeft()});
    return QPolygonF({r.topRight(), QPointF(r.left(), r.center().y()), r.bottomRight()});
}

// Media 10, 11: a small dark blue key with a white arrow (capacitor strip), in its socket.
void stripKey(QPainter& p, bool right) {
    const QRectF socket(0, 0, 13, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(kDecadePanel.darker(112));
    p.drawRoundedRect(socket, 2.5, 2.5);
    recess(p, socket.adjusted(0.5, 0.5, -1.1, -1.1), 2.2);
    const QRectF r(1.5, 1.5, 10, 8);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(90, 125, 210));
    g.setColorAt(1, QColor(20, 40, 115));
    p.setPen(QPen(QColor(10, 20, 60), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(20, 30, 60), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(triangle(QRectF(right ? 4.6 : 4.0, 3.1, 4.4, 4.8), right));
}

// Media 15, 16: a small yellow arrow on the granite strip.
void smallArrow(QPainter& p, bool right) {
    const QPolygonF t = triangle(QRectF(1.5, 0.8, 8, 7.4), right);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPolygon(t.translated(0.6, 0.7));
    QLinearGradient g(0, 0, 0, 9);
    g.setColorAt(0, QColor(255, 240, 110));
    g.setColorAt(1, QColor(230, 160, 0));
    p.setPen(QPen(QColor(95, 60, 0), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(t);
}

// ---- Media 12: DC generator front -----------------------------------------------------------

void displayWindow(QPainter& p) {
    // Digits Dix, unite, deci at lefts 1335, 1935, 2550, top 840 twips, 28 x 49 px each.
    const QRectF digits(tw(1335), tw(840), tw(2550) + 28 - tw(1335), 49);
    const QRectF glass = digits.adjusted(-7, -kLedGlassAbove, 7, kLedGlassHeight - kLedGlassAbove - 49);
    p.setPen(QPen(QColor(25, 25, 28), 1.0));
    QLinearGradient bz(glass.topLeft(), glass.bottomLeft());
    bz.setColorAt(0, QColor(40, 40, 44));
    bz.setColorAt(1, QColor(95, 95, 100));
    p.setBrush(bz);
    p.drawRoundedRect(glass.adjusted(-4, -4, 4, 4), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kLedGround);
    p.drawRect(glass);
    // The painted decimal point, between the units and the tenths places.
    const QPointF dp((tw(1935) + 28 + tw(2550)) / 2, tw(840) + 44.5);
    p.setBrush(QColor(255, 40, 20, 60));
    p.drawEllipse(dp, 3.6, 3.6);
    p.setBrush(kLedOn);
    p.drawEllipse(dp, 2.3, 2.3);
    p.setBrush(ledReflection(glass.top()));
    p.drawRect(glass);
    kit::engraved(p, QPointF(glass.center().x(), glass.bottom() + 14), QStringLiteral("VOLTS"),
                  kit::font(10, true), QColor(35, 40, 50));
}

void powerMarks(QPainter& p) {
    const QRectF sw(tw(405), tw(1445), 20, 43);  // Power
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawRoundedRect(sw.adjusted(-2.5, -2.5, 2.5, 2.5), 3, 3);
    const QColor ink(30, 35, 45);
    kit::engraved(p, QPointF(sw.right() + 9, sw.top() + 9), QStringLiteral("I"), kit::font(12, true), ink);
    kit::engraved(p, QPointF(sw.right() + 9, sw.bottom() - 9), QStringLiteral("0"), kit::font(12, true), ink);
    kit::engraved(p, QPointF(sw.center().x() + 5, sw.top() - 11), QStringLiteral("SECTEUR"),
                  kit::font(9, true), ink);
}

void coarseMarks(QPainter& p) {
    const QPointF c(tw(3825) + 17.5, tw(765) + 18);  // genebn centre
    const QColor ink(30, 35, 45);
    for (int k = 0; k < 16; ++k) {
        const qreal a = k * 22.5;
        const bool major = k % 5 == 0;
        p.setPen(QPen(ink, major ? 1.4 : 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(c, 19.5, a), polar(c, major ? 23.5 : 22, a));
        // The two ends of the scale, 0 and 15, sit side by side at the top: each label leans a
        // little away from the other, towards the end stop's outside.
        const qreal lean = k == 0 ? 6 : k == 15 ? -6 : 0;
        if (major) kit::textAt(p, polar(c, 29, a + lean), QString::number(k), kit::font(9, true), ink);
    }
}

void fineMarks(QPainter& p) {
    const QPointF c(tw(3825) + 17.5, tw(1725) + 18);  // Genebfin centre
    const QColor ink(30, 35, 45);
    // A wedge growing from - (left) to + (right) over the top.
    QPainterPath wedge;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = -135 + 270.0 * i / steps;
        const QPointF q = polar(c, 20.0, a);
        if (i == 0)
            wedge.moveTo(q);
        else
            wedge.lineTo(q);
    }
    for (int i = steps; i >= 0; --i) {
        const qreal a = -135 + 270.0 * i / steps;
        wedge.lineTo(polar(c, 20.6 + 3.2 * i / steps, a));
    }
    wedge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(wedge);
    kit::textAt(p, polar(c, 26, -140) + QPointF(-2, 1), QString::fromUtf8("−"), kit::font(13, true), ink);
    kit::textAt(p, polar(c, 26, 140) + QPointF(2, 1), QStringLiteral("+"), kit::font(13, true), ink);
    kit::engraved(p, QPointF(c.x(), c.y() + 33), QString::fromUtf8("rég. fin"), kit::font(10, true), ink);
}

void outputs(QPainter& p) {
    const QColor ink(30, 35, 45);
    const QPointF red(324, 124), black(354, 124);
    recess(p, QRectF(306, 92, 66, 70), 5);
    kit::textAt(p, red + QPointF(0, -21), QStringLiteral("+"), kit::font(14, true), QColor(190, 20, 15));
    kit::textAt(p, black + QPointF(0, -21), QString::fromUtf8("−"), kit::font(14, true), ink);
    kit::terminal(p, red, 10, QColor(205, 25, 20));
    kit::terminal(p, black, 10, QColor(40, 40, 42));
    kit::engraved(p, QPointF(339, 151), QStringLiteral("SORTIES"), kit::font(10, true), ink);
}

void generatorFront(QPainter& p) {
    const qreal w = 382, h = 196;
    instrumentCase(p, w, h, QColor(72, 76, 84), QColor(206, 211, 216), 7);
    // Brushed metal: faint horizontal streaks from a seeded noise.
    for (int y = 9; y < 188; ++y) {
        const double v = kit::noise01(0, y, 77);
        p.setPen(QPen(v > 0.5 ? QColor(255, 255, 255, static_cast<int>(40 * (v - 0.5)))
                              : QColor(0, 0, 0, static_cast<int>(24 * (0.5 - v))),
                      1.0));
        p.drawLine(QPointF(10, y + 0.5), QPointF(w - 10, y + 0.5));
    }
    // The title and its rule stay above the coarse dial's top labels.
    kit::engraved(p, QPointF(w / 2, 21.5), QStringLiteral("ALIMENTATION STABILISEE 0 - 15 V"),
                  kit::font(16, true), QColor(20, 30, 60));
    p.setPen(QPen(QColor(40, 60, 120), 1.2));
    p.drawLine(QPointF(30, 32.5), QPointF(w - 30, 32.5));
    displayWindow(p);
    powerMarks(p);
    coarseMarks(p);
    fineMarks(p);
    outputs(p);
    kit::engraved(p, QPointF(52, 178), QStringLiteral("Vorlinde"), kit::font(10, true), QColor(40, 60, 120));
}

// ---- Media 13, 14: rocker power switch ------------------------------------------------------

void rockerSwitch(QPainter& p, bool on) {
    const QRectF frame(0.5, 0.5, 19, 42);
    QLinearGradient fg(frame.topLeft(), frame.bottomLeft());
    fg.setColorAt(0, QColor(25, 25, 28));
    fg.setColorAt(1, QColor(60, 60, 66));
    p.setPen(QPen(QColor(10, 10, 12), 1.0));
    p.setBrush(fg);
    p.drawRoundedRect(frame, 3, 3);
    // The rocker tilts on its middle: the half pressed in (I when on, 0 when off) leans away,
    // so it looks shorter and in shadow; the other half stands out, taller and catching the
    // light. Switched on, the rocker is lit from inside; off, it is a dull dark red.
    const qreal split = on ? 19.0 : 24.0;
    const QRectF upper(3, 3, 14, split - 3), lower(3, split, 14, 40 - split);
    auto half = [&](const QRectF& r, bool pressed, bool isUpper) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        QColor a, b;  // towards the frame's end, towards the pivot
        if (on) {
            a = pressed ? QColor(120, 16, 10) : QColor(255, 120, 88);
            b = pressed ? QColor(200, 36, 22) : QColor(255, 72, 44);
        } else {
            a = pressed ? QColor(45, 9, 7) : QColor(128, 34, 28);
            b = pressed ? QColor(66, 13, 10) : QColor(96, 23, 18);
        }
        g.setColorAt(isUpper ? 0 : 1, a);
        g.setColorAt(isUpper ? 1 : 0, b);
        p.setPen(QPen(on ? QColor(120, 16, 8) : QColor(30, 6, 5), 0.6));
        p.setBrush(g);
        p.drawRoundedRect(r, 1.8, 1.8);
        if (pressed) {  // the shadow the standing half casts on the pressed one, along the pivot
            QLinearGradient s(isUpper ? r.bottomLeft() : r.topLeft(),
                              isUpper ? r.bottomLeft() - QPointF(0, 4) : r.topLeft() + QPointF(0, 4));
            s.setColorAt(0, QColor(0, 0, 0, 120));
            s.setColorAt(1, QColor(0, 0, 0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(s);
            p.drawRect(isUpper ? QRectF(r.left(), r.bottom() - 4, r.width(), 4)
                               : QRectF(r.left(), r.top(), r.width(), 4));
        } else {  // light on the edge that stands out
            p.setPen(QPen(QColor(255, 255, 255, on ? 170 : 90), 0.8));
            const qreal y = isUpper ? r.top() + 1.2 : r.bottom() - 1.2;
            p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
        }
    };
    half(upper, on, true);
    half(lower, !on, false);
    if (on) {  // the glow of the lamp inside
        QRadialGradient glow(QPointF(10, 22), 16);
        glow.setColorAt(0, QColor(255, 200, 150, 80));
        glow.setColorAt(1, QColor(255, 80, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(QRectF(3, 3, 14, 37), 1.8, 1.8);
        p.setPen(QPen(QColor(255, 90, 50, 150), 1.0));  // a red halo on the frame's rim
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 1.5, 17, 40), 2.5, 2.5);
    }
    const QColor mark = on ? QColor(255, 250, 235) : QColor(215, 160, 150, 150);
    p.setPen(QPen(mark, on ? 1.6 : 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal iMid = (upper.top() + upper.bottom()) / 2, oMid = (lower.top() + lower.bottom()) / 2;
    p.drawLine(QPointF(10, iMid - 4), QPointF(10, iMid + 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, oMid), 2.9, 3.6);
}

}  // namespace

void paintMedia(QPainter& p, int n) {
    switch (n) {
        case 1:
            drawLightGround(p, 146, 104);
            drawScope(p, QRectF(2, 2, 142, 100), ScopeTrace::Curve);
            break;
        case 2:
            resistorBox(p);
            break;
        case 3:
            capacitorBox(p);
            break;
        case 10:
            stripKey(p, false);
            break;
        case 11:
            stripKey(p, true);
            break;
        case 12:
            generatorFront(p);
            break;
        case 13:
            rockerSwitch(p, true);
            break;
        case 14:
            rockerSwitch(p, false);
            break;
        case 15:
            smallArrow(p, true);
            break;
        case 16:
            smallArrow(p, false);
            break;
        default:
            legend(p, n - 4);
            break;  // 4 to 9
    }
}

}  // namespace art
