#include "runtime/web/WebProgram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "runtime/Window.h"
#include "shell/frmMain.h"
#include "view/FontTextMeasurer.h"

namespace rtweb {
namespace {

constexpr double kTwipsPerPx = 15.0;

int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPx));
}

// "Name" or "Name(i)" read from `vars`, when numeric.
std::optional<double> readNumber(const rt::Variables& vars, const std::string& name) {
    const size_t open = name.find('(');
    const bool indexed = open != std::string::npos;
    long index = 0;
    if (indexed) {
        const char* digits = name.c_str() + open + 1;
        char* end = nullptr;
        index = std::strtol(digits, &end, 10);
        const bool closed = end != digits && *end == ')' && end[1] == '\0';
        if (!closed || index < -32768 || index > 32767) return std::nullopt;
    }
    rt::Value v;
    if (!vars.read(name.substr(0, open), static_cast<int>(index), indexed, v) || !v.isNumeric())
        return std::nullopt;
    return v.numeric();
}

}  // namespace

WebProgram::WebProgram(int widthPx, int heightPx, char decimalSeparator)
    : text_(std::make_unique<view::FontTextMeasurer>()), program_(std::make_unique<Program>(clock_, *text_)) {
    rt::Application& app = program_->app();
    app.setScreenSize(std::max(1, widthPx), std::max(1, heightPx));
    app.setDecimalSeparator(decimalSeparator);
    program_->Main();
    frame_ = std::make_unique<WebFrame>(app);
}

// The frame lets go of the windows first; then the program: its windows' timers stop on the
// clock that outlives them.
WebProgram::~WebProgram() {
    frame_.reset();
    program_.reset();
}

std::string WebProgram::caption() const {
    const rt::Window* frame = program_->app().existing("frmMain");
    return frame ? frame->Caption() : std::string();
}

int WebProgram::statusBarHeightPx() const {
    const auto* frame = dynamic_cast<const frmMain*>(program_->app().existing("frmMain"));
    return frame ? px(frame->sbStatusBar.Height()) : 0;
}

int WebProgram::statusPanelWidthPx(int n) const {
    const auto* frame = dynamic_cast<const frmMain*>(program_->app().existing("frmMain"));
    if (!frame || n < 1 || static_cast<size_t>(n) > frame->sbStatusBar.panels().size()) return 0;
    const rt::StatusBar::Panel& p = frame->sbStatusBar.panels()[static_cast<size_t>(n - 1)];
    return px(n == 1 ? p.minWidth : p.width);
}

std::optional<double> WebProgram::value(const std::string& name) const {
    const size_t dot = name.find('.');
    if (dot == std::string::npos) return readNumber(program_->sharedVariables(), name);
    const rt::Window* w = program_->app().existing(name.substr(0, dot));
    return w ? readNumber(w->vars(), name.substr(dot + 1)) : std::nullopt;
}

std::optional<std::chrono::milliseconds> WebProgram::advanceTo(double nowMs) {
    if (std::isfinite(nowMs)) {
        // lastMs_ is the page's time of the model's now; whole milliseconds are run, the
        // fraction waits for the next step.
        if (!lastMs_ || nowMs < *lastMs_) lastMs_ = nowMs;
        const double longest = static_cast<double>(longestStep.count());
        if (nowMs - *lastMs_ > longest) lastMs_ = nowMs - longest;
        const double whole = std::floor(nowMs - *lastMs_);
        *lastMs_ += whole;
        clock_.advance(std::chrono::milliseconds(static_cast<long long>(whole)));
        if (whole > 0) frame_->afterTicks();
    }
    const auto due = clock_.nextDue();
    if (!due) return std::nullopt;
    return std::max(std::chrono::milliseconds(0), *due - clock_.now());
}

}  // namespace rtweb
