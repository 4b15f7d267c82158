#include "runtime/qt/QtFonts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace rtqt {
namespace {

bool isSymbolFamily(const std::string& family) {
    return QString::fromStdString(family).compare("Symbol", Qt::CaseInsensitive) == 0;
}

// The Greek letters of the Symbol font, at the codes of the Latin letters A..Z and a..z.
constexpr char16_t kUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                 u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                 u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr char16_t kLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                 u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                 u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

}  // namespace

int referencePixelSize(float pointSize) {
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(pointSize) * 96.0 / 72.0)));
}

QFont qtFont(const rt::Font& font) {
    // Arial and Symbol both draw with Liberation Sans (metric-compatible with Arial, and it has
    // the Greek letters). Any other family is asked for by name, Liberation Sans as fallback.
    const bool known = font.family == "Arial" || isSymbolFamily(font.family);
    QFont f(known ? QStringLiteral("Liberation Sans") : QString::fromStdString(font.family));
    if (!known)
        f.setFamilies(QStringList{QString::fromStdString(font.family), QStringLiteral("Liberation Sans")});
    f.setPixelSize(referencePixelSize(font.pointSize));
    f.setBold(font.bold);
    // Unhinted outlines: advances do not depend on the screen's font settings.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QChar symbolChar(char c) {
    if (c >= 'A' && c <= 'Z') return QChar(kUpper[c - 'A']);
    if (c >= 'a' && c <= 'z') return QChar(kLower[c - 'a']);
    switch (c) {
        case '"':
            return QChar(u'∀');
        case '$':
            return QChar(u'∃');
        case '\'':
            return QChar(u'∋');
        case '*':
            return QChar(u'∗');
        case '-':
            return QChar(u'−');
        case '@':
            return QChar(u'≅');
        case '\\':
            return QChar(u'∴');
        case '^':
            return QChar(u'⊥');
        case '~':
            return QChar(u'∼');
        default:
            return QChar::fromLatin1(c);
    }
}

QString displayText(const rt::Font& font, const std::string& utf8) {
    QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (!isSymbolFamily(font.family)) return s;
    for (QChar& ch : s)
        if (ch.unicode() < 0x80) ch = symbolChar(static_cast<char>(ch.unicode()));
    return s;
}

}  // namespace rtqt
