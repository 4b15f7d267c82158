#pragma once
// The program in a browser page: the model of the practical on a clock the page drives with
// the browser's time, on a screen the size of the page. The page's script calls the exported
// functions of WebMain.cpp, which reach it through here.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "runtime/web/WebFrame.h"
#include "shell/Program.h"

namespace rtweb {

class WebProgram {
public:
    // Starts the program on a screen of `widthPx` x `heightPx` CSS pixels, with the user's
    // decimal separator.
    WebProgram(int widthPx, int heightPx, char decimalSeparator);
    ~WebProgram();
    WebProgram(const WebProgram&) = delete;
    WebProgram& operator=(const WebProgram&) = delete;

    // The frame's caption.
    std::string caption() const;
    // The status bar's height and its panels' widths (n = 1..3), in CSS pixels; panel 1 gives
    // its minimum, the others their fixed width.
    int statusBarHeightPx() const;
    int statusPanelWidthPx(int n) const;

    // Runs every tick due up to the browser's time `nowMs`; returns how long until the next
    // one, none when no timer runs. A step longer than `longestStep` (the tab was hidden, the
    // machine slept) is cut to it: time paused, not minutes of ticks replayed at once.
    std::optional<std::chrono::milliseconds> advanceTo(double nowMs);
    static constexpr std::chrono::milliseconds longestStep{250};

    // A number of the model by name, for tests and measurements that watch it: a shared
    // variable ("Egene", "Couleur(6)") or a window's form-level one ("Oscillo.PointY1"); none
    // when there is no such number (unknown, out of range, not numeric, window not made yet).
    std::optional<double> value(const std::string& name) const;

    Program& program() { return *program_; }
    WebFrame& frame() { return *frame_; }

private:
    rt::VirtualClock clock_;
    std::unique_ptr<rt::TextMeasurer> text_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<WebFrame> frame_;
    std::optional<double> lastMs_;
};

}  // namespace rtweb
