#include "runtime/TextMeasurer.h"

namespace rt {

double ApproxTextMeasurer::widthPx(const Font& font, const std::string& utf8) const {
    // Count code points (continuation bytes of UTF-8 do not start a character).
    int chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++chars;
    const double em = font.pointSize * 96.0 / 72.0;
    return chars * em * (font.bold ? 0.6 : 0.55);
}

double ApproxTextMeasurer::heightPx(const Font& font) const { return font.pointSize * 96.0 / 72.0 * 1.15; }

}  // namespace rt
