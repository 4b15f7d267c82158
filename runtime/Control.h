#pragma once
// The base of every control of the model: a named, positioned element of a window with the
// visibility, mouse pointer and mouse handlers that the windows' logic uses. Geometry is kept
// in the units of the container (twips, or the container's user scale), as the logic sets it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/PictureList.h"
#include "runtime/Value.h"

namespace rt {

class Container;
class Window;

struct RectF {
    double x = 0, y = 0, w = 0, h = 0;
    bool contains(double px, double py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    RectF intersected(const RectF& o) const;
    bool isEmpty() const { return w <= 0 || h <= 0; }
};

// Mouse handler: button (1 left, 2 right, 4 middle; 0 none on a move), shift (1 shift,
// 2 control, 4 alt), X and Y relative to the control in its event units (see eventScale).
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
using ClickHandler = std::function<void()>;

class Control {
public:
    enum class Kind { Window, Container, Picture, Label, Shape, Line, Timer, StatusBar };

    // A control of `parent`; `index` >= 0 for an element of a control array.
    Control(Kind kind, Container* parent, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "Name" or "Name(Index)".
    std::string fullName() const;
    Container* parent() const { return parent_; }
    Window* window() const { return window_; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { left_ = v; changed(); }
    void setTop(float v) { top_ = v; changed(); }
    virtual void setWidth(float v) { width_ = v; changed(); }
    virtual void setHeight(float v) { height_ = v; changed(); }
    void move(float left, float top) { left_ = left; top_ = top; changed(); }
    void move(float left, float top, float width, float height);

    // The control's own flag; a control is seen only when it and all its containers are visible.
    bool Visible() const { return visible_; }
    virtual void setVisible(bool v);
    bool shownOnScreen() const;

    bool Enabled() const { return enabled_; }
    virtual void setEnabled(bool v);

    // The custom cursor (a picture of the cursor list), or none for the default pointer.
    PictureRef MousePointer() const { return pointer_; }
    void setMousePointer(PictureRef p) { pointer_ = p; }
    void setDefaultPointer() { pointer_ = {}; }

    // Whether the control receives mouse events (shapes, lines and timers let the pointer through).
    virtual bool takesMouse() const;
    // Windowed controls (containers) lie above the graphical ones of the same container.
    bool windowed() const { return kind_ == Kind::Container || kind_ == Kind::Window; }

    // The control's rectangle in its window's twips (its containers' scales applied).
    RectF windowRect() const;

    // Bring to the front (0) or send to the back (1) of its container's drawing order.
    void ZOrder(int position = 0);

    MouseHandler onMouseDown, onMouseUp, onMouseMove;
    ClickHandler onClick, onDblClick;

    // Reflection for the scenario runner: a property by name; false when the control has none.
    virtual bool property(std::string_view prop, Value& out) const;
    // The properties `dump` lists, in order.
    virtual std::vector<std::string> propertyNames() const;

    // Copies the properties of another control of the same kind (new array elements).
    virtual void copyPropertiesFrom(const Control& other);

    // The container already dropped this control from its children (bulk removal).
    void detach() { attached_ = false; }

protected:
    // Marks the window for repainting.
    void changed() const;

    Kind kind_;
    Container* parent_;
    Window* window_;
    std::string name_;
    int index_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    PictureRef pointer_;
    bool attached_ = false;

    friend class Container;
    friend class Window;
};

// Twips per pixel on the reference 96-dpi screen.
inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace rt
