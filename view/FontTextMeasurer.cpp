#include "view/FontTextMeasurer.h"

#include "gfx/Font.h"
#include "view/LabelFont.h"

namespace view {

double FontTextMeasurer::widthPx(const rt::Font& font, const std::string& utf8) const {
    return gfx::FontMetrics(labelFont(font)).advance(displayText(font, utf8));
}

double FontTextMeasurer::heightPx(const rt::Font& font) const {
    return gfx::FontMetrics(labelFont(font)).height();
}

}  // namespace view
