// The menu strip below the panel: three buttons animated while the pointer is over them, the way
// back to the bench and the main-menu button that only stops its animation.

#include "scope/Oscillo.h"

#include "runtime/Application.h"
#include "shell/frmMain.h"

namespace {
// Steps an animation frame on by one inside first..last.
int16_t nextFrame(int16_t frame, int16_t first, int16_t last) { return frame >= last ? first : frame + 1; }
}  // namespace

void Oscillo::retour_MouseMove(int, int, float, float) {
    BoutonSurvol = 1;
    Timer12.setEnabled(true);
}

void Oscillo::Mprinci_MouseMove(int, int, float, float) {
    BoutonSurvol = 2;
    Timer12.setEnabled(true);
}

void Oscillo::Timer12_Timer() {
    const rt::PictureList& ImaMenu = frame().ImaMenu;
    switch (BoutonSurvol) {
        case 1:
            retour.setPicture(ImaMenu, ImgRetour);
            ImgRetour = nextFrame(ImgRetour, 2, 5);
            break;
        case 2:
            Mprinci.setPicture(ImaMenu, ImgMprinci);
            ImgMprinci = nextFrame(ImgMprinci, 6, 9);
            break;
        case 3:
            Schemvisi.setPicture(ImaMenu, ImgSchemvisi);
            ImgSchemvisi = nextFrame(ImgSchemvisi, 10, 13);
            break;
        default: break;
    }
}

void Oscillo::restMenuButtons() {
    const rt::PictureList& ImaMenu = frame().ImaMenu;
    Timer12.setEnabled(false);
    ImgRetour = 2;
    ImgMprinci = 6;
    ImgSchemvisi = 10;
    retour.setPicture(ImaMenu, ImgRetour);
    Mprinci.setPicture(ImaMenu, ImgMprinci);
    Schemvisi.setPicture(ImaMenu, ImgSchemvisi);
}

void Oscillo::Form_MouseMove(int, int, float, float) {
    ChoixCouplage = rt::False;
    restMenuButtons();
}

void Oscillo::menu_MouseMove(int, int, float, float) { restMenuButtons(); }

void Oscillo::retour_Click() {
    Timer12.setEnabled(false);
    retour.setPicture(frame().ImaMenu, 2);
    Hide();
    app().window("Chargedecharge").Show();
}

void Oscillo::Mprinci_Click() {
    Timer12.setEnabled(false);
    Mprinci.setPicture(frame().ImaMenu, 6);
}
