#include "runtime/Value.h"

#include "runtime/DecimalText.h"

namespace rt {

std::string shortestSingle(float v) {
    return shortestText(v);
}

std::string shortestDouble(double v) {
    return shortestText(v);
}

double Value::numeric() const {
    switch (kind_) {
        case Kind::Integer:
            return static_cast<double>(i_);
        case Kind::Single:
            return static_cast<double>(f_);
        case Kind::Double:
            return d_;
        default:
            return 0;
    }
}

std::string Value::text() const {
    switch (kind_) {
        case Kind::Integer:
            return std::to_string(i_);
        case Kind::Single:
            return shortestSingle(f_);
        case Kind::Double:
            return shortestDouble(d_);
        case Kind::String: {
            std::string out = "\"";
            for (char ch : s_) {
                if (ch == '"' || ch == '\\') out += '\\';
                out += ch;
            }
            return out + "\"";
        }
        case Kind::Boolean:
            return i_ ? "true" : "false";
        case Kind::Picture:
            return p_.text();
        case Kind::Pointer:
            return p_.isNone() ? "default" : p_.text();
        case Kind::Color:
            return c_.text();
        case Kind::WindowState:
            switch (w_) {
                case WindowState::Normal:
                    return "normal";
                case WindowState::Minimized:
                    return "minimized";
                case WindowState::Maximized:
                    return "maximized";
            }
    }
    return {};
}

}  // namespace rt
