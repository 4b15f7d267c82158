#pragma once
// The area a pen covers along polylines, as small convex polygons all turned the same way: a
// quadrilateral along each segment, a wedge at each corner (bevel, miter or round), the caps at
// the ends of open ones. Filled together with the nonzero rule they are the stroke.

#include <vector>

#include "gfx/Paint.h"
#include "gfx/raster/Flatten.h"

namespace gfx::raster {

struct StrokeStyle {
    double width = 1;
    Cap cap = Cap::Square;
    Join join = Join::Bevel;
    double tolerance = 0.1;  // how far a round part may stray from the circle, in the same units
};

// Appends the pieces of the stroke along `contours` to `out`.
void strokePieces(const std::vector<Contour>& contours, const StrokeStyle& style, std::vector<Polygon>& out);

// The dot a pen leaves for a line of no length: a square or a disc (none with a flat cap).
void dotPiece(Point at, const StrokeStyle& style, std::vector<Polygon>& out);

// A polygon approximating the circle, within `tolerance`.
Polygon circle(Point c, double r, double tolerance);

}  // namespace gfx::raster
