#include "view/RepaintArea.h"

#include <algorithm>

namespace view {
namespace {

double area(const rt::RectF& r) {
    return r.w * r.h;
}

}  // namespace

std::optional<rt::RectF> RepaintArea::add(const rt::RectF& part) {
    if (whole_ || part.isEmpty()) return std::nullopt;
    for (const rt::RectF& p : parts_)
        if (p.contains(part)) return std::nullopt;
    std::erase_if(parts_, [&](const rt::RectF& p) { return part.contains(p); });
    // The held part that the new one grows least.
    auto best = parts_.end();
    double bestGrowth = 0;
    for (auto it = parts_.begin(); it != parts_.end(); ++it) {
        const double growth = area(it->united(part)) - area(*it) - area(part);
        if (best == parts_.end() || growth < bestGrowth) {
            best = it;
            bestGrowth = growth;
        }
    }
    if (best == parts_.end() || (bestGrowth > kFreeGrowth && parts_.size() < kMaxParts)) {
        parts_.push_back(part);
        return part;
    }
    *best = best->united(part);
    return *best;
}

void RepaintArea::clear() {
    whole_ = false;
    parts_.clear();
}

}  // namespace view
