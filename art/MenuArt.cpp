// ImaMenu: the menu strips and their animated buttons. Buttons and strips on grey
// granite; the instrument pictures (oscilloscope, computer) on a light ground.

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <array>

#include "art/ArtLists.h"
#include "art/DrawKit.h"
#include "art/MenuArtParts.h"

namespace art {
namespace {

using kit::kPi;

// ---- granite strips and buttons -----------------------------------------------------------

void graniteStrip(QPainter& p, qreal w, qreal h, uint32_t seed) {
    QPainterPath r;
    r.addRect(QRectF(0, 0, w, h));
    kit::fillGranite(p, r, seed);
    QPainterPath inner;
    inner.addRect(QRectF(0.5, 0.5, w - 1, h - 1));
    kit::bevel(p, inner, 1.6, 140, 170);
}

// An oval granite button filling the picture.
void ovalButton(QPainter& p, qreal w, qreal h, uint32_t seed) {
    const QRectF r(1.5, 1.0, w - 3.5, h - 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(r.translated(1.0, 1.4));
    QPainterPath oval;
    oval.addEllipse(r);
    kit::fillGranite(p, oval, seed, 14);
    QRadialGradient sheen(r.center() - QPointF(r.width() * 0.18, r.height() * 0.3), r.width() * 0.6);
    sheen.setColorAt(0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(oval);
    kit::bevel(p, oval, 2.2, 170, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(55, 55, 60), 0.9));
    p.drawEllipse(r);
}

// Fills a symbol outline in cartoon yellow with a dark edge and a soft drop shadow.
void yellowSymbol(QPainter& p, const QPainterPath& shape) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(shape.translated(0.9, 1.1));
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(255, 240, 110));
    g.setColorAt(0.5, QColor(255, 210, 20));
    g.setColorAt(1, QColor(225, 150, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(95, 60, 0), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

// The bent return arrow, centred on the origin: along the top to the right, round the bend,
// back along the bottom to an arrow head pointing left.
QPainterPath returnArrow() {
    QPainterPath spine;
    spine.moveTo(-15, -5.5);
    spine.lineTo(5, -5.5);
    spine.arcTo(QRectF(-0.5, -5.5, 11, 11), 90, -180);
    spine.lineTo(-6, 5.5);
    QPainterPathStroker st;
    st.setWidth(4.4);
    st.setJoinStyle(Qt::RoundJoin);
    st.setCapStyle(Qt::FlatCap);
    QPainterPath body = st.createStroke(spine);
    QPainterPath head;
    head.moveTo(-14.5, 5.5);
    head.lineTo(-6, -1.2);
    head.lineTo(-6, 12.2);
    head.closeSubpath();
    return body.united(head).simplified();
}

// Picture orientations of a symbol: 0 as drawn, 1 mirrored left-right, 2 half-turned,
// 3 flipped top-bottom.
QTransform spinTransform(int k, const QPointF& c) {
    static constexpr std::array<std::array<qreal, 2>, 4> kScale{{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(kScale[k][0], kScale[k][1]);
    return t;
}

void returnButton(QPainter& p, int k) {
    ovalButton(p, 77, 35, 21);
    yellowSymbol(p, spinTransform(k, QPointF(38.5, 16.5)).map(returnArrow()));
}

// ---- the program's name --------------------------------------------------------------------

void namePlate(QPainter& p, int k) {
    const QRectF r(0.5, 0.5, 141, 26);
    QPainterPath plate;
    plate.addRoundedRect(r, 5, 5);
    kit::fillGranite(p, plate, 33, 6);
    kit::bevel(p, plate, 1.6, 150, 160);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 75), 0.8));
    p.drawPath(plate);

    QFont f = kit::font(22, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    const QPainterPath word =
        spinTransform(k, QPointF(71, 13.5)).map(kit::textPath(QPointF(0, 0), "Vorlinde", f));
    // Relief: a dark cast shadow down-right, a bright edge up-left, then the blue face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 20, 150));
    p.drawPath(word.translated(1.3, 1.4));
    p.setBrush(QColor(200, 225, 255, 230));
    p.drawPath(word.translated(-0.7, -0.7));
    const QRectF b = word.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(110, 170, 255));
    g.setColorAt(0.55, QColor(30, 90, 215));
    g.setColorAt(1, QColor(10, 45, 150));
    p.setBrush(g);
    p.setPen(QPen(QColor(5, 25, 90), 0.6));
    p.drawPath(word);
}

// ---- the circuit symbol ----------------------------------------------------------------------

// The symbol's wires and parts, centred on the origin: a loop with a generator on the left, a
// resistor box on top and a capacitor on the right.
void circuitSymbol(QPainter& p) {
    QPainterPath wires;
    wires.moveTo(-9, -2.4);  // from the cell up and along the top
    wires.lineTo(-9, -7);
    wires.lineTo(-4.5, -7);
    wires.moveTo(4.5, -7);  // after the resistor, down to the capacitor
    wires.lineTo(9, -7);
    wires.lineTo(9, -2.4);
    wires.moveTo(9, 2.4);  // after the capacitor, back along the bottom
    wires.lineTo(9, 7);
    wires.lineTo(-9, 7);
    wires.lineTo(-9, 2.4);
    QPainterPath plates;
    plates.moveTo(5, -2.4);  // capacitor plates
    plates.lineTo(13, -2.4);
    plates.moveTo(5, 2.4);
    plates.lineTo(13, 2.4);
    plates.moveTo(-13.2, -2.4);  // cell: long and short plates
    plates.lineTo(-4.8, -2.4);
    plates.moveTo(-11.2, 2.4);
    plates.lineTo(-6.8, 2.4);
    const QRectF res(-4.5, -9.4, 9, 4.8);

    auto all = [&](const QPen& pen, const QBrush& fill) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(wires);
        p.drawPath(plates);
        p.setBrush(fill);
        p.drawRect(res);
    };
    p.save();
    p.translate(0.8, 1.0);
    all(QPen(QColor(0, 0, 0, 80), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(0, 0, 0, 80));
    p.restore();
    all(QPen(QColor(95, 60, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(95, 60, 0));
    all(QPen(QColor(255, 208, 20), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(255, 232, 110));
}

void circuitButton(QPainter& p, int k) {
    ovalButton(p, 76, 35, 57);
    p.save();
    p.translate(38, 16.5);
    p.rotate(90.0 * k);
    p.scale(1.1, 1.1);
    circuitSymbol(p);
    p.restore();
}

// ---- instrument pictures on a light ground --------------------------------------------------

// The computer's flag-like logo: a flag waving from a mast, in shades of one colour.
void flagLogo(QPainter& p, const QRectF& r, const QColor& c) {
    const qreal mastX = r.left() + 2;
    p.setPen(QPen(QColor(200, 200, 205), 1.2));
    p.drawLine(QPointF(mastX, r.top()), QPointF(mastX, r.bottom()));
    const qreal x0 = mastX + 0.6, w = r.right() - x0, h = r.height() * 0.62;
    auto wave = [&](qreal x) { return 1.8 * std::sin((x - x0) / w * kPi * 1.6); };
    const int steps = 14;
    QPainterPath flag;
    for (int s = 0; s <= steps; ++s) {
        const qreal x = x0 + w * s / steps;
        if (s == 0) flag.moveTo(x, r.top() + wave(x));
        else flag.lineTo(x, r.top() + wave(x));
    }
    for (int s = steps; s >= 0; --s) {
        const qreal x = x0 + w * s / steps;
        flag.lineTo(x, r.top() + h + wave(x));
    }
    flag.closeSubpath();
    QLinearGradient shade(r.topLeft(), QPointF(r.right(), r.top()));
    shade.setColorAt(0, c.lighter(115));
    shade.setColorAt(0.5, c);
    shade.setColorAt(1, c.darker(130));
    p.setPen(QPen(c.darker(220), 0.5));
    p.setBrush(shade);
    p.drawPath(flag);
}

void computer(QPainter& p, int logo) {
    drawLightGround(p, 121, 94);
    const QColor beige(228, 222, 202), beigeDark(170, 162, 138);
    auto beveled = [&](const QRectF& r, qreal rad) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, beige.lighter(106));
        g.setColorAt(1, beige.darker(110));
        p.setPen(QPen(beigeDark.darker(140), 0.9));
        p.setBrush(g);
        p.drawRoundedRect(r, rad, rad);
    };
    // Keyboard, desktop case, stand, monitor.
    p.setPen(QPen(beigeDark.darker(140), 0.8));
    p.setBrush(beige.darker(104));
    p.drawPolygon(QPolygonF({QPointF(16, 86), QPointF(105, 86), QPointF(111, 92), QPointF(10, 92)}));
    p.setPen(QPen(QColor(150, 145, 125), 0.5));
    for (int row = 0; row < 2; ++row)
        for (qreal x = 18 + row * 1.5; x < 103 - row * 1.5; x += 4.2)
            p.drawLine(QPointF(x + (x - 60) * 0.05 * row, 87.6 + row * 2.3),
                       QPointF(x + 2.6, 87.6 + row * 2.3));
    beveled(QRectF(8, 63, 105, 21), 2.5);
    p.setPen(QPen(QColor(80, 75, 60), 1.2));
    p.drawLine(QPointF(70, 70), QPointF(100, 70));  // floppy slot
    p.setPen(QPen(beigeDark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(66, 67, 38, 7));
    p.drawLine(QPointF(14, 78.5), QPointF(58, 78.5));
    p.setPen(QPen(QColor(40, 90, 30), 0.6));
    p.setBrush(QColor(90, 230, 80));
    p.drawEllipse(QPointF(16, 69), 1.4, 1.4);  // power lamp
    beveled(QRectF(50, 58, 21, 6), 1.0);
    beveled(QRectF(21, 3, 79, 57), 4.0);
    // The screen, a bit recessed.
    const QRectF screen(28, 9, 65, 44);
    p.setPen(QPen(beigeDark.darker(130), 1.2));
    p.setBrush(QColor(50, 50, 48));
    p.drawRoundedRect(screen.adjusted(-1.6, -1.6, 1.6, 1.6), 3, 3);
    QRadialGradient glass(screen.center() - QPointF(8, 8), 50);
    glass.setColorAt(0, logo ? QColor(28, 38, 70) : QColor(34, 40, 42));
    glass.setColorAt(1, logo ? QColor(8, 12, 30) : QColor(10, 12, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(screen, 3, 3);
    if (logo) {
        static const QColor kLogo[5] = {QColor(230, 45, 40), QColor(45, 100, 235), QColor(250, 210, 30),
                                        QColor(155, 155, 158), QColor(248, 248, 248)};
        const QColor c = kLogo[logo - 1];
        QRadialGradient halo(screen.center(), 26);
        halo.setColorAt(0, QColor(c.red(), c.green(), c.blue(), 70));
        halo.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
        p.setBrush(halo);
        p.drawRoundedRect(screen, 3, 3);
        flagLogo(p, QRectF(47, 19, 27, 22), c);
    }
    // Glass reflection.
    QLinearGradient refl(screen.topLeft(), screen.bottomLeft());
    refl.setColorAt(0, QColor(255, 255, 255, 26));
    refl.setColorAt(0.4, QColor(255, 255, 255, 0));
    p.setBrush(refl);
    p.drawPolygon(QPolygonF({screen.topLeft(), screen.topRight(), QPointF(screen.right(), screen.top() + 10),
                             QPointF(screen.left(), screen.top() + 22)}));
    p.setPen(QPen(QColor(90, 200, 80), 0.6));
    p.setBrush(QColor(120, 240, 100));
    p.drawEllipse(QPointF(93, 56.5), 1.1, 1.1);
}

}  // namespace

void paintImaMenu(QPainter& p, int n) {
    if (n == 1)
        graniteStrip(p, 784, 45, 11);
    else if (n <= 5)
        returnButton(p, n - 2);
    else if (n <= 9)
        namePlate(p, n - 6);
    else if (n <= 13)
        circuitButton(p, n - 10);
    else if (n <= 19) {
        drawLightGround(p, 132, 83);
        drawScope(p, QRectF(0, 0, 132, 83), n == 14 ? ScopeTrace::None : ScopeTrace::Line, n - 15);
    } else if (n == 20)
        graniteStrip(p, 307, 109, 12);
    else
        computer(p, n - 21);
}

}  // namespace art
