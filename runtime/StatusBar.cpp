#include "runtime/StatusBar.h"

namespace rt {

bool StatusBar::property(std::string_view prop, Value& out) const {
    if (prop == "Panels") {
        out = Value::integer(static_cast<int64_t>(panels_.size()));
        return true;
    }
    return Control::property(prop, out);
}

}  // namespace rt
