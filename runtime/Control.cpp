#include "runtime/Control.h"

#include <algorithm>

#include "runtime/Application.h"
#include "runtime/Container.h"
#include "runtime/Window.h"

namespace rt {

RectF RectF::intersected(const RectF& o) const {
    double l = std::max(x, o.x), t = std::max(y, o.y);
    double r = std::min(x + w, o.x + o.w), b = std::min(y + h, o.y + o.h);
    return RectF{l, t, std::max(0.0, r - l), std::max(0.0, b - t)};
}

Control::Control(Kind kind, Container* parent, std::string name, int index)
    : kind_(kind), parent_(parent), window_(parent ? parent->window_ : nullptr), name_(std::move(name)),
      index_(index) {
    if (parent_) {
        parent_->addChild(this);
        attached_ = true;
        if (index_ < 0 && window_) window_->registerControl(*this);
    }
}

Control::~Control() {
    if (parent_ && attached_) parent_->removeChild(this);
    if (window_ && kind_ != Kind::Window) window_->app().mouse().forget(this);
}

std::string Control::fullName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    setWidth(width);
    setHeight(height);
    changed();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void Control::setEnabled(bool v) {
    enabled_ = v;
    changed();
}

bool Control::shownOnScreen() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool Control::takesMouse() const { return enabled_; }

RectF Control::windowRect() const {
    if (!parent_) return RectF{0, 0, width_, height_};
    return RectF{parent_->toWindowX(left_), parent_->toWindowY(top_), width_ * parent_->twipsPerUnitX(),
                 height_ * parent_->twipsPerUnitY()};
}

void Control::ZOrder(int position) {
    if (parent_) parent_->raise(this, position == 0);
}

void Control::changed() const {
    if (window_) window_->invalidate();
}

bool Control::property(std::string_view prop, Value& out) const {
    if (prop == "Visible") out = Value::boolean(visible_);
    else if (prop == "Left") out = Value::single(left_);
    else if (prop == "Top") out = Value::single(top_);
    else if (prop == "Width") out = Value::single(width_);
    else if (prop == "Height") out = Value::single(height_);
    else if (prop == "MousePointer") out = Value::pointer(pointer_);
    else if (prop == "Enabled") out = Value::boolean(enabled_);
    else return false;
    return true;
}

std::vector<std::string> Control::propertyNames() const {
    return {"Visible", "Left", "Top", "Width", "Height", "MousePointer"};
}

void Control::copyPropertiesFrom(const Control& o) {
    left_ = o.left_;
    top_ = o.top_;
    width_ = o.width_;
    height_ = o.height_;
    visible_ = o.visible_;
    enabled_ = o.enabled_;
    pointer_ = o.pointer_;
    changed();
}

}  // namespace rt
