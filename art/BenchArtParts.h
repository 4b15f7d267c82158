#pragma once
// Colours shared by the bench's pictures, so that the pieces laid on one another agree: the
// digits (Led) on the generator's display window, the decade knobs (ImaBtnDec) and legends on
// the decade boxes' panels.

#include "gfx/Color.h"
#include "gfx/Paint.h"

namespace art {

inline constexpr gfx::Color kLedGround(46, 4, 4);         // display glass and digit ground
inline constexpr gfx::Color kLedOn(255, 45, 28);          // lit segment, painted decimal point
inline constexpr gfx::Color kLedOff(70, 10, 8);           // unlit segment
inline constexpr gfx::Color kDecadePanel(225, 223, 210);  // decade box panel, knob strip

// The generator's display glass reaches 6 px above the digits' top and 5 px below their 49.
inline constexpr double kLedGlassAbove = 6;
inline constexpr double kLedGlassHeight = 60;

// The faint reflection along the top of the display glass, whose top edge lies at glassTop. The
// panel lays it over its glass; each digit lays it over its own ground at the same height, so
// that a digit tile is not seen against the glass around it.
inline gfx::LinearGradient ledReflection(double glassTop) {
    gfx::LinearGradient g({0, glassTop}, {0, glassTop + kLedGlassHeight});
    g.setColorAt(0, gfx::Color(255, 255, 255, 28));
    g.setColorAt(0.3, gfx::Color(255, 255, 255, 0));
    return g;
}

}  // namespace art
