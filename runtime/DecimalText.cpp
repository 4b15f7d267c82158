#include "runtime/DecimalText.h"

#include <charconv>
#include <cmath>

// The library's floating-point charconv, when it has it (its feature-test macro says so).
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define VORLINDE_FLOAT_CHARCONV 1
#else
#define VORLINDE_FLOAT_CHARCONV 0
#endif

namespace rt {

bool standardFloatingCharconv() {
    return VORLINDE_FLOAT_CHARCONV != 0;
}

#if VORLINDE_FLOAT_CHARCONV

namespace {

template <class T>
std::string shortest(T v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// std::from_chars over the whole text; "inf" and "nan" as such, a result out of range refused.
template <class T>
std::optional<T> read(std::string_view s) {
    T v{};
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, v);
    if (s.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

}  // namespace

std::string shortestText(double v) {
    return shortest(v);
}

std::string shortestText(float v) {
    return shortest(v);
}

std::string scientificText(double v, int precision) {
    if (precision < 0) precision = 0;
    if (precision > 40) precision = 40;
    if (!std::isfinite(v)) return fallback::scientificText(v, precision);
    char buf[96];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
    return std::string(buf, r.ptr);
}

std::optional<double> readDouble(std::string_view s) {
    return read<double>(s);
}

std::optional<float> readFloat(std::string_view s) {
    return read<float>(s);
}

#else

std::string shortestText(double v) {
    return fallback::shortestText(v);
}

std::string shortestText(float v) {
    return fallback::shortestText(v);
}

std::string scientificText(double v, int precision) {
    return fallback::scientificText(v, precision);
}

std::optional<double> readDouble(std::string_view s) {
    return fallback::readDouble(s);
}

std::optional<float> readFloat(std::string_view s) {
    return fallback::readFloat(s);
}

#endif

}  // namespace rt
