#include "gfx/PathArcs.h"

#include <algorithm>
#include <cmath>

namespace gfx {
namespace {

// The control distance of a quarter circle's cubic, relative to the radius.
constexpr double kKappa = 0.5522847498;

bool fuzzyNull(double v) {
    return std::fabs(v) <= 0.000000000001;
}
bool fuzzyEqual(double a, double b) {
    return std::fabs(a - b) * 1000000000000. <= std::min(std::fabs(a), std::fabs(b));
}

// The curve parameter at which the quarter-circle cubic reaches `angle` degrees (0..90): a few
// Newton steps on its x and on its y, averaged.
double tForArcAngle(double angle) {
    if (fuzzyNull(angle)) return 0;
    if (fuzzyEqual(angle, 90)) return 1;
    const double rad = angle * 3.14159265358979323846 / 180;
    const double cosA = std::cos(rad), sinA = std::sin(rad);
    const double k = kKappa;
    double tc = angle / 90;
    for (int i = 0; i < 2; ++i)
        tc -= ((((2 - 3 * k) * tc + 3 * (k - 1)) * tc) * tc + 1 - cosA) /
              (((6 - 9 * k) * tc + 6 * (k - 1)) * tc);
    double ts = tc;
    for (int i = 0; i < 2; ++i)
        ts -= ((((3 * k - 2) * ts - 6 * k + 3) * ts + 3 * k) * ts - sinA) /
              (((9 * k - 6) * ts + 12 * k - 6) * ts + 3 * k);
    return 0.5 * (tc + ts);
}

struct Bezier {
    Point p[4];
    Point at(double t) const {
        const double m = 1 - t;
        const double a = m * m * m, b = 3 * m * m * t, c = 3 * m * t * t, d = t * t * t;
        return p[0] * a + p[1] * b + p[2] * c + p[3] * d;
    }
    // The part between t0 and t1 (de Casteljau split twice).
    Bezier interval(double t0, double t1) const {
        Bezier r = *this;
        if (t0 > 0) r = r.split(t0, false);
        if (t1 < 1) r = r.split(t0 >= 1 ? 0 : (t1 - t0) / (1 - t0), true);
        return r;
    }
    Bezier split(double t, bool first) const {
        const Point a = p[0] + (p[1] - p[0]) * t, b = p[1] + (p[2] - p[1]) * t, c = p[2] + (p[3] - p[2]) * t;
        const Point d = a + (b - a) * t, e = b + (c - b) * t;
        const Point f = d + (e - d) * t;
        return first ? Bezier{{p[0], a, d, f}} : Bezier{{f, e, c, p[3]}};
    }
};

}  // namespace

double cubicAt(double a, double b, double c, double d, double t) {
    const double m = 1 - t;
    return a * m * m * m + 3 * b * m * m * t + 3 * c * m * t * t + d * t * t * t;
}

Point ellipsePoint(const Rect& r, double angleDeg) {
    if (r.w == 0 && r.h == 0) return {};
    const double theta = angleDeg - 360 * std::floor(angleDeg / 360);
    double t = theta / 90;
    const int quadrant = static_cast<int>(t);
    t -= quadrant;
    t = tForArcAngle(90 * t);
    if (quadrant & 1) t = 1 - t;
    const double m = 1 - t;
    const double a = m * m * m, b = 3 * m * m * t, c = 3 * m * t * t, d = t * t * t;
    Point p{a + b + c * kKappa, d + c + b * kKappa};
    if (quadrant == 1 || quadrant == 2) p.x = -p.x;
    if (quadrant == 0 || quadrant == 1) p.y = -p.y;
    return r.center() + Point{r.w / 2 * p.x, r.h / 2 * p.y};
}

Point curvesForArc(const Rect& r, double startAngle, double sweep, std::vector<Point>& curves) {
    const double x = r.x, y = r.y, w = r.w, h = r.h, w2 = w / 2, h2 = h / 2, w2k = w2 * kKappa,
                 h2k = h2 * kKappa;
    const Point pts[13] = {{x + w, y + h2},                                                 // start
                           {x + w, y + h2 + h2k}, {x + w2 + w2k, y + h}, {x + w2, y + h},   // 0 -> 270
                           {x + w2 - w2k, y + h}, {x, y + h2 + h2k},     {x, y + h2},       // 270 -> 180
                           {x, y + h2 - h2k},     {x + w2 - w2k, y},     {x + w2, y},       // 180 -> 90
                           {x + w2 + w2k, y},     {x + w, y + h2 - h2k}, {x + w, y + h2}};  // 90 -> 0
    sweep = std::clamp(sweep, -360.0, 360.0);
    if (startAngle == 0.0 && (sweep == 360.0 || sweep == -360.0)) {
        if (sweep == 360.0) {
            for (int i = 11; i >= 0; --i) curves.push_back(pts[i]);
            return pts[12];
        }
        for (int i = 1; i <= 12; ++i) curves.push_back(pts[i]);
        return pts[0];
    }
    int startSeg = static_cast<int>(std::floor(startAngle / 90));
    int endSeg = static_cast<int>(std::floor((startAngle + sweep) / 90));
    double startT = (startAngle - startSeg * 90) / 90, endT = (startAngle + sweep - endSeg * 90) / 90;
    const int delta = sweep > 0 ? 1 : -1;
    if (delta < 0) startT = 1 - startT, endT = 1 - endT;
    if (fuzzyNull(startT - 1)) startT = 0, startSeg += delta;  // no empty first quarter
    if (fuzzyNull(endT)) endT = 1, endSeg -= delta;            // no empty last quarter
    startT = tForArcAngle(startT * 90);
    endT = tForArcAngle(endT * 90);
    const bool splitAtStart = !fuzzyNull(startT), splitAtEnd = !fuzzyNull(endT - 1);
    const int end = endSeg + delta;
    if (startSeg == end) {  // nothing to sweep
        const int j = 3 * (3 - ((startSeg % 4) + 4) % 4);
        return delta > 0 ? pts[j + 3] : pts[j];
    }
    const Point startPoint = ellipsePoint(r, startAngle), endPoint = ellipsePoint(r, startAngle + sweep);
    const size_t first = curves.size();
    for (int i = startSeg; i != end; i += delta) {
        const int j = 3 * (3 - ((i % 4) + 4) % 4);
        Bezier b = delta > 0 ? Bezier{{pts[j + 3], pts[j + 2], pts[j + 1], pts[j]}}
                             : Bezier{{pts[j], pts[j + 1], pts[j + 2], pts[j + 3]}};
        if (startSeg == endSeg && fuzzyEqual(startT, endT)) return startPoint;
        if (i == startSeg) {
            if (i == endSeg && splitAtEnd)
                b = b.interval(startT, endT);
            else if (splitAtStart)
                b = b.interval(startT, 1);
        } else if (i == endSeg && splitAtEnd) {
            b = b.interval(0, endT);
        }
        curves.push_back(b.p[1]);
        curves.push_back(b.p[2]);
        curves.push_back(b.p[3]);
    }
    if (curves.size() > first) curves.back() = endPoint;
    return startPoint;
}

Point CubicBuilder::last() const {
    if (out_.empty()) return {};
    const Path::Element& e = out_.back();
    return e.op == Path::Op::Cubic ? e.p[2] : e.p[0];
}

void CubicBuilder::ensureStart() {
    if (out_.empty()) {
        moveTo({});
    } else if (needMove_) {
        const Point p = last();
        needMove_ = false;
        Path::Element e{};
        e.op = Path::Op::Move;
        e.p[0] = p;
        out_.push_back(e);
        start_ = p;
    }
}

void CubicBuilder::moveTo(Point p) {
    needMove_ = false;
    if (!out_.empty() && out_.back().op == Path::Op::Move) {
        out_.back().p[0] = p;
    } else {
        Path::Element e{};
        e.op = Path::Op::Move;
        e.p[0] = p;
        out_.push_back(e);
    }
    start_ = p;
}

void CubicBuilder::lineTo(Point p) {
    ensureStart();
    if (last() == p) return;
    Path::Element e{};
    e.op = Path::Op::Line;
    e.p[0] = p;
    out_.push_back(e);
}

void CubicBuilder::cubicTo(Point c1, Point c2, Point end) {
    ensureStart();
    if (last() == c1 && c1 == c2 && c2 == end) return;
    Path::Element e{};
    e.op = Path::Op::Cubic;
    e.p[0] = c1, e.p[1] = c2, e.p[2] = end;
    out_.push_back(e);
}

void CubicBuilder::arcTo(const Rect& r, double start, double sweep) {
    if (r.w == 0 && r.h == 0) return;
    std::vector<Point> pts;
    const Point s = curvesForArc(r, start, sweep, pts);
    lineTo(s);
    for (size_t i = 0; i + 2 < pts.size(); i += 3) cubicTo(pts[i], pts[i + 1], pts[i + 2]);
}

void CubicBuilder::close() {
    if (out_.empty() || needMove_) return;
    if (last() != start_) lineTo(start_);
    Path::Element e{};
    e.op = Path::Op::Close;
    e.p[0] = start_;
    out_.push_back(e);
    needMove_ = true;
}

void CubicBuilder::add(const Path::Element& e) {
    const Rect& r = e.rect;
    switch (e.op) {
        case Path::Op::Move:
            moveTo(e.p[0]);
            break;
        case Path::Op::Line:
            lineTo(e.p[0]);
            break;
        case Path::Op::Cubic:
            cubicTo(e.p[0], e.p[1], e.p[2]);
            break;
        case Path::Op::Arc:
            arcTo(r, e.a, e.b);
            break;
        case Path::Op::ArcMove:
            if (!(r.w == 0 && r.h == 0)) moveTo(ellipsePoint(r, e.a));
            break;
        case Path::Op::Close:
            close();
            break;
        case Path::Op::Ellipse: {
            if (r.w == 0 && r.h == 0) break;
            std::vector<Point> pts;
            moveTo(curvesForArc(r, 0, -360, pts));
            for (size_t i = 0; i + 2 < pts.size(); i += 3) cubicTo(pts[i], pts[i + 1], pts[i + 2]);
            close();
            break;
        }
        case Path::Op::Rect:
            if (r.w == 0 && r.h == 0) break;
            moveTo(r.topLeft());
            lineTo(r.topRight()), lineTo(r.bottomRight()), lineTo(r.bottomLeft());
            close();
            break;
        case Path::Op::RoundedRect: {
            if (r.w == 0 && r.h == 0) break;
            // Radii beyond half the side are cut to it, as a painter's rounded rectangle does.
            const Rect n = Rect::fromCorners({std::min(r.x, r.right()), std::min(r.y, r.bottom())},
                                             {std::max(r.x, r.right()), std::max(r.y, r.bottom())});
            const double rx = std::min(e.a, n.w / 2), ry = std::min(e.b, n.h / 2);
            if (rx <= 0 || ry <= 0) {
                Path::Element plain{};
                plain.op = Path::Op::Rect;
                plain.rect = n;
                add(plain);
                break;
            }
            const double dx = 2 * rx, dy = 2 * ry;
            moveTo(ellipsePoint({n.x, n.y, dx, dy}, 180));
            arcTo({n.x, n.y, dx, dy}, 180, -90);
            arcTo({n.right() - dx, n.y, dx, dy}, 90, -90);
            arcTo({n.right() - dx, n.bottom() - dy, dx, dy}, 0, -90);
            arcTo({n.x, n.bottom() - dy, dx, dy}, 270, -90);
            close();
            break;
        }
    }
}

}  // namespace gfx
