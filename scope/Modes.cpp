// The MODE buttons: CH1, CH2, BOTH and X-Y exclude one another; CH2 INVERT toggles the sign of
// channel 2 on its own. A press that would repeat the present mode is ignored altogether.

#include "engine/PanelPictures.h"
#include "engine/SpotPlace.h"
#include "scope/Oscillo.h"

namespace pic = engine::panel_pictures;

namespace {
// Negates a value, leaving a zero as it is (no negative zero appears in the state).
template <class T>
void negate(T& v) {
    if (v != 0) v = -v;
}
}  // namespace

void Oscillo::pressModeButton(rt::PictureControl& pressed) {
    for (rt::PictureControl* b : {&CH1, &CH2, &Dual, &BtnXY})
        b->setPicture(ImageList2, b == &pressed ? pic::kButtonDown : pic::kButtonUp);
}

void Oscillo::recomputeForMode() {
    if (code.InterCharge)
        CalculCharge();
    else
        CalculDecharge();
    // The computation redraws only what it changes (nothing at all with the generator off or a
    // channel on GND); the channel the new mode shows must appear all the same.
    AfficheEcran();
}

void Oscillo::CH1_Click() {
    if (code.ModeCH1 && !code.ModeDual && !code.ModeXY) return;
    pressModeButton(CH1);
    placeScreenHorizontally();
    Ten2.setVisible(false);
    faisceau2(0).setVisible(false);
    XY(0).setVisible(false);
    code.ModeDual = rt::False;
    code.ModeCH1 = rt::True;
    code.ModeCH2 = rt::False;
    code.ModeXY = rt::False;
    if (PowerOn) recomputeForMode();
}

void Oscillo::CH2_Click() {
    if (code.ModeCH2 && !code.ModeDual && !code.ModeXY) return;
    pressModeButton(CH2);
    placeScreenHorizontally();
    Ten1.setVisible(false);
    faisceau1(0).setVisible(false);
    XY(0).setVisible(false);
    code.ModeDual = rt::False;
    code.ModeCH2 = rt::True;
    code.ModeCH1 = rt::False;
    code.ModeXY = rt::False;
    if (PowerOn) recomputeForMode();
}

void Oscillo::Dual_Click() {
    if (code.ModeDual && !code.ModeXY) return;
    // Leaving X-Y with storage still selected lights the STOR lamp again.
    if (code.ModeStor && code.ModeXY && PowerOn) DiodeV.setPicture(ImageList2, pic::kGreenLampLit);
    pressModeButton(Dual);
    placeScreenHorizontally();
    XY(0).setVisible(false);
    code.ModeDual = rt::True;
    code.ModeCH1 = rt::True;
    code.ModeCH2 = rt::True;
    code.ModeXY = rt::False;
    if (PowerOn) recomputeForMode();
}

void Oscillo::BtnXY_Click() {
    if (code.ModeXY) return;
    pressModeButton(BtnXY);
    code.ModeCH1 = rt::False;
    code.ModeCH2 = rt::False;
    code.ModeXY = rt::True;
    code.ModeDual = rt::False;
    if (!PowerOn) return;  // a storage mode that is on stays on
    Ten1.setVisible(false);
    Ten2.setVisible(false);
    Timer7.setEnabled(false);
    faisceau1(0).setVisible(false);
    faisceau2(0).setVisible(false);
    if (code.Memorise) {
        EffaceTrace();
        Ten1mes.setVisible(false);
        Ten2mes.setVisible(false);
    }
    if (code.ModeStor) {  // X-Y and storage exclude each other
        DiodeV.setPicture(ImageList2, pic::kGreenLampOff);
        DiodeV2.setPicture(ImageList2, pic::kGreenLampOff);
        Stor.setPicture(ImageList2, pic::kButtonUp);
        code.ModeStor = rt::False;
        code.PretStor = rt::False;
        code.Memorise = rt::False;
    }
    if (code.InterCharge)
        CalculCharge();
    else
        CalculDecharge();
    // The screen is centred in X-Y; the horizontal position comes back with the next mode.
    Ecran.setLeft(120);
    Axe.setLeft(0);
    placeXYSpot();
    XY(0).setVisible(true);
}

void Oscillo::placeXYSpot() {
    const engine::SpotPlace place = engine::xySpotPlace(code);
    XY(0).setLeft(place.left);
    XY(0).setTop(place.top);
}

void Oscillo::InvY2_Click() {
    if (code.SigneY2 == 1) {
        InvY2.setPicture(ImageList2, pic::kButtonDown);
        code.SigneY2 = -1;
    } else {
        code.SigneY2 = 1;
        InvY2.setPicture(ImageList2, pic::kButtonUp);
    }
    // The input and a running ramp turn over with the level, so that neither the coupling switch
    // (which copies the input) nor the ramp's next tick brings the old sign back.
    negate(code.EntreeY2);
    if (Timer11.Enabled()) {
        negate(code.CourantY2);
        negate(code.PasY2);
        negate(code.CibleY2);
        negate(code.DepartY2);
    }
    if (code.NiveauY2 == 0) return;
    code.NiveauY2 = -code.NiveauY2;
    if (PowerOn) AfficheEcran();
}
