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
    // The smallest rectangle holding both (an empty one adds nothing).
    RectF united(const RectF& o) const;
    RectF adjusted(double dx1, double dy1, double dx2, double dy2) const {
        return RectF{x + dx1, y + dy1, w - dx1 + dx2, h - dy1 + dy2};
    }
    bool isEmpty() const { return w <= 0 || h <= 0; }
    bool contains(const RectF& o) const {
        return o.x >= x && o.y >= y && o.x + o.w <= x + w && o.y + o.h <= y + h;
    }
    bool operator==(const RectF&) const = default;
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
    void setLeft(float v) { reshape(left_, v); }
    void setTop(float v) { reshape(top_, v); }
    virtual void setWidth(float v) { reshape(width_, v); }
    virtual void setHeight(float v) { reshape(height_, v); }
    void move(float left, float top);
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
    // What the control paints over, in its window's twips: its rectangle, widened where an
    // outline, a line's width or a picture reaches outside it; empty for what paints nothing.
    virtual RectF drawnRect() const;
    // What of it is seen now: the drawn rectangle clipped by its containers, empty when it or
    // one of its containers is hidden.
    RectF shownRect() const;

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
    // Tells the window what to repaint: what the control shows now. A change of its look calls
    // it after the change; a change of its place or size through reshape(), which marks what
    // it showed before and what it shows after.
    void changed() const;
    // Tells the window to repaint that area of it (window twips).
    void repaint(const RectF& twips) const;
    template <class Change>
    void reshape(Change change) {
        changed();
        change();
        changed();
    }
    // One property of the place or of the look set; a value equal to the one it has (stored
    // as given all the same: -0 stays -0) shows nothing new and marks nothing.
    template <class T>
    void reshape(T& field, T value) {
        if (field == value) {
            field = value;
            return;
        }
        reshape([&] { field = value; });
    }
    // Shows picture `p` from `slot` (a picture control's or a container's); with `autoSize` the
    // control takes the picture's size, in its container's units.
    void setSizedPicture(PictureRef& slot, PictureRef p, bool autoSize);
    template <class T>
    void restyle(T& field, T value) {
        const bool same = field == value;
        field = value;
        if (!same) changed();
    }
    // How far an outline or line of `widthPx` pixels reaches outside its geometry, in twips,
    // with a pixel for antialiasing.
    static double reachTwips(int widthPx);

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
