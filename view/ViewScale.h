#pragma once
// The one view scale both instruments are drawn at, and where their design area sits in the
// area that shows them. Pure arithmetic, no toolkit: the front ends call it.

namespace view {

// The smallest view scale at which the instruments can still be worked: a knob's halves stay
// four or more pixels wide, the lead sockets and switch contacts a few pixels, captions a few
// pixels high. In a smaller area the instruments keep this scale and are cut at the right and
// bottom, never drawn squeezed or overlapping.
inline constexpr double kMinViewScale = 0.5;

// The largest scale at which a design area of designW x designH design pixels fits an area of
// areaW x areaH logical pixels, snapped down so that scale x dpr is a whole number of
// hundredths (the ratio pictures are painted at), and not below kMinViewScale (snapped up).
// 1 when the area or the design is empty or a size is not a number.
double fittedViewScale(double areaW, double areaH, double designW, double designH, double dpr);

// Where content `content` long starts in an area `area` long (same unit): centred when it
// fits, at the area's start when it does not, so the start of the content is always shown.
double centredStart(double area, double content);

}  // namespace view
