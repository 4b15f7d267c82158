// The storage recording as the student triggers it: the real program, both channels wired
// and armed, the switch thrown to charge. One iteration removes the previous record, records
// both channels (2002 dots) and paints the oscilloscope window; the whole must stay well
// under one 60 Hz frame (16.7 ms).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "benchmarks/Practical.h"
#include "runtime/qt/WindowImage.h"

namespace {

void recordAndPaint(benchmark::State& state) {
    Practical p;
    if (const int dots = p.record(); dots != 2002) {
        state.SkipWithError(("recorded " + std::to_string(dots) + " dots, not 2002").c_str());
        return;
    }
    QImage target(static_cast<int>(p.scope->Width() / 15), static_cast<int>(p.scope->Height() / 15),
                  QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.record());
        QPainter painter(&target);
        rtqt::paintWindow(painter, *p.scope);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(recordAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
