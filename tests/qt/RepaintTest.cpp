// What the real frame repaints when the model changes a little: a running-spot tick, a level
// ramp tick, a knob step and a second of the status-bar clock each repaint a small part of the
// frame, and what the partial repaints leave on screen is what a full repaint paints.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include "runtime/VirtualClock.h"
#include "runtime/qt/MainFrame.h"
#include "view/FontTextMeasurer.h"
#include "runtime/qt/WindowWidget.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

namespace {

// Every paint of every widget, as an area of the frame.
struct PaintLog : QObject {
    QWidget* frame = nullptr;
    QRegion painted;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Paint && w && w->window() == frame)
            painted += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(frame, QPoint(0, 0)));
        return false;
    }
};

qint64 areaOf(const QRegion& r) {
    qint64 a = 0;
    for (const QRect& x : r) a += qint64(x.width()) * x.height();
    return a;
}

struct RunningScope {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    Program program{clock, text};
    std::unique_ptr<rtqt::MainFrame> frame;
    Oscillo* scope = nullptr;
    PaintLog log;

    // The oscilloscope shown and switched on, CH1 at 2 V on 1 V/div.
    RunningScope() {
        program.app().setScreenSize(QGuiApplication::primaryScreen()->geometry().width(),
                                    QGuiApplication::primaryScreen()->geometry().height());
        frame = std::make_unique<rtqt::MainFrame>(program.app());
        program.Main();
        scope = &program.app().window<Oscillo>("Oscillo");
        program.app().window("Chargedecharge").Hide();
        scope->Show();
        scope->Powerclick_Click();
        program.code().NiveauY1 = 2;
        scope->AfficheEcran();
        settle();
        log.frame = frame.get();
        qApp->installEventFilter(&log);
    }
    ~RunningScope() { qApp->removeEventFilter(&log); }

    // Waits until everything the model asked the oscilloscope's widget to repaint is painted: on
    // that event, not for a guessed time (a paint may wait a frame, longer on a busy machine).
    void settle() {
        rtqt::WindowWidget* w = frame->widgetFor(*scope);
        const bool painted = QTest::qWaitFor([w] {
            QCoreApplication::sendPostedEvents();
            return !w->repaintPending();
        });
        EXPECT_TRUE(painted) << "a repaint asked for was never painted";
    }
    // The share of the frame repainted by what `step` changes.
    double repaintedShare(const std::function<void()>& step) {
        settle();
        log.painted = QRegion();
        step();
        settle();
        return double(areaOf(log.painted)) / (double(frame->width()) * frame->height());
    }
    void slowTimeBase() {
        scope->CranBalay = 4;
        program.code().TempsDiv = scope->ValBalay[3];  // 20 ms/div: a spot every 10 ms
        scope->AfficheEcran();
    }
    QImage shown() {
        rtqt::WindowWidget* w = frame->widgetFor(*scope);
        const QPoint at = w->mapTo(frame.get(), QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(frame->winId())
            .toImage()
            .copy(QRect(at, w->size()));
    }
};

TEST(Repaint, SmallChangesRepaintASmallPartOfTheFrame) {
    RunningScope s;
    ASSERT_TRUE(s.frame->widgetFor(*s.scope)->isVisible());
    s.slowTimeBase();
    using std::chrono::milliseconds;
    const double spot = s.repaintedShare([&] { s.clock.advance(milliseconds(10)); });
    EXPECT_GT(spot, 0.0);
    EXPECT_LT(spot, 0.01);

    // The program's clock holds a tick's repaints and paints them when the tick ends, at once,
    // once the frame of the last paint is over (within it they wait for the frame's end).
    rtqt::WindowWidget* widget = s.frame->widgetFor(*s.scope);
    QTest::qWait(rtqt::WindowWidget::kLongestFrameMs + 1);
    const double held = s.repaintedShare([&] {
        widget->holdRepaints();
        s.clock.advance(milliseconds(10));
        QCoreApplication::processEvents();
        EXPECT_TRUE(s.log.painted.isEmpty());
        widget->releaseRepaints();
        EXPECT_FALSE(s.log.painted.isEmpty());
    });
    EXPECT_LT(held, 0.01);

    // CH1 ramps on 1 ms/div: its line moves up, across the screen.
    s.repaintedShare([&] {
        s.scope->Timer7.setEnabled(false);
        s.scope->CranBalay = 8;
        s.program.code().TempsDiv = 1;
        s.scope->AfficheEcran();
        s.scope->LanceRampe(5000, rt::False, 2, 5, 1);
    });
    const double ramp = s.repaintedShare([&] { s.clock.advance(milliseconds(100)); });
    EXPECT_GT(ramp, 0.0);
    EXPECT_LT(ramp, 0.04);

    // One step of TIME/DIV: the knob's picture.
    s.scope->Timer8.setEnabled(false);
    const auto& hit = s.scope->Tdivcontrol;
    s.scope->Tdivcontrol_MouseDown(1, 0, hit.Width() / 4, hit.Height() / 2);
    const double knob = s.repaintedShare([&] { s.clock.advance(milliseconds(200)); });
    s.scope->Tdivcontrol_MouseUp(1, 0, hit.Width() / 4, hit.Height() / 2);
    EXPECT_EQ(s.scope->CranBalay, 7);
    EXPECT_GT(knob, 0.0);
    EXPECT_LT(knob, 0.05);

    // A second of the status-bar clock: at most its time panel (and the date's at midnight).
    // The panel is blanked first, so the clock's next second writes it: the test waits for that
    // event and the repaint it makes, whatever the minute.
    QLabel* date = s.frame->panel(2);
    QLabel* time = s.frame->panel(3);
    time->setText(QString());
    const double second = s.repaintedShare([&] {
        EXPECT_TRUE(QTest::qWaitFor([time] { return !time->text().isEmpty(); }, 3000));
        const QRect panel(time->mapTo(s.frame.get(), QPoint(0, 0)), time->size());
        EXPECT_TRUE(QTest::qWaitFor([&] { return s.log.painted.intersects(panel); }));
    });
    EXPECT_LE(second * s.frame->width() * s.frame->height(),
              double(time->width()) * time->height() + double(date->width()) * date->height());
}

// Dots recorded, removed, a spot run, a ramp moving the spot then the line, knob steps: after
// the partial repaints the screen holds exactly what one repaint of the whole window paints.
TEST(Repaint, PartialRepaintsLeaveWhatAFullRepaintPaints) {
    RunningScope s;
    using std::chrono::milliseconds;
    engine::Code& code = s.program.code();
    code.Egene = 5;
    code.Rdec = 1000;
    code.Cdec = 0.000001;
    code.MasseY1 = code.MasseY2 = rt::False;
    code.ModeCH1 = code.ModeCH2 = code.ModeDual = rt::True;
    code.SigneY2 = -1;
    s.scope->PointMasse = 2;
    s.scope->PointY1 = 1;
    s.scope->PointY2 = 3;
    code.ModeStor = rt::True;
    code.PretStor = rt::True;
    s.scope->CalculCharge();  // two channels of recorded dots
    s.settle();
    s.scope->EffaceTrace();
    code.ModeStor = code.PretStor = code.Memorise = rt::False;
    s.slowTimeBase();
    rtqt::WindowWidget* widget = s.frame->widgetFor(*s.scope);
    for (int i = 0; i < 7; ++i) {  // held as the program's clock holds them
        widget->holdRepaints();
        s.clock.advance(milliseconds(10));
        widget->releaseRepaints();
        if (i % 2 == 1) s.settle();  // the next tick comes within the frame of this paint and waits
    }
    s.scope->LanceRampe(500, rt::False, 0, 3, 2);
    s.clock.advance(milliseconds(300));
    s.settle();
    // On 1 ms/div the ramp moves CH2's line.
    s.scope->Timer7.setEnabled(false);
    s.scope->CranBalay = 8;
    code.TempsDiv = 1;
    s.scope->AfficheEcran();
    s.settle();
    s.clock.advance(milliseconds(200));
    const auto& hit = s.scope->SV1control;
    s.scope->SV1control_MouseDown(1, 0, hit.Width() * 3 / 4, hit.Height() / 2);
    s.clock.advance(milliseconds(400));
    s.scope->SV1control_MouseUp(1, 0, hit.Width() * 3 / 4, hit.Height() / 2);
    s.settle();
    const QImage partial = s.shown();

    s.frame->widgetFor(*s.scope)->update();
    s.settle();
    const QImage full = s.shown();
    ASSERT_FALSE(full.isNull());
    ASSERT_EQ(partial.size(), full.size());
    QRect wrong;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (partial.pixel(x, y) != full.pixel(x, y)) wrong |= QRect(x, y, 1, 1);
    EXPECT_TRUE(wrong.isEmpty()) << "stale pixels in " << wrong.x() << "," << wrong.y() << " "
                                 << wrong.width() << "x" << wrong.height();
}

}  // namespace
