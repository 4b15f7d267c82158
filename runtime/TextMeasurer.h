#pragma once
// Measures label captions, so a label sizes itself the same way on screen and headless.

#include <string>

#include "runtime/Label.h"

namespace rt {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width and height of the text in the font, in pixels of the 96-dpi reference screen.
    virtual double widthPx(const Font& font, const std::string& utf8) const = 0;
    virtual double heightPx(const Font& font) const = 0;
};

// A fixed approximation (average glyph widths), for tests of the model alone.
class ApproxTextMeasurer : public TextMeasurer {
public:
    double widthPx(const Font& font, const std::string& utf8) const override;
    double heightPx(const Font& font) const override;
};

}  // namespace rt
