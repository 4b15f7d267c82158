// Which control a pointer reaches: the topmost shown control that takes the mouse, clipped by
// its containers, windowed controls above graphical ones; shapes and lines let it through.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "runtime/MouseRouter.h"

namespace {

class HitTest : public ::testing::Test, public ModelFixture {};

TEST_F(HitTest, TopmostControlTakesThePointerNeverItsContainer) {
    w->inBox.move(0, 0, 600, 600);
    EXPECT_EQ(rt::hitTest(*w, 1600, 1600), &w->inBox);
    EXPECT_EQ(rt::hitTest(*w, 4000, 2000), &w->box);
    EXPECT_EQ(rt::hitTest(*w, 5900, 5900), &w->back);
}

TEST_F(HitTest, ContainersClipTheirChildren) {
    w->inBox.move(2800, 0, 600, 600);  // sticks out of the box's right edge (3000 wide)
    EXPECT_EQ(rt::hitTest(*w, 1500 + 2900, 100 + 1500), &w->inBox);
    EXPECT_EQ(rt::hitTest(*w, 1500 + 3100, 100 + 1500), &w->back);
}

TEST_F(HitTest, HiddenContainerHidesItsChildren) {
    w->inBox.move(0, 0, 600, 600);
    w->box.setVisible(false);
    EXPECT_EQ(rt::hitTest(*w, 1600, 1600), &w->back);
    EXPECT_FALSE(w->inBox.shownOnScreen());
    EXPECT_TRUE(w->inBox.Visible());  // its own flag is untouched
}

TEST_F(HitTest, ShapesAndLinesLetThePointerThrough) {
    rt::Shape& d = w->dots(0);
    d.move(40, -10, 20, 20);
    EXPECT_EQ(rt::hitTest(*w, w->screen.toWindowX(50), w->screen.toWindowY(0)), &w->screen);
}

TEST_F(HitTest, WindowedControlsLieAboveGraphicalOnes) {
    // A picture made after the box, overlapping it, is still below it.
    rt::PictureControl late(this->w, "late");
    late.move(1400, 1400, 600, 600);
    EXPECT_EQ(rt::hitTest(*w, 1600, 1600), &w->box);
    EXPECT_EQ(rt::hitTest(*w, 1450, 1450), &late);
}

TEST_F(HitTest, ZOrderWithinALayer) {
    w->back.setVisible(false);
    rt::PictureControl a(w, "a"), b(w, "b");
    a.move(5000, 5000, 300, 300);
    b.move(5000, 5000, 300, 300);
    EXPECT_EQ(rt::hitTest(*w, 5100, 5100), &b);
    a.ZOrder(0);
    EXPECT_EQ(rt::hitTest(*w, 5100, 5100), &a);
    a.ZOrder(1);
    EXPECT_EQ(rt::hitTest(*w, 5100, 5100), &b);
    b.ZOrder(1);
    EXPECT_EQ(rt::hitTest(*w, 5100, 5100), &a);
}

TEST_F(HitTest, UnreachableNamesWhatIsThere) {
    w->inBox.move(0, 0, 600, 600);
    rt::PictureControl cover(&w->box, "cover");
    cover.move(0, 0, 300, 300);
    EXPECT_EQ(rt::unreachableReason(w->inBox, 400, 400), "");
    EXPECT_NE(rt::unreachableReason(w->inBox, 100, 100).find("cover"), std::string::npos);
    w->box.setVisible(false);
    EXPECT_NE(rt::unreachableReason(w->inBox, 400, 400).find("box is hidden"), std::string::npos);
}

TEST_F(HitTest, EventCoordinatesAreInTheControlsOwnScale) {
    const rt::EventPoint p = rt::windowToEvent(w->screen, 900, 750);
    EXPECT_FLOAT_EQ(p.x, 50);
    EXPECT_FLOAT_EQ(p.y, 0);
    w->inBox.move(300, 300, 600, 600);
    const rt::EventPoint q = rt::windowToEvent(w->inBox, 1500 + 300 + 10, 1500 + 300 + 20);
    EXPECT_FLOAT_EQ(q.x, 10);  // twips from the control's corner
    EXPECT_FLOAT_EQ(q.y, 20);
    double wx, wy;
    rt::eventToWindow(w->screen, 50, 0, wx, wy);
    EXPECT_DOUBLE_EQ(wx, 900);
    EXPECT_DOUBLE_EQ(wy, 750);
}

}  // namespace
