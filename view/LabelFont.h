#pragma once
// A label's font as the program draws it, and the text drawn for its caption. Every family is
// drawn with the program's own typeface (Arial's metrics are the same); sizes are pixels of the
// 96-dpi reference screen whatever the real screen, so a caption is as wide on screen as
// headless. The Symbol font shows its Latin letters as the Greek ones that font puts at their
// codes.

#include <string>
#include <string_view>

#include "gfx/Font.h"
#include "runtime/Label.h"

namespace view {

// Pixel size of a point size on the reference screen (8.25 pt -> 11 px), at least 1.
int referencePixelSize(float pointSize);

gfx::Font labelFont(const rt::Font& font);

// The caption as drawn (UTF-8): unchanged, or mapped letter by letter for the Symbol font
// ("W" -> "Ω"; characters beyond ASCII are left as they are).
std::string displayText(const rt::Font& font, std::string_view utf8);

// The Symbol font's character for an ASCII code, as a Unicode code point (the code itself
// when that font has the same character there).
char32_t symbolChar(char c);

}  // namespace view
