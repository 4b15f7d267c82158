// The power rocker: its hit area over the half that a click would press, the ON lamp, and what
// switching off and on does to the screen and the storage lamps.

#include "engine/PanelPictures.h"
#include "scope/Oscillo.h"

namespace pic = engine::panel_pictures;

void Oscillo::Powerclick_Click() {
    if (PowerOn) switchOff();
    else switchOn();
}

void Oscillo::switchOff() {
    Power.setPicture(ImageList2, pic::kPowerRockerOff);
    Diodepow.setPicture(ImageList2, pic::kRedLampOff);
    PowerOn = rt::False;
    Powerclick.move(1020, 5745);
    Ten1.setVisible(false);
    Ten2.setVisible(false);
    XY(0).setVisible(false);
    faisceau1(0).setVisible(false);
    faisceau2(0).setVisible(false);
    Timer7.setEnabled(false);
    if (code.Memorise) {
        EffaceTrace();
        Ten1mes.setVisible(false);
        Ten2mes.setVisible(false);
    }
    // STOR stays selected, its lamp goes dark.
    if (code.ModeStor) DiodeV.setPicture(ImageList2, pic::kGreenLampOff);
    if (code.PretStor) {
        DiodeV2.setPicture(ImageList2, pic::kGreenLampOff);
        code.PretStor = rt::False;
    }
    code.Memorise = rt::False;
    // The level ramps go on: the levels keep moving in the dark.
}

void Oscillo::switchOn() {
    Power.setPicture(ImageList2, pic::kPowerRockerOn);
    Diodepow.setPicture(ImageList2, pic::kRedLampLit);
    PowerOn = rt::True;
    Powerclick.move(745, 5745);
    if (code.ModeXY) {
        // The X-Y display has no horizontal shift: the screen goes back in place.
        Ecran.setLeft(120);
        Axe.setLeft(0);
        placeXYSpot();
        XY(0).setVisible(true);
    } else {
        // Redraws what the last computation left; nothing is recomputed.
        AfficheEcran();
        if (code.ModeStor) DiodeV.setPicture(ImageList2, pic::kGreenLampLit);
    }
}
