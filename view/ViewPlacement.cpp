#include "view/ViewPlacement.h"

#include <algorithm>
#include <cmath>

#include "view/ViewScale.h"

namespace view {
namespace {
constexpr double kTwips = rt::kTwipsPerPixel;
}

ViewPlacement::ViewPlacement(double areaW, double areaH, double dpr, double scale, const rt::RectF& designTwips)
    : areaW_(areaW), areaH_(areaH), dpr_(dpr > 0 && std::isfinite(dpr) ? dpr : 1), scale_(scale > 0 ? scale : 1) {
    if (designTwips.isEmpty()) return;
    const double z = scale_ / kTwips;
    const double x = centredStart(areaW, designTwips.w * z) - designTwips.x * z;
    const double y = centredStart(areaH, designTwips.h * z) - designTwips.y * z;
    origin_ = {std::round(x * dpr_) / dpr_, std::round(y * dpr_) / dpr_};
}

gfx::Point ViewPlacement::toArea(double xTwips, double yTwips) const {
    const double z = scale_ / kTwips;
    return {origin_.x + xTwips * z, origin_.y + yTwips * z};
}

gfx::Point ViewPlacement::toTwips(double x, double y) const {
    const double k = kTwips / scale_;
    return {(x - origin_.x) * k, (y - origin_.y) * k};
}

gfx::Rect ViewPlacement::repaintArea(const rt::RectF& twips) const {
    const gfx::Point a = toArea(twips.x, twips.y), b = toArea(twips.x + twips.w, twips.y + twips.h);
    const double x0 = std::max(0.0, std::floor((a.x - 2) * dpr_) / dpr_);
    const double y0 = std::max(0.0, std::floor((a.y - 2) * dpr_) / dpr_);
    const double x1 = std::min(areaW_, std::ceil((b.x + 2) * dpr_) / dpr_);
    const double y1 = std::min(areaH_, std::ceil((b.y + 2) * dpr_) / dpr_);
    if (!(x1 > x0) || !(y1 > y0)) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace view
