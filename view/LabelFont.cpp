#include "view/LabelFont.h"

#include <algorithm>
#include <cmath>

namespace view {
namespace {

bool isSymbolFamily(const std::string& family) {
    if (family.size() != 6) return false;
    return std::equal(family.begin(), family.end(), "symbol",
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

// The Greek letters of the Symbol font, at the codes of the Latin letters A..Z and a..z.
constexpr char32_t kUpper[26] = {U'Α', U'Β', U'Χ', U'Δ', U'Ε', U'Φ', U'Γ', U'Η', U'Ι',
                                 U'ϑ', U'Κ', U'Λ', U'Μ', U'Ν', U'Ο', U'Π', U'Θ', U'Ρ',
                                 U'Σ', U'Τ', U'Υ', U'ς', U'Ω', U'Ξ', U'Ψ', U'Ζ'};
constexpr char32_t kLower[26] = {U'α', U'β', U'χ', U'δ', U'ε', U'φ', U'γ', U'η', U'ι',
                                 U'ϕ', U'κ', U'λ', U'μ', U'ν', U'ο', U'π', U'θ', U'ρ',
                                 U'σ', U'τ', U'υ', U'ϖ', U'ω', U'ξ', U'ψ', U'ζ'};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

int referencePixelSize(float pointSize) {
    const double px = std::round(static_cast<double>(pointSize) * 96.0 / 72.0);
    // Not a number, negative or absurdly large sizes stay within what a font can be drawn at.
    if (!(px >= 1)) return 1;
    return px > 10000 ? 10000 : static_cast<int>(px);
}

gfx::Font labelFont(const rt::Font& font) {
    gfx::Font f;
    f.pixelSize = referencePixelSize(font.pointSize);
    f.bold = font.bold;
    return f;
}

char32_t symbolChar(char c) {
    if (c >= 'A' && c <= 'Z') return kUpper[c - 'A'];
    if (c >= 'a' && c <= 'z') return kLower[c - 'a'];
    switch (c) {
        case '"':
            return U'∀';
        case '$':
            return U'∃';
        case '\'':
            return U'∋';
        case '*':
            return U'∗';
        case '-':
            return U'−';
        case '@':
            return U'≅';
        case '\\':
            return U'∴';
        case '^':
            return U'⊥';
        case '~':
            return U'∼';
        default:
            return static_cast<unsigned char>(c);
    }
}

std::string displayText(const rt::Font& font, const std::string& utf8) {
    if (!isSymbolFamily(font.family)) return utf8;
    std::string out;
    out.reserve(utf8.size() * 2);
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x80)
            appendUtf8(out, symbolChar(c));
        else
            out += c;  // bytes of characters beyond ASCII are kept as they are
    }
    return out;
}

}  // namespace view
