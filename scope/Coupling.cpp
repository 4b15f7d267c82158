// The AC / DC / GND slide switch of each channel. A click on the square holding the slider
// takes hold of it (one flag for both channels); while held, every square the pointer moves over
// is chosen at once; the next click on either column lets go.

#include "engine/PanelPictures.h"
#include "scope/Oscillo.h"
#include "shell/frmMain.h"

namespace pic = engine::panel_pictures;

namespace {
constexpr int kCursorClick = 1;  // Imapoint: a click does something here
constexpr int kCursorRefused = 2;
}  // namespace

Oscillo::CouplingSwitch Oscillo::couplingSwitch(int voie) {
    if (voie == 1)
        return {{&ACV1, &DCV1, &GND1}, {&CouplAC1, &CouplDC1, &code.MasseY1}, &code.NiveauY1, &code.EntreeY1};
    return {{&ACV2, &DCV2, &GND2}, {&CouplAC2, &CouplDC2, &code.MasseY2}, &code.NiveauY2, &code.EntreeY2};
}

void Oscillo::couplingClick(int voie, int position) {
    const CouplingSwitch sw = couplingSwitch(voie);
    const rt::PictureList& cursors = frame().Imapoint;
    if (ChoixCouplage) {
        // Let go: the square under the pointer was chosen when the pointer entered it.
        ChoixCouplage = rt::False;
        for (int i = 0; i < 3; ++i)
            sw.squares[i]->setMousePointer({&cursors, i == position ? kCursorClick : kCursorRefused});
        return;
    }
    if (*sw.flags[position]) {
        ChoixCouplage = rt::True;
        for (rt::PictureControl* sq : sw.squares) sq->setMousePointer({&cursors, kCursorClick});
    }
}

void Oscillo::couplingEnter(int voie, int position) {
    if (!ChoixCouplage) return;
    const CouplingSwitch sw = couplingSwitch(voie);
    for (int i = 0; i < 3; ++i) {
        *sw.flags[i] = rt::flag(i == position);
        sw.squares[i]->setPicture(ImageList2, i == position ? pic::kSliderHere : pic::kSliderEmpty);
    }
    *sw.niveau = position == kCouplingGnd ? 0.0 : *sw.entree;
    if (PowerOn) AfficheEcran();
}

void Oscillo::ACV1_Click() {
    couplingClick(1, kCouplingAc);
}
void Oscillo::DCV1_Click() {
    couplingClick(1, kCouplingDc);
}
void Oscillo::GND1_Click() {
    couplingClick(1, kCouplingGnd);
}
void Oscillo::ACV2_Click() {
    couplingClick(2, kCouplingAc);
}
void Oscillo::DCV2_Click() {
    couplingClick(2, kCouplingDc);
}
void Oscillo::GND2_Click() {
    couplingClick(2, kCouplingGnd);
}

void Oscillo::ACV1_MouseMove(int, int, float, float) {
    couplingEnter(1, kCouplingAc);
}
void Oscillo::DCV1_MouseMove(int, int, float, float) {
    couplingEnter(1, kCouplingDc);
}
void Oscillo::GND1_MouseMove(int, int, float, float) {
    couplingEnter(1, kCouplingGnd);
}
void Oscillo::ACV2_MouseMove(int, int, float, float) {
    couplingEnter(2, kCouplingAc);
}
void Oscillo::DCV2_MouseMove(int, int, float, float) {
    couplingEnter(2, kCouplingDc);
}
void Oscillo::GND2_MouseMove(int, int, float, float) {
    couplingEnter(2, kCouplingGnd);
}
