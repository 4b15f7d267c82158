#pragma once
// What of a window is to be repainted, gathered over one turn of the event loop from the parts
// the model reports (window twips): the whole window, or a few rectangles. A part inside one
// already held adds nothing; a part near a held one joins it when that adds little area (a
// spot's old and new places become one rectangle: one pass of painting instead of two); past
// kMaxParts each new part joins the held one that it grows least, so thousands of parts (a
// recorded trace) stay a handful of rectangles.

#include <optional>
#include <vector>

#include "runtime/Control.h"

namespace view {

class RepaintArea {
public:
    static constexpr size_t kMaxParts = 6;
    // Joining two parts is worth it while it adds at most this much area: a square of 64
    // pixels of the reference screen, in twips squared.
    static constexpr double kFreeGrowth = 64.0 * 64.0 * rt::kTwipsPerPixel * rt::kTwipsPerPixel;

    // Adds a part; returns the rectangle now held that covers it when that is new or grew,
    // nothing when the area held already covered the part.
    std::optional<rt::RectF> add(const rt::RectF& part);
    void addWhole() { whole_ = true; }
    bool whole() const { return whole_; }
    bool empty() const { return !whole_ && parts_.empty(); }
    const std::vector<rt::RectF>& parts() const { return parts_; }
    void clear();

private:
    bool whole_ = false;
    std::vector<rt::RectF> parts_;
};

}  // namespace view
