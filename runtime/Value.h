#pragma once
// A value read by name from the model (a property, a shared or form-level variable), with the
// text form the scenario runner prints and compares.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/Color.h"
#include "runtime/PictureList.h"

namespace rt {

enum class WindowState { Normal, Minimized, Maximized };

class Value {
public:
    enum class Kind { Integer, Single, Double, String, Boolean, Picture, Pointer, Color, WindowState };

    Value() : kind_(Kind::Integer) {}
    static Value integer(int64_t v) { Value x(Kind::Integer); x.i_ = v; return x; }
    static Value single(float v) { Value x(Kind::Single); x.f_ = v; return x; }
    static Value dbl(double v) { Value x(Kind::Double); x.d_ = v; return x; }
    static Value string(std::string v) { Value x(Kind::String); x.s_ = std::move(v); return x; }
    static Value boolean(bool v) { Value x(Kind::Boolean); x.i_ = v ? 1 : 0; return x; }
    static Value picture(PictureRef p) { Value x(Kind::Picture); x.p_ = p; return x; }
    // A mouse pointer: none is the default pointer.
    static Value pointer(PictureRef p) { Value x(Kind::Pointer); x.p_ = p; return x; }
    static Value color(Color c) { Value x(Kind::Color); x.c_ = c; return x; }
    static Value windowState(WindowState w) { Value x(Kind::WindowState); x.w_ = w; return x; }

    Kind kind() const { return kind_; }
    int64_t asInteger() const { return i_; }
    float asSingle() const { return f_; }
    double asDouble() const { return d_; }
    const std::string& asString() const { return s_; }
    bool asBoolean() const { return i_ != 0; }
    PictureRef asPicture() const { return p_; }
    Color asColor() const { return c_; }
    WindowState asWindowState() const { return w_; }

    // Numeric kinds as a double (Single widened exactly); 0 for the others.
    double numeric() const;
    bool isNumeric() const { return kind_ == Kind::Integer || kind_ == Kind::Single || kind_ == Kind::Double; }

    // The printed form: integers in decimal, Single and Double as the shortest decimal that
    // reads back as the same number, strings in double quotes, true/false, LIST:N or none,
    // default or LIST:N for pointers, rgb(R,G,B), normal/maximized/minimized.
    std::string text() const;

private:
    explicit Value(Kind k) : kind_(k) {}
    Kind kind_;
    int64_t i_ = 0;
    float f_ = 0;
    double d_ = 0;
    std::string s_;
    PictureRef p_;
    Color c_;
    WindowState w_ = WindowState::Normal;
};

// Shortest round-trip decimal forms, with a point as separator.
std::string shortestSingle(float v);
std::string shortestDouble(double v);

}  // namespace rt
