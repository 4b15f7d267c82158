#pragma once
#include <cstdint>
#include <string>

namespace rt {

struct Color {
    uint8_t r = 0, g = 0, b = 0;

    static constexpr Color rgb(int r, int g, int b) {
        return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
    }
    bool operator==(const Color&) const = default;
    std::string text() const {
        return "rgb(" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + ")";
    }
};

}  // namespace rt
