#include "runtime/Label.h"

#include <cmath>

#include "runtime/Application.h"
#include "runtime/Container.h"
#include "runtime/TextMeasurer.h"
#include "runtime/Window.h"

namespace rt {

void Label::setCaption(std::string c) {
    if (c != caption_) {
        reshape([&] {
            caption_ = std::move(c);
            fit();
        });
        return;
    }
    // The same caption is fitted again (a width set since gives way to it), and only a size
    // that changed repaints.
    const RectF before = shownRect();
    const float w = width_, h = height_;
    fit();
    if (width_ == w && height_ == h) return;
    repaint(before);
    changed();
}

void Label::setFont(Font f) {
    reshape([&] {
        font_ = std::move(f);
        fit();
    });
}

void Label::setAutoSize(bool a) {
    reshape([&] {
        autoSize_ = a;
        fit();
    });
}

RectF Label::drawnRect() const {
    if (caption_.empty() && transparent_) return RectF{};
    constexpr double kSlack = 2 * kTwipsPerPixel;
    RectF r = windowRect();
    if (!autoSize_ && !caption_.empty() && window_) {  // a caption wider than the label spills right
        const double wide = std::ceil(window_->app().text().widthPx(font_, caption_)) * kTwipsPerPixel;
        r.w = std::max(r.w, wide);
    }
    return r.adjusted(-kSlack, -kSlack, kSlack, kSlack);
}

// An auto-sized label is as wide as its caption and as high as one line of its font, in
// whole pixels of the reference screen, expressed in its container's units.
void Label::fit() {
    if (!autoSize_ || !parent_ || !window_) return;
    const TextMeasurer& m = window_->app().text();
    const double wPx = std::ceil(m.widthPx(font_, caption_));
    const double hPx = std::ceil(m.heightPx(font_));
    width_ = static_cast<float>(parent_->twipsToUnitsX(wPx * kTwipsPerPixel));
    height_ = static_cast<float>(parent_->twipsToUnitsY(hPx * kTwipsPerPixel));
}

bool Label::property(std::string_view prop, Value& out) const {
    if (prop == "Caption") out = Value::string(caption_);
    else if (prop == "ForeColor") out = Value::color(foreColor_);
    else return Control::property(prop, out);
    return true;
}

std::vector<std::string> Label::propertyNames() const {
    auto v = Control::propertyNames();
    v.push_back("Caption");
    v.push_back("ForeColor");
    return v;
}

void Label::copyPropertiesFrom(const Control& other) {
    Control::copyPropertiesFrom(other);
    if (auto* o = dynamic_cast<const Label*>(&other)) {
        caption_ = o->caption_;
        font_ = o->font_;
        foreColor_ = o->foreColor_;
        backColor_ = o->backColor_;
        transparent_ = o->transparent_;
        autoSize_ = o->autoSize_;
    }
    changed();
}

}  // namespace rt
