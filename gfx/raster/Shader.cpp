#include "gfx/raster/Shader.h"

#include <algorithm>
#include <cmath>

namespace gfx::raster {
namespace {

constexpr int kTableSize = 1024;

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

bool invert(const Transform& t, Transform& out) {
    const double det = t.m11 * t.m22 - t.m12 * t.m21;
    if (det == 0 || !std::isfinite(det)) return false;
    out = {t.m22 / det,
           -t.m12 / det,
           -t.m21 / det,
           t.m11 / det,
           (t.m21 * t.dy - t.m22 * t.dx) / det,
           (t.m12 * t.dx - t.m11 * t.dy) / det};
    return true;
}

uint32_t premultiplied(Color c) {
    const auto pre = [&](int v) { return (v * c.a + 127) / 255; };
    return argb(c.a, pre(c.r), pre(c.g), pre(c.b));
}

bool Shader::set(const Brush& brush, const Transform& toDevice) {
    if (const Color* c = brush.color()) {
        kind_ = Kind::Solid;
        solid_ = premultiplied(*c);
        return true;
    }
    if (!invert(toDevice, toBrush_)) return false;
    if (const LinearGradient* g = brush.linear()) {
        if (!finite(g->start) || !finite(g->end)) return false;
        kind_ = Kind::Linear;
        const Point d = g->end - g->start;
        const double len2 = d.x * d.x + d.y * d.y;
        origin_ = g->start;
        axis_ = len2 > 0 ? d / len2 : Point{};
        buildTable(*g);
        return true;
    }
    if (const RadialGradient* g = brush.radial()) {
        if (!finite(g->center) || !finite(g->focal) || !std::isfinite(g->radius)) return false;
        kind_ = Kind::Radial;
        radius_ = std::max(0.0, g->radius);
        // A focal point outside the circle is brought just inside it, as a desktop painter does.
        origin_ = g->focal;
        Point c = g->center - g->focal;
        const double dist = std::hypot(c.x, c.y), limit = radius_ * 0.999;
        if (dist > limit) {
            c = c * (limit / dist);
            origin_ = g->center - c;
        }
        center_ = c;
        a_ = radius_ * radius_ - (c.x * c.x + c.y * c.y);
        buildTable(*g);
        return true;
    }
    return false;
}

void Shader::buildTable(const Gradient& g) {
    std::vector<GradientStop> stops = g.stops;
    if (stops.empty()) stops = {{0, kBlack}, {1, kWhite}};  // an unset gradient's ramp
    table_.resize(kTableSize);
    size_t k = 0;
    for (int i = 0; i < kTableSize; ++i) {
        const double t = double(i) / (kTableSize - 1);
        while (k + 1 < stops.size() && stops[k + 1].at <= t) ++k;
        const GradientStop& s0 = stops[k];
        const GradientStop& s1 = k + 1 < stops.size() ? stops[k + 1] : s0;
        double f = s1.at > s0.at ? (t - s0.at) / (s1.at - s0.at) : 0;
        if (t < s0.at) f = 0;  // before the first stop
        f = std::clamp(f, 0.0, 1.0);
        const auto mix = [f](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * f)); };
        table_[static_cast<size_t>(i)] =
            premultiplied(Color(mix(s0.color.r, s1.color.r), mix(s0.color.g, s1.color.g),
                                mix(s0.color.b, s1.color.b), mix(s0.color.a, s1.color.a)));
    }
}

uint32_t Shader::at(double t) const {
    if (!(t > 0)) return table_.front();  // (also not a number)
    if (t >= 1) return table_.back();
    return table_[static_cast<size_t>(t * (kTableSize - 1) + 0.5)];
}

void Shader::row(int x, int y, int n, uint32_t* out) const {
    if (kind_ == Kind::Solid) {
        std::fill(out, out + n, solid_);
        return;
    }
    const Transform& m = toBrush_;
    const Point p0 = m.map(Point{x + 0.5, y + 0.5}) - origin_;
    const Point step{m.m11, m.m12};  // one pixel to the right, in the brush's coordinates
    if (kind_ == Kind::Linear) {
        const double t0 = p0.x * axis_.x + p0.y * axis_.y, dt = step.x * axis_.x + step.y * axis_.y;
        for (int i = 0; i < n; ++i) out[i] = at(t0 + i * dt);
        return;
    }
    // Radial: the t whose circle (centre focal + t * centre, radius t * radius) passes the point.
    for (int i = 0; i < n; ++i) {
        const Point d = p0 + step * i;
        const double b = d.x * center_.x + d.y * center_.y, dd = d.x * d.x + d.y * d.y;
        const double t = a_ > 0 ? (std::sqrt(b * b + a_ * dd) - b) / a_ : 1;
        out[i] = at(t);
    }
}

}  // namespace gfx::raster
