// The pop-up schematic box: opened from the menu strip (or by taking a lead), closed by its
// close mark while no lead is carried. On its drawing the circuit's two-way switch is thrown:
// the left contact joins D to E (charge), the right one to B (discharge).

#include "bench/Chargedecharge.h"
#include "scope/Oscillo.h"
#include "shell/frmMain.h"

namespace {
constexpr int kCursorClick = 1;  // Imapoint
constexpr int kCursorRefused = 2;
constexpr int kSchemvisiAtRest = 10;  // ImaMenu
constexpr int16_t kHoverSchemvisi = 3;

// Schema pictures: the bench's schematic and the box's, with the switch at discharge or charge.
constexpr int kBenchDischarge = 1, kBenchCharge = 2, kBoxDischarge = 3, kBoxCharge = 4;
// ImageY1 / ImageY2: the probe at D drawn with the switch blade at discharge or charge.
constexpr int kProbeAtDDischarge = 1, kProbeAtDCharge = 2;
}  // namespace

int Oscillo::switchContactAt(float X, float Y) {
    if (!(3 < Y && Y < 5)) return kContactNone;
    if (43.5 < X && X < 46.5) return kContactCharge;
    if (60.5 < X && X < 63.5) return kContactDischarge;
    return kContactNone;
}

// ---- Opening and closing the box.

void Oscillo::Schemvisi_Click() {
    Timer12.setEnabled(false);
    Schemvisi.setPicture(frame().ImaMenu, kSchemvisiAtRest);
    schemaboite.setVisible(true);
}

void Oscillo::Schemvisi_MouseMove(int, int, float, float) {
    if (schemaboite.Visible()) return;  // no animation while the box is open
    BoutonSurvol = kHoverSchemvisi;
    Timer12.setEnabled(true);
}

void Oscillo::CloseSh_Click() {
    if (FilPris == 0) schemaboite.setVisible(false);  // a carried lead keeps the box open
}

void Oscillo::CloseSh_MouseMove(int, int, float, float) {
    CloseSh.setMousePointer({&frame().Imapoint, FilPris != 0 ? kCursorRefused : kCursorClick});
}

// ---- The drawing: the switch, or the carried lead.

void Oscillo::schema_MouseDown(int, int, float X, float Y) {
    if (FilPris != 0) {
        placeCarriedLead(X, Y);
        return;
    }
    const int contact = switchContactAt(X, Y);
    if (contact != kContactNone) throwSwitch(contact == kContactCharge);
}

void Oscillo::schema_MouseMove(int, int, float X, float Y) {
    if (FilPris != 0) {
        carriedLeadCursor(X, Y);
        return;
    }
    schema.setMousePointer(
        {&frame().Imapoint, switchContactAt(X, Y) != kContactNone ? kCursorClick : kCursorRefused});
}

void Oscillo::throwSwitch(bool charge) {
    // A probe at D is drawn together with the switch blade next to it: it follows the switch.
    Chargedecharge& b = bench();
    const int atD = charge ? kProbeAtDCharge : kProbeAtDDischarge;
    if (PointY1 == kPointD) {
        bY1.setPicture(ImageY1, atD);
        b.Y1.setPicture(b.ImageY1, atD);
    }
    if (PointY2 == kPointD) {
        bY2.setPicture(ImageY2, atD);
        b.Y2.setPicture(b.ImageY2, atD);
    }
    schema.setPicture(Schema, charge ? kBoxCharge : kBoxDischarge);
    b.Schemaelec.setPicture(b.Schema, charge ? kBenchCharge : kBenchDischarge);
    if (charge)
        CalculCharge();
    else
        CalculDecharge();
}
