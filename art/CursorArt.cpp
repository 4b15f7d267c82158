// Imapoint: the ten mouse cursors, 32 x 32 on opaque black (black is transparent in
// the cursor). A white cartoon hand with a dark grey outline (never pure black) and a blue cuff at
// the bottom edge. The hot spots in art/PictureTables.cpp (makeImapoint) follow these drawings:
// fingertip (14, 2); grip centre (12, 14) turned left, (20, 14) turned right; plug tip (6, 4).

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "art/ArtLists.h"
#include "art/DrawKit.h"

namespace art {
namespace {

using gfx::Color;
using gfx::Pen;
using gfx::Point;

constexpr Color kOutline(0x20, 0x20, 0x20);
constexpr Color kCrease(120, 120, 128);
constexpr double kOutlineWidth = 1.1;

enum class Pose { Point, GripLeft, GripRight, CarryRed, CarryBlack };

struct Cursor {
    Pose pose;
    bool refused;
};

// Picture n -> what it shows.
constexpr Cursor kCursors[10] = {
    {Pose::Point, false},      {Pose::Point, true},      {Pose::GripLeft, false}, {Pose::GripRight, false},
    {Pose::CarryRed, false},   {Pose::CarryRed, true},   {Pose::GripLeft, true},  {Pose::GripRight, true},
    {Pose::CarryBlack, false}, {Pose::CarryBlack, true},
};

// One rounded piece of a hand: a rounded rectangle, or an ellipse turned about its centre.
struct Piece {
    enum Kind { RoundRect, Ellipse } kind;
    double x, y, w, h, r;  // rounded rectangle; for an ellipse: centre (x, y), radii w and h, angle r

    gfx::Path path() const {
        gfx::Path p;
        if (kind == RoundRect) {
            p.addRoundedRect({x, y, w, h}, r, r);
            return p;
        }
        p.addEllipse(Point{0, 0}, w, h);
        gfx::Transform t;
        t.translate(x, y);
        t.rotate(r);
        return p.transformed(t);
    }
};

Piece roundRect(double x, double y, double w, double h, double r) {
    return {Piece::RoundRect, x, y, w, h, r};
}

Piece ellipse(Point c, double rx, double ry, double angleDeg) {
    return {Piece::Ellipse, c.x, c.y, rx, ry, angleDeg};
}

// A point of the cubic (a, b, c, d) at parameter t, by repeated interpolation.
Point bezierAt(Point a, Point b, Point c, Point d, double t) {
    const double m = 1 - t;
    auto mix = [&](double p0, double p1, double p2, double p3) {
        double u = p0 * m + p1 * t, v = p1 * m + p2 * t;
        const double w = p2 * m + p3 * t;
        u = u * m + v * t;
        v = v * m + w * t;
        return u * m + v * t;
    };
    return {mix(a.x, b.x, c.x, d.x), mix(a.y, b.y, c.y, d.y)};
}

// A piece's outline as a polygon: each curve cut into equal steps of its parameter, about one
// step per unit of the larger side of its control box (2 to 63 steps). The hands have always
// had these chords for edges; at 32 px a cursor shows them.
gfx::Polygon chords(const gfx::Path& path) {
    gfx::Polygon out;
    Point cur;
    const gfx::Path cubics = path.toCubics();
    for (const gfx::Path::Element& e : cubics.elements()) {
        if (e.op == gfx::Path::Op::Move || e.op == gfx::Path::Op::Line) {
            cur = e.p[0];
            out.push_back(cur);
        } else if (e.op == gfx::Path::Op::Cubic) {
            const double w = std::max({cur.x, e.p[0].x, e.p[1].x, e.p[2].x}) -
                             std::min({cur.x, e.p[0].x, e.p[1].x, e.p[2].x});
            const double h = std::max({cur.y, e.p[0].y, e.p[1].y, e.p[2].y}) -
                             std::min({cur.y, e.p[0].y, e.p[1].y, e.p[2].y});
            const int n = std::max(
                3, static_cast<int>(std::min(64.0f, static_cast<float>(std::max(w, h) * (2 * 3.14 / 6)))));
            const double step = 1.0 / (n - 1);
            for (int i = 1; i < n - 1; ++i) out.push_back(bezierAt(cur, e.p[0], e.p[1], e.p[2], i * step));
            cur = e.p[2];
            out.push_back(cur);
        }
    }
    // Without repeated points (a closed outline ends where it starts).
    gfx::Polygon poly;
    for (const Point& q : out)
        if (poly.empty() || std::hypot(q.x - poly.back().x, q.y - poly.back().y) > 1e-9) poly.push_back(q);
    while (poly.size() > 1 &&
           std::hypot(poly.front().x - poly.back().x, poly.front().y - poly.back().y) <= 1e-9)
        poly.pop_back();
    return poly;
}

// Whether q lies inside the polygon (crossings of a ray to the right).
bool inside(const gfx::Polygon& poly, Point q) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point a = poly[i], b = poly[j];
        if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

// Where the edges of two polygons cross.
std::vector<Point> crossings(const gfx::Polygon& p, const gfx::Polygon& q) {
    std::vector<Point> out;
    for (size_t i = 0; i < p.size(); ++i) {
        const Point a = p[i], b = p[(i + 1) % p.size()];
        for (size_t j = 0; j < q.size(); ++j) {
            const Point c = q[j], d = q[(j + 1) % q.size()];
            const double den = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
            if (std::abs(den) < 1e-12) continue;
            const double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / den;
            const double u = ((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x)) / den;
            if (t >= 0 && t < 1 && u >= 0 && u < 1) out.push_back(a + (b - a) * t);
        }
    }
    return out;
}

// White skin with a light shade towards the bottom right, and the dark outline round the
// pieces taken together: the skin over every piece, then each piece's edge where it lies
// outside all the others (the edges inside the hand are not drawn), rounded into the corners
// where two pieces' edges meet.
void skin(gfx::Canvas& p, const std::vector<Piece>& pieces) {
    std::vector<gfx::Polygon> outlines;
    gfx::Rect b;
    for (const Piece& piece : pieces) {
        outlines.push_back(chords(piece.path()));
        b = b.united(gfx::polygonPath(outlines.back()).boundingRect());
    }
    gfx::LinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, Color(255, 255, 255));
    g.setColorAt(1, Color(214, 218, 228));
    p.setPen(Pen::none());
    p.setBrush(g);
    for (const gfx::Polygon& o : outlines) p.drawPolygon(o);
    p.setPen(Pen(kOutline, kOutlineWidth, gfx::Cap::Round, gfx::Join::Round));
    p.setBrush(gfx::Brush::none());
    const gfx::Rect around = b.adjusted(-2, -2, 2, 2);
    for (size_t i = 0; i < outlines.size(); ++i) {
        const gfx::SavedState saved(p);
        for (size_t j = 0; j < outlines.size(); ++j) {
            if (j == i) continue;
            gfx::Path outside;  // everything but piece j (a hole in a larger rectangle)
            outside.addRect(around);
            outside.addPolygon(outlines[j]);
            outside.closeSubpath();
            p.clipPath(outside);
        }
        p.drawPolygon(outlines[i]);
    }
    p.setPen(Pen::none());
    p.setBrush(kOutline);
    for (size_t i = 0; i < outlines.size(); ++i)
        for (size_t j = i + 1; j < outlines.size(); ++j)
            for (Point corner : crossings(outlines[i], outlines[j])) {
                bool onEdge = true;
                for (size_t k = 0; k < outlines.size() && onEdge; ++k)
                    if (k != i && k != j && inside(outlines[k], corner)) onEdge = false;
                if (onEdge) p.drawEllipse(corner, kOutlineWidth / 2, kOutlineWidth / 2);
            }
    p.setPen(Pen(kOutline, kOutlineWidth, gfx::Cap::Round, gfx::Join::Round));
    p.setBrush(g);
}

struct Crease {
    Point a, b;
};

void creases(gfx::Canvas& p, std::initializer_list<Crease> lines) {
    p.setPen(Pen(kCrease, 0.75, gfx::Cap::Round));
    for (const Crease& l : lines) p.drawLine(l.a, l.b);
}

// The blue cuff, running off the bottom edge.
void cuff(gfx::Canvas& p, const gfx::Rect& r) {
    gfx::LinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Color(95, 150, 245));
    g.setColorAt(0.35, Color(40, 95, 220));
    g.setColorAt(1, Color(20, 55, 160));
    p.setBrush(g);
    p.setPen(Pen(kOutline, kOutlineWidth, gfx::Cap::Round, gfx::Join::Round));
    p.drawRoundedRect(r, 1.8, 1.8);
    p.setPen(Pen(Color(150, 190, 255), 0.7));
    p.drawLine({r.left() + 1.5, r.top() + 1.6}, {r.right() - 1.5, r.top() + 1.6});
}

// Index finger up, the other fingers folded; fingertip at (14, 1).
void pointingHand(gfx::Canvas& p) {
    cuff(p, {10, 25.5, 15.5, 9});
    skin(p, {roundRect(11.3, 1.0, 5.6, 18, 2.8), roundRect(10, 12.5, 15, 14, 3.5),
             roundRect(16.5, 10.5, 3.9, 9, 1.9), roundRect(20.1, 11.5, 3.6, 8.5, 1.8),
             roundRect(23.3, 13.2, 3.2, 7.5, 1.6), ellipse({9.2, 17.5}, 2.6, 4.3, -28)});
    creases(p, {{{16.9, 13.5}, {16.9, 18.5}},
                {{20.3, 14.0}, {20.3, 19.2}},
                {{23.5, 15.2}, {23.5, 19.6}},
                {{12.2, 19.5}, {14.5, 21.0}},
                {{13.0, 4.6}, {15.4, 4.6}}});
}

// A closed gripping hand seen from above (knuckles up), upright, grip centre at (16.5, 14).
void grippingHand(gfx::Canvas& p) {
    cuff(p, {10, 25, 14, 10});
    std::vector<Piece> hand{roundRect(9.5, 9.5, 14.5, 13.5, 3.5)};
    for (int i = 0; i < 4; ++i)
        hand.push_back(roundRect(9.4 + 3.65 * i, 6.0 + (i == 0 || i == 3 ? 1.0 : 0), 3.7, 8, 1.85));
    hand.push_back(roundRect(11.5, 19, 10.5, 7.5, 1.5));
    hand.push_back(ellipse({8.6, 16.2}, 2.5, 4.6, 22));
    skin(p, hand);
    creases(p, {{{13.1, 9.5}, {13.1, 12.8}},
                {{16.75, 8.5}, {16.75, 12.5}},
                {{20.4, 9.5}, {20.4, 12.8}},
                {{10.8, 14.6}, {22.6, 14.6}},
                {{9.8, 19.6}, {11.6, 20.8}}});
}

// The curved arrow of the turning direction, round the grip centre.
void turnArrow(gfx::Canvas& p, Point c, bool left) {
    const double r = 12.2;
    const gfx::Rect round(c.x - r, c.y - r, 2 * r, 2 * r);
    gfx::Path arc;
    arc.arcMoveTo(round, left ? 45 : 135);
    arc.arcTo(round, left ? 45 : 135, left ? 70 : -70);
    const double endDeg = left ? 115 : 65;
    const double a = endDeg * kit::kPi / 180;
    const Point end{c.x + r * std::cos(a), c.y - r * std::sin(a)};
    const Point tangent = left ? Point{-std::sin(a), -std::cos(a)} : Point{std::sin(a), std::cos(a)};
    const Point normal{-tangent.y, tangent.x};
    const gfx::Polygon head{end + tangent * 4.4, end + normal * 3.2, end - normal * 3.2};
    p.setBrush(gfx::Brush::none());
    p.setPen(Pen(kOutline, 3.4, gfx::Cap::Flat));
    p.drawPath(arc);
    p.setPen(Pen(kOutline, 1.4, gfx::Cap::Round, gfx::Join::Round));
    p.setBrush(Color(255, 200, 20));
    p.drawPolygon(head);
    p.setBrush(gfx::Brush::none());
    p.setPen(Pen(Color(255, 200, 20), 1.5, gfx::Cap::Flat));
    p.drawPath(arc);
    p.setPen(Pen::none());
    p.setBrush(Color(255, 200, 20));
    p.drawPolygon({end + tangent * 3.0, end + normal * 2.1, end - normal * 2.1});
}

void turningHand(gfx::Canvas& p, bool left) {
    const double angle = left ? -20 : 20;
    {
        const gfx::SavedState saved(p);
        p.translate(16.5, 26);
        p.rotate(angle);
        p.translate(-16.5, -26);
        grippingHand(p);
    }
    const double a = angle * kit::kPi / 180;
    turnArrow(p, {16.5 + 12 * std::sin(a), 26 - 12 * std::cos(a)}, left);
}

// The banana plug held by the hand: its lead, the metal pin and the insulated sleeve, from the
// tip along the axis d.
void bananaPlug(gfx::Canvas& p, Point tip, Point d, Color lead, Color leadDark) {
    // The lead leaves the hand downwards to the left edge.
    gfx::Path cable;
    cable.moveTo(tip + d * 15);
    cable.cubicTo({12, 22}, {6, 22}, {4, 33});
    p.setBrush(gfx::Brush::none());
    p.setPen(Pen(kOutline, 4.2, gfx::Cap::Flat));
    p.drawPath(cable);
    p.setPen(Pen(lead, 2.4, gfx::Cap::Flat));
    p.drawPath(cable);
    // Metal pin, then the insulated sleeve.
    p.setPen(Pen(kOutline, 4.4, gfx::Cap::Round));
    p.drawLine(tip, tip + d * 7);
    p.setPen(Pen(Color(200, 200, 205), 2.4, gfx::Cap::Round));
    p.drawLine(tip, tip + d * 7);
    p.setPen(Pen(Color(250, 250, 250), 0.8, gfx::Cap::Round));
    p.drawLine(tip + Point{-0.4, 0.3}, tip + d * 6 + Point{-0.4, 0.3});
    p.setPen(Pen(kOutline, 6.6, gfx::Cap::Round));
    p.drawLine(tip + d * 7, tip + d * 15);
    p.setPen(Pen(lead, 4.4, gfx::Cap::Round));
    p.drawLine(tip + d * 7, tip + d * 15);
    p.setPen(Pen(leadDark, 0.8));
    p.drawLine(tip + d * 8.6 + Point{1.6, -1.4}, tip + d * 8.6 + Point{-1.6, 1.4});
    p.setPen(Pen(lead.lighter(150), 0.9, gfx::Cap::Round));
    p.drawLine(tip + d * 9.5 + Point{0.9, -0.8}, tip + d * 14 + Point{0.9, -0.8});
}

// A hand holding a banana plug and its lead; the plug's metal tip at the top left (5, 2.5).
void carryingHand(gfx::Canvas& p, bool red) {
    const Color lead = red ? Color(220, 35, 30) : Color(64, 64, 68);
    const Color leadDark = red ? Color(120, 10, 10) : Color(0x24, 0x24, 0x26);
    bananaPlug(p, {5.0, 2.5}, {0.66, 0.75}, lead, leadDark);
    // The fist round the sleeve, wrist and cuff.
    cuff(p, {14.5, 26, 14, 9});
    skin(p, {ellipse({18.8, 16.5}, 6.6, 6.0, 35), roundRect(15.8, 19.5, 11.0, 7.0, 2.0),
             ellipse({14.9, 11.6}, 2.2, 3.8, -42)});
    creases(p, {{{13.4, 15.7}, {16.8, 19.6}},
                {{15.3, 14.4}, {19.7, 19.0}},
                {{17.8, 13.6}, {22.4, 17.8}},
                {{17.2, 12.6}, {19.9, 12.6}}});
}

// The red no-entry sign.
void noEntry(gfx::Canvas& p, Point c) {
    const double r = 5.2;
    p.setPen(Pen(Color(90, 0, 0), 1.0));
    gfx::RadialGradient g(c - Point{1.5, 1.5}, r * 1.6);
    g.setColorAt(0, Color(255, 90, 80));
    g.setColorAt(1, Color(200, 10, 10));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(Pen::none());
    p.setBrush(Color(255, 255, 255));
    p.drawRoundedRect({c.x - 3.4, c.y - 1.1, 6.8, 2.2}, 0.6, 0.6);
}

// Where the sign goes: a corner the hand leaves free.
Point signPlace(Pose pose) {
    switch (pose) {
        case Pose::Point:
            return {26.0, 6.0};
        case Pose::GripLeft:
            return {26.3, 20.5};
        case Pose::GripRight:
            return {5.7, 20.5};
        default:
            return {26.3, 5.9};
    }
}

}  // namespace

void paintImapoint(gfx::Canvas& p, int n) {
    p.fillRect({0, 0, 32, 32}, gfx::kBlack);
    const Cursor& c = kCursors[n - 1];
    switch (c.pose) {
        case Pose::Point:
            pointingHand(p);
            break;
        case Pose::GripLeft:
            turningHand(p, true);
            break;
        case Pose::GripRight:
            turningHand(p, false);
            break;
        case Pose::CarryRed:
            carryingHand(p, true);
            break;
        case Pose::CarryBlack:
            carryingHand(p, false);
            break;
    }
    if (c.refused) noEntry(p, signPlace(c.pose));
}

}  // namespace art
