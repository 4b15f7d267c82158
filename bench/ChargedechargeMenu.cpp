// The bench's menu strip: hover animation of its four buttons, the short-circuit warning, the two
// scroll arrows, and the way to the oscilloscope.
#include "bench/Chargedecharge.h"
#include "runtime/Application.h"

// The pointer reached the window or strip background: the animation stops and every button
// returns to its resting picture; a warning that was up is taken down.
void Chargedecharge::restMenuButtons() {
    if (Timer1.Enabled()) {
        Timer1.setEnabled(false);
        ImgBretour = 2;
        ImgBmain = 6;
        ImgOscillo = 15;
        ImgBtnordi = 22;
        Bretour.setPicture(menuArt(2));
        Bmain.setPicture(menuArt(6));
        Oscilloaffich.setPicture(menuArt(14));
        Btnordi.setPicture(menuArt(21));
    }
    if (caution.Visible()) {
        caution.setVisible(false);
        Oscilloaffich.setMousePointer(pointer(1));
        Btnordi.setMousePointer(pointer(1));
    }
}

void Chargedecharge::Form_MouseMove(int, int, float, float) {
    restMenuButtons();
}

void Chargedecharge::FmenuChDech_MouseMove(int, int, float, float) {
    restMenuButtons();
}

void Chargedecharge::Bretour_MouseMove(int, int, float, float) {
    BoutonSurvol = 1;
    Timer1.setEnabled(true);
}

void Chargedecharge::Bmain_MouseMove(int, int, float, float) {
    BoutonSurvol = 2;
    Timer1.setEnabled(true);
}

void Chargedecharge::Oscilloaffich_MouseMove(int, int, float, float) {
    if (shortCircuit()) {
        Oscilloaffich.setMousePointer(pointer(2));
        caution.setVisible(true);
        return;
    }
    BoutonSurvol = 3;
    Timer1.setEnabled(true);
}

void Chargedecharge::Btnordi_MouseMove(int, int, float, float) {
    if (shortCircuit()) {
        Btnordi.setMousePointer(pointer(2));
        caution.setVisible(true);
        return;
    }
    BoutonSurvol = 4;
    Timer1.setEnabled(true);
}

// One frame of the button under the pointer; each counter wraps inside its own loop.
void Chargedecharge::Timer1_Timer() {
    switch (BoutonSurvol) {
        case 1:
            Bretour.setPicture(menuArt(ImgBretour));
            if (++ImgBretour == 6) ImgBretour = 2;
            break;
        case 2:
            Bmain.setPicture(menuArt(ImgBmain));
            if (++ImgBmain == 10) ImgBmain = 6;
            break;
        case 3:
            Oscilloaffich.setPicture(menuArt(ImgOscillo));
            if (++ImgOscillo == 20) ImgOscillo = 15;
            break;
        case 4:
            Btnordi.setPicture(menuArt(ImgBtnordi));
            if (++ImgBtnordi == 27) ImgBtnordi = 22;
            break;
        default:
            break;
    }
}

void Chargedecharge::Bretour_Click() {
    Timer1.setEnabled(false);
    ImgBretour = 2;
    Bretour.setPicture(menuArt(2));
}

void Chargedecharge::Bmain_Click() {
    Timer1.setEnabled(false);
    ImgBmain = 6;
    Bmain.setPicture(menuArt(6));
}

void Chargedecharge::Btnordi_Click() {
    Timer1.setEnabled(false);
    ImgBtnordi = 22;
    Btnordi.setPicture(menuArt(21));
}

// To the oscilloscope, unless the circuit as set would be a short circuit.
void Chargedecharge::Oscilloaffich_Click() {
    Timer1.setEnabled(false);
    ImgOscillo = 15;
    Oscilloaffich.setPicture(menuArt(14));
    if (shortCircuit()) return;
    Hide();
    app().window("Oscillo").Show();
}

// The strip shows three of the four buttons: the arrows slide them 2100 twips either way.
void Chargedecharge::fG_Click() {
    fG.setVisible(false);
    for (rt::PictureControl* b : {&Oscilloaffich, &Bmain, &Bretour, &Btnordi}) b->setLeft(b->Left() + 2100);
    fD.setVisible(true);
}

void Chargedecharge::fD_Click() {
    fD.setVisible(false);
    for (rt::PictureControl* b : {&Oscilloaffich, &Bmain, &Bretour, &Btnordi}) b->setLeft(b->Left() - 2100);
    fG.setVisible(true);
}
