#include "runtime/Window.h"

#include "runtime/Application.h"
#include "runtime/ControlArrayBase.h"

namespace rt {

Window::Window(Application& app, std::string name) : Container(Kind::Window, nullptr, std::move(name), -1), app_(app) {
    window_ = this;
    visible_ = false;
}

Window::~Window() = default;

void Window::setWindowState(WindowState s) {
    state_ = s;
    if (s == WindowState::Maximized && app_.mdiClientArea) {
        const RectF r = app_.mdiClientArea();
        left_ = static_cast<float>(r.x);
        top_ = static_cast<float>(r.y);
        width_ = static_cast<float>(r.w);
        height_ = static_cast<float>(r.h);
    }
    notify();
}

void Window::Show() {
    const bool was = visible_;
    visible_ = true;
    if (!was) notify();
    app_.activate(*this);
    invalidate();
}

void Window::Hide() {
    if (!visible_) return;
    visible_ = false;
    app_.deactivate(*this);
    notify();
}

void Window::setVisible(bool v) {
    if (v) Show();
    else Hide();
}

void Window::registerControl(Control& c) {
    controls_[c.name()] = &c;
    order_.emplace_back(c.name(), &c);
}

void Window::registerArray(ControlArrayBase& a) {
    arrays_[a.name()] = &a;
    order_.emplace_back(a.name(), nullptr);
}

Control* Window::findControl(const std::string& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

ControlArrayBase* Window::findArray(const std::string& name) const {
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : it->second;
}

std::vector<Control*> Window::allControls() const {
    std::vector<Control*> v;
    for (auto& [n, c] : order_) {
        if (c) {
            v.push_back(c);
        } else if (ControlArrayBase* a = findArray(n)) {
            for (Control* e : a->elements()) v.push_back(e);
        }
    }
    return v;
}

void Window::invalidate() const {
    if (onInvalidate) onInvalidate(nullptr);
}

void Window::invalidate(const RectF& part) const {
    if (onInvalidate) onInvalidate(&part);
}

void Window::notify() const {
    if (onWindowChanged) onWindowChanged();
}

bool Window::property(std::string_view prop, Value& out) const {
    if (prop == "Caption") out = Value::string(caption_);
    else if (prop == "WindowState") out = Value::windowState(state_);
    else return Container::property(prop, out);
    return true;
}

std::vector<std::string> Window::propertyNames() const {
    return {"Visible", "Caption", "Left", "Top", "Width", "Height", "Picture", "MousePointer", "WindowState"};
}

}  // namespace rt
