#pragma once
// A container (picture box or frame): geometry, visibility, an optional picture drawn from its
// top-left corner or a plain back colour, an optional border, and an optional user scale. Its
// children move, clip and hide with it. Without a user scale its inner units are twips.

#include <optional>
#include <vector>

#include "runtime/Color.h"
#include "runtime/Control.h"

namespace rt {

struct UserScale {
    float width = 100, height = 100, left = 0, top = 0;
};

class Container : public Control {
public:
    Container(Container* parent, std::string name, int index = -1)
        : Container(Kind::Container, parent, std::move(name), index) {}

    // Children in drawing order: graphical controls first, windowed ones (containers) above,
    // each layer from back to front.
    const std::vector<Control*>& children() const { return children_; }

    // Picture drawn from the top-left corner; when set, the container takes its size (unless
    // auto-size is off: then it keeps the area it was given and the picture fills its corner).
    PictureRef Picture() const { return picture_; }
    void setPicture(PictureRef p);
    void setPicture(const PictureList& list, int n) { setPicture(PictureRef{&list, n}); }
    void clearPicture() { setPicture(PictureRef{}); }
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool a) { autoSize_ = a; }

    std::optional<Color> BackColor() const { return backColor_; }
    void setBackColor(Color c) { restyle(backColor_, std::optional<Color>(c)); }
    bool Border() const { return border_; }
    void setBorder(bool b) { restyle(border_, b); }

    // User scale: the inner width and height in units, and the values of the left and top edges.
    // Setting it keeps every child where it is on screen (its geometry is re-expressed).
    void setScale(float width, float height, float left = 0, float top = 0);
    const std::optional<UserScale>& scale() const { return scale_; }

    // The container's inner size in twips, and twips per inner unit.
    double widthTwips() const;
    double heightTwips() const;
    double twipsPerUnitX() const;
    double twipsPerUnitY() const;
    // Inner units to the window's twips and back.
    double toWindowX(double ux) const;
    double toWindowY(double uy) const;
    double fromWindowX(double tx) const;
    double fromWindowY(double ty) const;
    // Twips to inner units (sizes).
    double twipsToUnitsX(double t) const { return t / twipsPerUnitX(); }
    double twipsToUnitsY(double t) const { return t / twipsPerUnitY(); }

    // What of `r` (window twips), drawn by a child, is seen: clipped by this container and
    // the containers around it, empty when one of them is hidden.
    RectF shownInside(RectF r) const;

    // Removes every child for which pred holds (array elements being unloaded), in one pass;
    // what they showed is repainted as one rectangle.
    template <class Pred>
    void removeChildrenIf(Pred pred) {
        RectF gone;
        std::erase_if(children_, [&](Control* c) {
            if (!pred(c)) return false;
            if (c->Visible()) gone = gone.united(c->drawnRect());
            return true;
        });
        repaint(shownInside(gone));
    }

    bool property(std::string_view prop, Value& out) const override;
    std::vector<std::string> propertyNames() const override;
    void copyPropertiesFrom(const Control& other) override;

protected:
    Container(Kind kind, Container* parent, std::string name, int index);

private:
    void addChild(Control* c);
    void removeChild(Control* c);
    void raise(Control* c, bool toFront);
    std::vector<Control*>::iterator firstWindowed();

    std::vector<Control*> children_;
    PictureRef picture_;
    bool autoSize_ = true;
    std::optional<Color> backColor_;
    bool border_ = false;
    std::optional<UserScale> scale_;

    friend class Control;
};

}  // namespace rt
