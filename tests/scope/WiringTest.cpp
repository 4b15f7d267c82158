// The point zones and switch contacts as open rectangles, every placement of the wiring table
// on both schematics, a placed lead covering its point, and the recomputation after a press.

#include "PanelFixture.h"

namespace {

using WiringTest = PanelTest;

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
        {&scope.R1, kYD, &scope.bY1, &bench.Y1, &scope.ImageY1, 45.918f, 7.5f, 1, 43.506f, 16.169f,
         &scope.PointY1, 1},
        {&scope.R1, kYA, &scope.bY1, &bench.Y1, &scope.ImageY1, 44.898f, 49, 3, 42.532f, 51.493f,
         &scope.PointY1, 2},
        {&scope.R1, kYB, &scope.bY1, &bench.Y1, &scope.ImageY1, 50.34f, 89.766f, 4, 47.727f, 86.07f,
         &scope.PointY1, 3},
        {&scope.R2, kYD, &scope.bY2, &bench.Y2, &scope.ImageY2, 46.259f, 7.895f, 1, 43.8f, 16.5f,
         &scope.PointY2, 1},
        {&scope.R2, kYA, &scope.bY2, &bench.Y2, &scope.ImageY2, 44.898f, 49.5f, 3, 42.6f, 51.5f,
         &scope.PointY2, 2},
        {&scope.R2, kYB, &scope.bY2, &bench.Y2, &scope.ImageY2, 50.68f, 90.058f, 4, 48.1f, 86.2f,
         &scope.PointY2, 3},
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

}  // namespace
