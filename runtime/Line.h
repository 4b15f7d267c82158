#pragma once
// A line from (X1, Y1) to (X2, Y2) in its container's units, with a colour and a width. Lines
// let the pointer through.

#include "runtime/Color.h"
#include "runtime/Control.h"

namespace rt {

class Line : public Control {
public:
    Line(Container* parent, std::string name, int index = -1)
        : Control(Kind::Line, parent, std::move(name), index) {}

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(float v) { reshape(x1_, v); }
    void setY1(float v) { reshape(y1_, v); }
    void setX2(float v) { reshape(x2_, v); }
    void setY2(float v) { reshape(y2_, v); }
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w) { reshape(borderWidth_, w); }
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c) { restyle(borderColor_, c); }

    bool takesMouse() const override { return false; }
    // From one end to the other, widened by half the width (and a pixel) all round.
    RectF drawnRect() const override;
    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;
    void copyPropertiesFrom(const Control& other) override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int borderWidth_ = 1;
    Color borderColor_{0, 255, 0};
};

}  // namespace rt
