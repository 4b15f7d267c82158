#pragma once
// The arithmetic of the bench's instruments, as pure functions: the generator's voltage from its
// whole volts and tenths, the decade sums of the two boxes, and the captions the schematic shows.
// Knob arrays hold picture numbers 1..11 (position + 1), knob 1 being the leftmost.

#include <array>
#include <cstdint>
#include <string>

namespace bench {

// Tenths / 10 + whole volts, computed in double precision and stored in single precision.
float generatorVoltage(int16_t EntierE, int16_t DixiemesE);
// The voltage followed by " V": "5,3 V".
std::string voltageCaption(float ValeurE, char decimalSeparator);

// 10000, 1000, 100 and 10 ohms per step, in 32-bit integer arithmetic.
int32_t resistanceOhms(const std::array<int32_t, 4>& CranR);
// The text of ValR (the ohm sign is a label of its own): "9990 " below 10 kohm, "12,34 k" above.
std::string resistanceCaption(int32_t ohms, char decimalSeparator);

// 0.1 x knob 5 + (1000, 100, 10, 1 x knobs 1 to 4) + 0.01 x knob 6, microfarads, summed in that
// order in double precision (the rounding residues are kept).
double capacitanceMicrofarads(const std::array<int16_t, 6>& CranC);
// The text of ValC: mF from 10000 uF, nF strictly between 0 and 1 uF, uF otherwise.
std::string capacitanceCaption(double microfarads, char decimalSeparator);

}  // namespace bench
