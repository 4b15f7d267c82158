#pragma once
// Truth values kept in variables: 16-bit integers, true -1 and false 0.
#include <cstdint>

namespace rt {
using Flag = int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;
inline constexpr Flag flag(bool b) { return b ? True : False; }
}  // namespace rt
