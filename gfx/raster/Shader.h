#pragma once
// The colour a brush gives each device pixel, premultiplied ARGB: one colour, or a linear or
// focal radial gradient (stops interpolated unpremultiplied, padded beyond the ends) evaluated
// at the pixel's centre, mapped back into the coordinates the brush was given in.

#include <cstdint>
#include <vector>

#include "gfx/Image.h"
#include "gfx/Paint.h"

namespace gfx::raster {

// The inverse of an affine map; false when it has none (a map to a line or a point).
bool invert(const Transform& t, Transform& out);

// A colour premultiplied by its alpha.
uint32_t premultiplied(Color c);

class Shader {
public:
    // Takes the brush, drawn under `toDevice` (its coordinates to device pixels); false when it
    // paints nothing (no brush, a gradient whose places are not numbers, or one squashed flat
    // by the map).
    bool set(const Brush& brush, const Transform& toDevice);
    bool isSolid() const { return kind_ == Kind::Solid; }
    uint32_t solid() const { return solid_; }
    // The colours of the pixels x .. x+n-1 of row y.
    void row(int x, int y, int n, uint32_t* out) const;

private:
    enum class Kind { Solid, Linear, Radial };
    uint32_t at(double t) const;
    void buildTable(const Gradient& g);

    Kind kind_ = Kind::Solid;
    uint32_t solid_ = 0;
    Transform toBrush_;    // device pixels to the brush's coordinates
    Point origin_, axis_;  // linear: start, and the direction scaled so that t = dot(p - start, axis)
    Point center_;         // radial: the centre relative to the focal point
    double radius_ = 0, a_ = 0;
    std::vector<uint32_t> table_;
};

}  // namespace gfx::raster
