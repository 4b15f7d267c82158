// The parts of the runner that use the desktop side: the text measurer, snapshots and locale names.

#include "tools/scenario/QtSeams.h"

#include <QLocale>
#include <QString>

#include "runtime/qt/WindowImage.h"
#include "view/FontTextMeasurer.h"

namespace scenario {
namespace {

char asciiDecimal(const QLocale& l) {
    const QString p = l.decimalPoint();
    const char c = p.size() == 1 ? p.at(0).toLatin1() : 0;
    return c > 0 && c < 0x7f ? c : '.';
}

}  // namespace

// Labels size with the widths of the program's own font file, as on screen.
std::unique_ptr<rt::TextMeasurer> makeTextMeasurer() {
    return std::make_unique<view::FontTextMeasurer>();
}

char systemDecimalSeparator() {
    return asciiDecimal(QLocale::system());
}

std::optional<char> localeDecimalSeparator(const std::string& name) {
    if (name == "C" || name == "POSIX") return '.';
    const QLocale l(QString::fromStdString(name));
    if (l.language() == QLocale::C) return std::nullopt;  // Qt's answer to a name it does not know
    return asciiDecimal(l);
}

bool saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) {
    const QImage img = rtqt::renderWindow(w);
    if (img.isNull()) {
        error = "the window has no area to render";
        return false;
    }
    if (!img.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::unique_ptr<rt::TextMeasurer> QtHost::makeTextMeasurer() const {
    return scenario::makeTextMeasurer();
}

bool QtHost::saveSnapshot(const rt::Window& w, const std::string& path, std::string& error) const {
    return scenario::saveSnapshot(w, path, error);
}

char QtHost::systemDecimalSeparator() const {
    return scenario::systemDecimalSeparator();
}

std::optional<char> QtHost::localeDecimalSeparator(const std::string& name) const {
    return scenario::localeDecimalSeparator(name);
}

}  // namespace scenario
