#include "tools/fuzz/Generator.h"

#include <cmath>

#include "runtime/MouseRouter.h"
#include "runtime/Window.h"
#include "shell/Program.h"

namespace fuzz {
namespace {

// The part of the control that the pointer can reach: its rectangle cut by its containers'.
rt::RectF visibleRect(const rt::Control& c) {
    rt::RectF r = c.windowRect();
    for (const rt::Container* k = c.parent(); k && k != c.window(); k = k->parent())
        r = r.intersected(k->windowRect());
    return r;
}

}  // namespace

// The controls that may take the mouse, once per window (the dots created later never do).
const std::vector<rt::Control*>& Generator::pointable(rt::Window& w) {
    auto it = pointable_.find(&w);
    if (it != pointable_.end()) return it->second;
    std::vector<rt::Control*> v;
    for (rt::Control* c : w.allControls())
        if (c->takesMouse()) v.push_back(c);
    return pointable_.emplace(&w, std::move(v)).first->second;
}

int Generator::waitMs() {
    const int r = pick(10);
    if (r < 6) return pick(301);
    if (r < 9) return 300 + pick(2701);
    return 3000 + pick(57001);
}

void Generator::aim(Program&, rt::Window& w, Event& e) {
    const rt::RectF win{0, 0, w.Width(), w.Height()};
    if (held_ && chance(0.15)) {  // dragged far outside the window
        e.x = uniform(-400000, 400000);
        e.y = uniform(-400000, 400000);
        return;
    }
    // The circuit switch's contacts are small: aim at them now and then, or few runs would record.
    rt::Control* schema = w.findControl("schema");
    if (schema && schema->shownOnScreen() && chance(0.08)) {
        const float x = static_cast<float>(chance(0.5) ? uniform(43.6, 46.4) : uniform(60.6, 63.4));
        rt::eventToWindow(*schema, x, static_cast<float>(uniform(3.1, 4.9)), e.x, e.y);
        return;
    }
    const int how = pick(10);
    if (how < 2) {  // anywhere on the window, often its background
        e.x = uniform(win.x, win.x + win.w);
        e.y = uniform(win.y, win.y + win.h);
        return;
    }
    std::vector<rt::Control*> shown;
    for (rt::Control* c : pointable(w))
        if (c->shownOnScreen() && !visibleRect(*c).isEmpty()) shown.push_back(c);
    if (shown.empty()) return;
    const rt::RectF r = visibleRect(*shown[static_cast<size_t>(pick(static_cast<int>(shown.size())))]);
    e.x = uniform(r.x, r.x + r.w);
    e.y = uniform(r.y, r.y + r.h);
    if (how < 6) return;
    if (how < 8) {  // the middle, where a knob changes direction
        e.x = r.x + r.w / 2;
        return;
    }
    // An exact edge: the first twip inside, or the first outside.
    const double edges[] = {r.x, r.x + r.w, std::nextafter(r.x + r.w, r.x)};
    const double tops[] = {r.y, r.y + r.h, std::nextafter(r.y + r.h, r.y)};
    if (chance(0.5))
        e.x = edges[pick(3)];
    else
        e.y = tops[pick(3)];
}

Event Generator::next(Program& p) {
    Event e;
    rt::Window* w = shownWindow(p);
    const int r = pick(100);
    if (!w || r < 15) {
        e.kind = Event::Kind::Wait;
        e.ms = waitMs();
        return e;
    }
    aim(p, *w, e);
    e.shift = chance(0.8) ? 0 : pick(8);
    if (r < 50) {
        e.kind = Event::Kind::Move;
        e.button = held_;
    } else if ((r < 68 && held_ != 7) || (held_ == 0 && r < 80)) {
        e.kind = Event::Kind::Press;
        do e.button = 1 << pick(3);
        while (held_ & e.button);
        held_ |= e.button;
    } else if (held_) {
        e.kind = Event::Kind::Release;
        do e.button = 1 << pick(3);
        while (!(held_ & e.button));
        held_ &= ~e.button;
    } else {
        e.kind = r < 96 ? Event::Kind::Click : Event::Kind::DblClick;
    }
    return e;
}

}  // namespace fuzz

namespace fuzz {
namespace {}  // namespace

void Generator::readyToRecord(Program& p, const std::function<void(const Event&)>& apply) {
    using K = Event::Kind;
    auto act = [&](Event e, K kind, int ms = 0) {
        e.kind = kind;
        e.button = kind == K::Move ? 0 : 1;
        e.ms = ms;
        apply(e);
    };
    auto click = [&](const char* window, const char* control, int index = -1) {
        act(spotOn(p, window, control, index, 0.5, 0.5), K::Click);
    };
    // Turns a knob up by `steps`, one every 200 ms.
    auto turnUp = [&](const char* control, int index, int steps) {
        const Event at = spotOn(p, "Chargedecharge", control, index, 0.75, 0.5);
        act(at, K::Press);
        act(at, K::Wait, 200 * steps + 50);
        act(at, K::Release);
    };
    auto onSchematic = [&](double x, double y) {
        act(spotOn(p, "Oscillo", "schema", -1, x, y, true), K::Click);
    };
    click("Chargedecharge", "powerctl");
    turnUp("genectl", -1, 1 + pick(15));
    turnUp("RCtl", 1 + pick(4), 1 + pick(10));
    turnUp("Cctl", 1 + pick(6), 1 + pick(10));
    act(spotOn(p, "Chargedecharge", "Oscilloaffich", -1, 0.5, 0.5), K::Move);
    click("Chargedecharge", "Oscilloaffich");
    click("Oscillo", "Powerclick");
    click("Oscillo", "R1");
    onSchematic(53.5, 51.5);  // A
    click("Oscillo", "R2");
    onSchematic(53.5, 10.5);  // D
    click("Oscillo", "N1");
    onSchematic(53.5, 92.5);  // B
    click("Oscillo", "CloseSh");
    for (const char* ch : {"1", "2"}) {  // each channel off GND onto DC
        click("Oscillo", ch[0] == '1' ? "GND1" : "GND2");
        act(spotOn(p, "Oscillo", ch[0] == '1' ? "DCV1" : "DCV2", -1, 0.5, 0.5), K::Move);
        click("Oscillo", ch[0] == '1' ? "DCV1" : "DCV2");
    }
    click("Oscillo", "Stor");
    click("Oscillo", "Reset");
    click("Oscillo", "Schemvisi");
    if (chance(0.5)) onSchematic(45, 4);  // the switch to charge: a recording
}

}  // namespace fuzz
