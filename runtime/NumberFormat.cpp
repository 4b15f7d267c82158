#include "runtime/NumberFormat.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "runtime/DecimalText.h"

namespace rt {
namespace {

// v rounded to `digits` significant digits, in the general format described in the header.
std::string formatGeneral(double v, int digits, char sep) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
    if (v == 0) return "0";  // negative zero too

    // d.ddddde±x, correctly rounded from the exact binary value, with a '.' whatever the C
    // library's locale: the separator shown is only the one the model was given.
    const std::string s = scientificText(v, digits - 1);
    const size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    const bool negative = s[0] == '-';
    std::string mantissa;  // the significant digits alone
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (s[i] != '.') mantissa += s[i];
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) out += sep + mantissa.substr(1);
        const std::string ex = std::to_string(std::abs(exponent));
        return out + 'E' + (exponent < 0 ? '-' : '+') + (ex.size() < 2 ? "0" : "") + ex;
    }
    if (exponent < 0) {
        out += '0';
        out += sep;
        out += std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
        return out;
    }
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (mantissa.size() <= whole) return out + mantissa + std::string(whole - mantissa.size(), '0');
    return out + mantissa.substr(0, whole) + sep + mantissa.substr(whole);
}

}  // namespace

std::string formatSingle(float v, char decimalSeparator) {
    return formatGeneral(v, 7, decimalSeparator);
}

std::string formatDouble(double v, char decimalSeparator) {
    return formatGeneral(v, 15, decimalSeparator);
}

}  // namespace rt
