// The bench as the student first sees it: what the load shows and where, which state it starts
// from, and that the layers let the pointer reach the hit areas over the knob pictures.
#include "BenchFixture.h"

#include "runtime/Value.h"
#include "shell/frmMain.h"

namespace {

using LoadTest = BenchTest;

TEST_F(LoadTest, WindowIsShownMaximisedWithTheRefusalCursor) {
    Chargedecharge& b = bench();
    EXPECT_EQ(b.Caption(), "Charge et décharge d'un condensateur à travers une résistance");
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(b.windowState(), rt::WindowState::Maximized);
    EXPECT_EQ(b.MousePointer().text(), "Imapoint:2");
    ASSERT_NE(prog.app().existing("frmMain"), nullptr);
    EXPECT_EQ(prog.app().existing("Oscillo"), nullptr);
    EXPECT_EQ(prog.app().active(), &b);
}

TEST_F(LoadTest, SchematicShowsZeroValuesWithTheOhmSignAfterR) {
    Chargedecharge& b = bench();
    EXPECT_EQ(b.Schemaelec.Picture().text(), "Schema:1");  // discharge position
    ASSERT_TRUE(b.Schemaelec.scale().has_value());
    EXPECT_EQ(b.Schemaelec.scale()->width, 100);
    EXPECT_FLOAT_EQ(b.Schemaelec.Width(), 308 * 15);
    EXPECT_FLOAT_EQ(b.Schemaelec.Height(), 404 * 15);
    EXPECT_EQ(b.Vle.Caption(), "0 V");
    EXPECT_EQ(b.ValR.Caption(), "0 ");
    EXPECT_EQ(b.ValC.Caption(), "0 µF");
    EXPECT_EQ(b.Omega.Caption(), "W");
    EXPECT_EQ(b.Omega.font().family, "Symbol");
    EXPECT_FLOAT_EQ(b.ValR.Left(), 57);
    EXPECT_FLOAT_EQ(b.ValR.Top(), 32.6f);
    EXPECT_FLOAT_EQ(b.Omega.Top(), 32.4f);
    EXPECT_FLOAT_EQ(b.Omega.Left(), b.ValR.Left() + b.ValR.Width());
    EXPECT_FLOAT_EQ(b.ValC.Left(), 57);
    EXPECT_FLOAT_EQ(b.ValC.Top(), 69.3f);
    // Positions designed in twips are re-expressed in the 100 x 100 scale, staying put.
    EXPECT_NEAR(b.Vle.Left(), 1440 / 46.2, 1e-4);
    EXPECT_NEAR(b.Vle.Top(), 2925 / 60.6, 1e-4);
    EXPECT_NEAR(b.Masse.Left(), 1710 / 46.2, 1e-4);
    EXPECT_NEAR(b.Y2.Top(), 990 / 60.6, 1e-4);
    EXPECT_NEAR(b.Vle.windowRect().x, 150 + 1440, 0.01);
    for (const rt::PictureControl* p : {&b.Masse, &b.Y1, &b.Y2}) EXPECT_FALSE(p->Visible());
}

TEST_F(LoadTest, WarningLabelIsHiddenRedAndBold) {
    Chargedecharge& b = bench();
    EXPECT_FALSE(b.caution.Visible());
    EXPECT_EQ(b.caution.Caption(), "ATTENTION, RISQUE DE COURT-CIRCUIT !");
    EXPECT_EQ(b.caution.ForeColor(), rt::Color::rgb(255, 0, 0));
    EXPECT_TRUE(b.caution.font().bold);
    EXPECT_FLOAT_EQ(b.caution.font().pointSize, 9.75f);
    EXPECT_FLOAT_EQ(b.caution.Left(), 7.2f);
    EXPECT_FLOAT_EQ(b.caution.Top(), 94.5f);
}

TEST_F(LoadTest, InstrumentsStartAtZeroAndOff) {
    Chargedecharge& b = bench();
    EXPECT_EQ(b.Power.Picture().text(), "Media:14");
    EXPECT_FLOAT_EQ(b.powerctl.Top(), 1575);
    EXPECT_EQ(b.powerctl.MousePointer().text(), "Imapoint:1");
    for (const rt::PictureControl* d : {&b.Dix, &b.unite, &b.deci}) EXPECT_FALSE(d->Visible());
    EXPECT_EQ(b.genebn.Picture().text(), "BtnGene:1");
    EXPECT_EQ(b.Genebfin.Picture().text(), "BtnGene:1");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(b.Rpot(i).Picture().text(), "ImaBtnDec:1");
        EXPECT_TRUE(b.RCtl(i).Picture().isNone());
        EXPECT_TRUE(b.RCtl(i).MousePointer().isNone());  // until the pointer first moves over it
        EXPECT_FLOAT_EQ(b.RCtl(i).Left(), 550.0f + 1400 * (i - 1));
    }
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(b.Cpot(i).Picture().text(), "ImaBtnDec:1");
    EXPECT_FLOAT_EQ(b.boxbtncond.Left(), -1400);
    EXPECT_TRUE(b.FlecheG.Visible());
    EXPECT_TRUE(b.FlecheD.Visible());
    EXPECT_EQ(b.leg0.Picture().text(), "Media:4");
    EXPECT_EQ(b.leg5.Picture().text(), "Media:9");
    EXPECT_EQ(b.fondbox.BackColor(), rt::Color::rgb(225, 224, 210));
    EXPECT_EQ(code().Egene, 0);
    EXPECT_EQ(code().Rdec, 0);
    EXPECT_EQ(code().Cdec, 0);
}

TEST_F(LoadTest, FormStateIsRegisteredByNameWithItsStartValues) {
    const rt::Variables& v = bench().vars();
    auto read = [&](const char* name, int index = 0, bool indexed = false) {
        rt::Value out;
        EXPECT_TRUE(v.read(name, index, indexed, out)) << name;
        return out;
    };
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(read("CranR", i, true).text(), "1");
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(read("CranC", i, true).text(), "1");
    EXPECT_EQ(read("CranGros").text(), "1");
    EXPECT_EQ(read("CranFin").text(), "1");
    EXPECT_EQ(read("ValeurE").kind(), rt::Value::Kind::Single);
    EXPECT_EQ(read("GeneOn").text(), "0");
    EXPECT_EQ(read("ImgBretour").text(), "2");
    EXPECT_EQ(read("ImgBmain").text(), "6");
    EXPECT_EQ(read("ImgOscillo").text(), "15");
    EXPECT_EQ(read("ImgBtnordi").text(), "22");
    EXPECT_EQ(read("BoutonSurvol").text(), "0");
    EXPECT_EQ(read("DecadeR").text(), "0");
    rt::Value out;
    EXPECT_FALSE(v.read("CranR", 5, true, out));
    EXPECT_FALSE(v.read("CranC", 0, true, out));
}

TEST_F(LoadTest, MenuStripStartsWithThreeButtonsAndTheLeftArrow) {
    Chargedecharge& b = bench();
    EXPECT_EQ(b.FmenuChDech.Picture().text(), "ImaMenu:20");
    EXPECT_TRUE(b.MenuChDech.Border());
    EXPECT_TRUE(b.menu.Border());
    EXPECT_EQ(b.Bretour.Picture().text(), "ImaMenu:2");
    EXPECT_EQ(b.Bmain.Picture().text(), "ImaMenu:6");
    EXPECT_EQ(b.Oscilloaffich.Picture().text(), "ImaMenu:14");
    EXPECT_EQ(b.Btnordi.Picture().text(), "ImaMenu:21");
    EXPECT_FLOAT_EQ(b.Btnordi.Width(), 1845);  // its designed area, not its picture's size
    EXPECT_FLOAT_EQ(b.Btnordi.Height(), 1440);
    EXPECT_TRUE(b.fG.Visible());
    EXPECT_FALSE(b.fD.Visible());
    EXPECT_TRUE(reachable(b.Bretour));
    EXPECT_TRUE(reachable(b.Oscilloaffich));
    EXPECT_FALSE(reachable(b.Btnordi));  // wholly left of the visible strip
    for (rt::Timer* t : {&b.Timer1, &b.Timergenegros, &b.Timergenefin, &b.TimerR, &b.TimerC}) {
        EXPECT_FALSE(t->Enabled());
        EXPECT_EQ(t->Interval(), std::chrono::milliseconds(200));
    }
}

TEST_F(LoadTest, HitAreasLieAboveTheKnobPictures) {
    Chargedecharge& b = bench();
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(reachable(b.RCtl(i)));
    EXPECT_TRUE(reachable(b.genectl));
    EXPECT_TRUE(reachable(b.Genefinctl));
    EXPECT_TRUE(reachable(b.powerctl));
    // Only knobs 2 to 5 are in the box's window at the start.
    EXPECT_FALSE(reachable(b.Cctl(1)));
    for (int i = 2; i <= 5; ++i) EXPECT_TRUE(reachable(b.Cctl(i))) << rt::unreachableReason(b.Cctl(i), 277, 292);
    EXPECT_FALSE(reachable(b.Cctl(6)));
}

}  // namespace
