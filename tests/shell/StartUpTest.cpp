// Start-up on screens other than the scenarios' one: the frame's load takes whatever size the
// screen has, larger or smaller than the frame's design size, and the bench fills the area
// above the status bar.
#include <gtest/gtest.h>

#include "bench/Chargedecharge.h"
#include "runtime/Application.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

struct Screen {
    int w, h;
};

class StartUpOnScreen : public ::testing::TestWithParam<Screen> {};

TEST_P(StartUpOnScreen, FrameCoversTheScreenAndTheBenchFillsIt) {
    const Screen s = GetParam();
    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog(clock, text);
    prog.app().setScreenSize(s.w, s.h);
    prog.Main();

    auto& frame = prog.app().window<frmMain>("frmMain");
    EXPECT_FLOAT_EQ(frame.Left(), 0);
    EXPECT_FLOAT_EQ(frame.Top(), 0);
    EXPECT_FLOAT_EQ(frame.Width(), static_cast<float>(s.w * 15));
    EXPECT_FLOAT_EQ(frame.Height(), static_cast<float>(s.h * 15));
    EXPECT_FLOAT_EQ(frame.sbStatusBar.Top(), static_cast<float>(s.h * 15 - 270));
    EXPECT_FLOAT_EQ(frame.sbStatusBar.Width(), static_cast<float>(s.w * 15));

    auto& bench = prog.app().window<Chargedecharge>("Chargedecharge");
    EXPECT_TRUE(bench.Visible());
    EXPECT_EQ(bench.windowState(), rt::WindowState::Maximized);
    EXPECT_FLOAT_EQ(bench.Left(), 0);
    EXPECT_FLOAT_EQ(bench.Top(), 0);
    EXPECT_FLOAT_EQ(bench.Width(), static_cast<float>(s.w * 15));
    EXPECT_FLOAT_EQ(bench.Height(), static_cast<float>(s.h * 15 - 270));
    EXPECT_EQ(prog.app().active(), &bench);
    // The oscilloscope is not created before it is first shown.
    EXPECT_EQ(prog.app().existing("Oscillo"), nullptr);
    EXPECT_EQ(prog.code().InterCharge, rt::False);
}

// 640 x 480 is smaller than the frame's design size (7770 twips = 518 px across).
INSTANTIATE_TEST_SUITE_P(Screens, StartUpOnScreen,
                         ::testing::Values(Screen{640, 480}, Screen{1024, 768}, Screen{2560, 1440}));

}  // namespace
