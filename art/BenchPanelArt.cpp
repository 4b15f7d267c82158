// Media: the bench's instrument fronts, legends, arrows and power switch. The panel
// art agrees with where the controls sit (the bench window's layout; twips / 15 = pixels, from the
// panel's top-left corner).

#include <array>
#include <cmath>
#include <string_view>

#include "art/ArtLists.h"
#include "art/BenchArtParts.h"
#include "art/DrawKit.h"
#include "art/MenuArtParts.h"
#include "gfx/Canvas.h"

namespace art {
namespace {

using gfx::Brush;
using gfx::Color;
using gfx::Pen;
using gfx::Point;
using gfx::Rect;
using kit::kPi;

constexpr double tw(double twips) {
    return twips / 15.0;
}

Point polar(Point c, double r, double deg) {
    const double a = deg * kPi / 180;
    return {c.x + r * std::sin(a), c.y - r * std::cos(a)};
}

gfx::Polygon translated(const gfx::Polygon& poly, Point d) {
    gfx::Polygon out;
    out.reserve(poly.size());
    for (const Point& q : poly) out.push_back(q + d);
    return out;
}

// A case (rounded, bevelled) with a lighter front plate inset by `inset` and four screws.
void instrumentCase(gfx::Canvas& p, double w, double h, Color body, Color plate, double inset) {
    gfx::Path box;
    box.addRoundedRect(Rect(0.5, 0.5, w - 1, h - 1), 7, 7);
    gfx::LinearGradient g({0, 0}, {0, h});
    g.setColorAt(0, body.lighter(135));
    g.setColorAt(0.5, body);
    g.setColorAt(1, body.darker(140));
    p.setPen(Pen(body.darker(250), 1.0));
    p.setBrush(g);
    p.drawPath(box);
    kit::bevel(p, box, 1.8, 110, 140);
    const Rect face(inset, inset, w - 2 * inset, h - 2 * inset);
    gfx::LinearGradient fg(face.topLeft(), face.bottomLeft());
    fg.setColorAt(0, plate.lighter(106));
    fg.setColorAt(1, plate.darker(104));
    p.setPen(Pen(body.darker(200), 1.0));
    p.setBrush(fg);
    p.drawRoundedRect(face, 3, 3);
    p.setPen(Pen(Color(255, 255, 255, 150), 0.8));
    p.drawLine(face.topLeft() + Point{3, 1}, face.topRight() + Point{-3, 1});
    const double s = inset + 5.5;
    const std::array<Point, 4> screws = {Point{s, s}, Point{w - s, s}, Point{s, h - s}, Point{w - s, h - s}};
    for (size_t i = 0; i < screws.size(); ++i)
        kit::screw(p, screws[i], 2.8, 20.0 + 37.0 * static_cast<double>(i));
}

// A recessed outline (a line of shade above and left, of light below and right).
void recess(gfx::Canvas& p, const Rect& r, double radius) {
    p.setBrush(Brush::none());
    p.setPen(Pen(Color(255, 255, 255, 200), 1.0));
    p.drawRoundedRect(r.translated(0.6, 0.6), radius, radius);
    p.setPen(Pen(Color(90, 88, 80, 200), 1.0));
    p.drawRoundedRect(r, radius, radius);
}

// ---- Media 2: resistor decade box -----------------------------------------------------------

void resistorBox(gfx::Canvas& p) {
    const double w = 431, h = 174;
    instrumentCase(p, w, h, Color(52, 48, 46), kDecadePanel, 9);
    kit::engraved(p, Point{195, 31}, "BOITE DE RESISTANCES", kit::font(16, true), Color(35, 32, 30));
    p.setPen(Pen(Color(120, 115, 100), 0.8));
    p.drawLine(40, 45.5, 350, 45.5);
    constexpr std::array<std::string_view, 4> kWeights = {"Ω × 10000", "Ω × 1000", "Ω × 100", "Ω × 10"};
    for (int i = 0; i < 4; ++i) {
        const double x = tw(300 + 1400 * i), y = tw(1080);  // Rpot(i + 1), 70 x 65 px
        recess(p, Rect(x - 3.5, y - 3.5, 77, 92), 5);
        kit::engraved(p, Point{x + 35, y + 77}, kWeights[static_cast<size_t>(i)], kit::font(12, true),
                      Color(30, 30, 34));
    }
    // Binding posts on the right.
    kit::terminal(p, Point{397, 78}, 9, Color(200, 25, 20));
    kit::terminal(p, Point{397, 122}, 9, Color(40, 40, 42));
}

// ---- Media 3: capacitor decade box ----------------------------------------------------------

void capacitorBox(gfx::Canvas& p) {
    const double w = 431, h = 141;
    instrumentCase(p, w, h, Color(28, 48, 120), kDecadePanel, 9);
    const Rect window(tw(300), tw(600), tw(5230), tw(1200));  // fondbox, covered by the knob strip
    kit::engraved(p, Point{window.center().x, 27}, "BOITE DE CONDENSATEURS", kit::font(16, true),
                  Color(20, 30, 70));
    p.setPen(Pen::none());
    p.setBrush(Color(225, 224, 210));
    p.drawRect(window);
    // The scroll arrows FlecheG and FlecheD bring their own sockets: where one is hidden, the
    // plate is bare.
    recess(p, window.adjusted(-2, -2, 2, 2), 3);
    kit::terminal(p, Point{397, 62}, 9, Color(200, 25, 20));
    kit::terminal(p, Point{397, 104}, 9, Color(40, 40, 42));
}

// ---- Media 4 to 9: decade legends -----------------------------------------------------------

void legend(gfx::Canvas& p, int k) {
    constexpr std::array<std::string_view, 6> kText = {"µF × 1000", "µF × 100", "µF × 10",
                                                       "µF × 1",    "µF × 0,1", "µF × 0,01"};
    constexpr std::array<int, 6> kWidth = {51, 45, 39, 33, 42, 47};
    const double w = kWidth[static_cast<size_t>(k)];
    p.fillRect(Rect(0, 0, w, 15), kDecadePanel);
    const std::string_view text = kText[static_cast<size_t>(k)];
    const int px = kit::fittingSize(text, w - 2, 11);
    kit::engraved(p, Point{w / 2, 7.2}, text, kit::font(px, true), Color(25, 30, 60));
}

// ---- arrows ---------------------------------------------------------------------------------

gfx::Polygon triangle(const Rect& r, bool right) {
    if (right) return {r.topLeft(), Point{r.right(), r.center().y}, r.bottomLeft()};
    return {r.topRight(), Point{r.left(), r.center().y}, r.bottomRight()};
}

// Media 10, 11: a small dark blue key with a white arrow (capacitor strip), in its socket.
void stripKey(gfx::Canvas& p, bool right) {
    const Rect socket(0, 0, 13, 11);
    p.setPen(Pen::none());
    p.setBrush(kDecadePanel.darker(112));
    p.drawRoundedRect(socket, 2.5, 2.5);
    recess(p, socket.adjusted(0.5, 0.5, -1.1, -1.1), 2.2);
    const Rect r(1.5, 1.5, 10, 8);
    gfx::LinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Color(90, 125, 210));
    g.setColorAt(1, Color(20, 40, 115));
    p.setPen(Pen(Color(10, 20, 60), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Pen(Color(20, 30, 60), 0.5, gfx::Cap::Round, gfx::Join::Round));
    p.setBrush(Color(250, 250, 250));
    p.drawPolygon(triangle(Rect(right ? 4.6 : 4.0, 3.1, 4.4, 4.8), right));
}

// Media 15, 16: a small yellow arrow on the granite strip.
void smallArrow(gfx::Canvas& p, bool right) {
    const gfx::Polygon t = triangle(Rect(1.5, 0.8, 8, 7.4), right);
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 90));
    p.drawPolygon(translated(t, {0.6, 0.7}));
    gfx::LinearGradient g({0, 0}, {0, 9});
    g.setColorAt(0, Color(255, 240, 110));
    g.setColorAt(1, Color(230, 160, 0));
    p.setPen(Pen(Color(95, 60, 0), 0.8, gfx::Cap::Round, gfx::Join::Round));
    p.setBrush(g);
    p.drawPolygon(t);
}

// ---- Media 12: DC generator front -----------------------------------------------------------

void displayWindow(gfx::Canvas& p) {
    // Digits Dix, unite, deci at lefts 1335, 1935, 2550, top 840 twips, 28 x 49 px each.
    const Rect digits(tw(1335), tw(840), tw(2550) + 28 - tw(1335), 49);
    const Rect glass = digits.adjusted(-7, -kLedGlassAbove, 7, kLedGlassHeight - kLedGlassAbove - 49);
    p.setPen(Pen(Color(25, 25, 28), 1.0));
    gfx::LinearGradient bz(glass.topLeft(), glass.bottomLeft());
    bz.setColorAt(0, Color(40, 40, 44));
    bz.setColorAt(1, Color(95, 95, 100));
    p.setBrush(bz);
    p.drawRoundedRect(glass.adjusted(-4, -4, 4, 4), 4, 4);
    p.setPen(Pen::none());
    p.setBrush(kLedGround);
    p.drawRect(glass);
    // The painted decimal point, between the units and the tenths places.
    const Point dp{(tw(1935) + 28 + tw(2550)) / 2, tw(840) + 44.5};
    p.setBrush(Color(255, 40, 20, 60));
    p.drawEllipse(dp, 3.6, 3.6);
    p.setBrush(kLedOn);
    p.drawEllipse(dp, 2.3, 2.3);
    p.setBrush(ledReflection(glass.top()));
    p.drawRect(glass);
    kit::engraved(p, Point{glass.center().x, glass.bottom() + 14}, "VOLTS", kit::font(10, true),
                  Color(35, 40, 50));
}

void powerMarks(gfx::Canvas& p) {
    const Rect sw(tw(405), tw(1445), 20, 43);  // Power
    p.setPen(Pen::none());
    p.setBrush(Color(30, 30, 32));
    p.drawRoundedRect(sw.adjusted(-2.5, -2.5, 2.5, 2.5), 3, 3);
    const Color ink(30, 35, 45);
    kit::engraved(p, Point{sw.right() + 9, sw.top() + 9}, "I", kit::font(12, true), ink);
    kit::engraved(p, Point{sw.right() + 9, sw.bottom() - 9}, "0", kit::font(12, true), ink);
    kit::engraved(p, Point{sw.center().x + 5, sw.top() - 11}, "SECTEUR", kit::font(9, true), ink);
}

void coarseMarks(gfx::Canvas& p) {
    constexpr std::string_view kNumbers[] = {"0", "5", "10", "15"};
    const Point c{tw(3825) + 17.5, tw(765) + 18};  // genebn centre
    const Color ink(30, 35, 45);
    for (int k = 0; k < 16; ++k) {
        const double a = k * 22.5;
        const bool major = k % 5 == 0;
        p.setPen(Pen(ink, major ? 1.4 : 0.9, gfx::Cap::Round));
        p.drawLine(polar(c, 19.5, a), polar(c, major ? 23.5 : 22, a));
        // The two ends of the scale, 0 and 15, sit side by side at the top: each label leans a
        // little away from the other, towards the end stop's outside.
        const double lean = k == 0 ? 6 : k == 15 ? -6 : 0;
        if (major) kit::textAt(p, polar(c, 29, a + lean), kNumbers[k / 5], kit::font(9, true), ink);
    }
}

void fineMarks(gfx::Canvas& p) {
    const Point c{tw(3825) + 17.5, tw(1725) + 18};  // Genebfin centre
    const Color ink(30, 35, 45);
    // A wedge growing from - (left) to + (right) over the top.
    gfx::Path wedge;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double a = -135 + 270.0 * i / steps;
        const Point q = polar(c, 20.0, a);
        if (i == 0)
            wedge.moveTo(q);
        else
            wedge.lineTo(q);
    }
    for (int i = steps; i >= 0; --i) {
        const double a = -135 + 270.0 * i / steps;
        wedge.lineTo(polar(c, 20.6 + 3.2 * i / steps, a));
    }
    wedge.closeSubpath();
    p.setPen(Pen::none());
    p.setBrush(ink);
    p.drawPath(wedge);
    kit::textAt(p, polar(c, 26, -140) + Point{-2, 1}, "−", kit::font(13, true), ink);
    kit::textAt(p, polar(c, 26, 140) + Point{2, 1}, "+", kit::font(13, true), ink);
    kit::engraved(p, Point{c.x, c.y + 33}, "rég. fin", kit::font(10, true), ink);
}

void outputs(gfx::Canvas& p) {
    const Color ink(30, 35, 45);
    const Point red{324, 124}, black{354, 124};
    recess(p, Rect(306, 92, 66, 70), 5);
    kit::textAt(p, red + Point{0, -21}, "+", kit::font(14, true), Color(190, 20, 15));
    kit::textAt(p, black + Point{0, -21}, "−", kit::font(14, true), ink);
    kit::terminal(p, red, 10, Color(205, 25, 20));
    kit::terminal(p, black, 10, Color(40, 40, 42));
    kit::engraved(p, Point{339, 151}, "SORTIES", kit::font(10, true), ink);
}

void generatorFront(gfx::Canvas& p) {
    const double w = 382, h = 196;
    instrumentCase(p, w, h, Color(72, 76, 84), Color(206, 211, 216), 7);
    // Brushed metal: faint horizontal streaks from a seeded noise.
    for (int y = 9; y < 188; ++y) {
        const double v = kit::noise01(0, y, 77);
        p.setPen(Pen(v > 0.5 ? Color(255, 255, 255, static_cast<int>(40 * (v - 0.5)))
                             : Color(0, 0, 0, static_cast<int>(24 * (0.5 - v))),
                     1.0));
        p.drawLine(10, y + 0.5, w - 10, y + 0.5);
    }
    // The title and its rule stay above the coarse dial's top labels.
    kit::engraved(p, Point{w / 2, 21.5}, "ALIMENTATION STABILISEE 0 - 15 V", kit::font(16, true),
                  Color(20, 30, 60));
    p.setPen(Pen(Color(40, 60, 120), 1.2));
    p.drawLine(30, 32.5, w - 30, 32.5);
    displayWindow(p);
    powerMarks(p);
    coarseMarks(p);
    fineMarks(p);
    outputs(p);
    kit::engraved(p, Point{52, 178}, "Vorlinde", kit::font(10, true), Color(40, 60, 120));
}

// ---- Media 13, 14: rocker power switch ------------------------------------------------------

// One half of the rocker (see rockerSwitch): pressed in and shaded, or standing out and lit
// along its outer edge.
void rockerHalf(gfx::Canvas& p, const Rect& r, bool on, bool pressed, bool isUpper) {
    gfx::LinearGradient g(r.topLeft(), r.bottomLeft());
    Color a, b;  // towards the frame's end, towards the pivot
    if (on) {
        a = pressed ? Color(120, 16, 10) : Color(255, 120, 88);
        b = pressed ? Color(200, 36, 22) : Color(255, 72, 44);
    } else {
        a = pressed ? Color(45, 9, 7) : Color(128, 34, 28);
        b = pressed ? Color(66, 13, 10) : Color(96, 23, 18);
    }
    g.setColorAt(isUpper ? 0 : 1, a);
    g.setColorAt(isUpper ? 1 : 0, b);
    p.setPen(Pen(on ? Color(120, 16, 8) : Color(30, 6, 5), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.8, 1.8);
    if (pressed) {  // the shadow the standing half casts on the pressed one, along the pivot
        gfx::LinearGradient s(isUpper ? r.bottomLeft() : r.topLeft(),
                              isUpper ? r.bottomLeft() - Point{0, 4} : r.topLeft() + Point{0, 4});
        s.setColorAt(0, Color(0, 0, 0, 120));
        s.setColorAt(1, Color(0, 0, 0, 0));
        p.setPen(Pen::none());
        p.setBrush(s);
        p.drawRect(isUpper ? Rect(r.left(), r.bottom() - 4, r.width(), 4)
                           : Rect(r.left(), r.top(), r.width(), 4));
    } else {  // light on the edge that stands out
        p.setPen(Pen(Color(255, 255, 255, on ? 170 : 90), 0.8));
        const double y = isUpper ? r.top() + 1.2 : r.bottom() - 1.2;
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
    }
}

void rockerSwitch(gfx::Canvas& p, bool on) {
    const Rect frame(0.5, 0.5, 19, 42);
    gfx::LinearGradient fg(frame.topLeft(), frame.bottomLeft());
    fg.setColorAt(0, Color(25, 25, 28));
    fg.setColorAt(1, Color(60, 60, 66));
    p.setPen(Pen(Color(10, 10, 12), 1.0));
    p.setBrush(fg);
    p.drawRoundedRect(frame, 3, 3);
    // The rocker tilts on its middle: the half pressed in (I when on, 0 when off) leans away,
    // so it looks shorter and in shadow; the other half stands out, taller and catching the
    // light. Switched on, the rocker is lit from inside; off, it is a dull dark red.
    const double split = on ? 19.0 : 24.0;
    const Rect upper(3, 3, 14, split - 3), lower(3, split, 14, 40 - split);
    rockerHalf(p, upper, on, on, true);
    rockerHalf(p, lower, on, !on, false);
    if (on) {  // the glow of the lamp inside
        gfx::RadialGradient glow({10, 22}, 16);
        glow.setColorAt(0, Color(255, 200, 150, 80));
        glow.setColorAt(1, Color(255, 80, 40, 0));
        p.setPen(Pen::none());
        p.setBrush(glow);
        p.drawRoundedRect(Rect(3, 3, 14, 37), 1.8, 1.8);
        p.setPen(Pen(Color(255, 90, 50, 150), 1.0));  // a red halo on the frame's rim
        p.setBrush(Brush::none());
        p.drawRoundedRect(Rect(1.5, 1.5, 17, 40), 2.5, 2.5);
    }
    const Color mark = on ? Color(255, 250, 235) : Color(215, 160, 150, 150);
    p.setPen(Pen(mark, on ? 1.6 : 1.2, gfx::Cap::Round));
    const double iMid = (upper.top() + upper.bottom()) / 2, oMid = (lower.top() + lower.bottom()) / 2;
    p.drawLine(10, iMid - 4, 10, iMid + 4);
    p.setBrush(Brush::none());
    p.drawEllipse(Point{10, oMid}, 2.9, 3.6);
}

}  // namespace

void paintMedia(gfx::Canvas& p, int n) {
    switch (n) {
        case 1:
            drawLightGround(p, 146, 104);
            drawScope(p, Rect(2, 2, 142, 100), ScopeTrace::Curve);
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
