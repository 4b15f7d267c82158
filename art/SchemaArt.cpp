// The circuit schematic E - switch - D - R - A - C - B, on the bench (Schema 1, 2) and in the
// oscilloscope's pop-up box (Schema 3, 4), and the box's title strip (Schema 5).
//
// Both schematics are one drawing painted from a layout: the node positions come from
// SchemaArt.h (they must meet the lead drawings), the rest is placed around the value labels
// the windows write next to the components.

#include "art/SchemaArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <initializer_list>

#include "art/ArtLists.h"

namespace art {
namespace {

using schematic::Blade;
using schematic::Nodes;

constexpr QRgb kPeach = 0xfffcdcbc;
constexpr QRgb kPeachEdge = 0xffd9a97e;
constexpr QRgb kBodyFill = 0xfffff8ee;  // inside of the resistor and the generator
constexpr QRgb kLetterInk = 0xff1e2a6e;

struct SchemaLayout {
    QSizeF size;
    const Nodes* nodes;
    qreal genX, returnX;       // the generator's wire (left) and the return wire (right)
    qreal genY, genRadius;     // generator circle
    qreal resY, resW, resH;    // resistor body, centred on the middle branch
    qreal capY, capGap, capW;  // capacitor plates
    qreal wire, dotRadius;     // pen of the wires, radius of the node dots
    int letterPx, smallPx;     // node and component letters; the + sign
};

// The value labels of the bench sit at ValR (175.6, 131.7), ValC (175.6, 280) and Vle (96, 195)
// px; the warning strip from y 382 down stays clear.
constexpr SchemaLayout kBench{
    .size = {308, 404}, .nodes = &schematic::kBenchNodes, .genX = 66, .returnX = 292,
    .genY = 203, .genRadius = 19, .resY = 139, .resW = 15, .resH = 46,
    .capY = 287, .capGap = 10, .capW = 32, .wire = 1.6, .dotRadius = 3.4, .letterPx = 15, .smallPx = 12,
};

// The box's labels sit at ValR (176.4, 94), ValC (176.4, 240.4) and Vle (97, 155.6) px.
constexpr SchemaLayout kBox{
    .size = {294, 342}, .nodes = &schematic::kBoxNodes, .genX = 64, .returnX = 282,
    .genY = 162, .genRadius = 16, .resY = 101, .resW = 13, .resH = 38,
    .capY = 247, .capGap = 8, .capW = 28, .wire = 1.5, .dotRadius = 3.1, .letterPx = 14, .smallPx = 11,
};

QFont letterFont(int px, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// Text centred on c (by its ink box, so single capitals sit exactly).
void centredText(QPainter& p, QPointF c, const QString& text, const QFont& f) {
    p.setFont(f);
    const QRectF ink = QFontMetricsF(f).tightBoundingRect(text);
    p.drawText(c - ink.center(), text);
}

QPen wirePen(qreal width) {
    return QPen(QColor(schematic::kWire), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintGround(QPainter& p, const SchemaLayout& l) {
    const QRectF r(QPointF(0, 0), l.size);
    p.fillRect(r, QColor(kPeach));
    p.setPen(QPen(QColor(kPeachEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The wires as polylines: top rail to the charge contact, generator branch, bottom rail, return
// wire from the discharge contact, and the middle branch broken at R and C.
void paintWires(QPainter& p, const SchemaLayout& l) {
    const Nodes& n = *l.nodes;
    const qreal top = n.contactCharge.y(), x = n.d.x(), bottom = n.b.y();
    const QPolygonF lines[] = {
        {{n.contactCharge, {l.genX, top}, {l.genX, l.genY - l.genRadius}}},
        {{QPointF(l.genX, l.genY + l.genRadius),
          {l.genX, bottom},
          {l.returnX, bottom},
          {l.returnX, top},
          n.contactDischarge}},
        {{n.d, QPointF(x, l.resY - l.resH / 2)}},
        {{QPointF(x, l.resY + l.resH / 2), QPointF(x, l.capY - l.capGap / 2)}},
        {{QPointF(x, l.capY + l.capGap / 2), n.b}},
    };
    p.setPen(wirePen(l.wire));
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& line : lines) p.drawPolyline(line);
}

void paintArrow(QPainter& p, QPointF from, QPointF to, qreal head, qreal width) {
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, v(-u.y(), u.x());
    p.setPen(wirePen(width));
    p.drawLine(from, to - u * head * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(schematic::kWire));
    p.drawPolygon(QPolygonF{to, to - u * head + v * head * 0.42, to - u * head - v * head * 0.42});
}

// The DC source: a circle crossed by its wire, the voltage arrow E beside it pointing to +.
void paintGenerator(QPainter& p, const SchemaLayout& l) {
    const QPointF c(l.genX, l.genY);
    const qreal r = l.genRadius;
    p.setPen(wirePen(l.wire));
    p.setBrush(QColor(kBodyFill));
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    const qreal ax = l.genX - r - 9;
    paintArrow(p, {ax, l.genY + r}, {ax, l.genY - r}, 7, l.wire);
    p.setPen(QColor(kLetterInk));
    centredText(p, {ax - 10, l.genY}, QStringLiteral("E"), letterFont(l.letterPx));
    centredText(p, {l.genX + 8, l.genY - r - 6}, QStringLiteral("+"), letterFont(l.smallPx));
}

void paintResistor(QPainter& p, const SchemaLayout& l) {
    const QRectF body(l.nodes->d.x() - l.resW / 2, l.resY - l.resH / 2, l.resW, l.resH);
    p.setPen(wirePen(l.wire));
    p.setBrush(QColor(kBodyFill));
    p.drawRect(body);
    p.setPen(QColor(kLetterInk));
    centredText(p, {body.left() - 11, l.resY}, QStringLiteral("R"), letterFont(l.letterPx));
}

void paintCapacitor(QPainter& p, const SchemaLayout& l) {
    const qreal x = l.nodes->d.x(), half = l.capW / 2;
    p.setPen(QPen(QColor(schematic::kWire), l.wire * 1.8, Qt::SolidLine, Qt::FlatCap));
    for (qreal y : {l.capY - l.capGap / 2, l.capY + l.capGap / 2})
        p.drawLine(QPointF(x - half, y), QPointF(x + half, y));
    p.setPen(QColor(kLetterInk));
    centredText(p, {x - half - 10, l.capY}, QStringLiteral("C"), letterFont(l.letterPx));
}

// The two-way switch: both contacts, and the blade from D to the closed one.
void paintSwitch(QPainter& p, const SchemaLayout& l, Blade blade) {
    const Nodes& n = *l.nodes;
    p.setPen(wirePen(schematic::kBladeWidth));
    p.drawLine(n.d, blade == Blade::Charge ? n.contactCharge : n.contactDischarge);
    p.setPen(QPen(QColor(schematic::kWire), 1.2));
    p.setBrush(QColor(schematic::kWire));
    for (QPointF c : {n.contactCharge, n.contactDischarge}) p.drawEllipse(c, 2.7, 2.7);
}

// Dots on D, A and B, and their letters: D below-left (clear of the blade), A to the left, B
// above-left (clear of the bottom rail).
void paintNodes(QPainter& p, const SchemaLayout& l) {
    const Nodes& n = *l.nodes;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(schematic::kWire));
    for (QPointF c : {n.d, n.a, n.b}) p.drawEllipse(c, l.dotRadius, l.dotRadius);
    p.setPen(QColor(kLetterInk));
    const QFont f = letterFont(l.letterPx);
    centredText(p, n.d + QPointF(-13, 7), QStringLiteral("D"), f);
    centredText(p, n.a + QPointF(-13, 0), QStringLiteral("A"), f);
    centredText(p, n.b + QPointF(-13, -11), QStringLiteral("B"), f);
}

void paintCircuit(QPainter& p, const SchemaLayout& l, Blade blade) {
    paintGround(p, l);
    paintWires(p, l);
    paintGenerator(p, l);
    paintResistor(p, l);
    paintCapacitor(p, l);
    paintSwitch(p, l, blade);
    paintNodes(p, l);
}

// The box's title strip; its close box lies under the close hit area, x 275 to 292.
void paintTitleStrip(QPainter& p) {
    const QRectF strip(0, 0, 294, 17);
    QLinearGradient g(strip.topLeft(), strip.topRight());
    g.setColorAt(0, QColor(10, 36, 106));
    g.setColorAt(1, QColor(58, 110, 196));
    p.fillRect(strip, g);
    p.setPen(Qt::white);
    p.setFont(letterFont(11));
    p.drawText(QRectF(6, 0, 260, 17), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Schéma du montage"));

    const QRectF box(276, 2, 15, 13);
    p.fillRect(box, QColor(212, 208, 200));
    p.setPen(QPen(Qt::white, 1));
    p.drawPolyline(QPolygonF{box.bottomLeft() + QPointF(0.5, -0.5), box.topLeft() + QPointF(0.5, 0.5),
                             box.topRight() + QPointF(-0.5, 0.5)});
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.drawPolyline(QPolygonF{box.topRight() + QPointF(-0.5, 0.5), box.bottomRight() + QPointF(-0.5, -0.5),
                             box.bottomLeft() + QPointF(0.5, -0.5)});
    p.setPen(QPen(Qt::black, 1.7, Qt::SolidLine, Qt::FlatCap));
    const QPointF c = box.center();
    p.drawLine(c + QPointF(-3.5, -3), c + QPointF(3.5, 3));
    p.drawLine(c + QPointF(-3.5, 3), c + QPointF(3.5, -3));
}

}  // namespace

void paintSchema(QPainter& p, int n) {
    switch (n) {
        case 1:
            return paintCircuit(p, kBench, Blade::Discharge);
        case 2:
            return paintCircuit(p, kBench, Blade::Charge);
        case 3:
            return paintCircuit(p, kBox, Blade::Discharge);
        case 4:
            return paintCircuit(p, kBox, Blade::Charge);
        default:
            return paintTitleStrip(p);
    }
}

}  // namespace art
