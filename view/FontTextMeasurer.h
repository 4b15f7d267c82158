#pragma once
// Label captions measured from the embedded font file itself (advances and kerning), at the
// reference pixel size: the same widths on every platform and headless, equal to the desktop
// painter's own measurement of the same font.

#include "runtime/TextMeasurer.h"

namespace view {

class FontTextMeasurer : public rt::TextMeasurer {
public:
    double widthPx(const rt::Font& font, const std::string& utf8) const override;
    double heightPx(const rt::Font& font) const override;
};

}  // namespace view
