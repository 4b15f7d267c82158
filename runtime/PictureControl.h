#pragma once
// A picture control: shows a picture of a list from its top-left corner and takes its size
// (unless auto-size is off, then the picture is drawn at the top-left of a fixed area). One
// without a picture is a transparent hit area that still takes the mouse.

#include "runtime/Control.h"

namespace rt {

class PictureControl : public Control {
public:
    PictureControl(Container* parent, std::string name, int index = -1)
        : Control(Kind::Picture, parent, std::move(name), index) {}

    PictureRef Picture() const { return picture_; }
    void setPicture(PictureRef p);
    void setPicture(const PictureList& list, int n) { setPicture(PictureRef{&list, n}); }
    void clearPicture() { setPicture(PictureRef{}); }

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a) { autoSize_ = a; }

    // Its area, and the picture's where it reaches outside it (auto-size off); nothing when
    // it has no picture.
    RectF drawnRect() const override;
    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;
    void copyPropertiesFrom(const Control& other) override;

private:
    PictureRef picture_;
    bool autoSize_ = true;
};

}  // namespace rt
