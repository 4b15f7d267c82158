#pragma once
// Decimal separators in the browser edition, from the JavaScript engine's locale data (the
// same CLDR tables a desktop toolkit uses): of a locale named as on a POSIX system
// ("fr_FR", "de_DE.UTF-8", "C"), and of the user's own locale (the browser's language, or
// under node the LC_ALL, LC_NUMERIC, LANG environment as a POSIX program reads it).

#include <optional>
#include <string>

namespace rtweb {

// The separator when it is one ASCII character, '.' otherwise; none when the name is not a
// locale the engine knows.
std::optional<char> decimalSeparatorOf(const std::string& localeName);

// The user's separator; '.' when the user's locale is unknown or "C".
char userDecimalSeparator();

}  // namespace rtweb
