#pragma once
// A label: caption, font and colour fixed at design time, transparent or filled background,
// sized to its caption when auto-size is on. Text is measured through the application's
// TextMeasurer so the width is the same on screen and headless.

#include <string>

#include "runtime/Color.h"
#include "runtime/Control.h"

namespace rt {

struct Font {
    std::string family = "Arial";
    float pointSize = 8.25f;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

class Label : public Control {
public:
    Label(Container* parent, std::string name, int index = -1)
        : Control(Kind::Label, parent, std::move(name), index) {}

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string c);

    const Font& font() const { return font_; }
    void setFont(Font f);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c) { restyle(foreColor_, c); }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) { restyle(transparent_, t); }
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c) { restyle(backColor_, c); }
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a);

    // Its rectangle and two pixels around it: a caption's glyphs may reach a little outside
    // the width measured for it, and further when the caption is wider than a fixed size.
    RectF drawnRect() const override;

    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;
    void copyPropertiesFrom(const Control& other) override;

private:
    void fit();

    std::string caption_;
    Font font_;
    Color foreColor_{0, 0, 0};
    Color backColor_{255, 255, 255};
    bool transparent_ = true;
    bool autoSize_ = true;
};

}  // namespace rt
