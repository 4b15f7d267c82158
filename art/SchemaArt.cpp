// The circuit schematic E - switch - D - R - A - C - B, on the bench (Schema 1, 2) and in the
// oscilloscope's pop-up box (Schema 3, 4), and the box's title strip (Schema 5).
//
// Both schematics are one drawing painted from a layout: the node positions come from
// SchemaArt.h (they must meet the lead drawings), the rest is placed around the value labels
// the windows write next to the components.

#include "art/SchemaArt.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "art/ArtLists.h"
#include "art/DrawKit.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;
using schematic::Blade;
using schematic::Nodes;

constexpr Color kPeach(0xfc, 0xdc, 0xbc);
constexpr Color kPeachEdge(0xd9, 0xa9, 0x7e);
constexpr Color kBodyFill(0xff, 0xf8, 0xee);  // inside of the resistor and the generator
constexpr Color kLetterInk(0x1e, 0x2a, 0x6e);

struct SchemaLayout {
    gfx::Size size;
    const Nodes* nodes;
    double genX, returnX;       // the generator's wire (left) and the return wire (right)
    double genY, genRadius;     // generator circle
    double resY, resW, resH;    // resistor body, centred on the middle branch
    double capY, capGap, capW;  // capacitor plates
    double wire, dotRadius;     // pen of the wires, radius of the node dots
    int letterPx, smallPx;      // node and component letters; the + sign
};

// The value labels of the bench sit at ValR (175.6, 131.7), ValC (175.6, 280) and Vle (96, 195)
// px; the warning strip from y 382 down stays clear.
constexpr SchemaLayout kBench{
    .size = {308, 404},
    .nodes = &schematic::kBenchNodes,
    .genX = 66,
    .returnX = 292,
    .genY = 203,
    .genRadius = 19,
    .resY = 139,
    .resW = 15,
    .resH = 46,
    .capY = 287,
    .capGap = 10,
    .capW = 32,
    .wire = 1.6,
    .dotRadius = 3.4,
    .letterPx = 15,
    .smallPx = 12,
};

// The box's labels sit at ValR (176.4, 94), ValC (176.4, 240.4) and Vle (97, 155.6) px.
constexpr SchemaLayout kBox{
    .size = {294, 342},
    .nodes = &schematic::kBoxNodes,
    .genX = 64,
    .returnX = 282,
    .genY = 162,
    .genRadius = 16,
    .resY = 101,
    .resW = 13,
    .resH = 38,
    .capY = 247,
    .capGap = 8,
    .capW = 28,
    .wire = 1.5,
    .dotRadius = 3.1,
    .letterPx = 14,
    .smallPx = 11,
};

// The schematic's letters are fitted to the pixel grid vertically, crisp on the peach ground.
gfx::Font letterFont(int px) {
    gfx::Font f = kit::font(px, true);
    f.hinted = true;
    return f;
}

// Text centred on c (by its ink box, so single capitals sit exactly).
void centredText(gfx::Canvas& p, Point c, std::string_view text, const gfx::Font& f) {
    p.setFont(f);
    const gfx::Rect ink = gfx::FontMetrics(f).tightBounds(text);
    p.drawText(c - ink.center(), text);
}

Pen wirePen(double width) {
    return Pen(schematic::kWire, width, gfx::Cap::Round, gfx::Join::Round);
}

void paintGround(gfx::Canvas& p, const SchemaLayout& l) {
    const gfx::Rect r(Point{0, 0}, l.size);
    p.fillRect(r, kPeach);
    p.setPen(Pen(kPeachEdge, 1));
    p.setBrush(gfx::Brush::none());
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The wires as polylines: top rail to the charge contact, generator branch, bottom rail, return
// wire from the discharge contact, and the middle branch broken at R and C.
void paintWires(gfx::Canvas& p, const SchemaLayout& l) {
    const Nodes& n = *l.nodes;
    const double top = n.contactCharge.y, x = n.d.x, bottom = n.b.y;
    const gfx::Polygon lines[] = {
        {n.contactCharge, {l.genX, top}, {l.genX, l.genY - l.genRadius}},
        {{l.genX, l.genY + l.genRadius},
         {l.genX, bottom},
         {l.returnX, bottom},
         {l.returnX, top},
         n.contactDischarge},
        {n.d, {x, l.resY - l.resH / 2}},
        {{x, l.resY + l.resH / 2}, {x, l.capY - l.capGap / 2}},
        {{x, l.capY + l.capGap / 2}, n.b},
    };
    p.setPen(wirePen(l.wire));
    p.setBrush(gfx::Brush::none());
    for (const gfx::Polygon& line : lines) p.drawPolyline(line);
}

void paintArrow(gfx::Canvas& p, Point from, Point to, double head, double width) {
    const Point d = to - from;
    const double len = std::hypot(d.x, d.y);
    const Point u = d / len, v{-u.y, u.x};
    p.setPen(wirePen(width));
    p.drawLine(from, to - u * head * 0.8);
    p.setPen(Pen::none());
    p.setBrush(schematic::kWire);
    p.drawPolygon({to, to - u * head + v * head * 0.42, to - u * head - v * head * 0.42});
}

// The DC source: a circle crossed by its wire, the voltage arrow E beside it pointing to +.
void paintGenerator(gfx::Canvas& p, const SchemaLayout& l) {
    const Point c{l.genX, l.genY};
    const double r = l.genRadius;
    p.setPen(wirePen(l.wire));
    p.setBrush(kBodyFill);
    p.drawEllipse(c, r, r);
    p.drawLine(c + Point{0, -r}, c + Point{0, r});
    const double ax = l.genX - r - 9;
    paintArrow(p, {ax, l.genY + r}, {ax, l.genY - r}, 7, l.wire);
    p.setPen(Pen(kLetterInk));
    centredText(p, {ax - 10, l.genY}, "E", letterFont(l.letterPx));
    centredText(p, {l.genX + 8, l.genY - r - 6}, "+", letterFont(l.smallPx));
}

void paintResistor(gfx::Canvas& p, const SchemaLayout& l) {
    const gfx::Rect body(l.nodes->d.x - l.resW / 2, l.resY - l.resH / 2, l.resW, l.resH);
    p.setPen(wirePen(l.wire));
    p.setBrush(kBodyFill);
    p.drawRect(body);
    p.setPen(Pen(kLetterInk));
    centredText(p, {body.left() - 11, l.resY}, "R", letterFont(l.letterPx));
}

void paintCapacitor(gfx::Canvas& p, const SchemaLayout& l) {
    const double x = l.nodes->d.x, half = l.capW / 2;
    p.setPen(Pen(schematic::kWire, l.wire * 1.8, gfx::Cap::Flat));
    for (double y : {l.capY - l.capGap / 2, l.capY + l.capGap / 2}) p.drawLine({x - half, y}, {x + half, y});
    p.setPen(Pen(kLetterInk));
    centredText(p, {x - half - 10, l.capY}, "C", letterFont(l.letterPx));
}

// The two-way switch: both contacts, and the blade from D to the closed one.
void paintSwitch(gfx::Canvas& p, const SchemaLayout& l, Blade blade) {
    const Nodes& n = *l.nodes;
    p.setPen(wirePen(schematic::kBladeWidth));
    p.drawLine(n.d, blade == Blade::Charge ? n.contactCharge : n.contactDischarge);
    p.setPen(Pen(schematic::kWire, 1.2));
    p.setBrush(schematic::kWire);
    for (Point c : {n.contactCharge, n.contactDischarge}) p.drawEllipse(c, 2.7, 2.7);
}

// Dots on D, A and B, and their letters: D below-left (clear of the blade), A to the left, B
// above-left (clear of the bottom rail).
void paintNodes(gfx::Canvas& p, const SchemaLayout& l) {
    const Nodes& n = *l.nodes;
    p.setPen(Pen::none());
    p.setBrush(schematic::kWire);
    for (Point c : {n.d, n.a, n.b}) p.drawEllipse(c, l.dotRadius, l.dotRadius);
    p.setPen(Pen(kLetterInk));
    const gfx::Font f = letterFont(l.letterPx);
    centredText(p, n.d + Point{-13, 7}, "D", f);
    centredText(p, n.a + Point{-13, 0}, "A", f);
    centredText(p, n.b + Point{-13, -11}, "B", f);
}

void paintCircuit(gfx::Canvas& p, const SchemaLayout& l, Blade blade) {
    paintGround(p, l);
    paintWires(p, l);
    paintGenerator(p, l);
    paintResistor(p, l);
    paintCapacitor(p, l);
    paintSwitch(p, l, blade);
    paintNodes(p, l);
}

// The box's title strip; its close box lies under the close hit area, x 275 to 292.
void paintTitleStrip(gfx::Canvas& p) {
    const gfx::Rect strip(0, 0, 294, 17);
    gfx::LinearGradient g(strip.topLeft(), strip.topRight());
    g.setColorAt(0, Color(10, 36, 106));
    g.setColorAt(1, Color(58, 110, 196));
    p.fillRect(strip, g);
    p.setPen(Pen(gfx::kWhite));
    p.setFont(letterFont(11));
    p.drawText(gfx::Rect(6, 0, 260, 17), gfx::AlignLeft | gfx::AlignVCenter, "Schéma du montage");

    const gfx::Rect box(276, 2, 15, 13);
    p.fillRect(box, Color(212, 208, 200));
    p.setPen(Pen(gfx::kWhite, 1));
    p.drawPolyline({box.bottomLeft() + Point{0.5, -0.5}, box.topLeft() + Point{0.5, 0.5},
                    box.topRight() + Point{-0.5, 0.5}});
    p.setPen(Pen(Color(64, 64, 64), 1));
    p.drawPolyline({box.topRight() + Point{-0.5, 0.5}, box.bottomRight() + Point{-0.5, -0.5},
                    box.bottomLeft() + Point{0.5, -0.5}});
    p.setPen(Pen(gfx::kBlack, 1.7, gfx::Cap::Flat));
    const Point c = box.center();
    p.drawLine(c + Point{-3.5, -3}, c + Point{3.5, 3});
    p.drawLine(c + Point{-3.5, 3}, c + Point{3.5, -3});
}

}  // namespace

void paintSchema(gfx::Canvas& p, int n) {
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
