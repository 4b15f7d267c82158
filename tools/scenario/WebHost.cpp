#include "tools/scenario/WebHost.h"

#include "gfx/raster/PngFile.h"
#include "runtime/web/WebLocale.h"
#include "view/FontTextMeasurer.h"
#include "view/WindowRaster.h"

namespace scenario {

// Labels size with the widths of the program's own font file, as on the desktop.
std::unique_ptr<rt::TextMeasurer> WebHost::makeTextMeasurer() const {
    return std::make_unique<view::FontTextMeasurer>();
}

// The window painted by the software backend, as the desktop's runner paints it with its own.
bool WebHost::saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) const {
    const gfx::Image img = view::rasterWindow(w);
    if (img.isNull()) {
        error = "the window has no area to render";
        return false;
    }
    if (!gfx::raster::writePng(img, path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

char WebHost::systemDecimalSeparator() const {
    return rtweb::userDecimalSeparator();
}

std::optional<char> WebHost::localeDecimalSeparator(const std::string& name) const {
    return rtweb::decimalSeparatorOf(name);
}

}  // namespace scenario
