// ImaMenu: the menu strips and their animated buttons. Buttons and strips on grey
// granite; the instrument pictures (oscilloscope, computer) on a light ground.

#include <array>
#include <cmath>

#include "art/ArtLists.h"
#include "art/DrawKit.h"
#include "art/MenuArtParts.h"
#include "art/PictureTables.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;
using kit::kPi;

// ---- granite strips and buttons -----------------------------------------------------------

void graniteStrip(gfx::Canvas& p, double w, double h, uint32_t seed) {
    gfx::Path r;
    r.addRect({0, 0, w, h});
    kit::fillGranite(p, r, seed);
    gfx::Path inner;
    inner.addRect({0.5, 0.5, w - 1, h - 1});
    kit::bevel(p, inner, 1.6, 140, 170);
}

// A strip as large as its picture.
void graniteStrip(gfx::Canvas& p, int n, uint32_t seed) {
    const rt::PictureInfo& info = list("ImaMenu").at(n);
    graniteStrip(p, info.width, info.height, seed);
}

// An oval granite button filling the picture.
void ovalButton(gfx::Canvas& p, double w, double h, uint32_t seed) {
    const gfx::Rect r(1.5, 1.0, w - 3.5, h - 3.0);
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 80));
    p.drawEllipse(r.translated(1.0, 1.4));
    gfx::Path oval;
    oval.addEllipse(r);
    kit::fillGranite(p, oval, seed, 14);
    gfx::RadialGradient sheen(r.center() - Point{r.width() * 0.18, r.height() * 0.3}, r.width() * 0.6);
    sheen.setColorAt(0, Color(255, 255, 255, 60));
    sheen.setColorAt(1, Color(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(oval);
    kit::bevel(p, oval, 2.2, 170, 170);
    p.setBrush(gfx::Brush::none());
    p.setPen(Pen(Color(55, 55, 60), 0.9));
    p.drawEllipse(r);
}

// Fills a symbol outline in cartoon yellow with a dark edge and a soft drop shadow.
void yellowSymbol(gfx::Canvas& p, const gfx::Path& shape) {
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 90));
    p.drawPath(shape.translated(0.9, 1.1));
    const gfx::Rect b = shape.boundingRect();
    gfx::LinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, Color(255, 240, 110));
    g.setColorAt(0.5, Color(255, 210, 20));
    g.setColorAt(1, Color(225, 150, 0));
    p.setBrush(g);
    p.setPen(Pen(Color(95, 60, 0), 0.9, gfx::Cap::Round, gfx::Join::Round));
    p.drawPath(shape);
}

// The bent return arrow, centred on the origin: a band 4.4 wide along the top to the right,
// round the bend (centre (5, 0)), back along the bottom to an arrow head pointing left. The
// outline of band and head is traced as one shape, so it fills and strokes like one.
gfx::Path returnArrow() {
    constexpr double kHalf = 2.2, kMid = 5.5, kBendX = 5;
    const double outer = kMid + kHalf, inner = kMid - kHalf;
    gfx::Path a;
    a.moveTo(-15, -outer);
    a.lineTo(kBendX, -outer);
    a.arcTo({kBendX - outer, -outer, 2 * outer, 2 * outer}, 90, -180);
    a.lineTo(-6, outer);
    a.lineTo(-6, 12.2);  // the head: its back edge, tip, and back up to the band
    a.lineTo(-14.5, 5.5);
    a.lineTo(-6, -1.2);
    a.lineTo(-6, inner);
    a.lineTo(kBendX, inner);
    a.arcTo({kBendX - inner, -inner, 2 * inner, 2 * inner}, 270, 180);
    a.lineTo(-15, -inner);
    a.closeSubpath();
    return a;
}

// Picture orientations of a symbol: 0 as drawn, 1 mirrored left-right, 2 half-turned,
// 3 flipped top-bottom.
gfx::Transform spinTransform(int k, Point c) {
    static constexpr std::array<std::array<double, 2>, 4> kScale{{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
    gfx::Transform t;
    t.translate(c.x, c.y);
    t.scale(kScale[k][0], kScale[k][1]);
    return t;
}

void returnButton(gfx::Canvas& p, int k) {
    ovalButton(p, 77, 35, 21);
    yellowSymbol(p, returnArrow().transformed(spinTransform(k, {38.5, 16.5})));
}

// ---- the program's name --------------------------------------------------------------------

// The word in relief, centred on the plate in orientation k: a dark cast shadow down-right, a
// bright edge up-left, then the blue face with a thin dark edge (the face's letters laid over
// the edge colour shifted a little each way).
void nameWord(gfx::Canvas& p, int k) {
    constexpr std::string_view kWord = "Vorlinde";
    gfx::Font f = kit::font(22, true);
    f.letterSpacing = 0.6;
    const gfx::FontMetrics fm(f);
    const Point origin{-fm.advance(kWord) / 2, fm.capHeight() / 2};
    const gfx::Transform spin = spinTransform(k, {71, 13.5});
    auto word = [&](Point d, const Pen& pen) {
        const gfx::SavedState saved(p);
        p.setTransform(spin * gfx::Transform::translation(d.x, d.y) * p.transform());
        p.setFont(f);
        p.setPen(pen);
        p.drawText(origin, kWord);
    };
    word({1.3, 1.4}, Pen(Color(0, 0, 20, 150)));
    word({-0.7, -0.7}, Pen(Color(200, 225, 255, 230)));
    for (int i = 0; i < 8; ++i) {  // the edge reaches 0.2 px out of the face all round
        const double a = i * kPi / 4;
        word({0.2 * std::cos(a), 0.2 * std::sin(a)}, Pen(Color(5, 25, 90)));
    }
    // The face's gradient runs down the word as seen; the spin is its own inverse.
    const gfx::Rect b = spin.mapRect(fm.tightBounds(kWord).translated(origin));
    const gfx::Transform flip = spinTransform(k, {0, 0});
    auto unspin = [&](Point q) { return flip.map(q - Point{71, 13.5}); };
    gfx::LinearGradient g(unspin(b.topLeft()), unspin(b.bottomLeft()));
    g.setColorAt(0, Color(110, 170, 255));
    g.setColorAt(0.55, Color(30, 90, 215));
    g.setColorAt(1, Color(10, 45, 150));
    word({0, 0}, Pen(gfx::Brush(g), 1));
}

void namePlate(gfx::Canvas& p, int k) {
    const gfx::Rect r(0.5, 0.5, 141, 26);
    gfx::Path plate;
    plate.addRoundedRect(r, 5, 5);
    kit::fillGranite(p, plate, 33, 6);
    kit::bevel(p, plate, 1.6, 150, 160);
    p.setBrush(gfx::Brush::none());
    p.setPen(Pen(Color(70, 70, 75), 0.8));
    p.drawPath(plate);
    nameWord(p, k);
}

// ---- the circuit symbol ----------------------------------------------------------------------

// The symbol's wires and parts, centred on the origin: a loop with a generator on the left, a
// resistor box on top and a capacitor on the right.
void circuitSymbol(gfx::Canvas& p) {
    gfx::Path wires;
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
    gfx::Path plates;
    plates.moveTo(5, -2.4);  // capacitor plates
    plates.lineTo(13, -2.4);
    plates.moveTo(5, 2.4);
    plates.lineTo(13, 2.4);
    plates.moveTo(-13.2, -2.4);  // cell: long and short plates
    plates.lineTo(-4.8, -2.4);
    plates.moveTo(-11.2, 2.4);
    plates.lineTo(-6.8, 2.4);
    const gfx::Rect res(-4.5, -9.4, 9, 4.8);

    auto all = [&](const Pen& pen, const gfx::Brush& fill) {
        p.setPen(pen);
        p.setBrush(gfx::Brush::none());
        p.drawPath(wires);
        p.drawPath(plates);
        p.setBrush(fill);
        p.drawRect(res);
    };
    {
        const gfx::SavedState saved(p);
        p.translate(0.8, 1.0);
        all(Pen(Color(0, 0, 0, 80), 3.6, gfx::Cap::Round, gfx::Join::Round), Color(0, 0, 0, 80));
    }
    all(Pen(Color(95, 60, 0), 3.0, gfx::Cap::Round, gfx::Join::Round), Color(95, 60, 0));
    all(Pen(Color(255, 208, 20), 1.8, gfx::Cap::Round, gfx::Join::Round), Color(255, 232, 110));
}

void circuitButton(gfx::Canvas& p, int k) {
    ovalButton(p, 76, 35, 57);
    const gfx::SavedState saved(p);
    p.translate(38, 16.5);
    p.rotate(90.0 * k);
    p.scale(1.1, 1.1);
    circuitSymbol(p);
}

// ---- instrument pictures on a light ground --------------------------------------------------

// The computer's flag-like logo: a flag waving from a mast, in shades of one colour.
void flagLogo(gfx::Canvas& p, const gfx::Rect& r, Color c) {
    const double mastX = r.left() + 2;
    p.setPen(Pen(Color(200, 200, 205), 1.2));
    p.drawLine({mastX, r.top()}, {mastX, r.bottom()});
    const double x0 = mastX + 0.6, w = r.right() - x0, h = r.height() * 0.62;
    auto wave = [&](double x) { return 1.8 * std::sin((x - x0) / w * kPi * 1.6); };
    const int steps = 14;
    gfx::Path flag;
    for (int s = 0; s <= steps; ++s) {
        const double x = x0 + w * s / steps;
        if (s == 0)
            flag.moveTo(x, r.top() + wave(x));
        else
            flag.lineTo(x, r.top() + wave(x));
    }
    for (int s = steps; s >= 0; --s) {
        const double x = x0 + w * s / steps;
        flag.lineTo(x, r.top() + h + wave(x));
    }
    flag.closeSubpath();
    gfx::LinearGradient shade(r.topLeft(), r.topRight());
    shade.setColorAt(0, c.lighter(115));
    shade.setColorAt(0.5, c);
    shade.setColorAt(1, c.darker(130));
    p.setPen(Pen(c.darker(220), 0.5));
    p.setBrush(shade);
    p.drawPath(flag);
}

// The desktop computer: keyboard, case with its floppy slot and lamp, stand and monitor frame.
void computerBody(gfx::Canvas& p) {
    const Color beige(228, 222, 202), beigeDark(170, 162, 138);
    auto beveled = [&](const gfx::Rect& r, double rad) {
        gfx::LinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, beige.lighter(106));
        g.setColorAt(1, beige.darker(110));
        p.setPen(Pen(beigeDark.darker(140), 0.9));
        p.setBrush(g);
        p.drawRoundedRect(r, rad, rad);
    };
    p.setPen(Pen(beigeDark.darker(140), 0.8));
    p.setBrush(beige.darker(104));
    p.drawPolygon({{16, 86}, {105, 86}, {111, 92}, {10, 92}});
    p.setPen(Pen(Color(150, 145, 125), 0.5));
    for (int row = 0; row < 2; ++row)
        for (double x = 18 + row * 1.5; x < 103 - row * 1.5; x += 4.2)
            p.drawLine({x + (x - 60) * 0.05 * row, 87.6 + row * 2.3}, {x + 2.6, 87.6 + row * 2.3});
    beveled({8, 63, 105, 21}, 2.5);
    p.setPen(Pen(Color(80, 75, 60), 1.2));
    p.drawLine({70, 70}, {100, 70});  // floppy slot
    p.setPen(Pen(beigeDark, 0.7));
    p.setBrush(gfx::Brush::none());
    p.drawRect({66, 67, 38, 7});
    p.drawLine({14, 78.5}, {58, 78.5});
    p.setPen(Pen(Color(40, 90, 30), 0.6));
    p.setBrush(Color(90, 230, 80));
    p.drawEllipse({16, 69}, 1.4, 1.4);  // power lamp
    beveled({50, 58, 21, 6}, 1.0);
    beveled({21, 3, 79, 57}, 4.0);
}

void computer(gfx::Canvas& p, int logo) {
    drawLightGround(p, 121, 94);
    computerBody(p);
    // The screen, a bit recessed.
    const Color beigeDark(170, 162, 138);
    const gfx::Rect screen(28, 9, 65, 44);
    p.setPen(Pen(beigeDark.darker(130), 1.2));
    p.setBrush(Color(50, 50, 48));
    p.drawRoundedRect(screen.adjusted(-1.6, -1.6, 1.6, 1.6), 3, 3);
    gfx::RadialGradient glass(screen.center() - Point{8, 8}, 50);
    glass.setColorAt(0, logo ? Color(28, 38, 70) : Color(34, 40, 42));
    glass.setColorAt(1, logo ? Color(8, 12, 30) : Color(10, 12, 14));
    p.setPen(Pen::none());
    p.setBrush(glass);
    p.drawRoundedRect(screen, 3, 3);
    if (logo) {
        static constexpr Color kLogo[5] = {Color(230, 45, 40), Color(45, 100, 235), Color(250, 210, 30),
                                           Color(155, 155, 158), Color(248, 248, 248)};
        const Color c = kLogo[logo - 1];
        gfx::RadialGradient halo(screen.center(), 26);
        halo.setColorAt(0, c.withAlpha(70));
        halo.setColorAt(1, c.withAlpha(0));
        p.setBrush(halo);
        p.drawRoundedRect(screen, 3, 3);
        flagLogo(p, {47, 19, 27, 22}, c);
    }
    // Glass reflection: a soft fill with no edge of its own (the flag's outline pen is not
    // carried over onto it).
    gfx::LinearGradient refl(screen.topLeft(), screen.bottomLeft());
    refl.setColorAt(0, Color(255, 255, 255, 26));
    refl.setColorAt(0.4, Color(255, 255, 255, 0));
    p.setPen(Pen::none());
    p.setBrush(refl);
    p.drawPolygon({screen.topLeft(), screen.topRight(), Point{screen.right(), screen.top() + 10},
                   Point{screen.left(), screen.top() + 22}});
    p.setPen(Pen(Color(90, 200, 80), 0.6));
    p.setBrush(Color(120, 240, 100));
    p.drawEllipse({93, 56.5}, 1.1, 1.1);
}

}  // namespace

void paintImaMenu(gfx::Canvas& p, int n) {
    if (n == 1)
        graniteStrip(p, n, 11);
    else if (n <= 5)
        returnButton(p, n - 2);
    else if (n <= 9)
        namePlate(p, n - 6);
    else if (n <= 13)
        circuitButton(p, n - 10);
    else if (n <= 19) {
        drawLightGround(p, 132, 83);
        drawScope(p, {0, 0, 132, 83}, n == 14 ? ScopeTrace::None : ScopeTrace::Line, n - 15);
    } else if (n == 20)
        graniteStrip(p, n, 12);
    else
        computer(p, n - 21);
}

}  // namespace art
