#include "art/MenuArtParts.h"

#include <algorithm>
#include <cmath>

#include "art/DrawKit.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;

void knob(gfx::Canvas& p, Point c, double r, double angleDeg) {
    p.setPen(Pen::none());
    p.setBrush(Color(0, 0, 0, 70));
    p.drawEllipse(c + Point{0.6, 0.8}, r, r);
    gfx::RadialGradient g(c - Point{r * 0.4, r * 0.45}, r * 1.5);
    g.setColorAt(0, Color(110, 110, 115));
    g.setColorAt(1, Color(20, 20, 24));
    p.setPen(Pen(Color(10, 10, 12), 0.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    const double a = angleDeg * kit::kPi / 180;
    const Point dir{std::sin(a), -std::cos(a)};
    p.setPen(Pen(Color(240, 240, 240), std::max(0.6, r * 0.18), gfx::Cap::Round));
    p.drawLine(c + dir * r * 0.35, c + dir * r * 0.85);
}

// Graticule, 10 by 8 divisions, with fine ticks on the centre lines.
void graticule(gfx::Canvas& p, const gfx::Rect& s) {
    const double dx = s.width() / 10, dy = s.height() / 8;
    p.setPen(Pen(Color(90, 160, 110, 120), 0.4));
    for (int i = 1; i < 10; ++i) p.drawLine({s.left() + i * dx, s.top()}, {s.left() + i * dx, s.bottom()});
    for (int j = 1; j < 8; ++j) p.drawLine({s.left(), s.top() + j * dy}, {s.right(), s.top() + j * dy});
    p.setPen(Pen(Color(110, 190, 130, 150), 0.4));
    for (int i = 1; i < 50; ++i) {
        const double x = s.left() + i * dx / 5;
        p.drawLine({x, s.center().y - 0.8}, {x, s.center().y + 0.8});
    }
    for (int j = 1; j < 40; ++j) {
        const double y = s.top() + j * dy / 5;
        p.drawLine({s.center().x - 0.8, y}, {s.center().x + 0.8, y});
    }
}

gfx::Path tracePath(const gfx::Rect& s, ScopeTrace trace, int level) {
    gfx::Path path;
    if (trace == ScopeTrace::Line) {
        static constexpr double kHeight[5] = {0.80, 0.64, 0.48, 0.33, 0.19};
        const double y = s.top() + s.height() * kHeight[std::clamp(level, 0, 4)];
        path.moveTo(s.left() + 1, y);
        path.lineTo(s.right() - 1, y);
    } else if (trace == ScopeTrace::Curve) {
        for (int i = 0; i <= 60; ++i) {
            const double t = i / 60.0;
            const Point q{s.left() + 1 + t * (s.width() - 2),
                          s.top() + s.height() * (0.875 - 0.7 * (1 - std::exp(-4.5 * t)))};
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    }
    return path;
}

void screenGlass(gfx::Canvas& p, const gfx::Rect& s, ScopeTrace trace, int level) {
    gfx::RadialGradient g(s.center(), s.width() * 0.7);
    g.setColorAt(0, Color(28, 58, 40));
    g.setColorAt(1, Color(8, 22, 14));
    p.setPen(Pen::none());
    p.setBrush(g);
    p.drawRoundedRect(s, 2.5, 2.5);
    graticule(p, s);
    const gfx::Path path = tracePath(s, trace, level);
    if (!path.isEmpty()) {
        const gfx::SavedState saved(p);
        p.clipRect(s);
        p.setBrush(gfx::Brush::none());
        p.setPen(Pen(Color(90, 255, 120, 60), 3.2, gfx::Cap::Round));
        p.drawPath(path);
        p.setPen(Pen(Color(120, 255, 140), 1.2, gfx::Cap::Round));
        p.drawPath(path);
        p.setPen(Pen(Color(220, 255, 220), 0.45, gfx::Cap::Round));
        p.drawPath(path);
    }
    gfx::LinearGradient refl(s.topLeft(), s.bottomLeft());
    refl.setColorAt(0, Color(255, 255, 255, 40));
    refl.setColorAt(0.45, Color(255, 255, 255, 0));
    p.setPen(Pen::none());
    p.setBrush(refl);
    p.drawRoundedRect(s, 2.5, 2.5);
}

// The case with its handle and feet, and the screen in its bezel.
void caseAndScreen(gfx::Canvas& p, ScopeTrace trace, int level) {
    // Handle and feet.
    p.setPen(Pen(Color(40, 40, 45), 0.8));
    p.setBrush(Color(70, 72, 78));
    p.drawRoundedRect({42, 2.5, 48, 6}, 2.5, 2.5);
    p.drawRoundedRect({12, 72, 12, 5}, 1.5, 1.5);
    p.drawRoundedRect({108, 72, 12, 5}, 1.5, 1.5);
    // Case and front.
    const gfx::Rect box(5, 7, 122, 67);
    gfx::LinearGradient cg(box.topLeft(), box.bottomLeft());
    cg.setColorAt(0, Color(214, 218, 224));
    cg.setColorAt(1, Color(160, 166, 176));
    p.setPen(Pen(Color(80, 85, 95), 1.0));
    p.setBrush(cg);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(Pen(Color(120, 126, 136), 0.6));
    p.setBrush(Color(196, 201, 208));
    p.drawRoundedRect(box.adjusted(3.5, 3.5, -3.5, -3.5), 2.5, 2.5);
    // Screen in its bezel.
    p.setPen(Pen(Color(30, 30, 34), 0.8));
    p.setBrush(Color(62, 64, 70));
    p.drawRoundedRect({12, 14, 65, 52}, 3.5, 3.5);
    screenGlass(p, {15.5, 17, 58, 46}, trace, level);
}

// Controls on the right: two big knobs, three small ones, inputs, power button; the name.
void controls(gfx::Canvas& p) {
    knob(p, {90, 25}, 5.6, -40);
    knob(p, {110, 25}, 5.6, 35);
    knob(p, {87, 43}, 3.3, 20);
    knob(p, {99, 43}, 3.3, -60);
    knob(p, {111, 43}, 3.3, 90);
    for (double x : {88.0, 102.0}) {
        p.setPen(Pen(Color(70, 70, 70), 0.5));
        gfx::RadialGradient m({x - 1, 58}, 4);
        m.setColorAt(0, Color(245, 245, 245));
        m.setColorAt(1, Color(130, 130, 135));
        p.setBrush(m);
        p.drawEllipse({x, 59}, 3.2, 3.2);
        p.setBrush(Color(40, 40, 40));
        p.drawEllipse({x, 59}, 1.1, 1.1);
    }
    p.setPen(Pen(Color(90, 10, 10), 0.6));
    p.setBrush(Color(220, 40, 35));
    p.drawRoundedRect({109, 55.5, 7, 7}, 1.2, 1.2);
    p.setPen(Pen(Color(60, 65, 75)));
    p.setFont(kit::font(5, true));
    p.drawText(gfx::Rect(12, 66.2, 65, 5), gfx::AlignCenter, "OSCILLOSCOPE");
}

}  // namespace

void drawLightGround(gfx::Canvas& p, double w, double h) {
    gfx::LinearGradient g({0, 0}, {0, h});
    g.setColorAt(0, Color(246, 245, 238));
    g.setColorAt(1, Color(222, 220, 210));
    p.setPen(Pen(Color(160, 158, 150), 1.0));
    p.setBrush(g);
    p.drawRoundedRect({0.5, 0.5, w - 1, h - 1}, 6, 6);
}

void drawScope(gfx::Canvas& p, const gfx::Rect& area, ScopeTrace trace, int level) {
    const double s = std::min(area.width() / 132, area.height() / 83);
    const gfx::SavedState saved(p);
    p.translate(area.center().x - 66 * s, area.center().y - 41.5 * s);
    p.scale(s, s);
    caseAndScreen(p, trace, level);
    controls(p);
}

}  // namespace art
