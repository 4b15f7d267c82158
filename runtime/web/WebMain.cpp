// The browser edition's entry points, called by the page's script (vorlinde-page.js): start
// the program on the page's size, read the frame's caption and status bar, and run the ticks
// due by the browser's time. Nothing here throws into the page: a failure is reported as such.

#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <string>

#include "runtime/web/WebLocale.h"
#include "runtime/web/WebProgram.h"

namespace {

std::unique_ptr<rtweb::WebProgram>& program() {
    static std::unique_ptr<rtweb::WebProgram> p;
    return p;
}

// Set when a tick failed: the model's state is no longer trusted, its time stands still.
bool stopped = false;

}  // namespace

extern "C" {

// Starts the program once; 1 when it runs, 0 when it could not start.
EMSCRIPTEN_KEEPALIVE int vorlinde_start(int widthPx, int heightPx) {
    if (program()) return 1;
    try {
        program() = std::make_unique<rtweb::WebProgram>(widthPx, heightPx, rtweb::userDecimalSeparator());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorlinde did not start: %s\n", e.what());
        return 0;
    }
}

// The frame's caption, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* vorlinde_caption() {
    static std::string caption;
    caption = program() ? program()->caption() : std::string();
    return caption.c_str();
}

EMSCRIPTEN_KEEPALIVE int vorlinde_status_height() {
    return program() ? program()->statusBarHeightPx() : 0;
}

EMSCRIPTEN_KEEPALIVE int vorlinde_status_panel_width(int n) {
    return program() ? program()->statusPanelWidthPx(n) : 0;
}

// Runs the ticks due by `nowMs` (the page's clock); returns the milliseconds until the next
// one, or -1 when no timer runs (or the program has stopped on an error).
EMSCRIPTEN_KEEPALIVE double vorlinde_advance(double nowMs) {
    if (!program() || stopped) return -1;
    try {
        const auto next = program()->advanceTo(nowMs);
        return next ? static_cast<double>(next->count()) : -1.0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorlinde stopped: %s\n", e.what());
        stopped = true;
        return -1;
    }
}

}  // extern "C"

int main() {
    // The page starts the program when it knows its size; the runtime stays alive for it.
    return 0;
}
