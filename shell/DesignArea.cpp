#include "shell/DesignArea.h"

#include <algorithm>

#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "shell/Program.h"

namespace {

struct Extent {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
    void add(const rt::RectF& r) {
        if (r.isEmpty()) return;
        if (empty) {
            *this = Extent{r.x, r.y, r.x + r.w, r.y + r.h, false};
            return;
        }
        left = std::min(left, r.x);
        top = std::min(top, r.y);
        right = std::max(right, r.x + r.w);
        bottom = std::max(bottom, r.y + r.h);
    }
    rt::RectF rect() const { return empty ? rt::RectF{} : rt::RectF{left, top, right - left, bottom - top}; }
};

// The control's rectangle as far as its containers let it show.
rt::RectF shownRect(const rt::Control& c) {
    rt::RectF r = c.windowRect();
    for (const rt::Container* k = c.parent(); k && k->parent(); k = k->parent())
        r = r.intersected(k->windowRect());
    return r;
}

void addControls(Extent& e, const rt::Container& c) {
    for (const rt::Control* k : c.children()) {
        e.add(shownRect(*k));
        if (k->kind() == rt::Control::Kind::Container) addControls(e, static_cast<const rt::Container&>(*k));
    }
}

}  // namespace

rt::RectF designArea(const rt::Window& w) {
    Extent e;
    const rt::PictureRef pic = w.Picture();
    if (!pic.isNone() && pic.list->has(pic.index)) {
        const rt::PictureInfo& info = pic.list->at(pic.index);
        e.add(rt::RectF{0, 0, info.width * rt::kTwipsPerPixel, info.height * rt::kTwipsPerPixel});
    }
    addControls(e, w);
    return e.rect();
}

rt::RectF instrumentsDesignArea(const rt::TextMeasurer& text) {
    rt::VirtualClock clock;
    Program scratch(clock, text);
    Extent e;
    for (const char* name : {"Chargedecharge", "Oscillo"}) e.add(designArea(scratch.app().window(name)));
    return e.rect();
}
