#include "view/ViewScale.h"

#include <algorithm>
#include <cmath>

namespace view {

double fittedViewScale(double areaW, double areaH, double designW, double designH, double dpr) {
    if (!(dpr > 0) || !std::isfinite(dpr)) dpr = 1.0;
    if (!(areaW > 0) || !(areaH > 0) || !(designW > 0) || !(designH > 0)) return 1.0;
    if (!std::isfinite(areaW) || !std::isfinite(areaH) || !std::isfinite(designW) || !std::isfinite(designH))
        return 1.0;
    const double fit = std::min(areaW / designW, areaH / designH);
    // In hundredths of a device pixel per design pixel; the small margin keeps an exact fit
    // (1920 / 960 = 2) from dropping a hundredth to rounding noise.
    const double fitted = std::floor(fit * dpr * 100.0 + 1e-6);
    const double least = std::ceil(kMinViewScale * dpr * 100.0 - 1e-6);
    return std::max(fitted, least) / (100.0 * dpr);
}

double centredStart(double area, double content) {
    if (!(area > content)) return 0.0;  // also when either is not a number
    return (area - content) / 2;
}

}  // namespace view
