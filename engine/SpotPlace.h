#pragma once
// Where the spots and the dots of a recorded trace sit on the oscilloscope screen (screen units,
// y growing downwards), for the redraw, the mode buttons and the power switch alike.

#include "engine/Code.h"

namespace engine {

// A spot or a dot is a circle in a box one unit wide and three high, its centre 1.5 units below
// the top: one whose top is y - kSpotCentre is centred on the height y. The lines of a channel
// are drawn at y itself, so they carry no such offset.
inline constexpr double kSpotCentre = 1.5;

struct SpotPlace {
    float left;
    float top;
};

// The X-Y spot from the two displayed levels: CH1 deflects it horizontally about the screen's
// centre line x = 50 (a greater CH1 position moves it to the left), CH2 vertically like a live
// channel. Computed in double precision, stored as single.
SpotPlace xySpotPlace(const Code& c);

}  // namespace engine
