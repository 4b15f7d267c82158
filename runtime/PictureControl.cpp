#include "runtime/PictureControl.h"

#include "runtime/Container.h"

namespace rt {

void PictureControl::setPicture(PictureRef p) {
    picture_ = p;
    if (autoSize_ && !p.isNone() && parent_ && p.list->has(p.index)) {
        const PictureInfo& info = p.list->at(p.index);
        width_ = static_cast<float>(parent_->twipsToUnitsX(info.width * kTwipsPerPixel));
        height_ = static_cast<float>(parent_->twipsToUnitsY(info.height * kTwipsPerPixel));
    }
    changed();
}

bool PictureControl::property(std::string_view prop, Value& out) const {
    if (prop == "Picture") {
        out = Value::picture(picture_);
        return true;
    }
    return Control::property(prop, out);
}

std::vector<std::string> PictureControl::propertyNames() const {
    auto v = Control::propertyNames();
    v.push_back("Picture");
    return v;
}

void PictureControl::copyPropertiesFrom(const Control& other) {
    Control::copyPropertiesFrom(other);
    if (auto* o = dynamic_cast<const PictureControl*>(&other)) {
        picture_ = o->picture_;
        autoSize_ = o->autoSize_;
    }
}

}  // namespace rt
