// A full repaint of the oscilloscope window holding a recorded two-channel trace (2002 dots),
// into a target of 3840 x 2160 device pixels, at device pixel ratio 1 and 2; beside it, in the
// same run and the same iterations, a plain fill of the same image: the floor any repaint of
// that many pixels pays. Counters: paint_ms and fill_ms (medians), x_fill (their ratio).
// The target is well under 4 ms for the paint.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <vector>

#include "benchmarks/Practical.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/WindowImage.h"
#include "view/ViewScale.h"
#include "view/WindowPainter.h"
#include "shell/DesignArea.h"

namespace {

constexpr double kTw = rt::kTwipsPerPixel;
constexpr int kDeviceWidth = 3840, kDeviceHeight = 2160;

// How the window is shown in a target of `logical` pixels, as the main frame shows it: at the
// largest view scale at which both instruments' design fits, centred, the window covering the
// target (its size is the target's divided by the scale).
struct View {
    double z = 1.0;
    QPointF offset;   // where the window's origin lies in the target, logical pixels
    QSizeF windowPx;  // the window's size in its own (unscaled) pixels
};

View viewFor(QSizeF logical, qreal dpr) {
    view::FontTextMeasurer text;
    const rt::RectF d = instrumentsDesignArea(text);
    const double dw = d.w / kTw, dh = d.h / kTw;
    const double z = view::snappedViewScale(std::min(logical.width() / dw, logical.height() / dh), dpr);
    const QPointF offset((logical.width() - dw * z) / 2 - d.x / kTw * z, -d.y / kTw * z);
    return View{z, offset, logical / z};
}

void paintWindow(view::WindowPainter& painter, QPainter& p, const rt::Window& w, const View& view) {
    rtqt::QtCanvas canvas(p);
    canvas.translate(view.offset.x(), view.offset.y());
    const QRectF target(p.window());
    painter.paint(canvas, w, view.z, gfx::Rect(target.x(), target.y(), target.width(), target.height()));
}

// The oscilloscope maximised into a window of `windowPx` with a two-channel record laid.
struct RecordedScope : Practical {
    explicit RecordedScope(QSizeF windowPx)
        : Practical([windowPx] { return rt::RectF{0, 0, windowPx.width() * kTw, windowPx.height() * kTw}; }) {
        record();
    }
    int dots() const { return scope->faisceau1.Count() + scope->faisceau2.Count() - 2; }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void fullRepaintAt4K(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const qreal dpr = static_cast<qreal>(state.range(0));
    const QSizeF logical(kDeviceWidth / dpr, kDeviceHeight / dpr);
    const View view = viewFor(logical, dpr);
    RecordedScope s(view.windowPx);
    if (s.dots() != 2002) {
        state.SkipWithError(("recorded " + std::to_string(s.dots()) + " dots, not 2002").c_str());
        return;
    }
    QImage target(kDeviceWidth, kDeviceHeight, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(dpr);
    view::WindowPainter painter(rtqt::sharedPictureCache(), rtqt::surfaceFactory());
    {  // pictures painted once, at this ratio, before timing
        QPainter p(&target);
        paintWindow(painter, p, *s.scope, view);
    }
    std::vector<double> paints, fills;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            QPainter p(&target);
            p.fillRect(QRectF(QPointF(0, 0), logical), QColor(192, 192, 192));
        }
        benchmark::DoNotOptimize(target.constBits());
        const auto t1 = Clock::now();
        {
            QPainter p(&target);
            paintWindow(painter, p, *s.scope, view);
        }
        benchmark::DoNotOptimize(target.constBits());
        const auto t2 = Clock::now();
        fills.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        paints.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
        state.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
    }
    const double paint = median(paints), fill = median(fills);
    state.counters["paint_ms"] = paint;
    state.counters["fill_ms"] = fill;
    state.counters["x_fill"] = fill > 0 ? paint / fill : 0.0;
    state.counters["z"] = view.z;
}
BENCHMARK(fullRepaintAt4K)->ArgName("ratio")->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
