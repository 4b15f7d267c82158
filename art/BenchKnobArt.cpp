// The bench's knob and display pictures: BtnGene (generator knob in 16 positions),
// Led (seven-segment digits) and ImaBtnDec (decade knob on its 0..10 dial).

#include <array>
#include <cmath>
#include <utility>

#include "art/ArtLists.h"
#include "art/BenchArtParts.h"
#include "art/DrawKit.h"
#include "gfx/Canvas.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;
using kit::kPi;

Point polar(Point c, double r, double deg) {
    const double a = deg * kPi / 180;
    return {c.x + r * std::sin(a), c.y - r * std::cos(a)};
}

// ---- BtnGene: black knob, yellow marker dot ------------------------------------------------

void generatorKnob(gfx::Canvas& p, int n) {
    const Point c{17.5, 18};
    const double angle = (n - 1) * 22.5;
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 80));
    p.drawEllipse(c + Point{0.8, 1.2}, 16.6, 16.6);
    // Knurled skirt; the ridges turn with the knob.
    gfx::RadialGradient skirt(c - Point{4, 5}, 22);
    skirt.setColorAt(0, Color(75, 75, 80));
    skirt.setColorAt(1, Color(12, 12, 14));
    p.setPen(Pen(Color(5, 5, 6), 0.7));
    p.setBrush(skirt);
    p.drawEllipse(c, 16.2, 16.2);
    for (int i = 0; i < 32; ++i) {
        const double a = angle + i * 11.25;
        const double lit = 0.5 + 0.5 * std::cos((a + 45) * kPi / 180);  // light from the top left
        const int grey = static_cast<int>(70 * lit);
        p.setPen(Pen(Color(40 + grey, 40 + grey, 46 + grey), 0.8));
        p.drawLine(polar(c, 13.6, a), polar(c, 15.7, a));
    }
    // The cap: a shallow dome with a soft highlight.
    gfx::RadialGradient cap(c - Point{4.5, 5.5}, 17);
    cap.setColorAt(0, Color(95, 95, 102));
    cap.setColorAt(0.55, Color(32, 32, 36));
    cap.setColorAt(1, Color(8, 8, 10));
    p.setPen(Pen(Color(100, 100, 108), 0.6));
    p.setBrush(cap);
    p.drawEllipse(c, 12.9, 12.9);
    p.setPen(Pen::none());
    gfx::RadialGradient gloss(c - Point{4.5, 6}, 6);
    gloss.setColorAt(0, Color(255, 255, 255, 90));
    gloss.setColorAt(1, Color(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(c - Point{4.5, 6}, 6, 4.5);
    // Marker dot.
    const Point d = polar(c, 9.0, angle);
    p.setPen(Pen(Color(120, 90, 0), 0.7));
    gfx::RadialGradient dot(d - Point{0.8, 0.8}, 3);
    dot.setColorAt(0, Color(255, 250, 170));
    dot.setColorAt(0.5, Color(255, 215, 0));
    dot.setColorAt(1, Color(210, 150, 0));
    p.setBrush(dot);
    p.drawEllipse(d, 2.4, 2.4);
}

// ---- Led: seven-segment digit ----------------------------------------------------------------

// Segments a..g of each digit, bit 0 = a.
constexpr std::array<int, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

Point unitVector(Point a, Point b) {
    return (b - a) / std::hypot(b.x - a.x, b.y - a.y);
}

gfx::Polygon segment(Point a, Point b, double t) {
    const Point d = unitVector(a, b);
    const Point n{-d.y, d.x};
    const double gap = 0.9, h = t / 2;
    const Point s = a + d * gap, e = b - d * gap;
    return {s, s + d * h + n * h, e - d * h + n * h, e, e - d * h - n * h, s + d * h - n * h};
}

void ledDigit(gfx::Canvas& p, int digit) {
    // The ground is the display glass at the digit's place, reflection included.
    const gfx::Rect tile(0, 0, 28, 49);
    p.fillRect(tile, kLedGround);
    p.fillRect(tile, ledReflection(-kLedGlassAbove));
    const double L = 7.5, R = 21.5, T = 5.5, M = 24.5, B = 43.5, t = 3.6;
    const std::array<std::pair<Point, Point>, 7> seg = {{{{L, T}, {R, T}},
                                                         {{R, T}, {R, M}},
                                                         {{R, M}, {R, B}},
                                                         {{L, B}, {R, B}},
                                                         {{L, M}, {L, B}},
                                                         {{L, T}, {L, M}},
                                                         {{L, M}, {R, M}}}};
    // A slight italic, as on real displays: sheared about the middle bar.
    const gfx::Transform slant = gfx::Transform::translation(0, -M) * gfx::Transform{1, 0, -0.09, 1, 0, 0} *
                                 gfx::Transform::translation(0, M);
    const int bits = kDigitSegments[static_cast<size_t>(digit)];
    p.setPen(Pen::none());
    for (int pass = 0; pass < 3; ++pass) {
        for (size_t i = 0; i < seg.size(); ++i) {
            const bool on = bits & (1 << i);
            const gfx::Polygon poly = slant.map(segment(seg[i].first, seg[i].second, t));
            if (pass == 0 && !on) {
                p.setBrush(kLedOff);
                p.drawPolygon(poly);
            } else if (pass == 1 && on) {  // glow
                p.setPen(Pen(Color(255, 40, 20, 55), 3.0, gfx::Cap::Round, gfx::Join::Round));
                p.setBrush(Color(255, 40, 20, 55));
                p.drawPolygon(poly);
                p.setPen(Pen::none());
            } else if (pass == 2 && on) {
                p.setBrush(kLedOn);
                p.drawPolygon(poly);
                p.setPen(Pen(Color(255, 170, 140, 160), 0.6));
                const Point a = slant.map(seg[i].first), b = slant.map(seg[i].second);
                const Point d = unitVector(a, b);
                p.drawLine(a + d * 2.6, b - d * 2.6);
                p.setPen(Pen::none());
            }
        }
    }
}

// ---- ImaBtnDec: decade knob on a dial --------------------------------------------------------

constexpr const char* kDialNumbers[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

double dialAngle(int k) {
    return -150.0 + 30.0 * k;
}

void decadeScale(gfx::Canvas& p, Point c, int n) {
    // Ticks and numbers 0..10, the selected one in red.
    for (int k = 0; k <= 10; ++k) {
        const double a = dialAngle(k);
        const bool sel = k == n - 1;
        p.setPen(Pen(sel ? Color(210, 20, 20) : Color(70, 70, 75), sel ? 1.4 : 1.0, gfx::Cap::Round));
        p.drawLine(polar(c, 17.6, a), polar(c, 20.2, a));
        kit::textAt(p, polar(c, 26, a), kDialNumbers[k], kit::font(sel ? 10 : 9, true),
                    sel ? Color(220, 15, 15) : Color(35, 35, 40));
    }
}

void decadeKnob(gfx::Canvas& p, int n) {
    const Point c{35, 34.5};
    p.fillRect(gfx::Rect(0, 0, 70, 65), kDecadePanel);
    decadeScale(p, c, n);
    // Knob: shadow, fluted skirt, domed cap, pointer line.
    const double angle = dialAngle(n - 1);
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 70));
    p.drawEllipse(c + Point{0.9, 1.3}, 15.6, 15.6);
    gfx::RadialGradient skirt(c - Point{5, 6}, 24);
    skirt.setColorAt(0, Color(205, 207, 212));
    skirt.setColorAt(1, Color(95, 97, 104));
    p.setPen(Pen(Color(60, 62, 68), 0.8));
    p.setBrush(skirt);
    gfx::Path fluted;
    for (int i = 0; i <= 120; ++i) {
        const double a = angle + i * 3.0;
        const double r = 15.0 + 0.55 * std::cos(i * 3.0 * 18 * kPi / 180);  // 18 flutes
        const Point q = polar(c, r, a);
        if (i == 0)
            fluted.moveTo(q);
        else
            fluted.lineTo(q);
    }
    fluted.closeSubpath();
    p.drawPath(fluted);
    gfx::RadialGradient cap(c - Point{4, 5}, 16);
    cap.setColorAt(0, Color(235, 236, 240));
    cap.setColorAt(0.6, Color(165, 168, 175));
    cap.setColorAt(1, Color(120, 123, 130));
    p.setPen(Pen(Color(95, 97, 104), 0.7));
    p.setBrush(cap);
    p.drawEllipse(c, 11.2, 11.2);
    p.setPen(Pen(Color(40, 40, 45), 2.4, gfx::Cap::Round));
    p.drawLine(polar(c, 3.5, angle), polar(c, 13.8, angle));
    p.setPen(Pen(Color(250, 250, 250), 1.0, gfx::Cap::Round));
    p.drawLine(polar(c, 4.0, angle), polar(c, 13.3, angle));
    p.setPen(Pen::none());
    p.setBrush(Color(210, 20, 20));
    p.drawEllipse(polar(c, 15.6, angle), 1.5, 1.5);
}

}  // namespace

void paintBtnGene(gfx::Canvas& p, int n) {
    generatorKnob(p, n);
}
void paintLed(gfx::Canvas& p, int n) {
    ledDigit(p, n - 1);
}
void paintImaBtnDec(gfx::Canvas& p, int n) {
    decadeKnob(p, n);
}

}  // namespace art
