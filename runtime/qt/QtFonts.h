#pragma once
// The painter's fonts: always the program's embedded typeface (registered with the toolkit's
// font database on first use), never a font of the system. Labels' fonts and captions follow
// view/LabelFont.h.

#include <QFont>
#include <QString>
#include <string>

#include "gfx/Font.h"
#include "runtime/Label.h"

namespace rtqt {

// The family name the embedded typeface is registered under (registering it the first time;
// needs the gui application, safe from any thread).
QString embeddedFamily();

// The painter font of a gfx font: the embedded face, unhinted (or hinted vertically only when
// the font asks), kerned, no fallback to other fonts. The toolkit takes whole pixel sizes: a
// fractional size is rounded.
QFont qtFont(const gfx::Font& font);

// Makes the embedded typeface the application's font (its size kept), so the frame's own
// widgets (the status bar) draw with it too. Needs the gui application.
void useEmbeddedFont();

// A label's font and its caption as drawn.
QFont qtFont(const rt::Font& font);
QString displayText(const rt::Font& font, const std::string& utf8);

}  // namespace rtqt
