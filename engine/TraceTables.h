#pragma once
// The arithmetic of the trace computation as pure functions: what each wiring measures during
// a charge or a discharge, the first edge of each transient, the settling time, the storage time
// step of each time base and the running-spot speed. No state, no controls.

#include <array>
#include <cstdint>
#include <string>

#include "runtime/Flag.h"

namespace engine {

// The voltages the computation knows: probe point, then ground point.
enum class Wiring { None, DB, DA, AB, BA };

// "DB", "DA", "AB", "BA"; anything else (including "off" and the empty string) measures nothing.
Wiring wiringOf(const std::string& branche);

// ms for the capacitor voltage to come within 1 % of its final value, from E (> 0) and the time
// constant RC in seconds: (ln E - ln(0.01 E)) x RC x 1000.
double chargeTime(double E, double RC);

// w(t) = exp(-t / (1000 RC)), t in ms, RC in seconds (RC > 0).
double decay(double t, double RC);

// The measured voltage u(t) for a transient whose decay factor is w, channel sign s.
double measured(Wiring wiring, bool discharge, int s, double E, double w);

// The voltage the transient ends at.
double finalValue(Wiring wiring, bool discharge, int s, double E);

// The direction the voltage first moves in, taken with the sign 1.
bool risingFirstEdge(Wiring wiring, bool discharge);

// The 18 time bases of the TIME/DIV knob in ms per division, detent 1 (200) to 18 (0.0005): the
// only values the time base ever holds.
inline constexpr std::array<double, 18> kTimeBases{200, 100, 50,   20,   10,   5,     2,     1,     0.5,
                                                   0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001, 0.0005};

// The recording's time step (a hundredth of a division) for one of the 18 time bases, found by
// exact comparison; 0 for any other value.
double storageStep(double TempsDiv);

// Running spot: screen units per tick for the four slow time bases, 0 for the others.
int16_t spotStep(double TempsDiv);

// A connection string from the recorded points of a probe and of the ground lead (0 none, 1 D,
// 2 A, 3 B); `previous` is kept where no rule applies. A probe and the ground on the same point
// measure nothing.
std::string connectionString(int16_t probe, int16_t ground, const std::string& previous);

}  // namespace engine
