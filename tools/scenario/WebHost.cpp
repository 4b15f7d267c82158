#include "tools/scenario/WebHost.h"

#include "runtime/TextMeasurer.h"
#include "runtime/web/WebLocale.h"

namespace scenario {

std::unique_ptr<rt::TextMeasurer> WebHost::makeTextMeasurer() const {
    return std::make_unique<rt::ApproxTextMeasurer>();
}

bool WebHost::saveSnapshot(const rt::Window&, const std::string&, std::string& error) const {
    error = "this build of the runner draws no pictures";
    return false;
}

char WebHost::systemDecimalSeparator() const {
    return rtweb::userDecimalSeparator();
}

std::optional<char> WebHost::localeDecimalSeparator(const std::string& name) const {
    return rtweb::decimalSeparatorOf(name);
}

}  // namespace scenario
