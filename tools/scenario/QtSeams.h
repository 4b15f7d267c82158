#pragma once
// What the runner asks of the desktop side: the text measurer (the program's own font file, as
// on screen), window snapshots and locale decimal separators.

#include <memory>
#include <optional>
#include <string>

#include "tools/scenario/Host.h"

namespace rt {
class TextMeasurer;
class Window;
}  // namespace rt

namespace scenario {

// The measurer labels size with: the embedded font's own widths, as on screen.
std::unique_ptr<rt::TextMeasurer> makeTextMeasurer();

// Renders `w` as shown on screen to a PNG at `path`; false with a reason when it cannot.
bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error);

// The decimal separator of the environment's locale, and of a named locale (none when the
// name is unknown).
char systemDecimalSeparator();
std::optional<char> localeDecimalSeparator(const std::string& name);

// The runner's host on the desktop: the functions above.
class QtHost : public Host {
public:
    std::unique_ptr<rt::TextMeasurer> makeTextMeasurer() const override;
    bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) const override;
    char systemDecimalSeparator() const override;
    std::optional<char> localeDecimalSeparator(const std::string& name) const override;
};

}  // namespace scenario
