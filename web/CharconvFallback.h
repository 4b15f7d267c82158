#pragma once
// Floating-point to_chars/from_chars for the libc++ of the WebAssembly build, which declares
// only the integer ones. Included in every source of that build (and only there), so the
// model keeps calling the standard names; the portable number helper of runtime/ replaces it.
//
// to_chars(first, last, value): the shortest digits that read back as the same value, in
// fixed or scientific form, whichever is shorter (fixed on a tie), as the standard says.
// from_chars(first, last, value): the general format, no leading blank or '+', no hex.

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vorlinde_charconv {

template <class T>
T readBack(const char* s);
template <>
inline float readBack<float>(const char* s) {
    return std::strtof(s, nullptr);
}
template <>
inline double readBack<double>(const char* s) {
    return std::strtod(s, nullptr);
}

// The shortest "d.ddde±x" that reads back as `v` (finite, non-zero); its digits and exponent.
template <class T>
void shortestDigits(T v, std::string& digits, int& exponent) {
    char buf[64];
    const int most = sizeof(T) == 4 ? 9 : 17;
    for (int p = 1; p <= most; ++p) {
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, static_cast<double>(v));
        if (readBack<T>(buf) == v || p == most) break;
    }
    const char* e = std::strchr(buf, 'e');
    exponent = std::atoi(e + 1);
    digits.clear();
    for (const char* c = buf; c < e; ++c)
        if (*c >= '0' && *c <= '9') digits += *c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

template <class T>
std::to_chars_result toChars(char* first, char* last, T v) {
    std::string out;
    if (std::isnan(v)) {
        out = std::signbit(v) ? "-nan" : "nan";
    } else if (std::isinf(v)) {
        out = v < 0 ? "-inf" : "inf";
    } else if (v == 0) {
        out = std::signbit(v) ? "-0" : "0";
    } else {
        std::string digits;
        int x = 0;
        shortestDigits(std::fabs(v), digits, x);
        const int n = static_cast<int>(digits.size());
        std::string sci = digits.substr(0, 1) + (n > 1 ? "." + digits.substr(1) : "");
        char ex[16];
        std::snprintf(ex, sizeof ex, "e%c%02d", x < 0 ? '-' : '+', std::abs(x));
        sci += ex;
        std::string fixed;
        if (x >= n - 1) {
            // A whole number: its exact value, as the standard library prints large ones.
            char buf[400];
            std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(std::fabs(v)));
            fixed = buf;
        } else if (x >= 0) {
            const size_t whole = static_cast<size_t>(x) + 1;
            fixed = digits.substr(0, whole) + "." + digits.substr(whole);
        } else {
            fixed = "0." + std::string(static_cast<size_t>(-x - 1), '0') + digits;
        }
        out = (v < 0 ? "-" : "") + (fixed.size() <= sci.size() ? fixed : sci);
    }
    if (out.size() > static_cast<size_t>(last - first)) return {last, std::errc::value_too_large};
    std::memcpy(first, out.data(), out.size());
    return {first + out.size(), std::errc()};
}

// Length of the longest prefix of [first, last) in the general format; 0 when none.
inline size_t generalLength(const char* first, const char* last) {
    const char* p = first;
    if (p < last && *p == '-') ++p;
    auto word = [&](const char* w) {
        const size_t n = std::strlen(w);
        if (static_cast<size_t>(last - p) < n) return false;
        for (size_t i = 0; i < n; ++i)
            if ((p[i] | 0x20) != w[i]) return false;
        p += n;
        return true;
    };
    if (word("infinity") || word("inf") || word("nan")) return static_cast<size_t>(p - first);
    const char* digitsStart = p;
    while (p < last && *p >= '0' && *p <= '9') ++p;
    bool any = p > digitsStart;
    if (p < last && *p == '.') {
        const char* f = ++p;
        while (p < last && *p >= '0' && *p <= '9') ++p;
        any = any || p > f;
    }
    if (!any) return 0;
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < last && (*q == '+' || *q == '-')) ++q;
        const char* d = q;
        while (q < last && *q >= '0' && *q <= '9') ++q;
        if (q > d) p = q;
    }
    return static_cast<size_t>(p - first);
}

template <class T>
std::from_chars_result fromChars(const char* first, const char* last, T& value) {
    const size_t n = generalLength(first, last);
    if (n == 0) return {first, std::errc::invalid_argument};
    const std::string text(first, n);
    errno = 0;
    const T v = readBack<T>(text.c_str());
    if (errno == ERANGE && (std::isinf(v) || v == 0)) return {first + n, std::errc::result_out_of_range};
    value = v;
    return {first + n, std::errc()};
}

}  // namespace vorlinde_charconv

namespace std {

inline to_chars_result to_chars(char* first, char* last, float v) {
    return vorlinde_charconv::toChars(first, last, v);
}
inline to_chars_result to_chars(char* first, char* last, double v) {
    return vorlinde_charconv::toChars(first, last, v);
}
inline from_chars_result from_chars(const char* first, const char* last, float& v) {
    return vorlinde_charconv::fromChars(first, last, v);
}
inline from_chars_result from_chars(const char* first, const char* last, double& v) {
    return vorlinde_charconv::fromChars(first, last, v);
}

}  // namespace std
