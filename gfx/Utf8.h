#pragma once
// Reading UTF-8 one code point at a time. Malformed bytes (a stray continuation byte, a
// truncated or overlong sequence, a surrogate or a value past U+10FFFF) each read as U+FFFD
// and consume one byte, so any input is read to its end.

#include <cstddef>
#include <string_view>

namespace gfx {

// The code point starting at s[i]; i moves past it. i must be < s.size().
char32_t nextCodePoint(std::string_view s, size_t& i);

}  // namespace gfx
