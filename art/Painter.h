#pragma once
// Procedural artwork of every picture list. Each picture is a pure function of (list, number,
// device pixel ratio): painted at width*dpr x height*dpr device pixels, with the image's
// devicePixelRatio set, so it is crisp on any screen. Callers cache the result.

#include <QImage>
#include <string_view>

namespace art {

// Picture n (1-based) of the named list. A null image for an unknown list or number.
QImage paintPicture(std::string_view list, int n, qreal dpr = 1.0);

}  // namespace art
