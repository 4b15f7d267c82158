#pragma once
// Floating-point numbers to and from decimal text, the same on every machine: a '.' point, never
// the C library's locale (a program that sets LC_NUMERIC from the environment would otherwise
// read and write "5,3" on a French desktop).
//
// The standard library's floating-point std::to_chars / std::from_chars are used where the
// library has them; older ones (the browser build's) lack them, and then a fallback gives the
// same results: printf and strtod run under a "C" locale of this thread's own, the shortest
// form found by trying precisions and reading each back.

#include <optional>
#include <string>
#include <string_view>

namespace rt {

// The shortest text that reads back as exactly `v` (std::to_chars without a format): plain
// ("0.001", "123456") or exponent ("1e-05", "1.5e+20") form, whichever is shorter, plain on a tie.
std::string shortestText(double v);
std::string shortestText(float v);

// `v` in the form d.ddde±XX with `precision` digits after the point, correctly rounded from
// the exact binary value ("%.*e" in the "C" locale). `precision` is kept within 0..40.
std::string scientificText(double v, int precision);

// The whole of `s` read as a number: an optional '-', digits with an optional '.', an optional
// exponent; or "inf", "infinity", "nan" in any case. Nothing before or after, no '+' sign, no
// hexadecimal. None when `s` is not such a number or lies beyond the type's range (a result
// that would round to infinity, or to zero from a number that is not zero).
std::optional<double> readDouble(std::string_view s);
std::optional<float> readFloat(std::string_view s);

// The fallback itself, always built so it can be checked against the standard functions.
namespace fallback {
std::string shortestText(double v);
std::string shortestText(float v);
std::string scientificText(double v, int precision);
std::optional<double> readDouble(std::string_view s);
std::optional<float> readFloat(std::string_view s);
}  // namespace fallback

// Whether the standard floating-point functions are the ones in use.
bool standardFloatingCharconv();

}  // namespace rt
