#pragma once
// A label's font and caption as drawn: every family (Arial, Symbol or any other) is drawn in
// the program's own typeface at the pixel size of the 96-dpi reference screen, so a caption is
// as wide on screen as headless; the Symbol font's Latin letters are shown as the Greek ones
// that font puts at their codes.

#include <string>

#include "gfx/Font.h"
#include "runtime/Label.h"

namespace view {

// Pixel size of a point size on the reference screen (8.25 pt -> 11 px); at least 1.
int referencePixelSize(float pointSize);

gfx::Font labelFont(const rt::Font& font);

// The caption as drawn: unchanged, or mapped letter by letter for the Symbol font ("W" -> "Ω").
std::string displayText(const rt::Font& font, const std::string& utf8);

// The Symbol font's character for an ASCII code (itself when that font has the same one).
char32_t symbolChar(char c);

}  // namespace view
