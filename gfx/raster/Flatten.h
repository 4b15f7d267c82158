#pragma once
// A path as polylines: its subpaths mapped by a transform, curves cut into straight pieces that
// stay within a tolerance of them.

#include <vector>

#include "gfx/Geometry.h"
#include "gfx/Path.h"

namespace gfx::raster {

struct Contour {
    Polygon pts;  // no two successive points equal; a closed one does not repeat its start
    bool closed = false;
};

// Replaces `out` with the subpaths of `path` mapped by `t`, within `tolerance` (the mapped units).
void flatten(const Path& path, const Transform& t, double tolerance, std::vector<Contour>& out);

}  // namespace gfx::raster
