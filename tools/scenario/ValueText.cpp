#include "tools/scenario/ValueText.h"

#include <charconv>
#include <cmath>

#include "runtime/DecimalText.h"
#include "tools/scenario/LineError.h"

namespace scenario {
namespace {

using Kind = rt::Value::Kind;

template <class T>
std::optional<T> readWhole(const std::string& s) {
    T v{};
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || ptr != end || s.empty()) return std::nullopt;
    return v;
}

std::string describe(Kind k) {
    switch (k) {
        case Kind::Integer:
            return "an integer";
        case Kind::Single:
            return "a Single";
        case Kind::Double:
            return "a Double";
        case Kind::String:
            return "a string in double quotes";
        case Kind::Boolean:
            return "true or false";
        case Kind::Picture:
            return "LIST:N or none";
        case Kind::Pointer:
            return "default or LIST:N";
        case Kind::Color:
            return "rgb(R,G,B)";
        case Kind::WindowState:
            return "normal, maximized or minimized";
    }
    return "a value";
}

[[noreturn]] void wrongKind(const Word& w, Kind k) {
    const std::string written = w.quoted ? rt::Value::string(w.text).text() : "'" + w.text + "'";
    throw LineError(written + " is not " + describe(k));
}

// "LIST:N" with N a picture number, in its printed form.
std::optional<std::string> pictureText(const std::string& s) {
    const size_t colon = s.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    auto n = readInteger(s.substr(colon + 1));
    if (!n || *n < 1) return std::nullopt;
    return s.substr(0, colon) + ":" + std::to_string(*n);
}

std::optional<std::string> colorText(const std::string& s) {
    if (s.size() < 5 || s.compare(0, 4, "rgb(") != 0 || s.back() != ')') return std::nullopt;
    const std::string inner = s.substr(4, s.size() - 5);
    int parts[3];
    size_t start = 0;
    for (int k = 0; k < 3; ++k) {
        const size_t comma = k < 2 ? inner.find(',', start) : inner.size();
        if (comma == std::string::npos) return std::nullopt;
        auto v = readInteger(inner.substr(start, comma - start));
        if (!v || *v < 0 || *v > 255) return std::nullopt;
        parts[k] = static_cast<int>(*v);
        start = comma + 1;
    }
    return rt::Color::rgb(parts[0], parts[1], parts[2]).text();
}

ExpectedValue parseNumber(const Word& w, Kind kind, bool withTolerance) {
    ExpectedValue e;
    e.kind = kind;
    if (w.quoted) wrongKind(w, kind);
    if (kind == Kind::Integer) {
        if (auto v = readInteger(w.text)) {
            e.i = *v;
            e.d = static_cast<double>(*v);
            e.text = std::to_string(*v);
            return e;
        }
        auto d = withTolerance ? readDouble(w.text) : std::nullopt;
        if (!d) wrongKind(w, kind);
        e.isInteger = false;
        e.d = *d;
        e.text = rt::shortestDouble(*d);
        return e;
    }
    if (kind == Kind::Single) {
        auto f = readSingle(w.text);
        if (!f) wrongKind(w, kind);
        e.f = *f;
        e.d = static_cast<double>(*f);
        e.text = rt::shortestSingle(*f);
        return e;
    }
    auto d = readDouble(w.text);
    if (!d) wrongKind(w, kind);
    e.d = *d;
    e.text = rt::shortestDouble(*d);
    return e;
}

// The printed form of a non-numeric expected value, or nothing when the word is not one.
std::optional<std::string> otherText(const Word& w, Kind kind) {
    if (kind == Kind::String)
        return w.quoted ? std::optional(rt::Value::string(w.text).text()) : std::nullopt;
    if (w.quoted) return std::nullopt;
    const std::string& s = w.text;
    switch (kind) {
        case Kind::Boolean:
            return s == "true" || s == "false" ? std::optional(s) : std::nullopt;
        case Kind::Picture:
            return s == "none" ? std::optional(s) : pictureText(s);
        case Kind::Pointer:
            return s == "default" ? std::optional(s) : pictureText(s);
        case Kind::Color:
            return colorText(s);
        case Kind::WindowState:
            return s == "normal" || s == "maximized" || s == "minimized" ? std::optional(s) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<int64_t> readInteger(const std::string& s) {
    return readWhole<int64_t>(s);
}

std::optional<float> readSingle(const std::string& s) {
    auto v = rt::readFloat(s);
    if (v && !std::isfinite(*v)) return std::nullopt;
    return v;
}

std::optional<double> readDouble(const std::string& s) {
    auto v = rt::readDouble(s);
    if (v && !std::isfinite(*v)) return std::nullopt;
    return v;
}

ExpectedValue parseExpected(const Word& word, const rt::Value& actual, bool withTolerance) {
    const Kind kind = actual.kind();
    if (actual.isNumeric()) return parseNumber(word, kind, withTolerance);
    auto text = otherText(word, kind);
    if (!text) wrongKind(word, kind);
    ExpectedValue e;
    e.kind = kind;
    e.isInteger = false;
    e.text = *text;
    return e;
}

double parseTolerance(const Word& word) {
    if (word.quoted || word.text.size() < 2 || word.text[0] != '~')
        throw LineError("'" + word.text + "' is not a tolerance ~TOL");
    auto t = readDouble(word.text.substr(1));
    if (!t || *t < 0) throw LineError("'" + word.text + "' is not a tolerance ~TOL");
    return *t;
}

bool matches(const rt::Value& actual, const ExpectedValue& expected, std::optional<double> tolerance) {
    if (actual.kind() != expected.kind) return false;
    if (!actual.isNumeric()) return actual.text() == expected.text;
    if (tolerance) return std::fabs(actual.numeric() - expected.d) <= *tolerance;
    switch (actual.kind()) {
        case Kind::Integer:
            return expected.isInteger && actual.asInteger() == expected.i;
        case Kind::Single:
            return actual.asSingle() == expected.f;
        default:
            return actual.asDouble() == expected.d;
    }
}

}  // namespace scenario
