// Painting a window whose screen container holds a recorded trace of both channels: 2002
// small filled dots (1001 per channel), as the storage mode lays them. The target is a QImage
// like a widget's backing store; a paint must stay well under 4 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Container.h"
#include "runtime/Line.h"
#include "runtime/Shape.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/QtCanvas.h"
#include "view/FontTextMeasurer.h"
#include "runtime/qt/WindowImage.h"
#include "view/WindowPainter.h"

namespace {

constexpr float kTw = 15.0f;

struct TraceWindow {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    rt::Application app{clock, text};
    rt::Window window{app, "Oscillo"};
    rt::Container screen{&window, "Ecran"};
    rt::Line centre{&screen, "Axe"};
    std::vector<std::unique_ptr<rt::Shape>> dots;

    TraceWindow() {
        window.move(0, 0, 784 * kTw, 560 * kTw);
        screen.move(100 * kTw, 60 * kTw, 500 * kTw, 400 * kTw);
        screen.setBackColor({0, 40, 0});
        screen.setScale(100, 80, 0, -40);
        centre.setX1(0);
        centre.setX2(100);
        centre.setBorderColor({0, 120, 0});
        // CH1 charges, CH2 discharges: elements 1..1001 and 1002..2002, dot size of focus 1.
        for (int k = 1; k <= 2002; ++k) {
            const bool ch1 = k <= 1001;
            auto d = std::make_unique<rt::Shape>(&screen, ch1 ? "faisceau1" : "faisceau2", k);
            const int i = ch1 ? k - 1 : k - 1002;
            const float x = i * 0.1f;
            const float u = 1.0f - std::exp(-x / 20.0f);
            d->move(x, ch1 ? -35.0f * u + 5.0f : 35.0f * u - 5.0f, 1.5f, 1.5f);
            d->setBorderWidth(2);
            dots.push_back(std::move(d));
        }
    }
};

void paintTrace(benchmark::State& state) {
    TraceWindow scene;
    const qreal dpr = static_cast<double>(state.range(0)) / 100.0;
    QImage target(static_cast<int>(784 * dpr), static_cast<int>(560 * dpr),
                  QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(dpr);
    view::WindowPainter painter(rtqt::sharedPictureCache(), rtqt::surfaceFactory());
    for (auto _ : state) {
        QPainter p(&target);
        rtqt::QtCanvas canvas(p);
        painter.paint(canvas, scene.window, 1.0, gfx::Rect(0, 0, 784, 560));
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(paintTrace)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

// The free function that headless snapshots use, into the same kind of image.
void paintWindowTrace(benchmark::State& state) {
    TraceWindow scene;
    QImage target(784, 560, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        rtqt::paintWindow(p, scene.window);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(paintWindowTrace)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
