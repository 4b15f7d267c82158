// The resistor and capacitor decade boxes: knobs turned one position per tick of their timer while
// a button is held on their hit area, the sums written to Rdec and Cdec and to the schematic's
// labels, and the capacitor box's sliding knob strip.
#include "bench/BenchValues.h"
#include "bench/Chargedecharge.h"

namespace {

constexpr int kFirstPosition = 1;  // picture of a knob at 0
constexpr int kLastPosition = 11;  // picture of a knob at 10

// The refusal cursor when the knob cannot turn that way, else the turning hand.
int knobCursor(bool leftHalf, int picture) {
    if (leftHalf) return picture <= kFirstPosition ? 7 : 3;
    return picture >= kLastPosition ? 8 : 4;
}

// One step of a decade knob in the held direction; false when it stands at that end already.
template <class T>
bool stepDecade(T& cran, bool down) {
    if (down ? cran <= kFirstPosition : cran >= kLastPosition) return false;
    cran = static_cast<T>(down ? cran - 1 : cran + 1);
    return true;
}

}  // namespace

void Chargedecharge::pressDecadeKnob(rt::PictureControl& hit, float X, int16_t& decade, int index, rt::Timer& timer) {
    const bool left = X < hit.Width() / 2;
    RotGauche = rt::flag(left);
    hit.setMousePointer(pointer(left ? 3 : 4));
    decade = static_cast<int16_t>(index);
    timer.setEnabled(true);
}

void Chargedecharge::MajResistance() {
    const int32_t r = bench::resistanceOhms(CranR);
    code.Rdec = r;
    ValR.setCaption(bench::resistanceCaption(r, decimal()));
    placeOmega();
}

void Chargedecharge::MajCapacite() {
    const double c = bench::capacitanceMicrofarads(CranC);
    ValC.setCaption(bench::capacitanceCaption(c, decimal()));
    // Long captions start further left so that they stay inside the schematic.
    ValC.setLeft(ValC.Width() > 20 ? 53.5f : 57.0f);
    code.Cdec = c / 1000000;
}

void Chargedecharge::RCtl_MouseDown(int Index, int, int, float X, float) {
    pressDecadeKnob(RCtl(Index), X, DecadeR, Index, TimerR);
}

void Chargedecharge::RCtl_MouseMove(int Index, int, int, float X, float) {
    rt::PictureControl& hit = RCtl(Index);
    hit.setMousePointer(pointer(knobCursor(X < hit.Width() / 2, CranR[static_cast<size_t>(Index - 1)])));
}

void Chargedecharge::RCtl_MouseUp(int, int, int, float, float) {
    TimerR.setEnabled(false);
}

void Chargedecharge::TimerR_Timer() {
    if (DecadeR < 1 || DecadeR > 4) return;
    int32_t& cran = CranR[static_cast<size_t>(DecadeR - 1)];
    if (!stepDecade(cran, RotGauche)) return;
    Rpot(DecadeR).setPicture(ImaBtnDec, cran);
    MajResistance();
}

void Chargedecharge::Cctl_MouseDown(int Index, int, int, float X, float) {
    pressDecadeKnob(Cctl(Index), X, DecadeC, Index, TimerC);
}

void Chargedecharge::Cctl_MouseMove(int Index, int, int, float X, float) {
    rt::PictureControl& hit = Cctl(Index);
    hit.setMousePointer(pointer(knobCursor(X < hit.Width() / 2, CranC[static_cast<size_t>(Index - 1)])));
}

void Chargedecharge::Cctl_MouseUp(int, int, int, float, float) {
    TimerC.setEnabled(false);
}

void Chargedecharge::TimerC_Timer() {
    if (DecadeC < 1 || DecadeC > 6) return;
    int16_t& cran = CranC[static_cast<size_t>(DecadeC - 1)];
    if (!stepDecade(cran, RotGauche)) return;
    Cpot(DecadeC).setPicture(ImaBtnDec, cran);
    MajCapacite();
}

// The strip slides by one knob; an arrow that would take it past an end is hidden.
void Chargedecharge::FlecheD_Click() {
    boxbtncond.setLeft(boxbtncond.Left() - 1400);
    FlecheG.setVisible(true);
    if (boxbtncond.Left() == -2800) FlecheD.setVisible(false);
}

void Chargedecharge::FlecheG_Click() {
    boxbtncond.setLeft(boxbtncond.Left() + 1400);
    FlecheD.setVisible(true);
    if (boxbtncond.Left() == 0) FlecheG.setVisible(false);
}

void Chargedecharge::FlecheD_MouseMove(int, int, float, float) {
    FlecheD.setMousePointer(pointer(1));
}

void Chargedecharge::FlecheG_MouseMove(int, int, float, float) {
    FlecheG.setMousePointer(pointer(1));
}
