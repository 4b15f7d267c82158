// The one press-and-hold mechanism behind every knob of the oscilloscope panel, on a small
// window of its own: direction from the half pressed, first step one interval after the
// press, the release stopping it, end stops, wrapping pictures and linked limits.

#include <gtest/gtest.h>

#include <cmath>

#include "runtime/Application.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "scope/Knob.h"

namespace {

using namespace std::chrono_literals;
using scope::Knob;
using scope::KnobData;
using scope::KnobTurn;
using scope::turnedIndex;

const rt::PictureList kFaces("Faces", std::vector<rt::PictureInfo>(53, rt::PictureInfo{40, 42}));
const rt::PictureList kCursors("Cursors", std::vector<rt::PictureInfo>(10, rt::PictureInfo{32, 32}));

TEST(KnobTurnTest, BoundedKnobStopsAtItsEndsAndNeverLeavesTheRange) {
    const KnobTurn sel{1, 14, 1, false};
    EXPECT_EQ(turnedIndex(5, -1, sel), 4);
    EXPECT_EQ(turnedIndex(1, -1, sel), std::nullopt);
    EXPECT_EQ(turnedIndex(14, 1, sel), std::nullopt);
    EXPECT_EQ(turnedIndex(13, 1, sel), 14);
    // Steps of four between 3 and 51 (intensity and focus).
    const KnobTurn fours{3, 51, 4, false};
    EXPECT_EQ(turnedIndex(27, -1, fours), 23);
    EXPECT_EQ(turnedIndex(7, -1, fours), 3);
    EXPECT_EQ(turnedIndex(3, -1, fours), std::nullopt);
    EXPECT_EQ(turnedIndex(51, 1, fours), std::nullopt);
    // An index off the grid is clamped rather than pushed outside.
    EXPECT_EQ(turnedIndex(5, -1, fours), 3);
    EXPECT_EQ(turnedIndex(0, -1, sel), std::nullopt);
}

TEST(KnobTurnTest, EndlessKnobWrapsBothWays) {
    const KnobTurn pos{1, 53, 1, true};
    EXPECT_EQ(turnedIndex(1, -1, pos), 53);
    EXPECT_EQ(turnedIndex(53, 1, pos), 1);
    EXPECT_EQ(turnedIndex(27, 1, pos), 28);
    int16_t i = 27;
    for (int k = 0; k < 53; ++k) i = *turnedIndex(i, -1, pos);
    EXPECT_EQ(i, 27);
}

class TestPanel : public rt::Window {
public:
    explicit TestPanel(rt::Application& app) : rt::Window(app, "TestPanel") {}
    rt::PictureControl face{this, "face"};
    rt::PictureControl hit{this, "hit"};
    rt::Timer timer{this, "timer", 200ms};
};

class KnobTest : public ::testing::Test {
protected:
    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    rt::Application app{clock, text};
    TestPanel panel{app};
    rt::Flag rotGauche = rt::False;
    int16_t index = 5;
    int16_t offset = 0;
    int steps = 0, releases = 0;

    Knob make(KnobTurn turn, scope::KnobLinked linked = {}) {
        panel.hit.move(0, 0, 855, 855);
        KnobData s;
        s.name = "hit";
        s.hit = &panel.hit;
        s.face = &panel.face;
        s.pictures = &kFaces;
        s.timer = &panel.timer;
        s.index = &index;
        s.turn = turn;
        s.linked = linked;
        s.afterStep = [this] { ++steps; };
        s.atRelease = [this] { ++releases; };
        return Knob(std::move(s), rotGauche, kCursors);
    }
    // The window wires the repeat timer to its knob's step.
    void wire(Knob& k) {
        panel.timer.onTimer = [&k] { k.step(); };
    }
};

TEST_F(KnobTest, FirstStepComesOneIntervalAfterThePressAndReleaseStopsIt) {
    Knob k = make({1, 14, 1, false});
    wire(k);
    k.press(100);
    clock.advance(199ms);
    EXPECT_EQ(index, 5);
    EXPECT_EQ(steps, 0);
    clock.advance(1ms);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(panel.face.Picture(), (rt::PictureRef{&kFaces, 4}));
    k.release();
    clock.advance(1000ms);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(releases, 1);
    EXPECT_FALSE(panel.timer.Enabled());
}

TEST_F(KnobTest, TheMiddleBelongsToTheRightHalfForPressAndHover) {
    Knob k = make({1, 14, 1, false});
    wire(k);
    const float middle = 855 / 2.0f;
    k.hover(middle);
    EXPECT_EQ(panel.hit.MousePointer(), (rt::PictureRef{&kCursors, 4}));
    k.hover(std::nextafter(middle, 0.0f));
    EXPECT_EQ(panel.hit.MousePointer(), (rt::PictureRef{&kCursors, 3}));
    k.press(middle);
    EXPECT_EQ(rotGauche, rt::False);
    k.release();
    k.press(std::nextafter(middle, 0.0f));
    EXPECT_EQ(rotGauche, rt::True);
}

TEST_F(KnobTest, AtAnEndStopThePictureIsLeftAloneButTheTickStillFollows) {
    Knob k = make({1, 14, 1, false});
    wire(k);
    index = 1;
    panel.face.setPicture(kFaces, 1);
    panel.face.clearPicture();  // a picture set again would show
    k.press(10);
    clock.advance(600ms);
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(panel.face.Picture().isNone());
    EXPECT_EQ(steps, 3);
}

TEST_F(KnobTest, LinkedLimitStopsAnEndlessKnobPictureIncluded) {
    index = 27;
    offset = 48;
    // Anticlockwise raises the offset (a vertical position): picture down, offset up.
    Knob k = make({1, 53, 1, true}, {&offset, -50, 50, -1});
    wire(k);
    k.press(10);
    clock.advance(1000ms);  // five ticks: two reach the limit, three are stopped by it
    EXPECT_EQ(offset, 50);
    EXPECT_EQ(index, 25);
    EXPECT_EQ(steps, 5);
    k.release();
    k.press(800);
    clock.advance(200ms);
    EXPECT_EQ(offset, 49);
    EXPECT_EQ(index, 26);
}

}  // namespace
