#include "runtime/Shape.h"

namespace rt {

RectF Shape::drawnRect() const {
    const double reach = reachTwips(borderWidth_);
    return windowRect().adjusted(-reach, -reach, reach, reach);
}

bool Shape::property(std::string_view prop, Value& out) const {
    if (prop == "BorderWidth") out = Value::integer(borderWidth_);
    else if (prop == "BorderColor") out = Value::color(borderColor_);
    else if (prop == "FillColor") out = Value::color(fillColor_);
    else return Control::property(prop, out);
    return true;
}

std::vector<std::string> Shape::propertyNames() const {
    auto v = Control::propertyNames();
    v.pop_back();  // a shape takes no mouse: no pointer to list
    for (const char* n : {"BorderWidth", "BorderColor", "FillColor"}) v.push_back(n);
    return v;
}

void Shape::copyPropertiesFrom(const Control& other) {
    Control::copyPropertiesFrom(other);
    if (auto* o = dynamic_cast<const Shape*>(&other)) {
        form_ = o->form_;
        borderWidth_ = o->borderWidth_;
        borderColor_ = o->borderColor_;
        fillColor_ = o->fillColor_;
        filled_ = o->filled_;
    }
    changed();
}

}  // namespace rt
