// Both instruments drawn at a view scale: a press at any spot of the drawing reaches the control
// drawn there, at the twips that spot has at design size (within a device pixel), whatever the
// scale and the device pixel ratio; a press one device pixel outside a small target misses it.
// The cursors are drawn at the view scale too.
// Run at ratio 1, and again by CTest with QT_SCALE_FACTOR=2.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>

#include "runtime/Container.h"
#include "runtime/MouseRouter.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/CursorCache.h"
#include "runtime/qt/PictureCache.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "runtime/qt/WindowWidget.h"
#include "scope/Oscillo.h"
#include "shell/DesignArea.h"
#include "shell/Program.h"

namespace {

constexpr double kTw = 15.0;

struct Received {
    const rt::Control* control = nullptr;
    double x = 0, y = 0;  // window twips
};

// Both windows of a program, each in a widget at the view scale. Every control's mouse handlers
// only note what they receive, so no press changes what the windows show.
struct ScaledProgram {
    explicit ScaledProgram(double z) {
        const rt::RectF design = instrumentsDesignArea(text);
        for (const char* name : {"Chargedecharge", "Oscillo"}) {
            rt::Window& w = program.app().window(name);
            for (rt::Control* c : w.allControls()) {
                c->onMouseDown = [this, c](int, int, float x, float y) { note(*c, x, y); };
                c->onMouseUp = nullptr;
                c->onMouseMove = nullptr;
                c->onClick = nullptr;
                c->onDblClick = nullptr;
            }
            auto widget = std::make_unique<rtqt::WindowWidget>(w, cursors, pictures);
            widget->resize(2200, 1500);  // the whole drawing lies inside at every scale tested
            widget->setView(z, design);
            widgets.push_back(std::move(widget));
        }
    }
    void note(const rt::Control& c, float x, float y) {
        got.control = &c;
        rt::eventToWindow(c, x, y, got.x, got.y);
    }
    // A press and its end at device pixel `dev` of the window's widget.
    Received pressAtDevicePixel(rtqt::WindowWidget& widget, QPointF dev) {
        got = {};
        const QPointF at = dev / widget.devicePixelRatioF();
        QMouseEvent down(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &down);
        program.app().mouse().captureLost();
        return got;
    }
    // The device pixel nearest the spot (x, y) of the drawing, in window twips.
    static QPointF devicePixelAt(const rtqt::WindowWidget& widget, double x, double y) {
        const QPointF p = widget.widgetPointFor(x, y) * widget.devicePixelRatioF();
        return QPointF(std::round(p.x()), std::round(p.y()));
    }

    rt::VirtualClock clock;
    rtqt::QtTextMeasurer text;
    Program program{clock, text};
    rtqt::PictureCache pictures;
    rtqt::CursorCache cursors;
    std::vector<std::unique_ptr<rtqt::WindowWidget>> widgets;
    Received got;
};

// Whether `c` and its containers (the window aside, which need not be shown) are visible.
bool visibleInWindow(const rt::Control& c) {
    for (const rt::Control* k = &c; k && k->parent(); k = k->parent())
        if (!k->Visible()) return false;
    return true;
}

// The part of `c` its containers let show, window twips.
rt::RectF shownRect(const rt::Control& c) {
    rt::RectF r = c.windowRect();
    for (const rt::Container* k = c.parent(); k && k->parent(); k = k->parent())
        r = r.intersected(k->windowRect());
    return r;
}

class ViewScale : public ::testing::TestWithParam<double> {};

TEST_P(ViewScale, PressAtTheCentreOfEveryControlReachesItAtItsDesignTwips) {
    const double z = GetParam();
    ScaledProgram s(z);
    for (auto& widget : s.widgets) {
        rt::Window& w = widget->model();
        const double dpr = widget->devicePixelRatioF();
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
            ASSERT_DOUBLE_EQ(dpr, 2.0);
        }
        // Within half a device pixel of the spot, plus the float twips the model keeps.
        const double tolerance = kTw / (widget->viewScale() * dpr) / 2 + 0.05;
        int reached = 0;
        for (const rt::Control* c : w.allControls()) {
            if (!visibleInWindow(*c) || !c->takesMouse()) continue;
            const rt::RectF r = shownRect(*c);
            if (r.isEmpty()) continue;
            const double cx = r.x + r.w / 2, cy = r.y + r.h / 2;
            if (rt::hitTest(w, cx, cy) != c) continue;  // covered there by another control
            const Received got = s.pressAtDevicePixel(*widget, ScaledProgram::devicePixelAt(*widget, cx, cy));
            ASSERT_EQ(got.control, c) << w.name() << " " << c->fullName() << " z " << z << " ratio " << dpr;
            EXPECT_NEAR(got.x, cx, tolerance) << c->fullName() << " z " << z << " ratio " << dpr;
            EXPECT_NEAR(got.y, cy, tolerance) << c->fullName() << " z " << z << " ratio " << dpr;
            ++reached;
        }
        EXPECT_GT(reached, 20) << w.name();
    }
}

// The schematic's charge contact is a zone of about 9 x 7 design pixels inside the drawing: the
// device pixels just inside each of its edges reach it, the ones just outside do not.
TEST_P(ViewScale, OneDevicePixelOutsideTheSwitchContactMissesIt) {
    const double z = GetParam();
    ScaledProgram s(z);
    auto& osc = static_cast<Oscillo&>(s.program.app().window("Oscillo"));
    osc.schemaboite.setVisible(true);
    rtqt::WindowWidget& widget = *s.widgets[1];
    ASSERT_EQ(&widget.model(), &osc);
    const double dpr = widget.devicePixelRatioF();
    const double left = osc.schema.toWindowX(43.5), right = osc.schema.toWindowX(46.5);
    const double top = osc.schema.toWindowY(3), bottom = osc.schema.toWindowY(5);
    const QPointF a = widget.widgetPointFor(left, top) * dpr, b = widget.widgetPointFor(right, bottom) * dpr;
    // First and last device pixels whose spot lies strictly inside the zone.
    const double x0 = std::floor(a.x()) + 1, x1 = std::ceil(b.x()) - 1;
    const double y0 = std::floor(a.y()) + 1, y1 = std::ceil(b.y()) - 1;
    const double mx = std::round((x0 + x1) / 2), my = std::round((y0 + y1) / 2);
    auto contactAt = [&](double dx, double dy) {
        const Received got = s.pressAtDevicePixel(widget, QPointF(dx, dy));
        if (got.control != &osc.schema) return -1;
        return Oscillo::switchContactAt(static_cast<float>(osc.schema.fromWindowX(got.x)),
                                        static_cast<float>(osc.schema.fromWindowY(got.y)));
    };
    const int charge = Oscillo::kContactCharge, none = Oscillo::kContactNone;
    using P = std::pair<double, double>;
    for (auto [dx, dy] : {P{x0, my}, P{x1, my}, P{mx, y0}, P{mx, y1}})
        EXPECT_EQ(contactAt(dx, dy), charge) << dx << "," << dy << " z " << z << " ratio " << dpr;
    for (auto [dx, dy] : {P{x0 - 1, my}, P{x1 + 1, my}, P{mx, y0 - 1}, P{mx, y1 + 1}})
        EXPECT_EQ(contactAt(dx, dy), none) << dx << "," << dy << " z " << z << " ratio " << dpr;
}

// The hand shown over a control is drawn at the view scale: beside knobs four times their
// design size it is four times its own, its hot spot on the drawn fingertip in device pixels.
TEST_P(ViewScale, CursorFollowsTheViewScaleAndTheRatio) {
    const double z = GetParam();
    ScaledProgram s(z);
    auto& osc = static_cast<Oscillo&>(s.program.app().window("Oscillo"));
    rtqt::WindowWidget& widget = *s.widgets[1];
    widget.show();
    const rt::RectF r = osc.Powerclick.windowRect();
    const QPointF at = widget.widgetPointFor(r.x + r.w / 2, r.y + r.h / 2);
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
    const rt::PictureRef hand = osc.Powerclick.MousePointer();
    ASSERT_EQ(widget.shownCursor(), hand);
    const double dpr = widget.devicePixelRatioF();
    const double ratio = rtqt::CursorCache::paintRatio(dpr, widget.viewScale());
    EXPECT_NEAR(ratio, dpr * z, 0.006) << "z " << z;
    const QCursor c = widget.cursor();
    EXPECT_EQ(c.pixmap().width(), static_cast<int>(std::ceil(32 * ratio))) << "z " << z;
    const rt::PictureInfo& info = hand.list->at(hand.index);
    EXPECT_EQ(c.hotSpot(), QPoint(static_cast<int>(std::lround(info.hotX * ratio)),
                                  static_cast<int>(std::lround(info.hotY * ratio))))
        << "z " << z;
    // A new view scale (the frame resized) brings a cursor of the new size at once.
    widget.setView(z * 2, instrumentsDesignArea(s.text));
    EXPECT_EQ(widget.cursor().pixmap().width(),
              static_cast<int>(std::ceil(32 * rtqt::CursorCache::paintRatio(dpr, widget.viewScale()))));
}

// On a 4:3 screen the design fills the width and is centred in the height, with equal bands
// above and below; in an area smaller than the design at the least scale, its top left is shown.
TEST(ViewScaleLayout, TheDesignIsCentredBothWaysAndCutAtTheRightAndBottom) {
    ScaledProgram s(1.0);
    const rt::RectF design = instrumentsDesignArea(s.text);
    rtqt::WindowWidget& widget = *s.widgets[0];
    const double dpr = widget.devicePixelRatioF();
    const double w = design.w / kTw, h = design.h / kTw;
    widget.resize(static_cast<int>(w) + 40, static_cast<int>(w * 3 / 4));
    widget.setView(1.0, design);
    const QPointF topLeft = widget.widgetPointFor(design.x, design.y);
    const QPointF bottomRight = widget.widgetPointFor(design.x + design.w, design.y + design.h);
    EXPECT_NEAR(topLeft.x(), widget.width() - bottomRight.x(), 1 / dpr);
    EXPECT_NEAR(topLeft.y(), widget.height() - bottomRight.y(), 1 / dpr);
    EXPECT_GT(topLeft.y(), 10);  // a band above, as below
    widget.resize(static_cast<int>(w / 4), static_cast<int>(h / 4));
    widget.setView(0.5, design);
    EXPECT_EQ(widget.widgetPointFor(design.x, design.y), QPointF(0, 0));
}

// Below 1 too: a small screen or a frame shrunk by the user, down to the least workable scale.
INSTANTIATE_TEST_SUITE_P(Scales, ViewScale, ::testing::Values(0.5, 0.64, 1.0, 1.5, 1.87, 2.6));

}  // namespace
