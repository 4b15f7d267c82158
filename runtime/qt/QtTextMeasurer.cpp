#include "runtime/qt/QtTextMeasurer.h"

#include <QFontMetricsF>

#include "runtime/qt/QtFonts.h"

namespace rtqt {

double QtTextMeasurer::widthPx(const rt::Font& font, const std::string& utf8) const {
    return QFontMetricsF(qtFont(font)).horizontalAdvance(displayText(font, utf8));
}

double QtTextMeasurer::heightPx(const rt::Font& font) const {
    return QFontMetricsF(qtFont(font)).height();
}

}  // namespace rtqt
