// The STORAGE field: STOR switches single-sweep storage on and off, RESET arms one recording,
// Trig chooses the slope that the recording waits for. The recording itself is made by the
// trace computation; the two lamps show storage on (STOR) and armed (beside RESET).

#include <cstdlib>

#include "engine/PanelPictures.h"
#include "scope/Oscillo.h"

namespace pic = engine::panel_pictures;

void Oscillo::Stor_Click() {
    if (!PowerOn) {
        // Switched off only the button and the flag move; the lamp follows at the next power on.
        code.ModeStor = rt::flag(!code.ModeStor);
        Stor.setPicture(ImageList2, code.ModeStor ? pic::kButtonDown : pic::kButtonUp);
        return;
    }
    if (code.ModeStor) {
        Stor.setPicture(ImageList2, pic::kButtonUp);
        DiodeV.setPicture(ImageList2, pic::kGreenLampOff);
        DiodeV2.setPicture(ImageList2, pic::kGreenLampOff);
        code.ModeStor = rt::False;
        if (code.Memorise) {
            EffaceTrace();
            Ten1mes.setVisible(false);
            Ten2mes.setVisible(false);
        }
        AfficheEcran();  // the live display of the present mode comes back
        return;
    }
    Stor.setPicture(ImageList2, pic::kButtonDown);
    code.ModeStor = rt::True;
    code.PretStor = rt::False;
    code.Memorise = rt::False;
    DiodeV.setPicture(ImageList2, pic::kGreenLampLit);
    Timer7.setEnabled(false);
    faisceau1(0).setVisible(false);
    faisceau2(0).setVisible(false);
    if (code.ModeCH1) Ten1.setVisible(true);
    if (code.ModeCH2) Ten2.setVisible(true);
    if (code.ModeXY) {  // storage and X-Y exclude each other; no other mode takes its place
        BtnXY.setPicture(ImageList2, pic::kButtonUp);
        code.ModeXY = rt::False;
        XY(0).setVisible(false);
    }
}

void Oscillo::Trig_Click() {
    if (code.PenteTrig) {
        Trig.setPicture(ImageList2, pic::kButtonUp);
        code.PenteTrig = rt::False;
    } else {
        Trig.setPicture(ImageList2, pic::kButtonDown);
        code.PenteTrig = rt::True;
    }
}

void Oscillo::Reset_MouseDown(int, int, float, float) {
    Reset.setPicture(ImageList2, pic::kButtonDown);
}

void Oscillo::Reset_MouseUp(int, int, float, float) {
    Reset.setPicture(ImageList2, pic::kButtonUp);
    if (!code.ModeStor || !PowerOn) return;
    code.PretStor = rt::True;
    DiodeV2.setPicture(ImageList2, pic::kGreenLampLit);
    Ten1.setVisible(false);
    Ten2.setVisible(false);
    // The dots of the coming record take element 0's border: the focus sets their size.
    const int border = std::abs(code.NivFocus) + 1;
    faisceau1(0).setBorderWidth(border);
    faisceau2(0).setBorderWidth(border);
    if (code.Memorise) {
        EffaceTrace();
        Ten1mes.setVisible(false);
        Ten2mes.setVisible(false);
    }
}
