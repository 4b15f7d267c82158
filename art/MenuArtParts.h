#pragma once
// Drawings shared by more than one list of this art library's menu and bench pictures.

#include "gfx/Canvas.h"

namespace art {

enum class ScopeTrace { None, Line, Curve };

// A light rounded ground for the instrument pictures.
void drawLightGround(gfx::Canvas& c, double w, double h);

// A small front view of a laboratory oscilloscope drawn into `area` (designed for 132 x 83, scaled
// uniformly and centred). With ScopeTrace::Line a green horizontal trace at height `level` 0..4
// (0 lowest), with ScopeTrace::Curve a charging exponential.
void drawScope(gfx::Canvas& c, const gfx::Rect& area, ScopeTrace trace, int level = 0);

}  // namespace art
