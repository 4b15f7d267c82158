#include "view/ViewScale.h"

#include <algorithm>
#include <cmath>

namespace view {

double snappedViewScale(double scale, double dpr) {
    if (!(dpr > 0)) dpr = 1.0;
    if (!(scale > 0)) scale = 1.0;
    return std::max(1.0, std::round(scale * dpr * 100.0)) / (100.0 * dpr);
}

double fittingViewScale(const rt::RectF& design, double areaW, double areaH, double dpr) {
    if (!(dpr > 0)) dpr = 1.0;
    double z = 1.0;
    if (!design.isEmpty() && areaW > 0 && areaH > 0) {
        const double fit =
            std::min(areaW * rt::kTwipsPerPixel / design.w, areaH * rt::kTwipsPerPixel / design.h);
        z = std::max(0.25, std::floor(fit * dpr * 100.0 + 1e-6) / (100.0 * dpr));
    }
    return snappedViewScale(z, dpr);
}

}  // namespace view
