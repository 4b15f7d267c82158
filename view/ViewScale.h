#pragma once
// The view scale: how many logical pixels of the screen a design pixel of the instruments takes.
// Pure arithmetic, the same for every front end.

#include "runtime/Control.h"

namespace view {

// The view scale nearest `scale` at which scale x dpr is a whole number of hundredths: the
// ratio the pictures are painted at, so they land on the device pixels one to one.
double snappedViewScale(double scale, double dpr);

// The largest scale at which `design` (window twips) fits an area of `areaW` x `areaH` logical
// pixels, snapped down so that scale x dpr is a whole number of hundredths, and never below a
// quarter; 1 when the design or the area is empty.
double fittingViewScale(const rt::RectF& design, double areaW, double areaH, double dpr);

}  // namespace view
