// The schematics and the lead drawings must meet: a press in a point's zone of the box
// schematic lands on the drawn point, a lead drawing placed by the wiring covers that point on
// both schematics (the box and the bench copy, of different scales), and the switch blade a
// lead at D repaints lies on the schematic's own blade.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "art/PictureTables.h"
#include "runtime/qt/QtArt.h"

namespace {

class SchemaArt : public ::testing::Test {};

struct Scale {
    double x, y;
};
constexpr Scale kBench{3.08, 4.04};  // Schemaelec: 308 x 404 px for 100 x 100 units
constexpr Scale kBox{2.94, 3.42};    // schema: 294 x 342 px for 100 x 100 units

QPointF px(Scale s, double ux, double uy) {
    return {ux * s.x, uy * s.y};
}

// The open rectangles (units) the wiring and the switch react to on the box schematic.
const QRectF kZoneD(52, 9, 3, 3), kZoneA(52, 50, 3, 3), kZoneB(52, 91, 3, 3);
const QRectF kContactCharge(43.5, 3, 3, 2), kContactDischarge(60.5, 3, 3, 2);

QPointF centreOnBox(const QRectF& zone) {
    return px(kBox, zone.center().x(), zone.center().y());
}

QRgb sample(const QImage& img, QPointF logical) {
    const qreal dpr = img.devicePixelRatio();
    return img.pixel(static_cast<int>(std::floor(logical.x() * dpr)),
                     static_cast<int>(std::floor(logical.y() * dpr)));
}

bool inked(const QImage& img, QPointF logical) {
    const QRgb c = sample(img, logical);
    return qAlpha(c) == 255 && qGray(c) < 110;
}

bool opaque(const QImage& img, QPointF logical) {
    return qAlpha(sample(img, logical)) > 200;
}

// One lead drawing and where the wiring puts its top-left corner (units).
struct Lead {
    const char* list;
    int n;
    QRectF zone;
    QPointF box, bench;
};

const std::vector<Lead> kLeads = {
    {"ImageY1", 1, kZoneD, {45.918, 7.5}, {43.506, 16.169}},
    {"ImageY1", 2, kZoneD, {45.918, 7.5}, {43.506, 16.169}},
    {"ImageY1", 3, kZoneA, {44.898, 49}, {42.532, 51.493}},
    {"ImageY1", 4, kZoneB, {50.34, 89.766}, {47.727, 86.07}},
    {"ImageY2", 1, kZoneD, {46.259, 7.895}, {43.8, 16.5}},
    {"ImageY2", 2, kZoneD, {46.259, 7.895}, {43.8, 16.5}},
    {"ImageY2", 3, kZoneA, {44.898, 49.5}, {42.6, 51.5}},
    {"ImageY2", 4, kZoneB, {50.68, 90.058}, {48.1, 86.2}},
    {"ImageMasse", 1, kZoneA, {46.599, 49.415}, {44.2, 51.5}},
    {"ImageMasse", 2, kZoneB, {50.68, 90.645}, {48.2, 86.8}},
};

std::string name(const Lead& l) {
    return std::string(l.list) + " " + std::to_string(l.n);
}

QPointF boxOrigin(const Lead& l) {
    return px(kBox, l.box.x(), l.box.y());
}
QPointF benchOrigin(const Lead& l) {
    return px(kBench, l.bench.x(), l.bench.y());
}

// The lead's point in its own pixels: the zone's middle on the box schematic.
QPointF pointInLead(const Lead& l) {
    return centreOnBox(l.zone) - boxOrigin(l);
}

// Where that same pixel of the lead falls on the bench schematic.
QPointF pointOnBench(const Lead& l) {
    return benchOrigin(l) + pointInLead(l);
}

const double kRatios[] = {1.0, 1.5, 2.0};

// A press in the middle of a zone must fall on the drawn dot or contact, at every ratio.
TEST_F(SchemaArt, BoxPointsAndContactsAreDrawnInTheirZones) {
    for (double dpr : kRatios) {
        for (int n : {3, 4}) {
            const QImage img = rtqt::paintPictureImage("Schema", n, dpr);
            ASSERT_FALSE(img.isNull());
            for (const QRectF& z : {kZoneD, kZoneA, kZoneB, kContactCharge, kContactDischarge})
                EXPECT_TRUE(inked(img, centreOnBox(z)))
                    << "Schema " << n << " dpr " << dpr << " zone at " << z.x() << "," << z.y();
        }
    }
}

// Each lead covers its zone, is drawn on the zone's middle, and that pixel of the lead lands on
// the bench schematic's dot in both switch positions.
TEST_F(SchemaArt, LeadsCoverTheirPointOnBothSchematics) {
    for (double dpr : kRatios) {
        const QImage bench[] = {rtqt::paintPictureImage("Schema", 1, dpr),
                                rtqt::paintPictureImage("Schema", 2, dpr)};
        for (const Lead& l : kLeads) {
            const rt::PictureInfo& info = art::list(l.list).at(l.n);
            const QRectF onBox(boxOrigin(l), QSizeF(info.width, info.height));
            const QRectF zone(px(kBox, l.zone.left(), l.zone.top()),
                              px(kBox, l.zone.right(), l.zone.bottom()));
            EXPECT_TRUE(onBox.contains(zone)) << name(l);

            const QImage lead = rtqt::paintPictureImage(l.list, l.n, dpr);
            EXPECT_TRUE(opaque(lead, pointInLead(l))) << name(l) << " dpr " << dpr;
            for (const QImage& b : bench) EXPECT_TRUE(inked(b, pointOnBench(l))) << name(l) << " dpr " << dpr;
        }
    }
}

// The blade joins D to the discharge contact in 1 and 3, to the charge contact in 2 and 4; a
// lead at D repaints the stretch next to D for its own position only, on the line of both
// schematics' blades (the bench's is longer, in the same direction).
TEST_F(SchemaArt, BladeFollowsTheSwitchPositionInSchematicsAndLeadsAtD) {
    const QPointF d = centreOnBox(kZoneD);
    const QPointF toDischarge = centreOnBox(kContactDischarge) - d,
                  toCharge = centreOnBox(kContactCharge) - d;
    const double dpr = 2;  // the blade is a thin line: sample where its middle covers a whole pixel
    const QImage box[] = {rtqt::paintPictureImage("Schema", 3, dpr),
                          rtqt::paintPictureImage("Schema", 4, dpr)};
    EXPECT_TRUE(inked(box[0], d + toDischarge * 0.5));
    EXPECT_FALSE(inked(box[0], d + toCharge * 0.5));
    EXPECT_TRUE(inked(box[1], d + toCharge * 0.5));
    EXPECT_FALSE(inked(box[1], d + toDischarge * 0.5));

    const QImage bench[] = {rtqt::paintPictureImage("Schema", 1, dpr),
                            rtqt::paintPictureImage("Schema", 2, dpr)};
    for (const Lead& l : kLeads) {
        if (l.zone != kZoneD) continue;
        const QImage lead = rtqt::paintPictureImage(l.list, l.n, dpr);
        const bool charge = l.n == 2;
        const QPointF dir = charge ? toCharge : toDischarge, other = charge ? toDischarge : toCharge;
        const auto unit = [](QPointF v) { return v / std::hypot(v.x(), v.y()); };
        const QPointF stub = pointInLead(l) + unit(dir) * 7.5;  // past the clip, inside the picture
        EXPECT_TRUE(inked(lead, stub)) << name(l);
        EXPECT_FALSE(opaque(lead, pointInLead(l) + unit(other) * 7.5)) << name(l);
        EXPECT_TRUE(inked(box[charge ? 1 : 0], boxOrigin(l) + stub)) << name(l);
        EXPECT_TRUE(inked(bench[charge ? 1 : 0], benchOrigin(l) + stub)) << name(l);
    }
}

// Away from the lead itself the pictures are transparent, so the schematic shows through.
TEST_F(SchemaArt, LeadsAreMostlyTransparent) {
    for (const Lead& l : kLeads) {
        const QImage lead = rtqt::paintPictureImage(l.list, l.n);
        int covered = 0;
        for (int y = 0; y < lead.height(); ++y)
            for (int x = 0; x < lead.width(); ++x) covered += qAlpha(lead.pixel(x, y)) > 0;
        EXPECT_LT(covered, lead.width() * lead.height() / 4) << name(l);
        EXPECT_EQ(qAlpha(lead.pixel(0, lead.height() - 1)), 0) << name(l);
    }
}

// The close box of the title strip lies under the close hit area, x 275 to 292.
TEST_F(SchemaArt, TitleStripHasItsCloseBoxAtTheRightEnd) {
    const QImage strip = rtqt::paintPictureImage("Schema", 5);
    const QRgb title = sample(strip, {240, 8}), face = sample(strip, {278, 4});
    EXPECT_GT(qBlue(title), qRed(title) + 40);
    EXPECT_GT(qGray(face), 170);
    EXPECT_TRUE(inked(strip, {283.5, 8.5}));  // the cross
}

}  // namespace
