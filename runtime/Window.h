#pragma once
// A window: a top-level container with a caption, a window state, shown or hidden, a picture
// drawn from its top-left corner and a window cursor. It knows its controls and its form-level
// variables by name. Windows are created on first use by the Application and never destroyed;
// a derived window builds its controls as members and runs its set-up in Form_Load().

#include <functional>
#include <map>
#include <string>

#include "runtime/Container.h"
#include "runtime/ControlArrayBase.h"
#include "runtime/Variables.h"

namespace rt {

class Application;

class Window : public Container {
public:
    Window(Application& app, std::string name);
    ~Window() override;

    Application& app() const { return app_; }

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string c) { caption_ = std::move(c); notify(); }
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState s);

    // Show (and activate) or hide the window.
    void Show();
    void Hide();
    void setVisible(bool v) override;

    // Set-up, once, when the Application creates the window.
    virtual void Form_Load() {}
    // Each time the window becomes the active one.
    virtual void Form_Activate() {}

    // Name registry: single controls register themselves, arrays register here.
    void registerControl(Control& c);
    void registerArray(ControlArrayBase& a);
    Control* findControl(const std::string& name) const;
    ControlArrayBase* findArray(const std::string& name) const;
    // Every control in registration order (arrays expanded), for dump.
    std::vector<Control*> allControls() const;
    Variables& vars() { return vars_; }
    const Variables& vars() const { return vars_; }

    // The model changed: the binding repaints the whole window, or only `part` of it (window
    // twips), merging the parts it is told of into one repaint per frame. onInvalidate hears
    // each part, or nullptr for the whole window.
    void invalidate() const;
    void invalidate(const RectF& part) const;
    std::function<void(const RectF* part)> onInvalidate;
    // Caption, state or visibility changed.
    std::function<void()> onWindowChanged;

    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;

private:
    void notify() const;

    Application& app_;
    std::string caption_;
    WindowState state_ = WindowState::Normal;
    std::vector<std::pair<std::string, Control*>> order_;
    std::map<std::string, Control*> controls_;
    std::map<std::string, ControlArrayBase*> arrays_;
    Variables vars_;
};

}  // namespace rt
