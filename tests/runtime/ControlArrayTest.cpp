// Control arrays: an element created at run time copies element 0 as it is at that moment;
// removing the created elements removes exactly those, at once.
#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

class Arrays : public ::testing::Test, public ModelFixture {};

TEST_F(Arrays, NewElementTakesElementZerosPresentProperties) {
    rt::Shape& zero = w->dots(0);
    zero.setBorderWidth(5);
    zero.setBorderColor(rt::Color::rgb(1, 2, 3));
    zero.move(10, 20, 2, 2);
    zero.setVisible(false);
    rt::Shape& d = w->dots.load(7);
    EXPECT_EQ(d.BorderWidth(), 5);
    EXPECT_EQ(d.BorderColor(), rt::Color::rgb(1, 2, 3));
    EXPECT_FLOAT_EQ(d.Left(), 10);
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.index(), 7);
    EXPECT_EQ(d.parent(), &w->screen);
    // Later changes to element 0 do not reach it.
    zero.setBorderWidth(1);
    EXPECT_EQ(d.BorderWidth(), 5);
}

TEST_F(Arrays, LoadingAnExistingIndexIsRefused) {
    rt::Shape& a = w->dots.load(1);
    a.setLeft(42);
    rt::Shape& again = w->dots.load(1);
    EXPECT_EQ(&again, &a);
    EXPECT_FLOAT_EQ(again.Left(), 42);
    EXPECT_EQ(w->dots.Count(), 2);
}

TEST_F(Arrays, UnloadRemovesExactlyTheCreatedElements) {
    const size_t before = w->screen.children().size();
    for (int i = 1; i <= 1001; ++i) w->dots.load(i).setVisible(true);
    EXPECT_EQ(w->dots.Count(), 1002);
    EXPECT_EQ(w->screen.children().size(), before + 1001);
    w->dots.unloadCreated();
    EXPECT_EQ(w->dots.Count(), 1);
    EXPECT_NE(w->dots.find(0), nullptr);
    EXPECT_EQ(w->screen.children().size(), before);
    // Element 0 and the other children are still there, in their order.
    EXPECT_NE(std::find(w->screen.children().begin(), w->screen.children().end(), &w->dots(0)),
              w->screen.children().end());
    // And the indexes can be created again.
    w->dots.load(1);
    EXPECT_EQ(w->dots.Count(), 2);
}

TEST_F(Arrays, ReachableByNameWithTheirIndex) {
    w->dots.load(3);
    rt::ControlArrayBase* a = w->findArray("dots");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Count(), 2);
    EXPECT_EQ(a->find(3)->fullName(), "dots(3)");
    EXPECT_EQ(a->find(2), nullptr);
}

}  // namespace
