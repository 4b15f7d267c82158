// The mouse event sequence the windows' handlers are written for: capture after a press,
// Click only when press and release fall on the same control, the double-click order, a
// MouseUp for each button let go, and a lost capture ending the press.
#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

class MouseSequence : public ::testing::Test, public ModelFixture {
protected:
    void SetUp() override {
        w->inBox.move(0, 0, 600, 600);  // window twips 1500..2100
        wire(w->inBox);
        wire(w->back);
        wire(*w);
    }
    void wire(rt::Control& c) {
        const std::string n = c.name();
        c.onMouseDown = [this, n](int b, int, float x, float y) {
            w->record(n + ".down " + std::to_string(b) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        c.onMouseUp = [this, n](int b, int, float, float) { w->record(n + ".up " + std::to_string(b)); };
        c.onMouseMove = [this, n](int b, int, float x, float) {
            w->record(n + ".move " + std::to_string(b) + " " + std::to_string(int(x)));
        };
        c.onClick = [this, n] { w->record(n + ".click"); };
        c.onDblClick = [this, n] { w->record(n + ".dblclick"); };
    }
    rt::MouseRouter& m() { return app.mouse(); }
    using Log = std::vector<std::string>;
};

TEST_F(MouseSequence, PressAndReleaseOnOneControlClick) {
    m().pointerMove(*w, 1600, 1600, 0, 0);
    m().pointerPress(*w, 1600, 1600, 1, 0, false);
    m().pointerRelease(*w, 1600, 1600, 1, 0);
    EXPECT_EQ(w->log, (Log{"inBox.move 0 100", "inBox.down 1 100,100", "inBox.up 1", "inBox.click"}));
}

TEST_F(MouseSequence, CaptureSendsMovesAndReleaseToThePressedControl) {
    m().pointerPress(*w, 1600, 1600, 2, 0, false);
    m().pointerMove(*w, 5000, 1600, 2, 0);  // far outside, over `back`
    m().pointerRelease(*w, 5000, 1600, 2, 0);
    // The move arrives relative to the pressed control; no Click, the release fell elsewhere.
    EXPECT_EQ(w->log, (Log{"inBox.down 2 100,100", "inBox.move 2 3500", "inBox.up 2"}));
    w->log.clear();
    m().pointerMove(*w, 5000, 1600, 0, 0);
    EXPECT_EQ(w->log, (Log{"back.move 0 5000"}));
}

TEST_F(MouseSequence, DoubleClickOrder) {
    m().pointerPress(*w, 1600, 1600, 1, 0, false);
    m().pointerRelease(*w, 1600, 1600, 1, 0);
    m().pointerPress(*w, 1600, 1600, 1, 0, true);
    m().pointerRelease(*w, 1600, 1600, 1, 0);
    EXPECT_EQ(w->log, (Log{"inBox.down 1 100,100", "inBox.up 1", "inBox.click", "inBox.dblclick", "inBox.up 1"}));
}

TEST_F(MouseSequence, LostCaptureEndsThePressWithAMouseUp) {
    m().pointerPress(*w, 1600, 1600, 1, 0, false);
    m().captureLost();
    m().pointerRelease(*w, 1600, 1600, 1, 0);  // the late release is not delivered twice
    EXPECT_EQ(w->log, (Log{"inBox.down 1 100,100", "inBox.up 1"}));
    EXPECT_EQ(m().captured(), nullptr);
}

TEST_F(MouseSequence, EachButtonsReleaseIsItsOwnMouseUpAndTheCaptureLastsToTheLast) {
    // Left pressed, then right: releasing the right is a MouseUp for it (a held knob stops),
    // while the left still holds the pointer; the Click comes once, after the last release.
    m().pointerPress(*w, 1600, 1600, 1, 0, false);
    m().pointerPress(*w, 1600, 1600, 2, 0, false);
    m().pointerRelease(*w, 1600, 1600, 2, 0);
    EXPECT_EQ(m().captured(), &w->inBox);
    m().pointerMove(*w, 5000, 1600, 1, 0);
    m().pointerRelease(*w, 1600, 1600, 1, 0);
    EXPECT_EQ(w->log, (Log{"inBox.down 1 100,100", "inBox.down 2 100,100", "inBox.up 2", "inBox.move 1 3500",
                           "inBox.up 1", "inBox.click"}));
    EXPECT_EQ(m().captured(), nullptr);
    // A lost capture lets every held button go, each with its MouseUp.
    w->log.clear();
    m().pointerPress(*w, 1600, 1600, 2, 0, false);
    m().pointerPress(*w, 1600, 1600, 4, 0, false);
    m().captureLost();
    EXPECT_EQ(w->log, (Log{"inBox.down 2 100,100", "inBox.down 4 100,100", "inBox.up 2", "inBox.up 4"}));
}

TEST_F(MouseSequence, WindowBackgroundGetsTheFormEvents) {
    w->back.setVisible(false);
    m().pointerMove(*w, 5000, 5000, 0, 0);
    EXPECT_EQ(w->log, (Log{"TestWindow.move 0 5000"}));
}

TEST_F(MouseSequence, CursorComesFromTheControlOrItsContainers) {
    const rt::PictureRef hand{&testList(), 3};
    const rt::PictureRef noEntry{&testList(), 1};
    w->setMousePointer(noEntry);
    EXPECT_EQ(m().cursorAt(*w, 1600, 1600), noEntry);
    w->inBox.setMousePointer(hand);
    EXPECT_EQ(m().cursorAt(*w, 1600, 1600), hand);
    // While a press is held, the pressed control's cursor stays.
    m().pointerPress(*w, 1600, 1600, 1, 0, false);
    EXPECT_EQ(m().cursorAt(*w, 5000, 5000), hand);
}

TEST_F(MouseSequence, ControlDestroyedWhileCapturedIsForgotten) {
    auto* temp = new rt::PictureControl(w, "temp");
    temp->move(5500, 5500, 300, 300);
    m().pointerPress(*w, 5600, 5600, 1, 0, false);
    EXPECT_EQ(m().captured(), temp);
    delete temp;
    EXPECT_EQ(m().captured(), nullptr);
    m().pointerRelease(*w, 5600, 5600, 1, 0);  // nothing to deliver to, no crash
}

}  // namespace
