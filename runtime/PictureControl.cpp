#include "runtime/PictureControl.h"

#include "runtime/Container.h"

namespace rt {

void PictureControl::setPicture(PictureRef p) {
    setSizedPicture(picture_, p, autoSize_);
}

// One without a picture is a hit area that paints nothing.
RectF PictureControl::drawnRect() const {
    if (picture_.isNone() || !picture_.list->has(picture_.index)) return RectF{};
    const RectF area = windowRect();
    const PictureInfo& info = picture_.list->at(picture_.index);
    return area.united(RectF{area.x, area.y, info.width * kTwipsPerPixel, info.height * kTwipsPerPixel});
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
    changed();
}

}  // namespace rt
