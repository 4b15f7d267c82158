#pragma once
// The runner's host in the browser edition (run under node): locales from the JavaScript
// engine's locale data, labels sized by the embedded font's metrics, snapshots painted in
// software.

#include "tools/scenario/Host.h"

namespace scenario {

class WebHost : public Host {
public:
    std::unique_ptr<rt::TextMeasurer> makeTextMeasurer() const override;
    bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) const override;
    char systemDecimalSeparator() const override;
    std::optional<char> localeDecimalSeparator(const std::string& name) const override;
};

}  // namespace scenario
