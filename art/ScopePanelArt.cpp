// The oscilloscope's front panel (ImageList1 picture 1) and its screen graticule (picture 2).
//
// The panel carries everything that does not move: the case, the finish, the screen bezel, the
// name plate, the engraved fields and captions, and the recesses and rings that the control
// pictures sit in. Every position below is in panel pixels and follows the window's control
// layout (twips / 15): captions stand where the knobs, buttons and sockets are laid on top.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "art/ArtLists.h"
#include "gfx/Canvas.h"

namespace art {
namespace {

using gfx::Brush;
using gfx::Color;
using gfx::Pen;
using gfx::Point;
using gfx::Rect;

constexpr double kPi = 3.14159265358979323846;
constexpr double kWidth = 788;
constexpr double kHeight = 503;

constexpr Color kPanel(203, 206, 208);
constexpr Color kInk(28, 30, 34);
constexpr Color kTabInk(240, 242, 244);
constexpr Color kTab(52, 60, 72);

// ---- the finish ---------------------------------------------------------------------------

// A fixed pseudo-random value in 0..255 for streak i: the brushing looks irregular but every
// painting is the same.
int streak(int i) {
    std::uint32_t h = static_cast<std::uint32_t>(i) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return static_cast<int>(h & 0xFFu);
}

void paintCase(gfx::Canvas& c) {
    c.setPen(Pen::none());
    c.setBrush(Color(46, 50, 56));
    c.drawRect(Rect(0, 0, kWidth, kHeight));
    const Rect front(3, 3, kWidth - 6, kHeight - 6);
    gfx::LinearGradient g(front.topLeft(), front.bottomLeft());
    g.setColorAt(0.0, kPanel.lighter(104));
    g.setColorAt(1.0, kPanel.darker(104));
    c.setBrush(g);
    c.drawRoundedRect(front, 4, 4);
    // Fine horizontal brushing.
    for (int y = 4; y < kHeight - 4; ++y) {
        const int v = streak(y);
        const Color col = v < 128 ? Color(255, 255, 255, v / 14) : Color(0, 0, 0, (v - 128) / 20);
        c.setPen(Pen(col, 1.0));
        c.drawLine(4, y + 0.5, kWidth - 4, y + 0.5);
    }
    c.setBrush(Brush::none());
    c.setPen(Pen(Color(255, 255, 255, 140), 1.0));
    c.drawLine(5, 3.5, kWidth - 5, 3.5);
    c.drawLine(3.5, 5, 3.5, kHeight - 5);
    c.setPen(Pen(Color(0, 0, 0, 90), 1.0));
    c.drawLine(5, kHeight - 3.5, kWidth - 5, kHeight - 3.5);
    c.drawLine(kWidth - 3.5, 5, kWidth - 3.5, kHeight - 5);
}

// A slotted screw head at `at`, the slot turned by slotDeg.
void paintScrew(gfx::Canvas& c, Point at, double r, double slotDeg) {
    gfx::RadialGradient g(at - Point{r * 0.4, r * 0.5}, r * 1.8);
    g.setColorAt(0.0, Color(236, 238, 240));
    g.setColorAt(0.6, Color(140, 144, 150));
    g.setColorAt(1.0, Color(80, 84, 90));
    c.setPen(Pen(Color(40, 42, 46), 0.7));
    c.setBrush(g);
    c.drawEllipse(at, r, r);
    const double a = slotDeg * kPi / 180.0;
    const Point d{std::cos(a) * r * 0.8, std::sin(a) * r * 0.8};
    c.setPen(Pen(Color(40, 42, 46), std::max(0.9, r * 0.3), gfx::Cap::Flat));
    c.drawLine(at - d, at + d);
}

struct Screw {
    Point at;
    double radius;
    double slotDeg;
};

constexpr Screw kScrews[] = {
    {{13, 13}, 4.2, 30}, {{775, 13}, 4.2, 75},  {{13, 490}, 4.2, 120}, {{775, 490}, 4.2, 10},
    {{38, 37}, 2.6, 45}, {{443, 37}, 2.6, 100}, {{38, 348}, 2.6, 160}, {{443, 348}, 2.6, 20},
    {{36, 16}, 2.0, 60}, {{445, 16}, 2.0, 140},
};

// ---- screen bezel and name plate ----------------------------------------------------------

// The white screen area that the screen container covers.
constexpr Rect kScreen(44, 43, 393, 299);

void paintBezel(gfx::Canvas& c) {
    const Rect outer(31, 30, 419, 325);
    c.setPen(Pen::none());
    c.setBrush(Color(0, 0, 0, 60));
    c.drawRoundedRect(outer.translated(1.5, 2), 9, 9);
    gfx::LinearGradient g(outer.topLeft(), outer.bottomRight());
    g.setColorAt(0.0, Color(58, 60, 64));
    g.setColorAt(0.5, Color(22, 23, 25));
    g.setColorAt(1.0, Color(8, 8, 9));
    c.setPen(Pen(Color(4, 4, 5), 1.0));
    c.setBrush(g);
    c.drawRoundedRect(outer, 9, 9);
    // The chamfer down to the screen: lit at the bottom, in shade at the top.
    const Rect lip = kScreen.adjusted(-4, -4, 4, 4);
    gfx::LinearGradient chamfer(lip.topLeft(), lip.bottomLeft());
    chamfer.setColorAt(0.0, Color(4, 4, 5));
    chamfer.setColorAt(1.0, Color(70, 72, 76));
    c.setPen(Pen::none());
    c.setBrush(chamfer);
    c.drawRoundedRect(lip, 5, 5);
    c.setBrush(gfx::kWhite);
    c.drawRect(kScreen);
}

// The name's oblique letters are the upright bold sheared about the baseline by the typeface's
// italic angle (12 degrees, tan = 0.21256), the font having no italic of its own. Its drawn
// italic also sits a quarter pixel further left: the shear alone would lean the word right.
constexpr double kItalicSlant = 0.21256;
constexpr double kItalicShift = 0.27;

void paintNamePlate(gfx::Canvas& c) {
    const Rect plate(31, 8, 419, 17);
    gfx::LinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0.0, Color(74, 80, 90));
    g.setColorAt(1.0, Color(38, 42, 50));
    c.setPen(Pen(Color(20, 22, 26), 1.0));
    c.setBrush(g);
    c.drawRoundedRect(plate, 2.5, 2.5);

    constexpr std::string_view kName = "Vorlinde";
    const gfx::Font name{13, true};
    const Point base = gfx::alignedBaseline(gfx::FontMetrics(name), Rect(44, 8, 150, 17),
                                            gfx::AlignLeft | gfx::AlignVCenter, kName);
    c.setFont(name);
    c.setPen(Pen(Color(222, 226, 232)));
    {
        const gfx::SavedState saved(c);
        c.translate(base.x - kItalicShift, base.y);
        c.setTransform(gfx::Transform{1, 0, -kItalicSlant, 1, 0, 0} * c.transform());
        c.drawText(Point{0, 0}, kName);
    }
    c.setFont(gfx::Font{8, true, 0.8});
    c.setPen(Pen(Color(196, 202, 210)));
    c.drawText(Rect(150, 8, 284, 17), gfx::AlignRight | gfx::AlignVCenter, "OSCILLOSCOPE À MÉMOIRE 2 VOIES");
}

// ---- engraved fields ----------------------------------------------------------------------

struct Field {
    Point corners[6];
    int count;
    const char* title;  // printed in a tab across the top edge, or nullptr
    double titleX;
};

constexpr Field kFields[] = {
    {{{462, 20}, {768, 20}, {768, 112}, {462, 112}}, 4, nullptr, 0},
    {{{462, 118}, {604, 118}, {604, 306}, {548, 306}, {548, 356}, {462, 356}}, 6, "CH1 (X)", 533.5},
    {{{608, 118}, {768, 118}, {768, 356}, {664, 356}, {664, 306}, {608, 306}}, 6, "CH2 (Y)", 678.5},
    {{{36, 366}, {180, 366}, {180, 494}, {36, 494}}, 4, "POWER", 72},
    {{{188, 366}, {302, 366}, {302, 494}, {188, 494}}, 4, "STORAGE", 245},
    {{{310, 366}, {446, 366}, {446, 494}, {310, 494}}, 4, "MODE", 378},
};

gfx::Polygon translated(const gfx::Polygon& poly, Point d) {
    gfx::Polygon out;
    out.reserve(poly.size());
    for (const Point& q : poly) out.push_back(q + d);
    return out;
}

// An engraved line: a dark groove with a lit edge below and to the right.
void paintEngraved(gfx::Canvas& c, const gfx::Polygon& poly) {
    c.setBrush(Brush::none());
    c.setPen(Pen(Color(255, 255, 255, 170), 1.0));
    c.drawPolygon(translated(poly, {1, 1}));
    c.setPen(Pen(Color(60, 64, 70, 200), 1.0));
    c.drawPolygon(poly);
}

// A dark tab with light lettering centred on `at`.
void paintTab(gfx::Canvas& c, Point at, std::string_view text) {
    const gfx::Font f{8, true};
    const double w = gfx::FontMetrics(f).advance(text) + 10;
    const Rect r(at.x - w / 2, at.y - 5.5, w, 11);
    c.setPen(Pen(Color(20, 24, 30), 0.8));
    c.setBrush(kTab);
    c.drawRoundedRect(r, 2, 2);
    c.setFont(f);
    c.setPen(Pen(kTabInk));
    c.drawText(r, gfx::AlignCenter, text);
}

void paintFields(gfx::Canvas& c) {
    for (const Field& f : kFields) {
        gfx::Polygon poly;
        for (int i = 0; i < f.count; ++i) poly.push_back(f.corners[i] + Point{0.5, 0.5});
        paintEngraved(c, poly);
        if (f.title) paintTab(c, {f.titleX, f.corners[0].y + 0.5}, f.title);
    }
    paintTab(c, {606.3, 319}, "T/DIV.");
}

// ---- control surrounds --------------------------------------------------------------------

// The control pictures the panel gives a dark recess or a ring: left and top in twips, as the
// window lays the controls out (15 twips to a pixel), sizes in pixels.
constexpr double kTwip = 1.0 / 15.0;

struct Recess {
    double leftTw;
    double topTw;
    double width;
    double height;
    double margin;  // how far the recess shows around the picture
    double radius;
};

constexpr Recess kRecesses[] = {
    // Power rocker.
    {735, 5715, 46, 27, 2, 4},
    // Coupling columns of CH1 and CH2 (three 12 x 12 positions each).
    {7515, 4695, 12, 36, 1.5, 1.5},
    {10800, 4695, 12, 36, 1.5, 1.5},
    // Push buttons: STOR, Trig, RESET, BOTH, CH2 INVERT, X-Y, CH1, CH2.
    {3035, 6130, 18, 19, 1.5, 2.5},
    {3840, 6130, 18, 19, 1.5, 2.5},
    {3840, 6690, 18, 19, 1.5, 2.5},
    {4890, 6130, 18, 19, 1.5, 2.5},
    {6240, 6130, 18, 19, 1.5, 2.5},
    {5025, 6690, 18, 19, 1.5, 2.5},
    {5565, 6690, 18, 19, 1.5, 2.5},
    {6090, 6690, 18, 19, 1.5, 2.5},
};

Rect recessRect(const Recess& r) {
    return {r.leftTw * kTwip - r.margin, r.topTw * kTwip - r.margin, r.width + 2 * r.margin,
            r.height + 2 * r.margin};
}

struct Ring {
    double leftTw;
    double topTw;
    Point centre;  // within the picture the ring goes round
    double radius;
    bool chrome;  // a lamp's bezel; otherwise the shallow well of a small knob
};

constexpr Ring kRings[] = {
    // Lamps: power (8 x 8), STOR and armed (10 x 11).
    {2055, 5865, {4, 4}, 6.2, true},
    {3350, 6180, {5, 5.5}, 7.4, true},
    {4155, 6730, {5, 5.5}, 7.4, true},
    // Small knobs: INTENSITY, FOCUS, the three POSITION knobs.
    {810, 6375, {20, 20.5}, 18.5, false},
    {1830, 6375, {20, 20.5}, 18.5, false},
    {7460, 780, {20, 20.5}, 18.5, false},
    {8830, 780, {20, 20.5}, 18.5, false},
    {10190, 780, {20, 20.5}, 18.5, false},
};

void paintRecesses(gfx::Canvas& c) {
    for (const Recess& r : kRecesses) {
        const Rect rect = recessRect(r);
        c.setPen(Pen(Color(255, 255, 255, 150), 1.0));
        c.setBrush(Brush::none());
        c.drawRoundedRect(rect.translated(0.6, 0.6), r.radius, r.radius);
        c.setPen(Pen::none());
        c.setBrush(Color(24, 26, 30));
        c.drawRoundedRect(rect, r.radius, r.radius);
    }
}

void paintRings(gfx::Canvas& c) {
    for (const Ring& r : kRings) {
        const Point at = Point{r.leftTw * kTwip, r.topTw * kTwip} + r.centre;
        if (r.chrome) {
            gfx::LinearGradient g(at - Point{r.radius, r.radius}, at + Point{r.radius, r.radius});
            g.setColorAt(0.0, Color(250, 250, 252));
            g.setColorAt(1.0, Color(96, 100, 106));
            c.setPen(Pen(Color(50, 52, 56), 0.7));
            c.setBrush(g);
            c.drawEllipse(at, r.radius, r.radius);
            c.setBrush(Color(20, 20, 22));
            c.drawEllipse(at, r.radius - 1.8, r.radius - 1.8);
            continue;
        }
        gfx::RadialGradient g(at, r.radius);
        g.setColorAt(0.80, Color(0, 0, 0, 0));
        g.setColorAt(0.93, Color(0, 0, 0, 50));
        g.setColorAt(1.0, Color(0, 0, 0, 0));
        c.setPen(Pen::none());
        c.setBrush(g);
        c.drawEllipse(at, r.radius, r.radius);
    }
}

// ---- captions -----------------------------------------------------------------------------

struct Caption {
    double x;  // centre, or the right edge (right-aligned) or left edge (left-aligned)
    double y;  // vertical centre
    const char* text;
    int px;
    bool bold;
    int align;  // -1 right-aligned to x, 0 centred on x, 1 left-aligned from x
};

constexpr Caption kCaptions[] = {
    // POSITION knobs: CH1 vertical, horizontal, CH2 vertical.
    {517.3, 42, "POSITION", 8, true, 0},
    {608.7, 42, "POSITION", 8, true, 0},
    {699.3, 42, "POSITION", 8, true, 0},
    {517.3, 102, "CH1", 8, true, 0},
    {699.3, 102, "CH2", 8, true, 0},
    // VOLTS/DIV selectors, with the units at each end of the dials.
    {533.5, 150, "VOLTS/DIV.", 9, true, 0},
    {678.5, 150, "VOLTS/DIV.", 9, true, 0},
    {504, 268, "V", 9, true, 0},
    {563, 268, "mV", 9, true, 0},
    {649, 268, "V", 9, true, 0},
    {708, 268, "mV", 9, true, 0},
    // Coupling: CH1 labels on the left of its column, CH2 on the right of its own.
    {497, 319, "AC", 8, true, -1},
    {497, 331, "DC", 8, true, -1},
    {497, 343, "GND", 8, true, -1},
    {736, 319, "AC", 8, true, 1},
    {736, 331, "DC", 8, true, 1},
    {736, 343, "GND", 8, true, 1},
    // T/DIV units.
    {581, 450, "ms", 9, true, 0},
    {632, 450, "µs", 9, true, 0},
    // Inputs.
    {497.5, 372, "1 MΩ  30 pF", 7, false, 0},
    {497.5, 384, "CH1 INPUT", 8, true, 0},
    {716.5, 372, "1 MΩ  30 pF", 7, false, 0},
    {716.5, 384, "CH2 INPUT", 8, true, 0},
    // POWER field.
    {141, 383, "ON", 7, true, 0},
    {74, 418, "INTENSITY", 8, true, 0},
    {142, 418, "FOCUS", 8, true, 0},
    // STORAGE field.
    {211.3, 400, "STOR", 8, true, 0},
    {265, 400, "Trig", 8, true, 0},
    {281, 413, "+", 10, true, 0},
    {281, 424, "−", 10, true, 0},
    {265, 437, "RESET", 8, true, 0},
    // MODE field.
    {335, 400, "BOTH", 8, true, 0},
    {425, 389, "CH2", 8, true, 0},
    {425, 400, "INVERT", 8, true, 0},
    {344, 437, "X-Y", 8, true, 0},
    {380, 437, "CH1", 8, true, 0},
    {415, 437, "CH2", 8, true, 0},
};

void paintCaptions(gfx::Canvas& c) {
    c.setPen(Pen(kInk));
    for (const Caption& cap : kCaptions) {
        c.setFont(gfx::Font{static_cast<double>(cap.px), cap.bold});
        const double w = 120;
        const double left = cap.align < 0 ? cap.x - w : cap.align > 0 ? cap.x : cap.x - w / 2;
        const int h = cap.align < 0 ? gfx::AlignRight : cap.align > 0 ? gfx::AlignLeft : gfx::AlignHCenter;
        c.drawText(Rect(left, cap.y - cap.px, w, 2 * cap.px), h | gfx::AlignVCenter, cap.text);
    }
}

// Double-headed arrows marking the direction each POSITION knob moves the trace.
struct Arrow {
    Point from;
    Point to;
};

constexpr Arrow kArrows[] = {
    {{487, 62}, {487, 84}},    // CH1 vertical
    {{596, 101}, {621, 101}},  // horizontal
    {{730, 62}, {730, 84}},    // CH2 vertical
};

void paintArrowHead(gfx::Canvas& c, Point tip, Point dir) {
    const Point side{-dir.y, dir.x};
    c.drawPolygon({tip, tip - dir * 4.5 + side * 2.6, tip - dir * 4.5 - side * 2.6});
}

void paintArrows(gfx::Canvas& c) {
    for (const Arrow& a : kArrows) {
        const Point d = a.to - a.from;
        const Point unit = d / std::hypot(d.x, d.y);
        c.setPen(Pen(kInk, 1.3));
        c.drawLine(a.from + unit * 3, a.to - unit * 3);
        c.setPen(Pen::none());
        c.setBrush(kInk);
        paintArrowHead(c, a.to, unit);
        paintArrowHead(c, a.from, -unit);
    }
}

void paintPanel(gfx::Canvas& c) {
    paintCase(c);
    paintNamePlate(c);
    paintBezel(c);
    paintFields(c);
    paintRecesses(c);
    paintRings(c);
    paintCaptions(c);
    paintArrows(c);
    for (const Screw& s : kScrews) paintScrew(c, s.at, s.radius, s.slotDeg);
}

// ---- graticule ----------------------------------------------------------------------------

constexpr Color kScreenTeal(0, 127, 127);
constexpr Color kGridLine(90, 180, 180);
constexpr int kGratW = 373;
constexpr int kGratH = 283;

// The pixel column (row) of grid line i out of `divisions` across `size` pixels.
double gridLine(int i, int divisions, int size) {
    return std::min(std::floor(static_cast<double>(i) * size / divisions), size - 1.0) + 0.5;
}

void paintGraticule(gfx::Canvas& c) {
    c.fillRect(Rect(0, 0, kGratW, kGratH), kScreenTeal);
    c.setPen(Pen(kGridLine, 1.0, gfx::Cap::Flat));
    for (int i = 0; i <= 10; ++i) {
        const double x = gridLine(i, 10, kGratW);
        c.drawLine(x, 0, x, kGratH);
    }
    for (int j = 0; j <= 8; ++j) {
        const double y = gridLine(j, 8, kGratH);
        c.drawLine(0, y, kGratW, y);
    }
    // Five sub-divisions on each centre axis.
    const double cx = gridLine(5, 10, kGratW);
    const double cy = gridLine(4, 8, kGratH);
    for (int k = 1; k < 50; ++k) {
        const double x = k * static_cast<double>(kGratW) / 50;
        c.drawLine(x, cy - 3, x, cy + 3);
    }
    for (int k = 1; k < 40; ++k) {
        const double y = k * static_cast<double>(kGratH) / 40;
        c.drawLine(cx - 3, y, cx + 3, y);
    }
}

}  // namespace

void paintImageList1(gfx::Canvas& c, int n) {
    if (n == 1)
        paintPanel(c);
    else
        paintGraticule(c);
}

}  // namespace art
