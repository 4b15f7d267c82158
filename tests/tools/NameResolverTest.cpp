// Names resolve generically against whatever windows the program registers: a test window
// with a control array, form-level variables and a scaled container stands beside the
// program's own windows, so resolution is checked without depending on any one window.

#include <gtest/gtest.h>

#include <array>

#include "runtime/Container.h"
#include "runtime/ControlArray.h"
#include "runtime/Label.h"
#include "runtime/PictureControl.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "shell/Program.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/NameResolver.h"

using scenario::LineError;
using scenario::NamePart;
using scenario::NameResolver;
using scenario::splitName;

namespace {

class Essai : public rt::Window {
public:
    explicit Essai(rt::Application& app) : rt::Window(app, "Essai") {
        vars().add("Cran", Cran);
        vars().addArray("CranR", CranR, 1);
        vars().add("Niveau", Niveau);
    }
    void Form_Load() override {
        ++loads;
        setCaption("Essai");
        Vle.setCaption("5 V");
    }

    rt::Label Vle{this, "Vle"};
    rt::ControlArray<rt::PictureControl> Rpot{this, "Rpot", 1, 4};
    int16_t Cran = 3;
    std::array<int16_t, 4> CranR{10, 20, 30, 40};
    float Niveau = 5.3f;
    int loads = 0;
};

class NameResolverTest : public ::testing::Test {
protected:
    NameResolverTest() : prog(clock, text), names(prog) {
        prog.app().registerWindow("Essai", [](rt::Application& a) { return std::make_unique<Essai>(a); });
    }
    std::string valueText(const std::string& name) { return names.value(name).text(); }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog;
    NameResolver names;
};

}  // namespace

TEST(SplitName, PartsWithAndWithoutIndexes) {
    EXPECT_EQ(splitName("Egene"), (std::vector<NamePart>{{"Egene", std::nullopt}}));
    EXPECT_EQ(splitName("Couleur(6)"), (std::vector<NamePart>{{"Couleur", 6}}));
    EXPECT_EQ(splitName("Oscillo.faisceau1(101).Left"),
              (std::vector<NamePart>{{"Oscillo", std::nullopt}, {"faisceau1", 101}, {"Left", std::nullopt}}));
    EXPECT_EQ(splitName("W.A(-1)"), (std::vector<NamePart>{{"W", std::nullopt}, {"A", -1}}));
}

TEST(SplitName, MalformedNamesAreErrors) {
    for (const char* s : {"", ".", "A.", ".A", "A..B", "A()", "A(x)", "A(1", "A(1)x", "A(1)(2)", "1A",
                          "A.B.C.D", "A(99999999999)"})
        EXPECT_THROW(splitName(s), LineError) << s;
}

TEST_F(NameResolverTest, SharedVariablesByBareName) {
    prog.code().Egene = 5;
    prog.code().Couleur[6] = rt::Color::rgb(0, 255, 0);
    prog.code().Branche1 = "DB";
    EXPECT_EQ(valueText("Egene"), "5");
    EXPECT_EQ(valueText("Couleur(6)"), "rgb(0,255,0)");
    EXPECT_EQ(valueText("Branche1"), "\"DB\"");
    EXPECT_EQ(names.value("PasY1").kind(), rt::Value::Kind::Single);
    EXPECT_EQ(names.value("InterCharge").kind(), rt::Value::Kind::Integer);
}

TEST_F(NameResolverTest, IndexMistakesOnVariablesAreErrors) {
    EXPECT_THROW(names.value("Couleur"), LineError);         // an array needs an index
    EXPECT_THROW(names.value("Couleur(13)"), LineError);     // past the upper bound
    EXPECT_THROW(names.value("Egene(1)"), LineError);        // a scalar takes none
    EXPECT_THROW(names.value("Essai.CranR(0)"), LineError);  // lower bound 1
    EXPECT_THROW(names.value("Essai.CranR(5)"), LineError);
    EXPECT_THROW(names.value("Essai.CranR"), LineError);
}

TEST_F(NameResolverTest, FormLevelVariablesAndWindowProperties) {
    EXPECT_EQ(valueText("Essai.Cran"), "3");
    EXPECT_EQ(valueText("Essai.CranR(1)"), "10");
    EXPECT_EQ(valueText("Essai.CranR(4)"), "40");
    EXPECT_EQ(valueText("Essai.Niveau"), "5.3");
    EXPECT_EQ(valueText("Essai.Caption"), "\"Essai\"");
    EXPECT_EQ(valueText("Essai.WindowState"), "normal");
    EXPECT_EQ(valueText("frmMain.Caption"), "\"Vorlinde\"");
    EXPECT_EQ(valueText("frmMain.sbStatusBar.Height"), "270");
}

TEST_F(NameResolverTest, ControlsArrayElementsAndCounts) {
    EXPECT_EQ(valueText("Essai.Vle.Caption"), "\"5 V\"");
    EXPECT_EQ(valueText("Essai.Rpot(2).Visible"), "true");
    EXPECT_EQ(valueText("Essai.Rpot.Count"), "4");
    auto& w = prog.app().window<Essai>("Essai");
    w.Rpot.load(0);
    EXPECT_EQ(valueText("Essai.Rpot.Count"), "5");
    EXPECT_EQ(&names.control("Essai.Rpot(3)"), &w.Rpot(3));
    EXPECT_EQ(&names.control("Essai.Vle"), &w.Vle);
    EXPECT_EQ(&names.control("Essai"), &w);
    EXPECT_EQ(&names.window("Essai"), &w);
}

TEST_F(NameResolverTest, NamesThatAreNotValuesOrNotControls) {
    EXPECT_THROW(names.value("Essai"), LineError);               // a window, not a value
    EXPECT_THROW(names.value("Essai.Vle"), LineError);           // a control, not a value
    EXPECT_THROW(names.value("Essai.Rpot"), LineError);          // an array without index
    EXPECT_THROW(names.value("Essai.Rpot(9).Left"), LineError);  // no such element
    EXPECT_THROW(names.value("Essai.Vle(1).Caption"), LineError);
    EXPECT_THROW(names.value("Essai.Vle.Count"), LineError);  // Count is an array's
    EXPECT_THROW(names.value("Essai.Vle.Nothing"), LineError);
    EXPECT_THROW(names.value("Essai.Nothing"), LineError);
    EXPECT_THROW(names.value("Essai.Nothing.Left"), LineError);
    EXPECT_THROW(names.value("Nothing"), LineError);
    EXPECT_THROW(names.value("Nothing.Left"), LineError);
    EXPECT_THROW(names.control("Essai.Vle.Caption"), LineError);
    EXPECT_THROW(names.control("Egene"), LineError);
    EXPECT_THROW(names.window("Essai.Vle"), LineError);
    EXPECT_THROW(names.window("Essai(1)"), LineError);
}

TEST_F(NameResolverTest, NamingAWindowCreatesItOnce) {
    ASSERT_EQ(prog.app().existing("Essai"), nullptr);
    EXPECT_EQ(valueText("Essai.Visible"), "false");
    auto* w = dynamic_cast<Essai*>(prog.app().existing("Essai"));
    ASSERT_NE(w, nullptr);
    names.value("Essai.Cran");
    names.control("Essai.Vle");
    EXPECT_EQ(w->loads, 1);
}
