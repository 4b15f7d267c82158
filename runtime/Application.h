#pragma once
// The program's windows and its environment: the clock timers tick from, the text measurer
// labels size with, the screen size, the decimal separator of the user's locale, and the
// mouse router. Windows are registered by name with a factory and created on first use.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/MouseRouter.h"

namespace rt {

class Clock;
class TextMeasurer;
class Window;

class Application {
public:
    Application(Clock& clock, const TextMeasurer& text);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Clock& clock() const { return clock_; }
    const TextMeasurer& text() const { return text_; }
    MouseRouter& mouse() { return mouse_; }

    // Screen size in pixels (the frame covers it).
    int screenWidthPx() const { return screenW_; }
    int screenHeightPx() const { return screenH_; }
    void setScreenSize(int w, int h) { screenW_ = w; screenH_ = h; }

    // Decimal separator of the user's locale, used when numbers are shown.
    char decimalSeparator() const { return decimal_; }
    void setDecimalSeparator(char c) { decimal_ = c; }

    using Factory = std::function<std::unique_ptr<Window>(Application&)>;
    void registerWindow(const std::string& name, Factory f);
    bool knowsWindow(const std::string& name) const { return factories_.count(name) != 0; }

    // The window of that name, created (and its Form_Load run) on first use.
    Window& window(const std::string& name);
    template <class W>
    W& window(const std::string& name) { return static_cast<W&>(window(name)); }
    // The window if it exists already, else nullptr.
    Window* existing(const std::string& name) const;
    // Every window created so far, in creation order.
    const std::vector<Window*>& windows() const { return order_; }

    // The active window (the last shown); activation runs Form_Activate.
    Window* active() const { return active_; }
    void activate(Window& w);
    void deactivate(Window& w);

    // The area, in twips, that a maximised instrument window fills (set by the main frame).
    std::function<RectF()> mdiClientArea;

    // Called after a window is created (the binding makes its widget).
    std::function<void(Window&)> onWindowCreated;

private:
    Clock& clock_;
    const TextMeasurer& text_;
    MouseRouter mouse_;
    int screenW_ = 1920, screenH_ = 1080;
    char decimal_ = '.';
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Window>> windows_;
    std::vector<Window*> order_;
    Window* active_ = nullptr;
};

}  // namespace rt
