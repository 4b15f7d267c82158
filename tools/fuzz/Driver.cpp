#include "tools/fuzz/Driver.h"

#include "runtime/MouseRouter.h"
#include "runtime/Value.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "shell/Program.h"

namespace fuzz {

rt::Window* shownWindow(Program& p) {
    for (const char* name : {"Oscillo", "Chargedecharge"}) {
        rt::Window* w = p.app().existing(name);
        if (w && w->Visible()) return w;
    }
    return nullptr;
}

Event spotOn(Program& p, const char* window, const char* control, int index, double fx, double fy,
             bool units) {
    rt::Window& w = p.app().window(window);
    rt::Control* c = index < 0 ? w.findControl(control) : w.findArray(control)->find(index);
    Event e;
    if (units) {
        rt::eventToWindow(*c, static_cast<float>(fx), static_cast<float>(fy), e.x, e.y);
    } else {
        const rt::RectF r = c->windowRect();
        e.x = r.x + r.w * fx;
        e.y = r.y + r.h * fy;
    }
    return e;
}

Driver::Atom Driver::aimed(Atom::Kind k, rt::Control& c, double x, double y, int button, int shift) {
    const rt::EventPoint p = rt::windowToEvent(c, x, y);
    const bool free = program_.app().mouse().captured() != &c;
    return Atom{k, &c, p.x, p.y, button, shift, !free || rt::unreachableReason(c, p.x, p.y).empty()};
}

// A press goes to the control holding the pointer, else to the one under it, which it captures.
void Driver::press(rt::Window& w, const Event& e, bool doubleClick, std::vector<Atom>& out) {
    rt::MouseRouter& mouse = program_.app().mouse();
    if (rt::Control* held = mouse.captured()) {
        out.push_back(aimed(Atom::Kind::Down, *held, e.x, e.y, e.button, e.shift));
    } else {
        rt::Control& c = *rt::hitTest(w, e.x, e.y);
        out.push_back(
            aimed(doubleClick ? Atom::Kind::DblClick : Atom::Kind::Down, c, e.x, e.y, e.button, e.shift));
        pressWasDouble_ = doubleClick;
    }
    mouse.pointerPress(w, e.x, e.y, e.button, e.shift, doubleClick);
}

// The release of a held button raises MouseUp on the captured control; the release of the last
// one ends the capture and raises Click too when the pointer is still over the control and the
// press was not the second of a double-click.
void Driver::release(rt::Window& w, const Event& e, std::vector<Atom>& out) {
    rt::MouseRouter& mouse = program_.app().mouse();
    rt::Control* held = mouse.captured();
    if (!held || !(mouse.heldButtons() & e.button)) {
        mouse.pointerRelease(w, e.x, e.y, e.button, e.shift);
        return;
    }
    const bool same = held->window() == &w && rt::hitTest(w, e.x, e.y) == held;
    const bool clicks = same && !pressWasDouble_ && held->onClick;
    out.push_back(aimed(Atom::Kind::Up, *held, e.x, e.y, e.button, e.shift));
    mouse.pointerRelease(w, e.x, e.y, e.button, e.shift);
    if (!mouse.captured() && clicks) out.push_back(Atom{Atom::Kind::Click, held});
}

void Driver::move(rt::Window& w, const Event& e, std::vector<Atom>& out) {
    rt::MouseRouter& mouse = program_.app().mouse();
    rt::Control* held = mouse.captured();
    rt::Control& c = held ? *held : *rt::hitTest(w, e.x, e.y);
    if (c.onMouseMove) out.push_back(aimed(Atom::Kind::Move, c, e.x, e.y, held ? e.button : 0, e.shift));
    mouse.pointerMove(w, e.x, e.y, e.button, e.shift);
}

std::string Driver::line(const Atom& a, const char* command) {
    const rt::Window* w = a.control->window();
    const std::string name = a.control == w ? w->name() : w->name() + "." + a.control->fullName();
    const std::string at = " " + name + " " + rt::shortestSingle(a.x) + " " + rt::shortestSingle(a.y);
    if (!a.reachable) exact_ = false;
    if (command) return command + at;
    // Appended piece by piece: `" " + std::to_string(...)` makes GCC 12 at -O3 report a false
    // -Wrestrict inside std::string's insert, for a C string placed before a temporary string.
    std::string bs = " ";
    bs += std::to_string(a.button);
    bs += ' ';
    bs += std::to_string(a.shift);
    switch (a.kind) {
        case Atom::Kind::Move:
            return "move" + at + bs;
        case Atom::Kind::Down:
            return "down" + at + bs;
        case Atom::Kind::Up:
            return "up" + at + bs;
        default:
            exact_ = false;
            return "# no scenario line: a lone Click or DblClick on " + name;
    }
}

// Writes the atoms of one event. A press and release at one spot with the left button alone,
// with their Click (and the DblClick and release after), are the runner's `click` (`dblclick`).
void Driver::write(const std::vector<Atom>& a, bool asClick, bool asDblClick) {
    using K = Atom::Kind;
    auto matches = [&](std::initializer_list<K> pattern) {
        if (a.size() != pattern.size()) return false;
        size_t i = 0;
        for (K k : pattern) {
            const Atom& x = a[i++];
            if (x.kind != k || x.control != a[0].control) return false;
            if (k != K::Click && (x.x != a[0].x || x.y != a[0].y || x.button != 1 || x.shift != 0))
                return false;
        }
        return true;
    };
    const bool clicks = !a.empty() && a[0].control->onClick;
    if (asClick && (clicks ? matches({K::Down, K::Up, K::Click}) : matches({K::Down, K::Up}))) {
        lines_.push_back(line(a[0], "click"));
        return;
    }
    if (asDblClick && (clicks ? matches({K::Down, K::Up, K::Click, K::DblClick, K::Up})
                              : matches({K::Down, K::Up, K::DblClick, K::Up}))) {
        lines_.push_back(line(a[0], "dblclick"));
        return;
    }
    for (const Atom& x : a) lines_.push_back(line(x));
}

void Driver::apply(const Event& e) {
    if (e.kind == Event::Kind::Wait) {
        clock_.advance(std::chrono::milliseconds(e.ms));
        lines_.push_back("wait " + std::to_string(e.ms));
        return;
    }
    rt::Window* w = shownWindow(program_);
    if (!w) return;
    std::vector<Atom> atoms;
    switch (e.kind) {
        case Event::Kind::Move:
            move(*w, e, atoms);
            break;
        case Event::Kind::Press:
            press(*w, e, false, atoms);
            break;
        case Event::Kind::Release:
            release(*w, e, atoms);
            break;
        case Event::Kind::Click:
        case Event::Kind::DblClick: {
            const bool wasCaptured = program_.app().mouse().captured() != nullptr;
            Event b = e;
            b.button = 1;
            b.shift = 0;
            press(*w, b, false, atoms);
            release(*w, b, atoms);
            if (e.kind == Event::Kind::DblClick) {
                press(*w, b, true, atoms);
                release(*w, b, atoms);
            }
            write(atoms, !wasCaptured && e.kind == Event::Kind::Click,
                  !wasCaptured && e.kind == Event::Kind::DblClick);
            return;
        }
        default:
            break;
    }
    write(atoms, false, false);
}

}  // namespace fuzz
