// The view scale of a screen or frame of any size: the largest that fits, on whole hundredths of
// a device pixel, never below the smallest workable scale (a smaller area cuts the instruments
// off at the right and bottom instead of squeezing them); the design centred where it fits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/ViewScale.h"

namespace {

// A design area, design pixels, with round numbers for the table.
constexpr double kW = 1000, kH = 553;

TEST(ViewScaleRule, TheLargestFittingScaleOnWholeHundredthsAndNeverBelowTheLeast) {
    struct Row {
        double areaW, areaH, dpr, scale;
        const char* what;
    };
    const Row rows[] = {
        {1000, 553, 1, 1.0, "exact fit"},
        {2000, 1106, 1, 2.0, "exact fit twice (no hundredth lost to rounding)"},
        {1920, 1040, 1, 1.88, "1080p less the status bar: height decides, rounded down"},
        {1920, 2000, 1, 1.92, "a tall area: width decides"},
        {960, 1040, 2, 0.96, "ratio 2: 192 hundredths of a device pixel"},
        {1000, 553, 1.25, 1.0, "ratio 1.25, exact"},
        {999, 553, 1.25, 0.992, "ratio 1.25: 124 hundredths of a device pixel"},
        {640, 440, 1, 0.64, "640 x 480 less the status bar"},
        {700, 900, 1, 0.7, "a frame shrunk to 700 wide"},
        {500, 276.5, 1, 0.5, "exactly the least"},
        {400, 280, 1, 0.5, "400 x 300: the least, the rest cut off"},
        {10, 10, 1, 0.5, "a sliver"},
        {200, 150, 1.25, 0.504, "the least snapped up at ratio 1.25 (63 hundredths)"},
        {200, 150, 0.5, 0.5, "a ratio below 1"},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(view::fittedViewScale(r.areaW, r.areaH, kW, kH, r.dpr), r.scale, 1e-12) << r.what;
}

TEST(ViewScaleRule, EmptyOrNonsenseSizesGiveScaleOne) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(view::fittedViewScale(0, 500, kW, kH, 1), 1.0);
    EXPECT_EQ(view::fittedViewScale(800, -1, kW, kH, 1), 1.0);
    EXPECT_EQ(view::fittedViewScale(800, 600, 0, kH, 1), 1.0);
    EXPECT_EQ(view::fittedViewScale(nan, 600, kW, kH, 1), 1.0);
    EXPECT_EQ(view::fittedViewScale(inf, inf, kW, kH, 1), 1.0);
    EXPECT_EQ(view::fittedViewScale(2000, 1106, kW, kH, nan), 2.0);  // a ratio that is no number counts as 1
}

TEST(ViewScaleRule, CentredWhereItFitsAtTheStartWhereItDoesNot) {
    EXPECT_EQ(view::centredStart(1024, 1000), 12);
    EXPECT_EQ(view::centredStart(768, 553), 107.5);  // a 4:3 screen: bands above and below
    EXPECT_EQ(view::centredStart(1000, 1000), 0);
    EXPECT_EQ(view::centredStart(400, 500), 0);  // cut off at the right or bottom, the start shown
    EXPECT_EQ(view::centredStart(std::numeric_limits<double>::quiet_NaN(), 10), 0);
}

}  // namespace
