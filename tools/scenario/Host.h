#pragma once
// What the runner asks of the front end it is built with: the text measurer labels size
// with, window snapshots, and the decimal separators of locales. The desktop's answers come
// from the toolkit (QtHost), the browser edition's from the page's runtime (WebHost).

#include <memory>
#include <optional>
#include <string>

namespace rt {
class TextMeasurer;
class Window;
}  // namespace rt

namespace scenario {

class Host {
public:
    virtual ~Host() = default;

    // The measurer labels size with, as on screen.
    virtual std::unique_ptr<rt::TextMeasurer> makeTextMeasurer() const = 0;

    // Renders `w` as shown on screen to a PNG at `path`; false with a reason when it cannot.
    virtual bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) const = 0;

    // The decimal separator of the environment's locale, and of a named locale (none when the
    // name is unknown).
    virtual char systemDecimalSeparator() const = 0;
    virtual std::optional<char> localeDecimalSeparator(const std::string& name) const = 0;
};

}  // namespace scenario
