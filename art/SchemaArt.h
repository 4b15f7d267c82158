#pragma once
// Geometry shared by the circuit schematics (Schema) and the lead drawings laid over them
// (ImageY1, ImageY2, ImageMasse). The same lead picture is shown on two schematics of
// different scales, so each schematic is drawn with its points where the leads land: the box
// schematic's D, A and B at the middle of the zones the wiring reacts to, the bench
// schematic's at the mean of where the bench copies of the leads put them.

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace art::schematic {

// Pixels per schematic unit (both schematics are 100 x 100 units).
struct Scale {
    double x;
    double y;
};
inline constexpr Scale kBenchScale{3.08, 4.04};  // Schema 1 and 2, 308 x 404 px
inline constexpr Scale kBoxScale{2.94, 3.42};    // Schema 3 and 4, 294 x 342 px

inline constexpr gfx::Point toPixels(Scale s, gfx::Point units) {
    return {units.x * s.x, units.y * s.y};
}

enum class Node { D, A, B };

// Where the switch blade points: discharge joins D to the return wire (right contact), charge
// joins D to the generator (left contact).
enum class Blade { Discharge, Charge };

// The nodes and the switch, in pixels of each schematic.
struct Nodes {
    gfx::Point d, a, b;
    gfx::Point contactCharge, contactDischarge;
};

inline constexpr Nodes kBoxNodes{
    {157.29, 35.91}, {157.29, 176.13}, {157.29, 316.35},  // zone middles (53.5; 10.5, 51.5, 92.5)
    {132.30, 13.68}, {182.28, 13.68},                     // contact middles (45, 62; 4)
};

// The bench schematic is taller: its blade keeps the box's direction (the lead pictures at D
// repaint the blade next to D and must match both), only longer.
inline constexpr double kBenchBladeStretch = 1.4;
inline constexpr gfx::Point kBenchD{156.40, 75.58};
inline constexpr Nodes kBenchNodes{
    kBenchD,
    {156.40, 215.56},
    {156.40, 356.90},
    kBenchD + (kBoxNodes.contactCharge - kBoxNodes.d) * kBenchBladeStretch,
    kBenchD + (kBoxNodes.contactDischarge - kBoxNodes.d) * kBenchBladeStretch,
};

inline constexpr gfx::Point nodeAt(const Nodes& n, Node which) {
    return which == Node::D ? n.d : which == Node::A ? n.a : n.b;
}

// Direction of the blade from D towards the contact it closes, the same on both schematics.
inline constexpr gfx::Point bladeDirection(Blade blade) {
    return (blade == Blade::Charge ? kBoxNodes.contactCharge : kBoxNodes.contactDischarge) - kBoxNodes.d;
}

inline constexpr gfx::Color kWire{0x1c, 0x1c, 0x26};  // the ink of every wire and symbol
inline constexpr double kBladeWidth = 2.2;

}  // namespace art::schematic
