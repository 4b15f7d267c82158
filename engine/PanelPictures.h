#pragma once
// The pictures of the oscilloscope panel's list ImageList2, by number, named after what they show.
// The engine lights and dims the armed lamp; the panel uses the rest.

namespace engine::panel_pictures {

inline constexpr int kButtonUp = 1;  // square push button
inline constexpr int kButtonDown = 2;
inline constexpr int kSliderHere = 3;  // coupling switch: the square holding the slider
inline constexpr int kSliderEmpty = 4;
inline constexpr int kGreenLampOff = 5;  // STOR and armed lamps
inline constexpr int kGreenLampLit = 6;
inline constexpr int kInputSockets = 7;
inline constexpr int kPowerRockerOff = 8;
inline constexpr int kPowerRockerOn = 9;
inline constexpr int kRedLampOff = 10;  // ON lamp
inline constexpr int kRedLampLit = 11;
inline constexpr int kRedLeadCh1 = 12;  // the leads plugged into the input sockets
inline constexpr int kBlackLeadCh1 = 13;
inline constexpr int kRedLeadCh2 = 14;
inline constexpr int kBlackLeadCh2 = 15;

}  // namespace engine::panel_pictures
