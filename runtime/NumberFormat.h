#pragma once
// Numbers as the student reads them: the general format of a single-precision value (at most
// 7 significant digits) or of a double (at most 15), rounded to that many digits, without
// trailing zeros, with the decimal separator of the user's locale. Plain decimals are used
// from 1E-4 up to 10^digits; beyond that the exponent form "1,5E+20" / "1E-05".

#include <string>

namespace rt {

std::string formatSingle(float v, char decimalSeparator);
std::string formatDouble(double v, char decimalSeparator);

}  // namespace rt
