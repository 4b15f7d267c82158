#pragma once
// A shape, used as a small filled circle (the trace dots): outline width and colour, fill
// colour. Shapes let the pointer through.

#include "runtime/Color.h"
#include "runtime/Control.h"

namespace rt {

class Shape : public Control {
public:
    enum class Form { Rectangle, Circle };

    Shape(Container* parent, std::string name, int index = -1)
        : Control(Kind::Shape, parent, std::move(name), index) {}

    Form form() const { return form_; }
    void setForm(Form f) { restyle(form_, f); }
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w) { reshape(borderWidth_, w); }
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c) { restyle(borderColor_, c); }
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color c) { restyle(fillColor_, c); }
    bool filled() const { return filled_; }
    void setFilled(bool f) { restyle(filled_, f); }

    bool takesMouse() const override { return false; }
    // Its rectangle with the outline, laid on its edge, reaching out by half its width.
    RectF drawnRect() const override;
    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;
    void copyPropertiesFrom(const Control& other) override;

private:
    Form form_ = Form::Circle;
    int borderWidth_ = 1;
    Color borderColor_{0, 255, 0};
    Color fillColor_{0, 255, 0};
    bool filled_ = true;
};

}  // namespace rt
