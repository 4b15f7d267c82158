#pragma once
// Where a window's twips land in the area that shows it, and back: the one mapping both front
// ends draw, hit-test and repaint with. The design area (the instruments) is drawn at the view
// scale, centred in the area (or from its start where it does not fit), its corner on a whole
// device pixel so that pictures land on device pixels one to one.

#include "gfx/Geometry.h"
#include "runtime/Control.h"

namespace view {

class ViewPlacement {
public:
    ViewPlacement() = default;
    // An area of areaW x areaH logical pixels at `dpr` device pixels each, showing the design
    // area `designTwips` at view `scale` (snapped with snappedViewScale for dpr by the caller).
    ViewPlacement(double areaW, double areaH, double dpr, double scale, const rt::RectF& designTwips);

    double scale() const { return scale_; }
    // Where the window's twip (0, 0) is in the area, logical pixels, on a whole device pixel.
    gfx::Point origin() const { return origin_; }

    gfx::Point toArea(double xTwips, double yTwips) const;
    gfx::Point toTwips(double x, double y) const;

    // The area to repaint for a part of the window: two pixels around it (antialiased edges,
    // pictures and dots placed on the nearest device pixel), out to whole device pixels, cut to
    // the area; empty when none of it is shown.
    gfx::Rect repaintArea(const rt::RectF& twips) const;

private:
    double areaW_ = 0, areaH_ = 0, dpr_ = 1, scale_ = 1;
    gfx::Point origin_;
};

}  // namespace view
