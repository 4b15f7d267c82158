// Every picture and cursor a control shows exists in its list, at every tick of a long hover
// on each animated menu button and with every knob of the bench turned to both its ends.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/Chargedecharge.h"
#include "runtime/Application.h"
#include "runtime/MouseRouter.h"
#include "runtime/PictureControl.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

namespace {

void check(std::vector<std::string>& bad, const std::string& what, rt::PictureRef p) {
    if (!p.isNone() && !p.list->has(p.index)) bad.push_back(what + " " + p.text());
}

// Pictures and cursors that name a number outside their list.
std::vector<std::string> badPictures(const rt::Application& app) {
    std::vector<std::string> bad;
    for (const rt::Window* w : app.windows()) {
        check(bad, w->name() + " cursor", w->MousePointer());
        check(bad, w->name() + " picture", w->Picture());
        for (const rt::Control* c : w->allControls()) {
            const std::string name = w->name() + "." + c->fullName();
            check(bad, name + " cursor", c->MousePointer());
            if (auto* p = dynamic_cast<const rt::PictureControl*>(c)) check(bad, name, p->Picture());
            if (auto* k = dynamic_cast<const rt::Container*>(c)) check(bad, name, k->Picture());
        }
    }
    return bad;
}

class PictureRangeTest : public ::testing::Test {
protected:
    PictureRangeTest() { prog.Main(); }

    Chargedecharge& bench() { return prog.app().window<Chargedecharge>("Chargedecharge"); }
    Oscillo& scope() { return prog.app().window<Oscillo>("Oscillo"); }
    rt::MouseRouter& mouse() { return prog.app().mouse(); }

    void click(rt::Control& c) {
        const float x = c.Width() / 2, y = c.Height() / 2;
        ASSERT_EQ(rt::unreachableReason(c, x, y), "") << c.fullName();
        mouse().down(c, 1, 0, x, y);
        mouse().up(c, 1, 0, x, y);
        mouse().click(c);
    }
    void move(rt::Control& c, float x, float y) {
        ASSERT_EQ(rt::unreachableReason(c, x, y), "") << c.fullName();
        mouse().moveTo(c, 0, 0, x, y);
    }
    // Rest on the button for 60 ticks, checking every picture after each one, then leave for
    // the background at (bx, by).
    void restOn(rt::Control& button, rt::Control& background, float bx, float by) {
        move(button, button.Width() / 2, button.Height() / 2);
        for (int tick = 1; tick <= 60; ++tick) {
            clock.advance(std::chrono::milliseconds(200));
            const std::vector<std::string> bad = badPictures(prog.app());
            ASSERT_TRUE(bad.empty()) << button.fullName() << " tick " << tick << ": " << bad.front();
        }
        move(background, bx, by);
    }
    // Hold each half of the knob for twenty steps, hovering over both halves at each end.
    void sweep(rt::Control& knob) {
        for (float x : {3 * knob.Width() / 4, knob.Width() / 4}) {
            const float y = knob.Height() / 2;
            ASSERT_EQ(rt::unreachableReason(knob, x, y), "") << knob.fullName();
            mouse().down(knob, 1, 0, x, y);
            clock.advance(std::chrono::milliseconds(20 * 200 + 50));
            mouse().up(knob, 1, 0, x, y);
            move(knob, knob.Width() / 4, y);
            move(knob, 3 * knob.Width() / 4, y);
            const std::vector<std::string> bad = badPictures(prog.app());
            ASSERT_TRUE(bad.empty()) << knob.fullName() << ": " << bad.front();
        }
    }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
};

TEST_F(PictureRangeTest, MenuLoopsStayInTheirLists) {
    Chargedecharge& b = bench();
    restOn(b.Bretour, b.FmenuChDech, 100, 1500);
    restOn(b.Bmain, b.FmenuChDech, 100, 1500);
    restOn(b.Oscilloaffich, b.FmenuChDech, 100, 1500);
    click(b.fG);
    restOn(b.Btnordi, b.FmenuChDech, 100, 1500);
    click(b.fD);
    click(b.Oscilloaffich);
    Oscillo& o = scope();
    restOn(o.retour, o.menu, 3000, 300);
    restOn(o.Mprinci, o.menu, 3000, 300);
    restOn(o.Schemvisi, o.menu, 3000, 300);
}

// A strip's background picture is drawn at its own size from the strip's top-left corner, so one
// smaller than its strip leaves a band of the window's ground along the strip's right or bottom
// edge (the oscilloscope's strip once stopped 4 px short of the panel's right edge).
TEST_F(PictureRangeTest, MenuStripBackgroundsFillTheirStrips) {
    click(bench().Oscilloaffich);
    for (const rt::Container* strip : {&bench().FmenuChDech, &scope().menu}) {
        const rt::PictureRef back = strip->Picture();
        ASSERT_FALSE(back.isNone()) << strip->fullName();
        const rt::PictureInfo& info = back.list->at(back.index);
        EXPECT_GE(static_cast<float>(info.width * 15), strip->Width()) << strip->fullName();
        EXPECT_GE(static_cast<float>(info.height * 15), strip->Height()) << strip->fullName();
    }
}

TEST_F(PictureRangeTest, BenchKnobsAtBothEndsShowPicturesOfTheirLists) {
    Chargedecharge& b = bench();
    click(b.powerctl);
    sweep(b.genectl);
    sweep(b.Genefinctl);
    // The fine knob below its rest position, with the coarse knob up.
    sweep(b.genectl);
    for (int i = 1; i <= 4; ++i) sweep(b.RCtl(i));
    click(b.FlecheG);
    for (int i = 1; i <= 4; ++i) sweep(b.Cctl(i));
    click(b.FlecheD);
    click(b.FlecheD);
    for (int i = 5; i <= 6; ++i) sweep(b.Cctl(i));
    click(b.powerctl);
}

}  // namespace
