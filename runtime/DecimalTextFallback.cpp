// The decimal text of floating-point numbers without std::to_chars / std::from_chars: printf
// and strtod, both correctly rounded in the C libraries we build with, made locale-independent
// by running them under a "C" locale set for the calling thread only.

#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/DecimalText.h"

namespace rt::fallback {
namespace {

// The "C" locale in force on this thread for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        if (c) previous_ = uselocale(c);
    }
    ~CLocaleScope() {
        if (previous_) uselocale(previous_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

// A decimal m x 10^e with m of exactly `digits` digits (no sign).
struct Decimal {
    uint64_t m = 0;
    int e = 0;
    int digits = 0;
};

uint64_t pow10(int n) {
    uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// |v| rounded to `digits` significant digits (1..17).
Decimal nearest(double v, int digits) {
    const std::string s = scientificText(std::fabs(v), digits - 1);  // d.ddde±X
    Decimal d;
    d.digits = digits;
    size_t i = 0;
    for (; i < s.size() && s[i] != 'e'; ++i)
        if (s[i] >= '0' && s[i] <= '9') d.m = d.m * 10 + static_cast<uint64_t>(s[i] - '0');
    d.e = (i < s.size() ? std::atoi(s.c_str() + i + 1) : 0) - (digits - 1);
    return d;
}

// The decimals of the same length next above and below `d`.
Decimal stepped(Decimal d, int direction) {
    const uint64_t low = pow10(d.digits - 1), high = pow10(d.digits);
    d.m = direction > 0 ? d.m + 1 : d.m - 1;
    if (d.m >= high) {
        d.m = low;
        ++d.e;
    } else if (d.m < low) {
        d.m = high - 1;
        --d.e;
    }
    return d;
}

template <class T>
T readBack(const Decimal& d, bool negative) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%llue%d", negative ? "-" : "", static_cast<unsigned long long>(d.m),
                  d.e);
    if constexpr (sizeof(T) == sizeof(float))
        return std::strtof(buf, nullptr);
    else
        return std::strtod(buf, nullptr);
}

// The text of a finite, non-zero decimal as std::to_chars writes the shortest form of `v`: the
// plain form of a whole number carries its exact digits, not the shortest ones padded with zeros.
std::string render(Decimal d, bool negative, double v) {
    while (d.digits > 1 && d.m % 10 == 0) {
        d.m /= 10;
        ++d.e;
        --d.digits;
    }
    const std::string digits = std::to_string(d.m);
    const int n = static_cast<int>(digits.size());
    const int x = d.e + n - 1;  // the exponent of the first digit
    std::string sci = digits.substr(0, 1);
    if (n > 1) sci += "." + digits.substr(1);
    char ex[16];
    std::snprintf(ex, sizeof ex, "e%c%02d", x < 0 ? '-' : '+', std::abs(x));
    sci += ex;
    std::string plain;
    if (x < 0)
        plain = "0." + std::string(static_cast<size_t>(-x - 1), '0') + digits;
    else if (n <= x + 1) {
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(v));
        plain = whole;
    } else
        plain =
            digits.substr(0, static_cast<size_t>(x + 1)) + "." + digits.substr(static_cast<size_t>(x + 1));
    return (negative ? "-" : "") + (plain.size() <= sci.size() ? plain : sci);
}

template <class T>
std::string shortest(T v, int maxDigits) {
    const bool negative = std::signbit(v);
    if (std::isnan(v)) return negative ? "-nan" : "nan";
    if (std::isinf(v)) return negative ? "-inf" : "inf";
    if (v == 0) return negative ? "-0" : "0";
    CLocaleScope c;
    for (int digits = 1; digits < maxDigits; ++digits) {
        const Decimal d = nearest(static_cast<double>(v), digits);
        if (readBack<T>(d, negative) == v) return render(d, negative, static_cast<double>(v));
        // Just above a power of two the numbers below lie twice as close: the nearest decimal
        // may miss by a hair while its neighbour on the other side reads back.
        for (int dir : {1, -1}) {
            const Decimal n = stepped(d, dir);
            if (readBack<T>(n, negative) == v) return render(n, negative, static_cast<double>(v));
        }
    }
    return render(nearest(static_cast<double>(v), maxDigits), negative, static_cast<double>(v));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool sameWord(std::string_view s, std::string_view word) {
    if (s.size() != word.size()) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if ((s[i] | 0x20) != word[i]) return false;
    return true;
}

// Whether `s` (sign removed) is a decimal number as described in the header; `nonZero` tells
// whether any of its digits is not zero.
bool wellFormed(std::string_view s, bool& nonZero, bool& special) {
    special = sameWord(s, "inf") || sameWord(s, "infinity") || sameWord(s, "nan");
    if (special) return true;
    size_t i = 0, digits = 0;
    nonZero = false;
    const auto run = [&] {
        for (; i < s.size() && isDigit(s[i]); ++i, ++digits) nonZero = nonZero || s[i] != '0';
    };
    run();
    if (i < s.size() && s[i] == '.') {
        ++i;
        run();
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const size_t start = i;
        while (i < s.size() && isDigit(s[i])) ++i;
        if (i == start) return false;
    }
    return i == s.size();
}

template <class T>
std::optional<T> read(std::string_view s) {
    const std::string_view body = !s.empty() && s[0] == '-' ? s.substr(1) : s;
    bool nonZero = false, special = false;
    if (!wellFormed(body, nonZero, special)) return std::nullopt;
    const std::string text(s);
    CLocaleScope c;
    errno = 0;
    T v;
    if constexpr (sizeof(T) == sizeof(float))
        v = std::strtof(text.c_str(), nullptr);
    else
        v = std::strtod(text.c_str(), nullptr);
    if (!special && (std::isinf(v) || (v == 0 && nonZero))) return std::nullopt;
    return v;
}

}  // namespace

std::string scientificText(double v, int precision) {
    if (precision < 0) precision = 0;
    if (precision > 40) precision = 40;
    CLocaleScope c;
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.*e", precision, v);
    return buf;
}

std::string shortestText(double v) {
    return shortest(v, 17);
}

std::string shortestText(float v) {
    return shortest(v, 9);
}

std::optional<double> readDouble(std::string_view s) {
    return read<double>(s);
}

std::optional<float> readFloat(std::string_view s) {
    return read<float>(s);
}

}  // namespace rt::fallback
