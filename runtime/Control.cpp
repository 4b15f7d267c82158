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

RectF RectF::united(const RectF& o) const {
    if (o.isEmpty()) return *this;
    if (isEmpty()) return o;
    double l = std::min(x, o.x), t = std::min(y, o.y);
    double r = std::max(x + w, o.x + o.w), b = std::max(y + h, o.y + o.h);
    return RectF{l, t, r - l, b - t};
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

void Control::move(float left, float top) {
    if (left_ == left && top_ == top) {
        left_ = left;
        top_ = top;
        return;
    }
    reshape([&] {
        left_ = left;
        top_ = top;
    });
}

void Control::move(float left, float top, float width, float height) {
    reshape([&] {
        left_ = left;
        top_ = top;
        setWidth(width);
        setHeight(height);
    });
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    reshape([&] { visible_ = v; });
}

// Being enabled changes how a control takes the mouse, not how it looks.
void Control::setEnabled(bool v) {
    enabled_ = v;
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

RectF Control::drawnRect() const {
    if (kind_ == Kind::Timer || kind_ == Kind::StatusBar) return RectF{};
    return windowRect();
}

// Hidden ones are found first and cheaply: a recording lays its dots hidden, then shows them.
RectF Control::shownRect() const {
    if (!visible_) return RectF{};
    if (!parent_) return drawnRect();
    return parent_->shownInside(drawnRect());
}

double Control::reachTwips(int widthPx) {
    return (std::max(0, widthPx) / 2.0 + 1.0) * kTwipsPerPixel;
}

void Control::ZOrder(int position) {
    if (parent_) parent_->raise(this, position == 0);
}

void Control::changed() const {
    if (!window_) return;
    if (kind_ == Kind::Window) {
        window_->invalidate();
        return;
    }
    repaint(shownRect());
}

void Control::repaint(const RectF& twips) const {
    if (window_ && !twips.isEmpty()) window_->invalidate(twips);
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

// What it showed is marked here; what it shows is marked again by each kind once its own
// properties are copied too.
void Control::copyPropertiesFrom(const Control& o) {
    reshape([&] {
        left_ = o.left_;
        top_ = o.top_;
        width_ = o.width_;
        height_ = o.height_;
        visible_ = o.visible_;
        enabled_ = o.enabled_;
        pointer_ = o.pointer_;
    });
}

void Control::setSizedPicture(PictureRef& slot, PictureRef p, bool autoSize) {
    float w = width_, h = height_;
    if (autoSize && !p.isNone() && parent_ && p.list->has(p.index)) {
        const PictureInfo& info = p.list->at(p.index);
        w = static_cast<float>(parent_->twipsToUnitsX(info.width * kTwipsPerPixel));
        h = static_cast<float>(parent_->twipsToUnitsY(info.height * kTwipsPerPixel));
    }
    if (p == slot && w == width_ && h == height_) {
        width_ = w;  // as computed (a -0 becomes 0), though nothing shows the difference
        height_ = h;
        return;
    }
    reshape([&] {
        slot = p;
        width_ = w;
        height_ = h;
    });
}

}  // namespace rt
