// Each time the oscilloscope becomes the active window: the circuit values written on the bench
// are copied onto the schematic, and the screen is brought up to date when powered.

#include "scope/Oscillo.h"

#include "bench/Chargedecharge.h"

void Oscillo::Form_Activate() {
    const Chargedecharge& b = bench();
    ValC.setCaption(b.ValC.Caption());
    ValR.setCaption(b.ValR.Caption());
    Omega.setLeft(ValR.Left() + ValR.Width());
    Vle.setCaption(b.Vle.Caption());
    if (PowerOn) {
        if (code.InterCharge) CalculCharge();
        else AfficheEcran();
    }
}
