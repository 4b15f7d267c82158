// The storage recording as the student triggers it: the real program, both channels wired
// and armed, the switch thrown to charge. One iteration removes the previous record, records
// both channels (2002 dots) and paints the oscilloscope window; the whole must stay well
// under one 60 Hz frame (16.7 ms).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "runtime/VirtualClock.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "runtime/qt/WindowPainter.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

namespace {

struct Practical {
    rt::VirtualClock clock;
    rtqt::QtTextMeasurer text;
    Program program{clock, text};
    engine::Code& code = program.code();
    Oscillo* scope = nullptr;

    // E = 5 V, R = 1 kohm, C = 1 uF at 1 ms/div; ground on A, CH1 on D (the resistor's
    // voltage), CH2 on B (the capacitor's, inverted): both channels record on the charge.
    Practical() {
        program.Main();
        code.Egene = 5;
        code.Rdec = 1000;
        code.Cdec = 0.000001;
        scope = &program.app().window<Oscillo>("Oscillo");
        scope->Show();
        scope->PowerOn = rt::True;
        code.MasseY1 = code.MasseY2 = rt::False;
        code.ModeCH1 = code.ModeCH2 = code.ModeDual = rt::True;
        code.SigneY2 = -1;
        scope->PointMasse = 2;
        scope->PointY1 = 1;
        scope->PointY2 = 3;
        code.ModeStor = rt::True;
    }

    int record() {
        scope->EffaceTrace();
        code.PretStor = rt::True;
        code.Memorise = rt::False;
        scope->CalculCharge();
        return scope->faisceau1.Count() + scope->faisceau2.Count() - 2;
    }
};

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
        rtqt::paintWindow(painter, *p.scope, 1.0);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(recordAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
