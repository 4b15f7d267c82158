// The probe wiring: a lead is taken at its socket, carried over the schematic and placed on
// D, A or B (the ground lead on A or B only); a placed lead is removed by double-clicking its
// drawing. Each placement is mirrored on the bench's schematic and recorded as a point.

#include "bench/Chargedecharge.h"
#include "scope/Oscillo.h"
#include "shell/frmMain.h"

namespace {

constexpr int kCursorClick = 1;  // Imapoint
constexpr int kCursorRefused = 2;
constexpr int kCursorRedLead = 5;
constexpr int kCursorRedLeadRefused = 6;
constexpr int kCursorBlackLead = 9;
constexpr int kCursorBlackLeadRefused = 10;

// Where a placed lead is drawn, on the box's drawing and on the bench's copy, and with which
// picture of its list (0: the lead at D, drawn with the switch blade, picture 2 at charge and
// picture 1 at discharge).
struct Placement {
    int16_t lead;
    int16_t point;
    double left, top;
    int picture;
    double benchLeft, benchTop;
};

constexpr int16_t kLeadY1 = Oscillo::kLeadY1, kLeadY2 = Oscillo::kLeadY2, kLeadMasse = Oscillo::kLeadMasse;
constexpr int16_t kPointD = Oscillo::kPointD, kPointA = Oscillo::kPointA, kPointB = Oscillo::kPointB;

constexpr Placement kPlacements[] = {
    {kLeadY1, kPointD, 45.918, 7.5, 0, 43.506, 16.169},   {kLeadY1, kPointA, 44.898, 49, 3, 42.532, 51.493},
    {kLeadY1, kPointB, 50.34, 89.766, 4, 47.727, 86.07},  {kLeadY2, kPointD, 46.259, 7.895, 0, 43.8, 16.5},
    {kLeadY2, kPointA, 44.898, 49.5, 3, 42.6, 51.5},      {kLeadY2, kPointB, 50.68, 90.058, 4, 48.1, 86.2},
    {kLeadMasse, kPointA, 46.599, 49.415, 1, 44.2, 51.5}, {kLeadMasse, kPointB, 50.68, 90.645, 2, 48.2, 86.8},
};

const Placement* placementFor(int16_t lead, int16_t point) {
    for (const Placement& p : kPlacements)
        if (p.lead == lead && p.point == point) return &p;
    return nullptr;
}

}  // namespace

int16_t Oscillo::schematicPointAt(float X, float Y) {
    if (!(52 < X && X < 55)) return kPointNone;
    if (9 < Y && Y < 12) return kPointD;
    if (50 < Y && Y < 53) return kPointA;
    if (91 < Y && Y < 94) return kPointB;
    return kPointNone;
}

bool Oscillo::leadAllowedAt(int16_t lead, int16_t point) {
    if (point == kPointNone) return false;
    return lead != kLeadMasse || point != kPointD;
}

Oscillo::Lead Oscillo::lead(int16_t which) {
    Chargedecharge& b = bench();
    switch (which) {
        case kLeadY1:
            return {&bY1, &b.Y1, &ImageY1, &b.ImageY1, &PointY1};
        case kLeadY2:
            return {&bY2, &b.Y2, &ImageY2, &b.ImageY2, &PointY2};
        default:
            return {&bmasse, &b.Masse, &ImageMasse, &b.ImageMasse, &PointMasse};
    }
}

// ---- Taking a lead at a socket.

void Oscillo::takeLead(int16_t which, rt::PictureControl& plugged, rt::PictureControl* unplugged) {
    if (FilPris != 0) return;  // one lead at a time
    schemaboite.setVisible(true);
    FilPris = which;
    rt::PictureControl& drawing = *lead(which).drawing;
    if (drawing.Visible()) drawing.setVisible(false);  // point and bench copy stay until placed again
    plugged.setVisible(true);
    if (unplugged) unplugged->setVisible(false);  // the one ground lead hangs from one socket
}

void Oscillo::R1_Click() {
    takeLead(kLeadY1, filR1, nullptr);
}
void Oscillo::R2_Click() {
    takeLead(kLeadY2, filR2, nullptr);
}
void Oscillo::N1_Click() {
    takeLead(kLeadMasse, FilN1, &filN2);
}
void Oscillo::N2_Click() {
    takeLead(kLeadMasse, filN2, &FilN1);
}

void Oscillo::socketCursor(rt::PictureControl& socket, const rt::PictureControl& plugged, int freeCursor) {
    const bool refused = FilPris > 0 || plugged.Visible();
    socket.setMousePointer({&frame().Imapoint, refused ? kCursorRefused : freeCursor});
}

void Oscillo::R1_MouseMove(int, int, float, float) {
    socketCursor(R1, filR1, kCursorRedLead);
}
void Oscillo::R2_MouseMove(int, int, float, float) {
    socketCursor(R2, filR2, kCursorRedLead);
}
void Oscillo::N1_MouseMove(int, int, float, float) {
    socketCursor(N1, FilN1, kCursorBlackLead);
}
void Oscillo::N2_MouseMove(int, int, float, float) {
    socketCursor(N2, filN2, kCursorBlackLead);
}

// ---- Placing the carried lead.

void Oscillo::placeCarriedLead(float X, float Y) {
    const int16_t point = schematicPointAt(X, Y);
    if (leadAllowedAt(FilPris, point)) {
        const Placement& p = *placementFor(FilPris, point);
        const int picture = p.picture != 0 ? p.picture : (code.InterCharge ? 2 : 1);
        const Lead l = lead(FilPris);
        l.drawing->move(static_cast<float>(p.left), static_cast<float>(p.top));
        l.drawing->setPicture(*l.pictures, picture);
        l.drawing->setVisible(true);
        l.drawing->setMousePointer({&frame().Imapoint, kCursorClick});
        l.benchCopy->move(static_cast<float>(p.benchLeft), static_cast<float>(p.benchTop));
        l.benchCopy->setPicture(*l.benchPictures, picture);
        l.benchCopy->setVisible(true);
        *l.point = point;
        FilPris = 0;
    }
    // Placed or not, a charge already under way is computed again with the new wiring.
    if (PowerOn && code.InterCharge) CalculCharge();
}

void Oscillo::carriedLeadCursor(float X, float Y) {
    const int16_t point = schematicPointAt(X, Y);
    const bool allowed = leadAllowedAt(FilPris, point);
    const bool ground = FilPris == kLeadMasse;
    const int cursor = ground ? (allowed ? kCursorBlackLead : kCursorBlackLeadRefused)
                              : (allowed ? kCursorRedLead : kCursorRedLeadRefused);
    schema.setMousePointer({&frame().Imapoint, cursor});
}

void Oscillo::schema_DblClick() {
    // Drops the carried lead; the panel shows no lead plugged in afterwards.
    if (FilPris > 0) FilPris = 0;
    for (rt::PictureControl* plugged : {&filR1, &FilN1, &filR2, &filN2}) plugged->setVisible(false);
}

// ---- Removing a placed lead.

void Oscillo::removeLead(int16_t which) {
    const Lead l = lead(which);
    l.drawing->setVisible(false);
    l.benchCopy->setVisible(false);
    *l.point = kPointNone;
    // The channel measures nothing any more: its input goes to 0 with its level, and a ramp it
    // was running stops, so that neither the coupling switch nor a ramp tick brings it back.
    if (which == kLeadY1 || which == kLeadMasse) signal_.setLevel(1, 0);
    if (which == kLeadY2 || which == kLeadMasse) signal_.setLevel(2, 0);
    if (PowerOn) AfficheEcran();
}

void Oscillo::bY1_DblClick() {
    filR1.setVisible(false);
    removeLead(kLeadY1);
}

void Oscillo::bY2_DblClick() {
    filR2.setVisible(false);
    removeLead(kLeadY2);
}

void Oscillo::bmasse_DblClick() {
    FilN1.setVisible(false);
    filN2.setVisible(false);
    removeLead(kLeadMasse);
}
