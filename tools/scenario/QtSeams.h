#pragma once
// What the runner asks of Qt: window snapshots and locale decimal separators.

#include <optional>
#include <string>

namespace rt {
class Window;
}

namespace scenario {

// Renders `w` as shown on screen to a PNG at `path`; false with a reason when it cannot.
bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error);

// The decimal separator of the environment's locale, and of a named locale (none when the
// name is unknown).
char systemDecimalSeparator();
std::optional<char> localeDecimalSeparator(const std::string& name);

}  // namespace scenario
