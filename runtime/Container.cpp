#include "runtime/Container.h"

#include <algorithm>
#include <iterator>

#include "runtime/Line.h"

namespace rt {

Container::Container(Kind kind, Container* parent, std::string name, int index)
    : Control(kind, parent, std::move(name), index) {}

// Where the windowed layer begins. Windowed children are the few at the end, so it is found
// from the back: adding or raising the thousands of dots of a recording stays linear.
std::vector<Control*>::iterator Container::firstWindowed() {
    auto it = children_.end();
    while (it != children_.begin() && (*(it - 1))->windowed()) --it;
    return it;
}

// A new control goes to the front of its layer: windowed controls stay above graphical ones.
// It shows nothing yet: it is drawn once it is given its place and look, which marks it.
void Container::addChild(Control* c) {
    children_.insert(c->windowed() ? children_.end() : firstWindowed(), c);
}

RectF Container::shownInside(RectF r) const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_) return RectF{};
        if (c->kind_ == Kind::Container) r = r.intersected(c->windowRect());
    }
    return r;
}

void Container::removeChild(Control* c) {
    auto it = std::find(children_.begin(), children_.end(), c);
    if (it == children_.end()) return;
    repaint(c->shownRect());
    children_.erase(it);
}

void Container::raise(Control* c, bool toFront) {
    // Searched from the front of the drawing order: what is raised is most often what was
    // just added (each dot of a recording is brought to the front as it is laid).
    auto rit = std::find(children_.rbegin(), children_.rend(), c);
    if (rit == children_.rend()) return;
    children_.erase(std::next(rit).base());
    const auto layerStart = firstWindowed();
    if (c->windowed())
        children_.insert(toFront ? children_.end() : layerStart, c);
    else
        children_.insert(toFront ? layerStart : children_.begin(), c);
    repaint(c->shownRect());
}

// A picture's size becomes the container's unless AutoSize is off (a window keeps its own size).
void Container::setPicture(PictureRef p) {
    setSizedPicture(picture_, p, autoSize_);
}

double Container::widthTwips() const { return parent_ ? width_ * parent_->twipsPerUnitX() : width_; }
double Container::heightTwips() const { return parent_ ? height_ * parent_->twipsPerUnitY() : height_; }
double Container::twipsPerUnitX() const { return scale_ ? widthTwips() / scale_->width : 1.0; }
double Container::twipsPerUnitY() const { return scale_ ? heightTwips() / scale_->height : 1.0; }

double Container::toWindowX(double ux) const {
    double origin = parent_ ? parent_->toWindowX(left_) : 0.0;
    return origin + (ux - (scale_ ? scale_->left : 0.0)) * twipsPerUnitX();
}
double Container::toWindowY(double uy) const {
    double origin = parent_ ? parent_->toWindowY(top_) : 0.0;
    return origin + (uy - (scale_ ? scale_->top : 0.0)) * twipsPerUnitY();
}
double Container::fromWindowX(double tx) const {
    double origin = parent_ ? parent_->toWindowX(left_) : 0.0;
    return (tx - origin) / twipsPerUnitX() + (scale_ ? scale_->left : 0.0);
}
double Container::fromWindowY(double ty) const {
    double origin = parent_ ? parent_->toWindowY(top_) : 0.0;
    return (ty - origin) / twipsPerUnitY() + (scale_ ? scale_->top : 0.0);
}

void Container::setScale(float width, float height, float left, float top) {
    // Where each child lies in window twips under the old scale...
    struct Placed {
        Control* c;
        double x, y, w, h, x2, y2;
    };
    std::vector<Placed> placed;
    const double oldX = twipsPerUnitX(), oldY = twipsPerUnitY();
    for (Control* c : children_) {
        Placed p{c, toWindowX(c->left_), toWindowY(c->top_), c->width_ * oldX, c->height_ * oldY, 0, 0};
        if (c->kind() == Kind::Line) {
            auto* l = static_cast<Line*>(c);
            p.x = toWindowX(l->X1());
            p.y = toWindowY(l->Y1());
            p.x2 = toWindowX(l->X2());
            p.y2 = toWindowY(l->Y2());
        }
        placed.push_back(p);
    }
    scale_ = UserScale{width, height, left, top};
    // ...and the same place re-expressed in the new units.
    const double newX = twipsPerUnitX(), newY = twipsPerUnitY();
    for (const Placed& p : placed) {
        if (p.c->kind() == Kind::Line) {
            auto* l = static_cast<Line*>(p.c);
            l->setX1(static_cast<float>(fromWindowX(p.x)));
            l->setY1(static_cast<float>(fromWindowY(p.y)));
            l->setX2(static_cast<float>(fromWindowX(p.x2)));
            l->setY2(static_cast<float>(fromWindowY(p.y2)));
        } else {
            p.c->left_ = static_cast<float>(fromWindowX(p.x));
            p.c->top_ = static_cast<float>(fromWindowY(p.y));
            p.c->width_ = static_cast<float>(p.w / newX);
            p.c->height_ = static_cast<float>(p.h / newY);
        }
    }
    changed();
}

bool Container::property(std::string_view prop, Value& out) const {
    if (prop == "Picture") {
        out = Value::picture(picture_);
        return true;
    }
    return Control::property(prop, out);
}

std::vector<std::string> Container::propertyNames() const {
    auto v = Control::propertyNames();
    v.push_back("Picture");
    return v;
}

void Container::copyPropertiesFrom(const Control& other) {
    Control::copyPropertiesFrom(other);
    if (auto* o = dynamic_cast<const Container*>(&other)) {
        picture_ = o->picture_;
        autoSize_ = o->autoSize_;
        backColor_ = o->backColor_;
        border_ = o->border_;
        scale_ = o->scale_;
    }
}

}  // namespace rt
