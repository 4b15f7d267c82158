#pragma once
// Label text measured with the real fonts (Liberation Sans for Arial, whose metrics it has),
// at the 96-dpi reference size, so widths are the same on screen and headless.

#include "runtime/TextMeasurer.h"

namespace rtqt {

class QtTextMeasurer : public rt::TextMeasurer {
public:
    double widthPx(const rt::Font& font, const std::string& utf8) const override;
    double heightPx(const rt::Font& font) const override;
};

}  // namespace rtqt
