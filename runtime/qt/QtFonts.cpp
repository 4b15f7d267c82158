#include "runtime/qt/QtFonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <cmath>
#include <mutex>
#include <utility>
#include <vector>

#include "gfx/FontFile.h"
#include "view/LabelFont.h"

namespace rtqt {

QString embeddedFamily() {
    static std::mutex lock;
    static QString family;
    const std::lock_guard<std::mutex> hold(lock);
    if (!family.isEmpty()) return family;
    // The toolkit's font database exists only with the gui application: without one, nothing
    // is registered yet (and no text can be drawn); registration happens once one exists.
    if (!QGuiApplication::instance()) return QStringLiteral("Liberation Sans");
    QStringList names;
    for (bool bold : {false, true}) {
        const gfx::FontFile& f = gfx::FontFile::sans(bold);
        // The bytes are the program's own, alive as long as it runs: no copy needed.
        const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(f.data()),
                                                        static_cast<qsizetype>(f.size()));
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id >= 0) names += QFontDatabase::applicationFontFamilies(id);
    }
    family = names.isEmpty() ? QStringLiteral("Liberation Sans") : names.first();
    return family;
}

namespace {

QFont makeFont(const gfx::Font& font) {
    QFont f(embeddedFamily());
    const double px = std::round(font.pixelSize);
    f.setPixelSize(px >= 1 ? (px <= 10000 ? static_cast<int>(px) : 10000) : 1);
    f.setBold(font.bold);
    // Advances never depend on the screen's font settings; a hinted face is fitted vertically
    // only (what the system's usual light hinting does, asked for explicitly).
    f.setHintingPreference(font.hinted ? QFont::PreferVerticalHinting : QFont::PreferNoHinting);
    f.setKerning(true);
    // A character the face lacks shows the face's missing-glyph box, never another font.
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

}  // namespace

// Made once per font and thread: every paint of a window and every label sets a font, and
// making one parses its family name and resolves it again. (Before the gui application
// exists the embedded face is not registered yet: nothing is kept then.)
QFont qtFont(const gfx::Font& font) {
    if (!QGuiApplication::instance()) return makeFont(font);
    constexpr size_t kKept = 16;
    thread_local std::vector<std::pair<gfx::Font, QFont>> made;
    for (const auto& [key, f] : made)
        if (key == font) return f;
    if (made.size() >= kKept) made.erase(made.begin());
    made.emplace_back(font, makeFont(font));
    return made.back().second;
}

void useEmbeddedFont() {
    QFont f = QGuiApplication::font();
    f.setFamilies({embeddedFamily()});
    f.setStyleStrategy(QFont::NoFontMerging);
    QGuiApplication::setFont(f);
}

QFont qtFont(const rt::Font& font) {
    return qtFont(view::labelFont(font));
}

QString displayText(const rt::Font& font, const std::string& utf8) {
    const std::string s = view::displayText(font, utf8);
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace rtqt
