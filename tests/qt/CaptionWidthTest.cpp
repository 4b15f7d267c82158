// Labels size themselves with the widths read from the embedded font file; those widths equal
// the desktop painter's own measurement of the same face on every caption the program can show:
// every label's caption after start-up in both windows, and every caption the bench writes for
// a generator voltage, a resistance or a capacitance its knobs can set, with either decimal
// separator.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <unordered_set>

#include "bench/BenchValues.h"
#include "runtime/Label.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "shell/Program.h"
#include "view/FontTextMeasurer.h"

namespace {

struct Compare {
    rtqt::QtTextMeasurer painter;
    view::FontTextMeasurer file;
    int checked = 0, wrong = 0;
    std::string firstWrong;

    void check(const rt::Font& f, const std::string& caption) {
        const double want = painter.widthPx(f, caption), got = file.widthPx(f, caption);
        ++checked;
        if (want != got && wrong++ == 0)
            firstWrong = "'" + caption + "' in " + f.family + " " + std::to_string(f.pointSize) +
                         ": painter " + std::to_string(want) + ", file " + std::to_string(got);
    }
};

TEST(CaptionWidth, EveryLabelAfterStartUpMeasuresAsThePaintersFont) {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    Program prog(clock, text);
    prog.Main();
    Compare cmp;
    for (const rt::Window* w : prog.app().windows()) {
        for (const rt::Control* c : w->allControls()) {
            if (c->kind() != rt::Control::Kind::Label) continue;
            const auto* l = static_cast<const rt::Label*>(c);
            cmp.check(l->font(), l->Caption());
            EXPECT_EQ(cmp.file.heightPx(l->font()), cmp.painter.heightPx(l->font())) << l->fullName();
        }
    }
    EXPECT_GT(cmp.checked, 3);
    EXPECT_EQ(cmp.wrong, 0) << cmp.firstWrong;
}

TEST(CaptionWidth, EveryValueCaptionOfTheBenchMeasuresAsThePaintersFont) {
    const rt::Font volts{"Arial", 9.75f, true}, values{"Arial", 9.0f, true};
    Compare cmp;
    for (char sep : {'.', ','}) {
        std::unordered_set<std::string> seen;
        auto once = [&](const rt::Font& f, std::string s) {
            if (seen.insert(s).second) cmp.check(f, s);
        };
        // The generator: units and tenths beyond what its knobs reach.
        for (int e = -20; e <= 40; ++e)
            for (int d = -20; d <= 30; ++d)
                once(volts, bench::voltageCaption(bench::generatorVoltage(int16_t(e), int16_t(d)), sep));
        // The resistance box: four knobs of eleven positions.
        for (int32_t ohms = 0; ohms <= 111100; ohms += 10) once(values, bench::resistanceCaption(ohms, sep));
        // The capacitor box: six knobs of eleven positions.
        std::array<int16_t, 6> k{};
        for (int i = 0; i < 11 * 11 * 11 * 11 * 11 * 11; ++i) {
            int r = i;
            for (int16_t& v : k) v = int16_t(r % 11 + 1), r /= 11;
            once(values, bench::capacitanceCaption(bench::capacitanceMicrofarads(k), sep));
        }
    }
    EXPECT_GT(cmp.checked, 100000);
    EXPECT_EQ(cmp.wrong, 0) << cmp.wrong << " of " << cmp.checked << " differ, first " << cmp.firstWrong;
}

}  // namespace
