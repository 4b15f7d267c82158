#pragma once
// A bare model window for the binding's tests: an application on the virtual clock with the
// real text measurer, and one window of a given size in pixels.

#include <QImage>

#include "runtime/Application.h"
#include "runtime/Control.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "view/FontTextMeasurer.h"

namespace qttest {

inline constexpr float kTw = 15.0f;  // twips per pixel

struct Scene {
    explicit Scene(int wPx = 200, int hPx = 150) : app(clock, text), window(app, "Essai") {
        window.move(0, 0, wPx * kTw, hPx * kTw);
    }
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    rt::Application app;
    rt::Window window;
};

inline QColor at(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

}  // namespace qttest
