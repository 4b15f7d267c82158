// Imapoint: the ten mouse cursors, 32 x 32 on opaque black (black is transparent in
// the cursor). A white cartoon hand with a dark grey outline (never pure black) and a blue cuff at
// the bottom edge. The hot spots in art/PictureTables.cpp (makeImapoint) follow these drawings:
// fingertip (14, 2); grip centre (12, 14) turned left, (20, 14) turned right; plug tip (6, 4).

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "art/ArtLists.h"
#include "art/DrawKit.h"

namespace art {
namespace {

const QColor kOutline(0x20, 0x20, 0x20);
const QColor kCrease(120, 120, 128);

enum class Pose { Point, GripLeft, GripRight, CarryRed, CarryBlack };

struct Cursor {
    Pose pose;
    bool refused;
};

// Picture n -> what it shows.
constexpr Cursor kCursors[10] = {
    {Pose::Point, false},      {Pose::Point, true},      {Pose::GripLeft, false}, {Pose::GripRight, false},
    {Pose::CarryRed, false},   {Pose::CarryRed, true},   {Pose::GripLeft, true},  {Pose::GripRight, true},
    {Pose::CarryBlack, false}, {Pose::CarryBlack, true},
};

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

QPainterPath ellipse(const QPointF& c, qreal rx, qreal ry, qreal angleDeg) {
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(angleDeg);
    return t.map(p);
}

// White skin with a light shade towards the bottom right, and the dark outline.
void skin(QPainter& p, const QPainterPath& shape) {
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(214, 218, 228));
    p.setBrush(g);
    p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

void creases(QPainter& p, std::initializer_list<QLineF> lines) {
    p.setPen(QPen(kCrease, 0.75, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& l : lines) p.drawLine(l);
}

// The blue cuff, running off the bottom edge.
void cuff(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(95, 150, 245));
    g.setColorAt(0.35, QColor(40, 95, 220));
    g.setColorAt(1, QColor(20, 55, 160));
    p.setBrush(g);
    p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRoundedRect(r, 1.8, 1.8);
    p.setPen(QPen(QColor(150, 190, 255), 0.7));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.6), QPointF(r.right() - 1.5, r.top() + 1.6));
}

// Index finger up, the other fingers folded; fingertip at (14, 1).
void pointingHand(QPainter& p) {
    cuff(p, QRectF(10, 25.5, 15.5, 9));
    QPainterPath hand = roundRect(11.3, 1.0, 5.6, 18, 2.8);
    hand = hand.united(roundRect(10, 12.5, 15, 14, 3.5));
    hand = hand.united(roundRect(16.5, 10.5, 3.9, 9, 1.9));
    hand = hand.united(roundRect(20.1, 11.5, 3.6, 8.5, 1.8));
    hand = hand.united(roundRect(23.3, 13.2, 3.2, 7.5, 1.6));
    hand = hand.united(ellipse(QPointF(9.2, 17.5), 2.6, 4.3, -28));
    skin(p, hand.simplified());
    creases(p,
            {QLineF(16.9, 13.5, 16.9, 18.5), QLineF(20.3, 14.0, 20.3, 19.2), QLineF(23.5, 15.2, 23.5, 19.6),
             QLineF(12.2, 19.5, 14.5, 21.0), QLineF(13.0, 4.6, 15.4, 4.6)});
}

// A closed gripping hand seen from above (knuckles up), upright, grip centre at (16.5, 14).
void grippingHand(QPainter& p) {
    cuff(p, QRectF(10, 25, 14, 10));
    QPainterPath hand = roundRect(9.5, 9.5, 14.5, 13.5, 3.5);
    for (int i = 0; i < 4; ++i)
        hand = hand.united(roundRect(9.4 + 3.65 * i, 6.0 + (i == 0 || i == 3 ? 1.0 : 0), 3.7, 8, 1.85));
    hand = hand.united(roundRect(11.5, 19, 10.5, 7.5, 1.5));
    hand = hand.united(ellipse(QPointF(8.6, 16.2), 2.5, 4.6, 22));
    skin(p, hand.simplified());
    creases(p, {QLineF(13.1, 9.5, 13.1, 12.8), QLineF(16.75, 8.5, 16.75, 12.5), QLineF(20.4, 9.5, 20.4, 12.8),
                QLineF(10.8, 14.6, 22.6, 14.6), QLineF(9.8, 19.6, 11.6, 20.8)});
}

// The curved arrow of the turning direction, round the grip centre.
void turnArrow(QPainter& p, const QPointF& c, bool left) {
    const qreal r = 12.2;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), left ? 45 : 135);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), left ? 45 : 135, left ? 70 : -70);
    const qreal endDeg = left ? 115 : 65;
    const qreal a = endDeg * kit::kPi / 180;
    const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const QPointF tangent = left ? QPointF(-std::sin(a), -std::cos(a)) : QPointF(std::sin(a), std::cos(a));
    const QPointF normal(-tangent.y(), tangent.x());
    QPolygonF head({end + tangent * 4.4, end + normal * 3.2, end - normal * 3.2});
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 200, 20));
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 200, 20), 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 20));
    p.drawPolygon(QPolygonF({end + tangent * 3.0, end + normal * 2.1, end - normal * 2.1}));
}

void turningHand(QPainter& p, bool left) {
    const qreal angle = left ? -20 : 20;
    p.save();
    p.translate(16.5, 26);
    p.rotate(angle);
    p.translate(-16.5, -26);
    grippingHand(p);
    p.restore();
    const qreal a = angle * kit::kPi / 180;
    turnArrow(p, QPointF(16.5 + 12 * std::sin(a), 26 - 12 * std::cos(a)), left);
}

// A hand holding a banana plug and its lead; the plug's metal tip at the top left (5, 2.5).
void carryingHand(QPainter& p, bool red) {
    const QColor lead = red ? QColor(220, 35, 30) : QColor(64, 64, 68);
    const QColor leadDark = red ? QColor(120, 10, 10) : QColor(0x24, 0x24, 0x26);
    const QPointF tip(5.0, 2.5);
    const QPointF d(0.66, 0.75);  // plug axis, towards the hand
    // The lead leaves the hand downwards to the left edge.
    QPainterPath cable;
    cable.moveTo(tip + d * 15);
    cable.cubicTo(QPointF(12, 22), QPointF(6, 22), QPointF(4, 33));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(cable);
    p.setPen(QPen(lead, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(cable);
    // Metal pin, then the insulated sleeve.
    p.setPen(QPen(kOutline, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip + d * 7);
    p.setPen(QPen(QColor(200, 200, 205), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip + d * 7);
    p.setPen(QPen(QColor(250, 250, 250), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + QPointF(-0.4, 0.3), tip + d * 6 + QPointF(-0.4, 0.3));
    p.setPen(QPen(kOutline, 6.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + d * 7, tip + d * 15);
    p.setPen(QPen(lead, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + d * 7, tip + d * 15);
    p.setPen(QPen(leadDark, 0.8));
    p.drawLine(tip + d * 8.6 + QPointF(1.6, -1.4), tip + d * 8.6 + QPointF(-1.6, 1.4));
    p.setPen(QPen(lead.lighter(150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + d * 9.5 + QPointF(0.9, -0.8), tip + d * 14 + QPointF(0.9, -0.8));
    // The fist round the sleeve, wrist and cuff.
    cuff(p, QRectF(14.5, 26, 14, 9));
    QPainterPath hand = ellipse(QPointF(18.8, 16.5), 6.6, 6.0, 35);
    hand = hand.united(roundRect(15.8, 19.5, 11.0, 7.0, 2.0));
    hand = hand.united(ellipse(QPointF(14.9, 11.6), 2.2, 3.8, -42));
    skin(p, hand.simplified());
    creases(p, {QLineF(13.4, 15.7, 16.8, 19.6), QLineF(15.3, 14.4, 19.7, 19.0),
                QLineF(17.8, 13.6, 22.4, 17.8), QLineF(17.2, 12.6, 19.9, 12.6)});
}

// The red no-entry sign.
void noEntry(QPainter& p, const QPointF& c) {
    const qreal r = 5.2;
    p.setPen(QPen(QColor(90, 0, 0), 1.0));
    QRadialGradient g(c - QPointF(1.5, 1.5), r * 1.6);
    g.setColorAt(0, QColor(255, 90, 80));
    g.setColorAt(1, QColor(200, 10, 10));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(c.x() - 3.4, c.y() - 1.1, 6.8, 2.2), 0.6, 0.6);
}

// Where the sign goes: a corner the hand leaves free.
QPointF signPlace(Pose pose) {
    switch (pose) {
        case Pose::Point:
            return {26.0, 6.0};
        case Pose::GripLeft:
            return {26.3, 20.5};
        case Pose::GripRight:
            return {5.7, 20.5};
        default:
            return {26.3, 5.9};
    }
}

}  // namespace

void paintImapoint(QPainter& p, int n) {
    p.fillRect(QRectF(0, 0, 32, 32), Qt::black);
    const Cursor& c = kCursors[n - 1];
    switch (c.pose) {
        case Pose::Point:
            pointingHand(p);
            break;
        case Pose::GripLeft:
            turningHand(p, true);
            break;
        case Pose::GripRight:
            turningHand(p, false);
            break;
        case Pose::CarryRed:
            carryingHand(p, true);
            break;
        case Pose::CarryBlack:
            carryingHand(p, false);
            break;
    }
    if (c.refused) noEntry(p, signPlace(c.pose));
}

}  // namespace art
