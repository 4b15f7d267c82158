#include "runtime/Line.h"

#include <algorithm>
#include <cmath>

#include "runtime/Container.h"

namespace rt {

RectF Line::drawnRect() const {
    if (!parent_) return RectF{};
    const double ax = parent_->toWindowX(x1_), ay = parent_->toWindowY(y1_);
    const double bx = parent_->toWindowX(x2_), by = parent_->toWindowY(y2_);
    const double reach = reachTwips(std::max(1, borderWidth_));
    const double l = std::min(ax, bx), t = std::min(ay, by);
    return RectF{l - reach, t - reach, std::abs(ax - bx) + 2 * reach, std::abs(ay - by) + 2 * reach};
}

bool Line::property(std::string_view prop, Value& out) const {
    if (prop == "X1") out = Value::single(x1_);
    else if (prop == "Y1") out = Value::single(y1_);
    else if (prop == "X2") out = Value::single(x2_);
    else if (prop == "Y2") out = Value::single(y2_);
    else if (prop == "BorderWidth") out = Value::integer(borderWidth_);
    else if (prop == "BorderColor") out = Value::color(borderColor_);
    else if (prop == "Visible") out = Value::boolean(visible_);
    else return false;
    return true;
}

std::vector<std::string> Line::propertyNames() const {
    return {"Visible", "X1", "Y1", "X2", "Y2", "BorderWidth", "BorderColor"};
}

void Line::copyPropertiesFrom(const Control& other) {
    Control::copyPropertiesFrom(other);
    if (auto* o = dynamic_cast<const Line*>(&other)) {
        x1_ = o->x1_;
        y1_ = o->y1_;
        x2_ = o->x2_;
        y2_ = o->y2_;
        borderWidth_ = o->borderWidth_;
        borderColor_ = o->borderColor_;
    }
    changed();
}

}  // namespace rt
