#include "runtime/web/WebFrame.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "runtime/Application.h"
#include "runtime/ControlArrayBase.h"
#include "runtime/MouseRouter.h"
#include "runtime/Window.h"
#include "shell/DesignArea.h"
#include "shell/frmMain.h"
#include "view/ViewScale.h"

namespace rtweb {
namespace {

constexpr double kTwips = rt::kTwipsPerPixel;

bool isFrame(const rt::Window& w) {
    return dynamic_cast<const frmMain*>(&w) != nullptr;
}

}  // namespace

WebFrame::WebFrame(rt::Application& app) : app_(app), design_(instrumentsDesignArea(app.text())) {
    dirty_.addWhole();
    app_.mdiClientArea = [this, start = app_.mdiClientArea] {
        if (!sized_ && start) return start();
        return rt::RectF{0, 0, cssW_ * kTwips / scale_, cssH_ * kTwips / scale_};
    };
    app_.onWindowCreated = [this](rt::Window& w) { bind(w); };
    for (rt::Window* w : app_.windows()) bind(*w);
}

WebFrame::~WebFrame() {
    app_.onWindowCreated = nullptr;
    app_.mdiClientArea = nullptr;
    for (rt::Window* w : app_.windows()) unbind(*w);
}

void WebFrame::bind(rt::Window& w) {
    w.onInvalidate = [this, &w](const rt::RectF* part) {
        if (&w != shown() || dirty_.whole()) return;
        if (part)
            dirty_.add(*part);
        else
            repaintAll();
    };
    // Shown, hidden, resized or renamed: the canvas shows another picture.
    w.onWindowChanged = [this] { repaintAll(); };
    if (!isFrame(w)) fitWindows();
}

void WebFrame::unbind(rt::Window& w) {
    w.onInvalidate = nullptr;
    w.onWindowChanged = nullptr;
}

void WebFrame::resize(double cssW, double cssH, double dpr) {
    const auto usable = [](double v, double fallback) { return std::isfinite(v) && v > 0 ? v : fallback; };
    cssW_ = usable(cssW, 1);
    cssH_ = usable(cssH, 1);
    dpr_ = usable(dpr, 1);
    sized_ = true;
    scale_ = view::fittedViewScale(cssW_, cssH_, design_.w / kTwips, design_.h / kTwips, dpr_);
    placement_ = view::ViewPlacement(cssW_, cssH_, dpr_, scale_, design_);
    fitWindows();
    repaintAll();  // the canvas was cleared when its pixels were resized
}

// The model's frame is the page (the canvas above the status bar); its maximised instruments
// fill the canvas at the view scale.
void WebFrame::fitWindows() {
    if (!sized_) return;  // the model keeps the screen it started on until the page is measured
    if (auto* frame = dynamic_cast<frmMain*>(app_.existing("frmMain"))) {
        const auto w = static_cast<float>(cssW_ * kTwips);
        const auto h = static_cast<float>(cssH_ * kTwips) + frame->sbStatusBar.Height();
        if (frame->Left() != 0 || frame->Top() != 0) frame->move(0, 0);
        if (frame->Width() != w) frame->setWidth(w);
        if (frame->Height() != h) frame->setHeight(h);
    }
    const rt::RectF area = app_.mdiClientArea();
    for (rt::Window* w : app_.windows()) {
        if (isFrame(*w) || w->windowState() != rt::WindowState::Maximized) continue;
        if (w->Width() == static_cast<float>(area.w) && w->Height() == static_cast<float>(area.h)) continue;
        w->setWindowState(rt::WindowState::Maximized);
    }
}

rt::Window* WebFrame::shown() const {
    for (rt::Window* w : app_.windows())
        if (!isFrame(*w) && w->Visible()) return w;
    return nullptr;
}

std::string WebFrame::title() const {
    const rt::Window* frame = app_.existing("frmMain");
    std::string t = frame ? frame->Caption() : std::string("Vorlinde");
    const rt::Window* w = shown();
    if (w && w->windowState() == rt::WindowState::Maximized && !w->Caption().empty())
        t += " - [" + w->Caption() + "]";
    return t;
}

// A control of the shown window by "Control" or "Array(i)", when it and its containers are shown.
const rt::Control* WebFrame::seenControl(const std::string& name) const {
    const rt::Window* w = shown();
    if (!w) return nullptr;
    const rt::Control* c = nullptr;
    const size_t open = name.find('(');
    if (open == std::string::npos) {
        c = w->findControl(name);
    } else if (const rt::ControlArrayBase* a = w->findArray(name.substr(0, open))) {
        const int index = std::atoi(name.c_str() + open + 1);
        for (const rt::Control* e : a->elements())
            if (e->index() == index) c = e;
    }
    for (const rt::Control* p = c; p; p = p->parent())
        if (!p->Visible()) return nullptr;
    return c;
}

std::pair<double, double> WebFrame::canvasPoint(double xTwips, double yTwips) const {
    const gfx::Point at = placement_.toArea(xTwips, yTwips);
    return {at.x, at.y};
}

std::optional<std::pair<double, double>> WebFrame::locate(const std::string& control) const {
    const rt::Control* c = seenControl(control);
    if (!c) return std::nullopt;
    // What paints nothing (a bare hot spot) is aimed at by its rectangle.
    rt::RectF r = c->shownRect();
    if (!(r.w > 0) || !(r.h > 0)) r = c->windowRect();
    if (!(r.w > 0) || !(r.h > 0)) return std::nullopt;
    return canvasPoint(r.x + r.w / 2, r.y + r.h / 2);
}

std::optional<std::pair<double, double>> WebFrame::locateAt(const std::string& control, double fx, double fy,
                                                            bool units) const {
    const rt::Control* c = seenControl(control);
    if (!c || !std::isfinite(fx) || !std::isfinite(fy)) return std::nullopt;
    double x = 0, y = 0;
    if (units) {
        rt::eventToWindow(*c, static_cast<float>(fx), static_cast<float>(fy), x, y);
    } else {
        const rt::RectF r = c->windowRect();
        x = r.x + r.w * fx;
        y = r.y + r.h * fy;
    }
    return canvasPoint(x, y);
}

rt::PictureRef WebFrame::cursorAt(double x, double y) const {
    const rt::Window* w = shown();
    return w ? app_.mouse().cursorAt(*w, x, y) : rt::PictureRef{};
}

int WebFrame::pointer(Pointer kind, double x, double y, int button, int buttons, int shift, double timeMs) {
    rt::Window* w = shown();
    if (!w || !std::isfinite(x) || !std::isfinite(y)) return cursor();
    const gfx::Point t = placement_.toTwips(x, y);
    lastX_ = t.x;
    lastY_ = t.y;
    held_ = buttons & 7;
    rt::MouseRouter& mouse = app_.mouse();
    const bool known = button == 1 || button == 2 || button == 4;
    switch (kind) {
        case Pointer::Press:
            if (known)
                mouse.pointerPress(*w, lastX_, lastY_, button, shift & 7,
                                   doubleClick_.press(button, x, y, timeMs));
            break;
        case Pointer::Release:
            if (known) mouse.pointerRelease(*w, lastX_, lastY_, button, shift & 7);
            break;
        case Pointer::Move:
            mouse.pointerMove(*w, lastX_, lastY_, held_, shift & 7);
            break;
    }
    cursor_ = cursorAt(lastX_, lastY_);
    return cursor();
}

void WebFrame::releaseAll() {
    held_ = 0;
    doubleClick_.reset();
    rt::MouseRouter& mouse = app_.mouse();
    if (mouse.captured()) mouse.captureLost();
}

int WebFrame::afterTicks() {
    rt::Window* w = shown();
    if (!w) return 0;
    rt::MouseRouter& mouse = app_.mouse();
    const rt::Control* held = mouse.captured();
    if (held && held->window() == w && held_) mouse.pointerMove(*w, lastX_, lastY_, held_, 0);
    cursor_ = cursorAt(lastX_, lastY_);
    return cursor();
}

}  // namespace rtweb
