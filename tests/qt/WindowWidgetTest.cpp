// The instrument widget turns Qt's mouse input into the model's event sequence, in window twips
// with the model's button and shift codes, ends a press whose focus is lost, and shows the
// cursor the model asks for under the pointer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include "Scene.h"
#include "art/PictureTables.h"
#include "runtime/Container.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/qt/CursorCache.h"
#include "runtime/qt/WindowImage.h"
#include "runtime/qt/WindowWidget.h"
#include "view/PictureCache.h"

namespace {

using qttest::kTw;
using qttest::Scene;

struct WidgetScene : Scene {
    WidgetScene() : Scene(200, 150), button(&window, "Bouton"), widget(window, cursors, pictures) {
        button.move(20 * kTw, 20 * kTw, 60 * kTw, 40 * kTw);
        button.onMouseDown = [this](int b, int sh, float x, float y) { log("Down", b, sh, x, y); };
        button.onMouseUp = [this](int b, int sh, float x, float y) { log("Up", b, sh, x, y); };
        button.onMouseMove = [this](int b, int, float x, float y) { moves.push_back({b, x, y}); };
        button.onClick = [this] { events.push_back("Click"); };
        button.onDblClick = [this] { events.push_back("DblClick"); };
        widget.resize(200, 150);
        widget.show();
    }
    void log(const char* what, int b, int sh, float x, float y) {
        events.push_back(what);
        last = {b, sh, x, y};
    }
    void send(QEvent::Type type, QPointF at, Qt::MouseButton b, Qt::MouseButtons held,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, at, widget.mapToGlobal(at), b, held, mods);
        QApplication::sendEvent(&widget, &e);
    }
    struct Args {
        int button, shift;
        float x, y;
    };
    struct Move {
        int button;
        float x, y;
    };
    rt::PictureControl button;
    view::PictureCache pictures{rtqt::surfaceFactory()};
    rtqt::CursorCache cursors;
    rtqt::WindowWidget widget;
    std::vector<std::string> events;
    std::vector<Move> moves;
    Args last{};
};

using Seq = std::vector<std::string>;

TEST(WindowWidget, PressAndReleaseAreDownUpClick) {
    WidgetScene s;
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    s.send(QEvent::MouseButtonRelease, QPointF(31, 26), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.events, (Seq{"Down", "Up", "Click"}));
    // Relative to the control, in twips.
    EXPECT_FLOAT_EQ(s.last.x, 11 * kTw);
    EXPECT_FLOAT_EQ(s.last.y, 6 * kTw);
}

TEST(WindowWidget, DoubleClickIsDownUpClickDblClickUp) {
    WidgetScene s;
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton);
    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::LeftButton, Qt::NoButton);
    s.send(QEvent::MouseButtonDblClick, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton);
    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.events, (Seq{"Down", "Up", "Click", "DblClick", "Up"}));
}

TEST(WindowWidget, DoubleClickThroughThePlatformIsTheSameSequence) {
    // The platform's own double click (second press and the double-click event) gives the
    // same sequence as above.
    WidgetScene s;
    QTest::mouseDClick(s.widget.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 25));
    EXPECT_EQ(s.events, (Seq{"Down", "Up", "Click", "DblClick", "Up"}));
}

TEST(WindowWidget, ButtonsAndShiftCodes) {
    WidgetScene s;
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::RightButton, Qt::RightButton,
           Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(s.last.button, 2);
    EXPECT_EQ(s.last.shift, 6);
    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::RightButton, Qt::NoButton);
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::MiddleButton, Qt::MiddleButton, Qt::ShiftModifier);
    EXPECT_EQ(s.last.button, 4);
    EXPECT_EQ(s.last.shift, 1);
    EXPECT_EQ(rtqt::WindowWidget::buttonsCode(Qt::LeftButton | Qt::MiddleButton), 5);
}

TEST(WindowWidget, MovesCarryTheHeldButtonsAndFollowTheCapture) {
    WidgetScene s;
    s.send(QEvent::MouseMove, QPointF(40, 30), Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(s.moves.size(), 1u);
    EXPECT_EQ(s.moves[0].button, 0);
    s.send(QEvent::MouseButtonPress, QPointF(40, 30), Qt::LeftButton, Qt::LeftButton);
    s.send(QEvent::MouseMove, QPointF(150, 120), Qt::NoButton, Qt::LeftButton);  // dragged off it
    ASSERT_EQ(s.moves.size(), 2u);
    EXPECT_EQ(s.moves[1].button, 1);
    EXPECT_FLOAT_EQ(s.moves[1].x, 130 * kTw);
    s.send(QEvent::MouseButtonRelease, QPointF(150, 120), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.events, (Seq{"Down", "Up"}));  // released elsewhere: no Click
}

TEST(WindowWidget, LostFocusEndsThePress) {
    WidgetScene s;
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&s.widget, &out);
    EXPECT_EQ(s.events, (Seq{"Down", "Up"}));
    EXPECT_EQ(s.app.mouse().captured(), nullptr);
    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.events, (Seq{"Down", "Up"}));  // the late release changes nothing
}

TEST(WindowWidget, CursorIsTheOneOfTheControlUnderThePointer) {
    WidgetScene s;
    const rt::PictureList& pointers = art::list("Imapoint");
    s.window.setMousePointer(rt::PictureRef{&pointers, 2});
    s.button.setMousePointer(rt::PictureRef{&pointers, 1});
    s.send(QEvent::MouseMove, QPointF(30, 25), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 1}));
    EXPECT_EQ(s.widget.cursor().hotSpot(), QPoint(pointers.at(1).hotX, pointers.at(1).hotY));
    EXPECT_EQ(s.widget.cursor().shape(), Qt::BitmapCursor);
    s.send(QEvent::MouseMove, QPointF(150, 120), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 2}));  // the window's own

    // A handler that changes the cursor under a pointer that does not move: shown after the event.
    s.button.onClick = [&] { s.button.setMousePointer(rt::PictureRef{&pointers, 4}); };
    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton);
    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 4}));

    // A tick that changes the cursor of the control under a still pointer: shown on refresh.
    s.send(QEvent::MouseMove, QPointF(30, 25), Qt::NoButton, Qt::NoButton);
    s.button.setMousePointer(rt::PictureRef{&pointers, 7});
    s.widget.refreshCursor();
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 7}));

    s.window.setDefaultPointer();
    s.send(QEvent::MouseMove, QPointF(150, 120), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(s.widget.shownCursor().isNone());
    EXPECT_EQ(s.widget.cursor().shape(), Qt::ArrowCursor);
}

// A knob held still reaches its end stop on a tick: its hover handler hears the resting pointer
// and the refusal hand shows without the hand moving. Nothing is sent when nothing is held.
TEST(WindowWidget, TickTellsAHeldControlWhereThePointerRests) {
    WidgetScene s;
    const rt::PictureList& pointers = art::list("Imapoint");
    bool atEnd = false;
    s.button.onMouseMove = [&](int b, int, float x, float y) {
        s.moves.push_back({b, x, y});
        s.button.setMousePointer(rt::PictureRef{&pointers, atEnd ? 8 : 4});
    };
    s.send(QEvent::MouseMove, QPointF(30, 25), Qt::NoButton, Qt::NoButton);
    s.widget.timerTicked();
    ASSERT_EQ(s.moves.size(), 1u);  // not held: no move of its own

    s.send(QEvent::MouseButtonPress, QPointF(30, 25), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 4}));
    atEnd = true;  // the tick turned the knob onto its end stop
    s.widget.timerTicked();
    ASSERT_EQ(s.moves.size(), 2u);
    EXPECT_EQ(s.moves[1].button, 1);
    EXPECT_FLOAT_EQ(s.moves[1].x, 10 * kTw);
    EXPECT_FLOAT_EQ(s.moves[1].y, 5 * kTw);
    EXPECT_EQ(s.widget.shownCursor(), (rt::PictureRef{&pointers, 8}));

    s.send(QEvent::MouseButtonRelease, QPointF(30, 25), Qt::LeftButton, Qt::NoButton);
    s.widget.timerTicked();
    EXPECT_EQ(s.moves.size(), 2u);
    EXPECT_EQ(s.events, (Seq{"Down", "Up", "Click"}));
}

TEST(WindowWidget, ManyModelChangesAreOnePaintOfWhatChanged) {
    WidgetScene s;
    rt::Shape dot(&s.window, "Point");
    dot.move(10 * kTw, 100 * kTw, 4 * kTw, 4 * kTw);
    s.window.Show();
    QApplication::processEvents();
    struct Counter : QObject {
        int paints = 0;
        QRegion region;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() != QEvent::Paint) return false;
            ++paints;
            region = static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } counter;
    s.widget.installEventFilter(&counter);
    s.window.onInvalidate = [&](const rt::RectF* part) {
        if (part) s.widget.requestRepaint(*part);
    };
    // The repaint comes on a later turn, a frame after the last paint at the latest.
    const auto settle = [] { QTest::qWait(50); };
    for (int i = 0; i < 500; ++i) dot.setLeft(static_cast<float>(10 + i * 0.3) * kTw);
    settle();
    EXPECT_EQ(counter.paints, 1);
    EXPECT_TRUE(counter.region.contains(QPoint(12, 102)));   // where it was
    EXPECT_TRUE(counter.region.contains(QPoint(161, 102)));  // where it is
    EXPECT_FALSE(counter.region.contains(QPoint(100, 30)));  // the button, untouched
    dot.setTop(20 * kTw);
    settle();
    EXPECT_EQ(counter.paints, 2);  // and the next change paints again
    EXPECT_LT(counter.region.boundingRect().width(), 20);
    s.window.onInvalidate = nullptr;
}

}  // namespace
