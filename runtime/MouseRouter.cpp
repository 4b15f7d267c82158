#include "runtime/MouseRouter.h"

#include "runtime/Container.h"
#include "runtime/Window.h"

namespace rt {
namespace {

Control* hitIn(const Container& c, double x, double y) {
    const auto& kids = c.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* k = *it;
        if (!k->Visible() || !k->takesMouse()) continue;
        if (!k->windowRect().contains(x, y)) continue;
        if (k->kind() == Control::Kind::Container) {
            Control* inner = hitIn(static_cast<const Container&>(*k), x, y);
            return inner ? inner : k;
        }
        return k;
    }
    return nullptr;
}

const Container* asScaledContainer(const Control& c) {
    if (c.kind() != Control::Kind::Container && c.kind() != Control::Kind::Window) return nullptr;
    const auto& k = static_cast<const Container&>(c);
    return k.scale() ? &k : nullptr;
}

void fire(const MouseHandler& h, int button, int shift, EventPoint p) {
    if (h) h(button, shift, p.x, p.y);
}

}  // namespace

Control* hitTest(const Window& w, double x, double y) {
    Control* c = hitIn(w, x, y);
    return c ? c : const_cast<Window*>(&w);
}

void eventToWindow(const Control& c, float x, float y, double& wx, double& wy) {
    if (const Container* k = asScaledContainer(c)) {
        wx = k->toWindowX(x);
        wy = k->toWindowY(y);
        return;
    }
    const RectF r = c.windowRect();
    wx = r.x + x;
    wy = r.y + y;
}

EventPoint windowToEvent(const Control& c, double wx, double wy) {
    if (const Container* k = asScaledContainer(c))
        return {static_cast<float>(k->fromWindowX(wx)), static_cast<float>(k->fromWindowY(wy))};
    const RectF r = c.windowRect();
    return {static_cast<float>(wx - r.x), static_cast<float>(wy - r.y)};
}

std::string unreachableReason(const Control& c, float x, float y) {
    const Window* w = c.window();
    if (!w) return c.fullName() + " has no window";
    for (const Control* k = &c; k; k = k->parent()) {
        if (!k->Visible()) return k == &c ? c.fullName() + " is hidden" : k->fullName() + " is hidden";
    }
    if (&c != w && !c.takesMouse()) return c.fullName() + " does not take the mouse";
    double wx, wy;
    eventToWindow(c, x, y, wx, wy);
    for (const Container* k = c.parent(); k && k != w; k = k->parent()) {
        if (!k->windowRect().contains(wx, wy)) return "the point lies outside " + k->fullName();
    }
    if (&c != w && !c.windowRect().contains(wx, wy)) {
        const Control* there = hitTest(*w, wx, wy);
        return "the point lies outside " + c.fullName() + " (" + there->fullName() + " is there)";
    }
    const Control* there = hitTest(*w, wx, wy);
    if (there != &c) return there->fullName() + " is there instead of " + c.fullName();
    return {};
}

void MouseRouter::pointerMove(Window& w, double x, double y, int buttons, int shift) {
    lastX_ = x;
    lastY_ = y;
    if (captured_) {
        fire(captured_->onMouseMove, buttons, shift, windowToEvent(*captured_, x, y));
        return;
    }
    Control* c = hitTest(w, x, y);
    fire(c->onMouseMove, 0, shift, windowToEvent(*c, x, y));
}

void MouseRouter::beginPress(Control& c, int button, bool doubleClick) {
    captured_ = &c;
    heldButtons_ = button;
    pressWasDouble_ = doubleClick;
}

bool MouseRouter::letGo(int button) {
    heldButtons_ &= ~button;
    if (heldButtons_ != 0) return false;
    captured_ = nullptr;
    pressWasDouble_ = false;
    return true;
}

void MouseRouter::pointerPress(Window& w, double x, double y, int button, int shift, bool doubleClick) {
    lastX_ = x;
    lastY_ = y;
    if (captured_) {  // another button while one is held goes to the pressed control
        heldButtons_ |= button;
        fire(captured_->onMouseDown, button, shift, windowToEvent(*captured_, x, y));
        return;
    }
    Control* c = hitTest(w, x, y);
    beginPress(*c, button, doubleClick);
    if (doubleClick) {
        if (c->onDblClick) c->onDblClick();
    } else {
        fire(c->onMouseDown, button, shift, windowToEvent(*c, x, y));
    }
}

void MouseRouter::pointerRelease(Window& w, double x, double y, int button, int shift) {
    lastX_ = x;
    lastY_ = y;
    if (!captured_ || !(heldButtons_ & button)) return;  // a release of no held button
    Control* c = captured_;
    const bool sameControl = c->window() == &w && hitTest(w, x, y) == c;
    const bool wasDouble = pressWasDouble_;
    const EventPoint p = windowToEvent(*c, x, y);
    const bool last = letGo(button);
    fire(c->onMouseUp, button, shift, p);
    if (last && !wasDouble && sameControl && c->onClick) c->onClick();
}

void MouseRouter::captureLost() {
    if (!captured_) return;
    Control* c = captured_;
    const int held = heldButtons_;
    captured_ = nullptr;
    heldButtons_ = 0;
    pressWasDouble_ = false;
    const EventPoint p = windowToEvent(*c, lastX_, lastY_);
    for (int button : {1, 2, 4})
        if (held & button) fire(c->onMouseUp, button, 0, p);
}

void MouseRouter::down(Control& c, int button, int shift, float x, float y) {
    if (captured_ == &c)
        heldButtons_ |= button;
    else
        beginPress(c, button, false);
    fire(c.onMouseDown, button, shift, {x, y});
}

void MouseRouter::up(Control& c, int button, int shift, float x, float y) {
    if (captured_ == &c) letGo(button);
    fire(c.onMouseUp, button, shift, {x, y});
}

void MouseRouter::moveTo(Control& c, int button, int shift, float x, float y) { fire(c.onMouseMove, button, shift, {x, y}); }

void MouseRouter::click(Control& c) {
    if (c.onClick) c.onClick();
}

void MouseRouter::dblClick(Control& c) {
    beginPress(c, 1, true);
    if (c.onDblClick) c.onDblClick();
}

PictureRef MouseRouter::cursorAt(const Window& w, double x, double y) const {
    const Control* c = captured_ ? captured_ : hitTest(w, x, y);
    for (; c; c = c->parent())
        if (!c->MousePointer().isNone()) return c->MousePointer();
    return {};
}

void MouseRouter::forget(const Control* c) {
    if (captured_ != c) return;
    captured_ = nullptr;
    heldButtons_ = 0;
    pressWasDouble_ = false;
}

}  // namespace rt
