#pragma once
// Colours shared by the bench's pictures, so that the pieces laid on one another agree: the
// digits (Led) on the generator's display window, the decade knobs (ImaBtnDec) and legends on
// the decade boxes' panels.

#include <QColor>

namespace art {

inline const QColor kLedGround(46, 4, 4);         // display glass and digit ground
inline const QColor kLedOn(255, 45, 28);          // lit segment, painted decimal point
inline const QColor kLedOff(70, 10, 8);           // unlit segment
inline const QColor kDecadePanel(225, 223, 210);  // decade box panel, knob strip

}  // namespace art
