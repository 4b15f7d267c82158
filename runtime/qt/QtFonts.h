#pragma once
// The Qt font for a label's font, and the text to draw for its caption. Arial is drawn with
// Liberation Sans (same metrics); sizes are pixels of the 96-dpi reference screen whatever the
// real screen, so a caption is as wide on screen as headless. The Symbol font is drawn with the
// same face, its Latin letters shown as the Greek ones that font puts at their codes.

#include <QFont>
#include <QString>
#include <string>

#include "runtime/Label.h"

namespace rtqt {

// Pixel size of a point size on the reference screen (8.25 pt -> 11 px).
int referencePixelSize(float pointSize);

QFont qtFont(const rt::Font& font);

// The caption as drawn: unchanged, or mapped letter by letter for the Symbol font ("W" -> "Ω").
QString displayText(const rt::Font& font, const std::string& utf8);

// The Symbol font's character for an ASCII code (itself when that font has the same one).
QChar symbolChar(char c);

}  // namespace rtqt
