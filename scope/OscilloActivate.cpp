// Each time the oscilloscope becomes the active window: the circuit values written on the bench
// are copied onto the schematic, and the screen is brought up to date when powered.

#include "scope/Oscillo.h"

#include "bench/Chargedecharge.h"
#include "runtime/Label.h"

namespace {
const std::string& benchCaption(const rt::Window& bench, const std::string& name) {
    static const std::string none;
    const auto* label = dynamic_cast<const rt::Label*>(bench.findControl(name));
    return label ? label->Caption() : none;
}
}  // namespace

void Oscillo::Form_Activate() {
    const Chargedecharge& b = bench();
    ValC.setCaption(benchCaption(b, "ValC"));
    ValR.setCaption(benchCaption(b, "ValR"));
    Omega.setLeft(ValR.Left() + ValR.Width());
    Vle.setCaption(benchCaption(b, "Vle"));
    if (PowerOn) {
        if (code.InterCharge) CalculCharge();
        else AfficheEcran();
    }
}
