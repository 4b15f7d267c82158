// The leads drawn over the schematic once the student has wired them: a red probe lead ending
// in an arrow on its channel's name (ImageY1, ImageY2) and the black ground lead ending in the
// ground symbol (ImageMasse).
//
// Each picture is shown at its pixel size on both schematics, at the positions the wiring puts
// it. Its clip is drawn on the point it is attached to, found from both placements, so it
// covers the schematic's dot on both; everything else stays transparent. The pictures at D
// also repaint the part of the switch blade they cover.

#include <cmath>
#include <optional>
#include <string_view>

#include "art/ArtLists.h"
#include "art/DrawKit.h"
#include "art/SchemaArt.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;
using schematic::Blade;
using schematic::Node;

// Where the wiring places a picture's top-left corner, in schematic units.
struct Placement {
    Point box;    // on the oscilloscope's box schematic
    Point bench;  // on the bench copy
};

struct LeadPicture {
    gfx::Size size;
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
    Color core;
    Color sheath;
};
constexpr LeadInk kRed{{0xd8, 0x1e, 0x1e}, {0x6e, 0x0a, 0x0a}};
constexpr LeadInk kBlack{{0x20, 0x20, 0x20}, {0x00, 0x00, 0x00}};

constexpr double kClipRadius = 4.6;
constexpr double kLeadWidth = 2.2;

// The node in the picture's own pixels: halfway between where the two placements put it, so
// it lies within a pixel of the dot on both schematics.
Point attachPoint(const LeadPicture& pic) {
    using namespace schematic;
    const Point onBox = nodeAt(kBoxNodes, pic.node) - toPixels(kBoxScale, pic.at.box);
    const Point onBench = nodeAt(kBenchNodes, pic.node) - toPixels(kBenchScale, pic.at.bench);
    return (onBox + onBench) / 2;
}

Pen roundPen(Color c, double width) {
    return Pen(c, width, gfx::Cap::Round, gfx::Join::Round);
}

// A cable: a dark sheath under a coloured core.
void paintCable(gfx::Canvas& p, const gfx::Polygon& path, const LeadInk& ink) {
    p.setBrush(gfx::Brush::none());
    p.setPen(roundPen(ink.sheath, kLeadWidth + 1.4));
    p.drawPolyline(path);
    p.setPen(roundPen(ink.core, kLeadWidth));
    p.drawPolyline(path);
}

// The clip closing on the node, with a small highlight.
void paintClip(gfx::Canvas& p, Point c, const LeadInk& ink) {
    p.setPen(Pen(ink.sheath, 1.1));
    p.setBrush(ink.core);
    p.drawEllipse(c, kClipRadius, kClipRadius);
    p.setPen(Pen::none());
    p.setBrush(Color(255, 255, 255, 150));
    p.drawEllipse(c + Point{-1.4, -1.4}, 1.3, 1.3);
}

// The part of the switch blade inside the picture, drawn as the schematic draws it.
void paintBladeStub(gfx::Canvas& p, Point d, Blade blade) {
    p.setPen(roundPen(schematic::kWire, schematic::kBladeWidth));
    p.drawLine(d, d + schematic::bladeDirection(blade));
}

// The channel's name in a tag, its left edge at `left`, centred on y.
gfx::Rect paintNameTag(gfx::Canvas& p, double left, double y, std::string_view name, const LeadInk& ink) {
    gfx::Font f = kit::font(12, true);
    f.hinted = true;  // fitted to the pixel grid vertically, like the schematic's letters
    const double w = gfx::FontMetrics(f).advance(name) + 9;
    const gfx::Rect tag(left, y - 8, w, 16);
    p.setPen(Pen(ink.core, 1.2));
    p.setBrush(Color(255, 252, 246));
    p.drawRoundedRect(tag.adjusted(0.6, 0.6, -0.6, -0.6), 3, 3);
    p.setFont(f);
    p.drawText(tag, gfx::AlignCenter, name);
    return tag;
}

// Probe lead: from the node down at 45 degrees to the name's height, then across to an arrow
// on the name tag near the picture's right end.
void paintProbe(gfx::Canvas& p, const LeadPicture& pic, std::string_view name) {
    const Point a = attachPoint(pic);
    if (pic.blade) paintBladeStub(p, a, *pic.blade);
    const double y = pic.size.h - 11;
    const double tagLeft = pic.size.w - 46;
    const double tip = tagLeft - 1, head = 8;
    paintCable(p, {a, {a.x + (y - a.y), y}, {tip - head + 1, y}}, kRed);
    p.setPen(Pen(kRed.sheath, 0.8));
    p.setBrush(kRed.core);
    p.drawPolygon({{tip, y}, {tip - head, y - 4.2}, {tip - head, y + 4.2}});
    paintNameTag(p, tagLeft, y, name, kRed);
    paintClip(p, a, kRed);
}

// Ground lead: from the node down at 45 degrees, a short way across, then down into the
// ground symbol.
void paintGroundLead(gfx::Canvas& p, const LeadPicture& pic) {
    const Point a = attachPoint(pic);
    const double h = pic.size.h, x = a.x + 64, y = h - 14;
    const double barTop = h - 8;
    paintCable(p, {a, {a.x + (y - a.y), y}, {x, y}, {x, barTop}}, kBlack);
    p.setPen(Pen(kBlack.core, 1.8, gfx::Cap::Flat));
    const double halfWidths[] = {10, 6.5, 3};
    for (int i = 0; i < 3; ++i) {
        const double by = barTop + 3 * i;
        p.drawLine({x - halfWidths[i], by}, {x + halfWidths[i], by});
    }
    paintClip(p, a, kBlack);
}

}  // namespace

void paintImageY1(gfx::Canvas& p, int n) {
    paintProbe(p, kProbe1[n - 1], "Y1");
}

void paintImageY2(gfx::Canvas& p, int n) {
    paintProbe(p, kProbe2[n - 1], "Y2");
}

void paintImageMasse(gfx::Canvas& p, int n) {
    paintGroundLead(p, kGround[n - 1]);
}

}  // namespace art
