// The oscilloscope's rotary knobs: the VOLTS/DIV selector (Sensivert), the TIME/DIV selector
// (Balay) and the small endless knob of the POSITION, INTENSITY and FOCUS controls (DecalDG).
// The pictures are transparent around the knob and its scale, so the panel shows through.

#include <cmath>
#include <span>

#include "art/ArtLists.h"
#include "gfx/Canvas.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;

constexpr double kPi = 3.14159265358979323846;

constexpr Color kInk(28, 30, 34);
constexpr Color kDetentInk(214, 24, 20);

// The point at `radius` from `c`, `deg` degrees clockwise from straight up.
Point polar(Point c, double radius, double deg) {
    const double a = deg * kPi / 180.0;
    return {c.x + radius * std::sin(a), c.y - radius * std::cos(a)};
}

// A selector as data: where the knob sits, how big it is, and its engraved scale.
struct Selector {
    Point centre;
    double gripRadius;   // the fluted black grip
    double skirtRadius;  // the skirt carrying the pointer
    double tickInner;
    double tickOuter;
    double labelRadius;
    double firstDeg;  // the fully anticlockwise detent, clockwise from the top
    double stepDeg;
    int fontPx;
    std::span<const char* const> labels;
};

constexpr const char* kVoltsLabels[] = {"20", "10", "5",  "2",  "1", ".5", ".2",
                                        ".1", "50", "20", "10", "5", "2",  "1"};
constexpr const char* kTimeLabels[] = {"200", "100", "50", "20", "10", "5", "2", "1", ".5",
                                       ".2",  ".1",  "50", "20", "10", "5", "2", "1", ".5"};

// Knob centres match the hit areas laid over the pictures.
const Selector kVoltsSelector{{59.5, 62.5}, 21.0,   27.0,         30.0, 33.5,
                              42.0,         -135.0, 270.0 / 13.0, 9,    kVoltsLabels};
const Selector kTimeSelector{{65.3, 60.3}, 22.5,   29.0,         32.0, 35.5,
                             48.5,         -150.0, 300.0 / 17.0, 9,    kTimeLabels};

// A soft drop shadow under a round body, light coming from the upper left.
void paintShadow(gfx::Canvas& p, Point c, double radius) {
    p.setPen(Pen::none());
    for (int i = 0; i < 4; ++i) {
        p.setBrush(Color(0, 0, 0, 34 - 7 * i));
        p.drawEllipse(c + Point{1.2 + 0.4 * i, 2.0 + 0.5 * i}, radius + 0.6 * i, radius + 0.6 * i);
    }
}

// A fluted grip outline: `flutes` scallops around `c`, turned by `turnDeg`.
gfx::Polygon flutedOutline(Point c, double radius, int flutes, double turnDeg) {
    gfx::Polygon poly;
    const int steps = flutes * 6;
    for (int i = 0; i < steps; ++i) {
        const double phase = std::cos(2.0 * kPi * i / 6.0);
        const double r = radius - 0.55 * (1.0 - phase);
        poly.push_back(polar(c, r, turnDeg + 360.0 * i / steps));
    }
    return poly;
}

// The black grip with its flat cap: fluted rim and a highlight from the upper left.
void paintGrip(gfx::Canvas& p, Point c, double radius, int flutes, double turnDeg) {
    gfx::RadialGradient rim(c - Point{radius * 0.45, radius * 0.55}, radius * 1.6);
    rim.setColorAt(0.0, Color(92, 94, 98));
    rim.setColorAt(0.55, Color(38, 39, 42));
    rim.setColorAt(1.0, Color(10, 10, 12));
    p.setPen(Pen(Color(6, 6, 8), 0.8));
    p.setBrush(rim);
    p.drawPolygon(flutedOutline(c, radius, flutes, turnDeg));

    const double cap = radius * 0.78;
    gfx::RadialGradient top(c - Point{cap * 0.4, cap * 0.5}, cap * 1.5);
    top.setColorAt(0.0, Color(78, 80, 85));
    top.setColorAt(0.6, Color(34, 35, 38));
    top.setColorAt(1.0, Color(20, 20, 22));
    p.setPen(Pen(Color(100, 102, 106, 150), 0.7));
    p.setBrush(top);
    p.drawEllipse(c, cap, cap);
}

void paintScale(gfx::Canvas& p, const Selector& s, int detent) {
    p.setFont(gfx::Font{static_cast<double>(s.fontPx), true});
    for (int k = 1; k <= static_cast<int>(s.labels.size()); ++k) {
        const double deg = s.firstDeg + (k - 1) * s.stepDeg;
        const Color ink = k == detent ? kDetentInk : kInk;
        p.setPen(Pen(ink, k == detent ? 1.6 : 1.0, gfx::Cap::Round));
        p.drawLine(polar(s.centre, s.tickInner, deg), polar(s.centre, s.tickOuter, deg));
        const Point at = polar(s.centre, s.labelRadius, deg);
        p.drawText(gfx::Rect(at.x - 12, at.y - 6, 24, 12), gfx::AlignCenter,
                   s.labels[static_cast<size_t>(k - 1)]);
    }
}

// The skirt under the grip: a dark bevelled disc with a white pointer reaching the scale.
void paintSkirt(gfx::Canvas& p, const Selector& s, double deg) {
    gfx::RadialGradient g(s.centre - Point{s.skirtRadius * 0.4, s.skirtRadius * 0.5}, s.skirtRadius * 1.7);
    g.setColorAt(0.0, Color(120, 123, 128));
    g.setColorAt(0.6, Color(58, 60, 64));
    g.setColorAt(1.0, Color(30, 31, 34));
    p.setPen(Pen(Color(12, 12, 14), 0.8));
    p.setBrush(g);
    p.drawEllipse(s.centre, s.skirtRadius, s.skirtRadius);

    const double tip = s.skirtRadius + 1.6;
    const gfx::Polygon arrow = {polar(s.centre, tip, deg), polar(s.centre, s.gripRadius, deg - 7.0),
                                polar(s.centre, s.gripRadius, deg + 7.0)};
    p.setPen(Pen::none());
    p.setBrush(Color(246, 246, 240));
    p.drawPolygon(arrow);
}

void paintSelector(gfx::Canvas& p, const Selector& s, int detent) {
    const double deg = s.firstDeg + (detent - 1) * s.stepDeg;
    paintScale(p, s, detent);
    paintShadow(p, s.centre, s.skirtRadius);
    paintSkirt(p, s, deg);
    paintGrip(p, s.centre, s.gripRadius, 18, deg);
    // The index line on the cap, in line with the skirt's pointer.
    p.setPen(Pen(Color(236, 236, 230), 1.6, gfx::Cap::Round));
    p.drawLine(polar(s.centre, s.gripRadius * 0.15, deg), polar(s.centre, s.gripRadius * 0.72, deg));
}

}  // namespace

void paintSensivert(gfx::Canvas& p, int n) {
    paintSelector(p, kVoltsSelector, n);
}

void paintBalay(gfx::Canvas& p, int n) {
    paintSelector(p, kTimeSelector, n);
}

// Picture n turns the marker (n - 1) / 52 of a turn clockwise from the bottom: 1 and 53 at the
// bottom, 14 at the left, 27 at the top, 40 at the right.
void paintDecalDG(gfx::Canvas& p, int n) {
    const Point c{20.0, 20.5};
    const double deg = 180.0 + 360.0 * (n - 1) / 52.0;
    paintShadow(p, c, 16.0);
    paintGrip(p, c, 16.0, 16, deg);
    p.setPen(Pen(Color(0, 0, 0, 120), 0.6));
    p.setBrush(Color(250, 250, 244));
    p.drawEllipse(polar(c, 8.6, deg), 2.2, 2.2);
}

}  // namespace art
