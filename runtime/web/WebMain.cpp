// The browser edition's entry points, called by the page's script (vorlinde-page.js): start
// the program on the page's size, read the frame's caption and status bar, and run the ticks
// due by the browser's time. Nothing here throws into the page: a failure is reported as such.

#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <string>

#include "gfx/FontFile.h"
#include "runtime/web/WebLocale.h"
#include "runtime/web/WebProgram.h"
#include "runtime/web/WebScreen.h"

namespace {

std::unique_ptr<rtweb::WebProgram>& program() {
    static std::unique_ptr<rtweb::WebProgram> p;
    return p;
}

// The page's canvas (handle 1 of canvas-library.js).
std::unique_ptr<rtweb::WebScreen>& screen() {
    static std::unique_ptr<rtweb::WebScreen> s;
    return s;
}

// Set when a tick failed: the model's state is no longer trusted, its time stands still.
bool stopped = false;

}  // namespace

extern "C" {

// The program's typeface (regular, or bold) as the module carries it: the page gives these bytes
// to the browser, so that text is drawn in the very font it is measured with. Writes the size.
EMSCRIPTEN_KEEPALIVE const unsigned char* vorlinde_font(int bold, int* size) {
    const gfx::FontFile& face = gfx::FontFile::sans(bold != 0);
    if (size) *size = static_cast<int>(face.size());
    return face.data();
}

// Starts the program once; 1 when it runs, 0 when it could not start.
EMSCRIPTEN_KEEPALIVE int vorlinde_start(int widthPx, int heightPx) {
    if (program()) return 1;
    try {
        program() = std::make_unique<rtweb::WebProgram>(widthPx, heightPx, rtweb::userDecimalSeparator());
        screen() = std::make_unique<rtweb::WebScreen>(1);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorlinde did not start: %s\n", e.what());
        return 0;
    }
}

// The page's title (the frame's caption, and the shown instrument's), valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* vorlinde_caption() {
    static std::string caption;
    caption = program() ? program()->frame().title() : std::string();
    return caption.c_str();
}

// The canvas is `cssW` x `cssH` CSS pixels at `dpr` device pixels to one.
EMSCRIPTEN_KEEPALIVE void vorlinde_resize(double cssW, double cssH, double dpr) {
    if (program()) program()->frame().resize(cssW, cssH, dpr);
}

// Pointer input (kind 0 press, 1 move, 2 release) at CSS pixels of the canvas; returns the
// cursor then wanted (a picture of the frame's cursor list, 0 for the default).
EMSCRIPTEN_KEEPALIVE int vorlinde_pointer(int kind, double x, double y, int button, int buttons, int shift,
                                          double timeMs) {
    if (!program() || stopped || kind < 0 || kind > 2) return 0;
    try {
        return program()->frame().pointer(static_cast<rtweb::WebFrame::Pointer>(kind), x, y, button, buttons,
                                          shift, timeMs);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorlinde stopped: %s\n", e.what());
        stopped = true;
        return 0;
    }
}

// The pointer was taken away (cancelled, the page lost focus): what was held is let go.
EMSCRIPTEN_KEEPALIVE void vorlinde_release_all() {
    if (program() && !stopped) program()->frame().releaseAll();
}

// Where the shown window's control `name` ("Control" or "Array(i)") is on the canvas: writes
// x, y in CSS pixels to `xy` and returns 1, or returns 0 when it is not seen.
EMSCRIPTEN_KEEPALIVE int vorlinde_locate(const char* name, double* xy) {
    if (!program() || !name || !xy) return 0;
    const auto p = program()->frame().locate(name);
    if (!p) return 0;
    xy[0] = p->first;
    xy[1] = p->second;
    return 1;
}

// A spot on that control: at fractions `fx`, `fy` of its rectangle, or (units 1) at `fx`, `fy`
// in the units of its mouse events; written to `xy` as vorlinde_locate does.
EMSCRIPTEN_KEEPALIVE int vorlinde_locate_at(const char* name, double fx, double fy, int units, double* xy) {
    if (!program() || !name || !xy) return 0;
    const auto p = program()->frame().locateAt(name, fx, fy, units != 0);
    if (!p) return 0;
    xy[0] = p->first;
    xy[1] = p->second;
    return 1;
}

// A number of the model ("Egene", "Oscillo.PointY1") written to `out`: 1, or 0 when there is
// none by that name. What tests and measurements watch while they work the instruments.
EMSCRIPTEN_KEEPALIVE int vorlinde_value(const char* name, double* out) {
    if (!program() || !name || !out) return 0;
    const auto v = program()->value(name);
    if (!v) return 0;
    *out = *v;
    return 1;
}

// The cursor the model wants now (after ticks too).
EMSCRIPTEN_KEEPALIVE int vorlinde_cursor() {
    return program() ? program()->frame().cursor() : 0;
}

// Whether part of the canvas waits to be repainted (the page then asks for an animation frame).
EMSCRIPTEN_KEEPALIVE int vorlinde_wants_paint() {
    return program() && program()->frame().wantsPaint() ? 1 : 0;
}

// Repaints what waits to be repainted: called once per animation frame, and at once after the
// canvas was resized (which cleared it).
EMSCRIPTEN_KEEPALIVE void vorlinde_paint() {
    if (!program() || !screen()) return;
    try {
        screen()->paint(program()->frame());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Vorlinde could not paint: %s\n", e.what());
        program()->frame().painted();  // not again and again at every frame
    }
}

// The view scale the instruments are drawn at (a cursor is drawn at it too).
EMSCRIPTEN_KEEPALIVE double vorlinde_view_scale() {
    return program() ? program()->frame().viewScale() : 1.0;
}

// The pixels of the cursor the model wants now, for a CSS cursor: returns straight RGBA bytes
// (valid until the next call) and writes width, height, hot spot x and y (CSS pixels of the
// image) and the image's pixels per CSS pixel to `info`; null for the default arrow.
EMSCRIPTEN_KEEPALIVE const unsigned char* vorlinde_cursor_image(double* info) {
    static rtweb::WebScreen::Cursor cursor;
    if (!program() || !screen() || !info) return nullptr;
    const rtweb::WebFrame& frame = program()->frame();
    cursor = screen()->cursor(frame.cursorPicture(), frame.viewScale(), frame.dpr());
    if (cursor.rgba.empty()) return nullptr;
    info[0] = cursor.width;
    info[1] = cursor.height;
    info[2] = cursor.hotX;
    info[3] = cursor.hotY;
    info[4] = cursor.resolution;
    return cursor.rgba.data();
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
