#pragma once
// The frame of the browser edition: the page's canvas is the frame's client area. It keeps the
// model's frame and maximised instruments the canvas's size, places the instruments at the
// shared view scale (view/), turns the page's pointer input into the model's mouse events on
// the instrument shown, says which cursor the model wants, gathers what the model asks to be
// repainted, and names the page as the desktop names its frame.

#include <optional>
#include <string>

#include "runtime/Control.h"
#include "runtime/PictureList.h"
#include "runtime/web/DoubleClick.h"
#include "view/RepaintArea.h"
#include "view/ViewPlacement.h"

namespace rt {
class Application;
class Window;
}  // namespace rt

namespace rtweb {

class WebFrame {
public:
    enum class Pointer { Press, Move, Release };

    // Binds the program's windows (those made later too); `app` outlives the frame.
    explicit WebFrame(rt::Application& app);
    ~WebFrame();
    WebFrame(const WebFrame&) = delete;
    WebFrame& operator=(const WebFrame&) = delete;

    // The canvas is `cssW` x `cssH` CSS pixels at `dpr` device pixels each.
    void resize(double cssW, double cssH, double dpr);

    // Pointer input at (x, y) CSS pixels of the canvas; returns the cursor then wanted: the
    // index of the frame's cursor picture, 0 for the default arrow.
    int pointer(Pointer kind, double x, double y, int button, int buttons, int shift, double timeMs);
    // Whatever held the pointer lets go (cancelled, focus lost), as a release would.
    void releaseAll();
    // After timer ticks: a press still held sees the pointer where it rests (a knob at its end
    // stop shows it at once), as the desktop does after each tick.
    int afterTicks();
    // The cursor last asked for (as pointer() and afterTicks() return it), and its picture.
    int cursor() const { return cursor_.isNone() ? 0 : cursor_.index; }
    rt::PictureRef cursorPicture() const { return cursor_; }

    // The instrument window shown (none before start-up ends).
    rt::Window* shown() const;
    // The page's title: the frame's caption, with the shown maximised instrument's in brackets.
    std::string title() const;

    // Where a control of the shown window is on the canvas, CSS pixels: the middle of what of
    // it is seen, by "Control" or "Array(i)"; none when it is not there or not seen. Tests
    // and measurements aim with it, as the desktop's vorlinde-locate does.
    std::optional<std::pair<double, double>> locate(const std::string& control) const;
    // A spot on that control: at fractions `fx`, `fy` of its rectangle, or at `fx`, `fy` in
    // the units its mouse events give (a container's user scale, else twips).
    std::optional<std::pair<double, double>> locateAt(const std::string& control, double fx, double fy,
                                                      bool units) const;

    double viewScale() const { return scale_; }
    // The canvas's size in CSS pixels.
    double canvasWidth() const { return cssW_; }
    double canvasHeight() const { return cssH_; }
    double dpr() const { return dpr_; }
    // Where the shown window's twips are on the canvas (CSS pixels), and back.
    const view::ViewPlacement& placement() const { return placement_; }

    // What of the shown window waits to be repainted, in its twips; painted() once it is.
    bool wantsPaint() const { return !dirty_.empty(); }
    const view::RepaintArea& dirty() const { return dirty_; }
    void painted() { dirty_.clear(); }

private:
    void bind(rt::Window& w);
    void unbind(rt::Window& w);
    void fitWindows();
    rt::PictureRef cursorAt(double x, double y) const;
    void repaintAll() { dirty_.addWhole(); }
    const rt::Control* seenControl(const std::string& name) const;
    std::pair<double, double> canvasPoint(double xTwips, double yTwips) const;

    rt::Application& app_;
    double cssW_ = 1, cssH_ = 1, dpr_ = 1, scale_ = 1;
    bool sized_ = false;
    rt::RectF design_;
    view::ViewPlacement placement_;
    DoubleClick doubleClick_;
    double lastX_ = 0, lastY_ = 0;
    int held_ = 0;
    rt::PictureRef cursor_;
    view::RepaintArea dirty_;
};

}  // namespace rtweb
