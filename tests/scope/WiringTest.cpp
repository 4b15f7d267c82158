// The probe wiring and the schematic box: taking, carrying, placing and removing the leads, the
// point zones and cursors, the placement table on both schematics, the circuit switch and the
// close mark.

#include "PanelFixture.h"

namespace {

using WiringTest = PanelTest;
using SchematicTest = PanelTest;

TEST(WiringZones, PointZonesAreOpenRectangles) {
    EXPECT_EQ(Oscillo::schematicPointAt(53.5f, 10.5f), Oscillo::kPointD);
    EXPECT_EQ(Oscillo::schematicPointAt(53.5f, 51.5f), Oscillo::kPointA);
    EXPECT_EQ(Oscillo::schematicPointAt(53.5f, 92.5f), Oscillo::kPointB);
    EXPECT_EQ(Oscillo::schematicPointAt(52, 10.5f), Oscillo::kPointNone);
    EXPECT_EQ(Oscillo::schematicPointAt(55, 51.5f), Oscillo::kPointNone);
    EXPECT_EQ(Oscillo::schematicPointAt(53.5f, 12), Oscillo::kPointNone);
    EXPECT_EQ(Oscillo::schematicPointAt(53.5f, 30), Oscillo::kPointNone);
    EXPECT_EQ(Oscillo::schematicPointAt(52.01f, 91.01f), Oscillo::kPointB);
    EXPECT_FALSE(Oscillo::leadAllowedAt(Oscillo::kLeadMasse, Oscillo::kPointD));
    EXPECT_TRUE(Oscillo::leadAllowedAt(Oscillo::kLeadMasse, Oscillo::kPointB));
    EXPECT_TRUE(Oscillo::leadAllowedAt(Oscillo::kLeadY2, Oscillo::kPointD));
    EXPECT_FALSE(Oscillo::leadAllowedAt(Oscillo::kLeadY1, Oscillo::kPointNone));
}

TEST(WiringZones, SwitchContactsAreOpenRectangles) {
    EXPECT_EQ(Oscillo::switchContactAt(45, 4), Oscillo::kContactCharge);
    EXPECT_EQ(Oscillo::switchContactAt(62, 4), Oscillo::kContactDischarge);
    EXPECT_EQ(Oscillo::switchContactAt(43.5f, 4), Oscillo::kContactNone);
    EXPECT_EQ(Oscillo::switchContactAt(45, 5), Oscillo::kContactNone);
    EXPECT_EQ(Oscillo::switchContactAt(53, 4), Oscillo::kContactNone);
}

TEST_F(WiringTest, TakingALeadOpensTheBoxAndShowsItAtItsSocket) {
    click(scope.R2);
    EXPECT_TRUE(scope.schemaboite.Visible());
    EXPECT_EQ(scope.FilPris, 2);
    EXPECT_TRUE(scope.filR2.Visible());
    // A second socket click while carrying changes nothing, panel pictures included.
    click(scope.N1);
    EXPECT_EQ(scope.FilPris, 2);
    EXPECT_FALSE(scope.FilN1.Visible());
}

TEST_F(WiringTest, EveryPlacementOfTheTableOnBothSchematics) {
    struct Row {
        rt::Control* socket;
        float y;
        rt::PictureControl* drawing;
        rt::PictureControl* copy;
        const rt::PictureList* list;
        float left, top;
        int picture;
        float benchLeft, benchTop;
        const int16_t* point;
        int16_t recorded;
    };
    const Row rows[] = {
        {&scope.R1, kYD, &scope.bY1, &bench.Y1, &scope.ImageY1, 45.918f, 7.5f, 1, 43.506f, 16.169f, &scope.PointY1, 1},
        {&scope.R1, kYA, &scope.bY1, &bench.Y1, &scope.ImageY1, 44.898f, 49, 3, 42.532f, 51.493f, &scope.PointY1, 2},
        {&scope.R1, kYB, &scope.bY1, &bench.Y1, &scope.ImageY1, 50.34f, 89.766f, 4, 47.727f, 86.07f, &scope.PointY1, 3},
        {&scope.R2, kYD, &scope.bY2, &bench.Y2, &scope.ImageY2, 46.259f, 7.895f, 1, 43.8f, 16.5f, &scope.PointY2, 1},
        {&scope.R2, kYA, &scope.bY2, &bench.Y2, &scope.ImageY2, 44.898f, 49.5f, 3, 42.6f, 51.5f, &scope.PointY2, 2},
        {&scope.R2, kYB, &scope.bY2, &bench.Y2, &scope.ImageY2, 50.68f, 90.058f, 4, 48.1f, 86.2f, &scope.PointY2, 3},
        {&scope.N2, kYA, &scope.bmasse, &bench.Masse, &scope.ImageMasse, 46.599f, 49.415f, 1, 44.2f, 51.5f,
         &scope.PointMasse, 2},
        {&scope.N1, kYB, &scope.bmasse, &bench.Masse, &scope.ImageMasse, 50.68f, 90.645f, 2, 48.2f, 86.8f,
         &scope.PointMasse, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.drawing->name() + " at " + std::to_string(r.y));
        place(*r.socket, r.y);
        EXPECT_EQ(scope.FilPris, 0);
        EXPECT_TRUE(r.drawing->Visible());
        EXPECT_FLOAT_EQ(r.drawing->Left(), r.left);
        EXPECT_FLOAT_EQ(r.drawing->Top(), r.top);
        EXPECT_EQ(r.drawing->Picture(), pic(*r.list, r.picture));
        EXPECT_EQ(r.drawing->MousePointer(), cursor(1));
        EXPECT_TRUE(r.copy->Visible());
        EXPECT_FLOAT_EQ(r.copy->Left(), r.benchLeft);
        EXPECT_FLOAT_EQ(r.copy->Top(), r.benchTop);
        EXPECT_EQ(r.copy->Picture(), pic(*r.list, r.picture));
        EXPECT_EQ(*r.point, r.recorded);
        dblClick(*r.drawing);  // frees the point for the next row
        EXPECT_FALSE(r.drawing->Visible());
        EXPECT_FALSE(r.copy->Visible());
        EXPECT_EQ(*r.point, 0);
    }
}

TEST_F(WiringTest, AProbeAtDIsDrawnWithTheSwitchBlade) {
    chargeSwitch();
    place(scope.R1, kYD);
    EXPECT_EQ(scope.bY1.Picture(), pic(scope.ImageY1, 2));
    EXPECT_EQ(bench.Y1.Picture(), pic(scope.ImageY1, 2));
    place(scope.R2, kYA);
    dischargeSwitch();
    EXPECT_EQ(scope.bY1.Picture(), pic(scope.ImageY1, 1));
    EXPECT_EQ(bench.Y1.Picture(), pic(scope.ImageY1, 1));
    EXPECT_EQ(scope.bY2.Picture(), pic(scope.ImageY2, 3));  // at A: untouched
}

TEST_F(WiringTest, GroundNeverOnDAndPressesOutsideTheZonesKeepTheLead) {
    click(scope.N1);
    clickSchema(kX, kYD);
    clickSchema(20, 20);
    EXPECT_EQ(scope.FilPris, 3);
    EXPECT_EQ(scope.PointMasse, 0);
    EXPECT_FALSE(scope.bmasse.Visible());
}

TEST_F(WiringTest, CursorsWhileCarrying) {
    click(scope.R1);
    move(scope.schema, kX, kYD);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(5));
    move(scope.schema, 20, 20);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(6));
    clickSchema(kX, kYA);
    click(scope.N2);
    move(scope.schema, kX, kYD);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(10));
    move(scope.schema, kX, kYB);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(9));
    // Sockets: refused while carrying, or where the lead is plugged in already.
    move(scope.R2);
    EXPECT_EQ(scope.R2.MousePointer(), cursor(2));
    clickSchema(kX, kYB);
    move(scope.R2);
    EXPECT_EQ(scope.R2.MousePointer(), cursor(5));
    move(scope.N1);
    EXPECT_EQ(scope.N1.MousePointer(), cursor(9));
    move(scope.N2);
    EXPECT_EQ(scope.N2.MousePointer(), cursor(2));
    move(scope.R1);
    EXPECT_EQ(scope.R1.MousePointer(), cursor(2));
}

TEST_F(WiringTest, TheOneGroundLeadHangsFromOneBlackSocket) {
    place(scope.N1, kYB);
    EXPECT_TRUE(scope.FilN1.Visible());
    click(scope.N2);
    EXPECT_FALSE(scope.FilN1.Visible());
    EXPECT_TRUE(scope.filN2.Visible());
    EXPECT_FALSE(scope.bmasse.Visible());  // carried again: its drawing goes...
    EXPECT_TRUE(bench.Masse.Visible());    // ...its bench copy and point stay until placed
    EXPECT_EQ(scope.PointMasse, 3);
    clickSchema(kX, kYA);
    dblClick(scope.bmasse);
    EXPECT_FALSE(scope.FilN1.Visible());
    EXPECT_FALSE(scope.filN2.Visible());
    EXPECT_EQ(scope.PointMasse, 0);
}

TEST_F(WiringTest, DoubleClickOnTheDrawingDropsTheLeadAndEmptiesTheSockets) {
    place(scope.R1, kYA);
    click(scope.N1);
    dblClick(scope.schema);
    EXPECT_EQ(scope.FilPris, 0);
    for (rt::PictureControl* f : {&scope.filR1, &scope.FilN1, &scope.filR2, &scope.filN2})
        EXPECT_FALSE(f->Visible()) << f->name();
    EXPECT_EQ(scope.PointY1, 2);  // what was placed stays placed
    EXPECT_TRUE(scope.bY1.Visible());
}

TEST_F(WiringTest, APlacedLeadCoversItsPoint) {
    // Through the window's hit-testing: a press on an occupied point reaches the drawing.
    place(scope.R1, kYA);
    click(scope.R2);
    double wx, wy;
    rt::eventToWindow(scope.schema, kX, kYA, wx, wy);
    EXPECT_EQ(rt::hitTest(scope, wx, wy), &scope.bY1);
}

TEST_F(WiringTest, APressWhileCarryingRecomputesAChargeUnderWay) {
    powerOn();
    chargeSwitch();
    EXPECT_EQ(code.Branche1, "off");
    place(scope.R1, kYD);
    EXPECT_EQ(code.Branche1, "off");
    click(scope.N1);
    clickSchema(20, 20);  // not placed: computed all the same
    clickSchema(kX, kYB);
    EXPECT_EQ(code.Branche1, "DB");
    // At discharge nothing is computed by the wiring.
    dischargeSwitch();
    dblClick(scope.bmasse);
    place(scope.N1, kYA);
    EXPECT_EQ(code.Branche1, "DB");
    chargeSwitch();
    EXPECT_EQ(code.Branche1, "DA");
}

TEST_F(WiringTest, BothChannelsAtOnce) {
    powerOn();
    place(scope.R1, kYA);
    place(scope.R2, kYD);
    place(scope.N1, kYB);
    chargeSwitch();
    EXPECT_EQ(code.Branche1, "AB");
    EXPECT_EQ(code.Branche2, "DB");
    dblClick(scope.bY1);
    dblClick(scope.bY2);
    dblClick(scope.bmasse);
    place(scope.R1, kYB);
    place(scope.R2, kYD);
    place(scope.N2, kYA);
    dischargeSwitch();
    EXPECT_EQ(code.Branche1, "BA");
    EXPECT_EQ(code.Branche2, "DA");
}

TEST_F(SchematicTest, BoxOpensFromTheMenuAndClosesOnlyWithoutALead) {
    EXPECT_FALSE(scope.schemaboite.Visible());
    EXPECT_EQ(scope.schema.Picture(), pic(scope.Schema, 3));
    move(scope.Schemvisi);
    EXPECT_EQ(scope.BoutonSurvol, 3);
    EXPECT_TRUE(scope.Timer12.Enabled());
    wait(400);
    EXPECT_EQ(scope.Schemvisi.Picture(), pic(app.window<frmMain>("frmMain").ImaMenu, 11));
    click(scope.Schemvisi);
    EXPECT_TRUE(scope.schemaboite.Visible());
    EXPECT_FALSE(scope.Timer12.Enabled());
    EXPECT_EQ(scope.Schemvisi.Picture(), pic(app.window<frmMain>("frmMain").ImaMenu, 10));
    // Open: hovering starts no animation, clicking keeps it open.
    scope.BoutonSurvol = 0;
    move(scope.Schemvisi);
    EXPECT_EQ(scope.BoutonSurvol, 0);
    EXPECT_FALSE(scope.Timer12.Enabled());
    click(scope.Schemvisi);
    EXPECT_TRUE(scope.schemaboite.Visible());
    click(scope.N2);
    move(scope.CloseSh);
    EXPECT_EQ(scope.CloseSh.MousePointer(), cursor(2));
    click(scope.CloseSh);
    EXPECT_TRUE(scope.schemaboite.Visible());
    clickSchema(kX, kYB);
    move(scope.CloseSh);
    EXPECT_EQ(scope.CloseSh.MousePointer(), cursor(1));
    click(scope.CloseSh);
    EXPECT_FALSE(scope.schemaboite.Visible());
}

TEST_F(SchematicTest, SwitchContactsShowOnBothSchematicsAndCompute) {
    move(scope.schema, kChargeX, kContactY);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(1));
    move(scope.schema, 50, 50);
    EXPECT_EQ(scope.schema.MousePointer(), cursor(2));
    chargeSwitch();
    EXPECT_EQ(scope.schema.Picture(), pic(scope.Schema, 4));
    EXPECT_EQ(bench.Schemaelec.Picture(), pic(scope.Schema, 2));
    EXPECT_EQ(code.InterCharge, rt::True);
    EXPECT_EQ(code.Branche1, "off");  // the computation's entry ran
    clickSchema(53, 4);  // between the contacts: nothing
    EXPECT_EQ(code.InterCharge, rt::True);
    dischargeSwitch();
    EXPECT_EQ(scope.schema.Picture(), pic(scope.Schema, 3));
    EXPECT_EQ(bench.Schemaelec.Picture(), pic(scope.Schema, 1));
    EXPECT_EQ(code.InterCharge, rt::False);
    EXPECT_EQ(code.Decharge, rt::True);
}

}  // namespace
