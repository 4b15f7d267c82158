#pragma once
// How shapes are filled (brushes: solid, linear and radial gradients) and outlined (pens).

#include <variant>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Geometry.h"

namespace gfx {

struct GradientStop {
    double at = 0;  // 0..1 along the gradient
    Color color;
    bool operator==(const GradientStop&) const = default;
};

// Colours between the stops are interpolated (not premultiplied); outside the first and last
// stop the end colours continue ("pad").
struct Gradient {
    std::vector<GradientStop> stops;  // kept sorted by `at`; a stop at an existing place replaces it
    void setColorAt(double at, Color c);
    bool operator==(const Gradient&) const = default;
};

// Along the line from `start` to `end`.
struct LinearGradient : Gradient {
    Point start, end;
    LinearGradient() = default;
    LinearGradient(Point s, Point e) : start(s), end(e) {}
    bool operator==(const LinearGradient&) const = default;
};

// From `focal` (colour at 0) out to the circle of `radius` around `center` (colour at 1).
struct RadialGradient : Gradient {
    Point center, focal;
    double radius = 0;
    RadialGradient() = default;
    RadialGradient(Point c, double r) : center(c), focal(c), radius(r) {}
    RadialGradient(Point c, double r, Point f) : center(c), focal(f), radius(r) {}
    bool operator==(const RadialGradient&) const = default;
};

// No fill, one colour, or a gradient (in the coordinates in force when the shape is drawn).
class Brush {
public:
    Brush() = default;  // no fill
    Brush(Color c) : v_(c) {}
    Brush(const LinearGradient& g) : v_(g) {}
    Brush(const RadialGradient& g) : v_(g) {}
    static Brush none() { return {}; }

    bool isNone() const { return std::holds_alternative<std::monostate>(v_); }
    const Color* color() const { return std::get_if<Color>(&v_); }
    const LinearGradient* linear() const { return std::get_if<LinearGradient>(&v_); }
    const RadialGradient* radial() const { return std::get_if<RadialGradient>(&v_); }
    bool operator==(const Brush&) const = default;

private:
    std::variant<std::monostate, Color, LinearGradient, RadialGradient> v_;
};

enum class Cap { Flat, Square, Round };
enum class Join { Miter, Bevel, Round };

// A stroke: its brush (none: no outline), width in logical units (0: one device pixel,
// "cosmetic"), cap and join. The defaults are a square cap and a bevel join.
struct Pen {
    Brush brush;
    double width = 1;
    Cap cap = Cap::Square;
    Join join = Join::Bevel;

    Pen() = default;  // no outline
    Pen(Color c, double w = 1, Cap cp = Cap::Square, Join j = Join::Bevel) : brush(c), width(w), cap(cp), join(j) {}
    Pen(Brush b, double w, Cap cp = Cap::Square, Join j = Join::Bevel)
        : brush(std::move(b)), width(w), cap(cp), join(j) {}
    static Pen none() { return {}; }
    bool isNone() const { return brush.isNone(); }
    bool operator==(const Pen&) const = default;
};

}  // namespace gfx
