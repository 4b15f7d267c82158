#pragma once
// The mouse event sequence of the windows: MouseMove with or without a button, MouseDown,
// MouseUp, Click when the press and the release fall on the same control, and a double-click
// as MouseDown, MouseUp, Click, DblClick, MouseUp (the second press raises DblClick instead
// of MouseDown). After a MouseDown the pressed control captures the pointer: moves, further
// presses and the releases go to it until the last held button is let go. Each button's
// release is its own MouseUp with that button; the Click comes once, after the last one. A
// lost capture ends the press with a MouseUp for each button still held. An event goes to the
// topmost control under the pointer that takes the mouse, never on to its container.

#include <string>

#include "runtime/Control.h"

namespace rt {

class Window;

// X, Y as a control's handler receives them: relative to its top-left corner, in its own
// user scale when it is a container with one, otherwise in twips.
struct EventPoint {
    float x = 0, y = 0;
};

// Topmost control of `w` that takes the mouse at (x, y) window twips: the window itself when
// no control is there. Shown controls only, clipped by their containers.
Control* hitTest(const Window& w, double x, double y);
// A point in the control's event units to window twips, and back.
void eventToWindow(const Control& c, float x, float y, double& wx, double& wy);
EventPoint windowToEvent(const Control& c, double wx, double wy);
// Why an event at (x, y) in the control's event units could not reach it: empty when it can.
// Otherwise names what is there instead (or that the control or a container is hidden).
std::string unreachableReason(const Control& c, float x, float y);

class MouseRouter {
public:
    // Pointer input in window twips, as the binding reports it. `buttons` is the set held.
    void pointerMove(Window& w, double x, double y, int buttons, int shift);
    void pointerPress(Window& w, double x, double y, int button, int shift, bool doubleClick);
    void pointerRelease(Window& w, double x, double y, int button, int shift);
    // The press lost its capture (focus taken away mid-hold): end it with a MouseUp.
    void captureLost();

    // Direct delivery to a control with coordinates in its event units (the scenario runner,
    // after checking the control is reachable). Down captures, or adds its button to the press
    // the control holds; Up lets its button go and ends the capture with the last one.
    void down(Control& c, int button, int shift, float x, float y);
    void up(Control& c, int button, int shift, float x, float y);
    void moveTo(Control& c, int button, int shift, float x, float y);
    void click(Control& c);
    void dblClick(Control& c);

    Control* captured() const { return captured_; }
    // The buttons held on the captured control (1, 2, 4 combined).
    int heldButtons() const { return heldButtons_; }
    // The pointer shown over (x, y): the cursor of the captured control, else of the control
    // under the pointer, else of its containers, else of the window; none for the default.
    PictureRef cursorAt(const Window& w, double x, double y) const;

    // A control is going away: forget it.
    void forget(const Control* c);

private:
    void beginPress(Control& c, int button, bool doubleClick);
    // Lets `button` go; true when it was the last one held, which ends the capture.
    bool letGo(int button);

    Control* captured_ = nullptr;
    int heldButtons_ = 0;  // the set of buttons held on the captured control (1, 2, 4)
    bool pressWasDouble_ = false;
    double lastX_ = 0, lastY_ = 0;
};

}  // namespace rt
