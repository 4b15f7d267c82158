// The leads drawn over the schematic once the student has wired them: a red probe lead ending
// in an arrow on its channel's name (ImageY1, ImageY2) and the black ground lead ending in the
// ground symbol (ImageMasse).
//
// Each picture is shown at its pixel size on both schematics, at the positions the wiring puts
// it. Its clip is drawn on the point it is attached to, found from both placements, so it
// covers the schematic's dot on both; everything else stays transparent. The pictures at D
// also repaint the part of the switch blade they cover.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>
#include <optional>

#include "art/ArtLists.h"
#include "art/SchemaArt.h"

namespace art {
namespace {

using schematic::Blade;
using schematic::Node;

// Where the wiring places a picture's top-left corner, in schematic units.
struct Placement {
    QPointF box;    // on the oscilloscope's box schematic
    QPointF bench;  // on the bench copy
};

struct LeadPicture {
    QSizeF size;
    Node node;
    Placement at;
    std::optional<Blade> blade;  // pictures at D carry the blade of their switch position
};

constexpr LeadPicture kProbe1[] = {
    {{152, 43}, Node::D, {{45.918, 7.5}, {43.506, 16.169}}, Blade::Discharge},
    {{152, 43}, Node::D, {{45.918, 7.5}, {43.506, 16.169}}, Blade::Charge},
    {{155, 41}, Node::A, {{44.898, 49}, {42.532, 51.493}}, std::nullopt},
    {{139, 33}, Node::B, {{50.34, 89.766}, {47.727, 86.07}}, std::nullopt},
};

constexpr LeadPicture kProbe2[] = {
    {{153, 42}, Node::D, {{46.259, 7.895}, {43.8, 16.5}}, Blade::Discharge},
    {{153, 42}, Node::D, {{46.259, 7.895}, {43.8, 16.5}}, Blade::Charge},
    {{156, 40}, Node::A, {{44.898, 49.5}, {42.6, 51.5}}, std::nullopt},
    {{139, 30}, Node::B, {{50.68, 90.058}, {48.1, 86.2}}, std::nullopt},
};

constexpr LeadPicture kGround[] = {
    {{143, 29}, Node::A, {{46.599, 49.415}, {44.2, 51.5}}, std::nullopt},
    {{132, 28}, Node::B, {{50.68, 90.645}, {48.2, 86.8}}, std::nullopt},
};

struct LeadInk {
    QRgb core;
    QRgb sheath;
};
constexpr LeadInk kRed{0xffd81e1e, 0xff6e0a0a};
constexpr LeadInk kBlack{0xff202020, 0xff000000};

constexpr qreal kClipRadius = 4.6;
constexpr qreal kLeadWidth = 2.2;

// The node in the picture's own pixels: halfway between where the two placements put it, so
// it lies within a pixel of the dot on both schematics.
QPointF attachPoint(const LeadPicture& pic) {
    using namespace schematic;
    const QPointF onBox = nodeAt(kBoxNodes, pic.node) - toPixels(kBoxScale, pic.at.box);
    const QPointF onBench = nodeAt(kBenchNodes, pic.node) - toPixels(kBenchScale, pic.at.bench);
    return (onBox + onBench) / 2;
}

QPen roundPen(QRgb c, qreal width) {
    return QPen(QColor(c), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A cable: a dark sheath under a coloured core.
void paintCable(QPainter& p, const QPolygonF& path, const LeadInk& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink.sheath, kLeadWidth + 1.4));
    p.drawPolyline(path);
    p.setPen(roundPen(ink.core, kLeadWidth));
    p.drawPolyline(path);
}

// The clip closing on the node, with a small highlight.
void paintClip(QPainter& p, QPointF c, const LeadInk& ink) {
    p.setPen(QPen(QColor(ink.sheath), 1.1));
    p.setBrush(QColor(ink.core));
    p.drawEllipse(c, kClipRadius, kClipRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-1.4, -1.4), 1.3, 1.3);
}

// The part of the switch blade inside the picture, drawn as the schematic draws it.
void paintBladeStub(QPainter& p, QPointF d, Blade blade) {
    p.setPen(roundPen(schematic::kWire, schematic::kBladeWidth));
    p.drawLine(d, d + schematic::bladeDirection(blade));
}

// The channel's name in a tag, its left edge at `left`, centred on y.
QRectF paintNameTag(QPainter& p, qreal left, qreal y, const QString& name, const LeadInk& ink) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    const qreal w = QFontMetricsF(f).horizontalAdvance(name) + 9;
    const QRectF tag(left, y - 8, w, 16);
    p.setPen(QPen(QColor(ink.core), 1.2));
    p.setBrush(QColor(255, 252, 246));
    p.drawRoundedRect(tag.adjusted(0.6, 0.6, -0.6, -0.6), 3, 3);
    p.setFont(f);
    p.drawText(tag, Qt::AlignCenter, name);
    return tag;
}

// Probe lead: from the node down at 45 degrees to the name's height, then across to an arrow
// on the name tag near the picture's right end.
void paintProbe(QPainter& p, const LeadPicture& pic, const QString& name) {
    const QPointF a = attachPoint(pic);
    if (pic.blade) paintBladeStub(p, a, *pic.blade);
    const qreal y = pic.size.height() - 11;
    const qreal tagLeft = pic.size.width() - 46;
    const qreal tip = tagLeft - 1, head = 8;
    paintCable(p, QPolygonF{a, {a.x() + (y - a.y()), y}, {tip - head + 1, y}}, kRed);
    p.setPen(QPen(QColor(kRed.sheath), 0.8));
    p.setBrush(QColor(kRed.core));
    p.drawPolygon(QPolygonF{{tip, y}, {tip - head, y - 4.2}, {tip - head, y + 4.2}});
    paintNameTag(p, tagLeft, y, name, kRed);
    paintClip(p, a, kRed);
}

// Ground lead: from the node down at 45 degrees, a short way across, then down into the
// ground symbol.
void paintGroundLead(QPainter& p, const LeadPicture& pic) {
    const QPointF a = attachPoint(pic);
    const qreal h = pic.size.height(), x = a.x() + 64, y = h - 14;
    const qreal barTop = h - 8;
    paintCable(p, QPolygonF{a, {a.x() + (y - a.y()), y}, {x, y}, {x, barTop}}, kBlack);
    p.setPen(QPen(QColor(kBlack.core), 1.8, Qt::SolidLine, Qt::FlatCap));
    const qreal halfWidths[] = {10, 6.5, 3};
    for (int i = 0; i < 3; ++i) {
        const qreal by = barTop + 3 * i;
        p.drawLine(QPointF(x - halfWidths[i], by), QPointF(x + halfWidths[i], by));
    }
    paintClip(p, a, kBlack);
}

}  // namespace

void paintImageY1(QPainter& p, int n) {
    paintProbe(p, kProbe1[n - 1], QStringLiteral("Y1"));
}

void paintImageY2(QPainter& p, int n) {
    paintProbe(p, kProbe2[n - 1], QStringLiteral("Y2"));
}

void paintImageMasse(QPainter& p, int n) {
    paintGroundLead(p, kGround[n - 1]);
}

}  // namespace art
