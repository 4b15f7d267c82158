#pragma once
// The shared simulation state: everything the bench, the oscilloscope and the signal engine
// exchange, as one flat set of variables read and written directly by name. One instance
// lives for the whole run (owned by the program) and every window works on that copy.
// Integers are 16-bit unless noted; flags hold -1 (true) or 0 (false).

#include <array>
#include <cstdint>
#include <string>

#include "runtime/Color.h"
#include "runtime/Flag.h"
#include "runtime/Variables.h"

namespace engine {

using rt::Flag;

struct Code {
    // Circuit values, written by the bench.
    double Egene = 0;  // source voltage E, volts (0 while the generator is off)
    double Rdec = 0;   // resistance R, ohms
    double Cdec = 0;   // capacitance C, farads

    // Oscilloscope settings, written by the panel.
    double TempsDiv = 0;  // time base, ms per division
    double VoltDiv1 = 0;  // CH1 sensitivity, volts per division
    double VoltDiv2 = 0;  // CH2 sensitivity, volts per division
    int16_t PosY1 = 0;    // vertical offsets, screen units, -50..50
    int16_t PosY2 = 0;
    int16_t PosX = 0;     // horizontal offset, screen units, -50..50
    int16_t SigneY2 = 0;  // 1, or -1 with CH2 INVERT
    Flag ModeCH1 = 0, ModeCH2 = 0, ModeDual = 0, ModeXY = 0;
    Flag MasseY1 = 0, MasseY2 = 0;  // channel coupled to GND
    Flag ModeStor = 0;   // storage mode
    Flag PretStor = 0;   // armed for a recording
    Flag Memorise = 0;   // a recorded trace is on the screen
    Flag PenteTrig = 0;  // trigger slope: false rising, true falling
    int16_t NivFocus = 0;   // -6..6
    int16_t NivIntens = 0;  // -6..6; NivIntens + 6 indexes Couleur
    std::array<rt::Color, 13> Couleur{};  // trace colour by intensity

    // Wiring: "off", "DB", "DA", "AB" or "BA" (probe point, then ground point).
    std::string Branche1, Branche2;

    // Switch and computation.
    Flag InterCharge = 0;  // the switch as last computed: true charge, false discharge
    Flag Decharge = 0;     // the transient asked for: true discharge
    double Tcharge = 0;    // ms for the capacitor to come within 1 % of its final value

    // Levels shown by the spots, volts.
    double EntreeY1 = 0, EntreeY2 = 0;  // at the channel's input
    double NiveauY1 = 0, NiveauY2 = 0;  // shown (0 on GND)

    // Spot motion and level ramps.
    int16_t PasSpot = 0;                // screen units per running-spot tick
    double CourantY1 = 0, CourantY2 = 0;  // ramp: present value
    float PasY1 = 0, PasY2 = 0;           // ramp: change per tick (single precision)
    double CibleY1 = 0, CibleY2 = 0;      // ramp: end value
    double DepartY1 = 0, DepartY2 = 0;    // ramp: start value

    // Registers every variable by its name, for reading by name.
    void registerVariables(rt::Variables& vars) const;
};

}  // namespace engine
