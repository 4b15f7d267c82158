// The real main frame bound to the program: it covers the screen, holds the bench maximised
// in its document area (which the model's maximised windows follow when it changes size),
// shows the date and time in its status bar and never lets an instrument window be closed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTime>

#include "runtime/Application.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/MainFrame.h"
#include "view/FontTextMeasurer.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

constexpr double kTw = 15.0;

struct Started {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    Program program{clock, text};
    std::unique_ptr<rtqt::MainFrame> frame;
    QSize screen;
    Started() {
        screen = QGuiApplication::primaryScreen()->geometry().size();
        program.app().setScreenSize(screen.width(), screen.height());
        frame = std::make_unique<rtqt::MainFrame>(program.app());
        program.Main();
        QApplication::processEvents();
    }
    rt::Window& bench() { return program.app().window("Chargedecharge"); }
    QSize area() const { return frame->mdiArea()->viewport()->size(); }
};

TEST(MainFrame, CoversTheScreenWithTheBenchMaximisedInside) {
    Started s;
    ASSERT_NE(s.frame->model(), nullptr);
    EXPECT_TRUE(s.frame->isVisible());
    EXPECT_EQ(s.frame->frameGeometry(), QRect(QPoint(0, 0), s.screen));  // decorations included
    EXPECT_TRUE(s.frame->windowTitle().startsWith("Vorlinde"));

    QMdiSubWindow* sub = s.frame->subWindowFor(s.bench());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(sub->isMaximized());
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(s.frame->widgetFor(s.bench())->size(), s.area());
    // The model's bench is as big as the real area it fills, at the view scale.
    const double z = s.frame->viewScale();
    EXPECT_FLOAT_EQ(s.bench().Width(), static_cast<float>(s.area().width() * kTw / z));
    EXPECT_FLOAT_EQ(s.bench().Height(), static_cast<float>(s.area().height() * kTw / z));
    EXPECT_EQ(s.area().width(), s.frame->geometry().width());
    EXPECT_LT(s.area().height(), s.screen.height());  // the status bar is below it
}

TEST(MainFrame, StatusBarShowsNothingThenDateThenTime) {
    Started s;
    const QLocale loc = QLocale::system();
    EXPECT_TRUE(s.frame->panel(1)->text().isEmpty());
    EXPECT_EQ(s.frame->panel(2)->text(), loc.toString(QDate::currentDate(), QLocale::ShortFormat));
    // The panel was written a moment ago: allow for a second (or the minute) turning since.
    const QTime t = QTime::currentTime();
    const QString shown = s.frame->panel(3)->text();
    bool recent = false;
    for (int back : {0, 1, 2, 60})
        recent = recent || shown == loc.toString(t.addSecs(-back), QLocale::ShortFormat);
    EXPECT_TRUE(recent) << shown.toStdString();
    // The model's panels are never written.
    for (const auto& p : s.frame->model()->sbStatusBar.panels()) EXPECT_TRUE(p.text.empty());
    // Panels 2 and 3 keep their design widths.
    EXPECT_EQ(s.frame->panel(2)->width(), 2540 / 15);
    EXPECT_EQ(s.frame->panel(3)->width(), 2540 / 15);
}

TEST(MainFrame, MaximisedWindowsFollowTheAreaSize) {
    Started s;
    const QMargins deco(s.frame->geometry().left() - s.frame->frameGeometry().left(), 0,
                        s.frame->frameGeometry().right() - s.frame->geometry().right(), 0);
    s.frame->resize(s.screen.width() - 100 - deco.left() - deco.right(), s.screen.height() - 80);
    QApplication::processEvents();
    const double z = s.frame->viewScale();
    EXPECT_FLOAT_EQ(s.bench().Width(), static_cast<float>(s.area().width() * kTw / z));
    EXPECT_FLOAT_EQ(s.bench().Height(), static_cast<float>(s.area().height() * kTw / z));
    EXPECT_EQ(s.area().width(), s.screen.width() - 100 - deco.left() - deco.right());
    const rt::RectF r = s.program.app().mdiClientArea();
    EXPECT_DOUBLE_EQ(r.w, s.area().width() * kTw / z);
    EXPECT_DOUBLE_EQ(r.h, s.area().height() * kTw / z);
    EXPECT_FLOAT_EQ(s.frame->model()->Width(), static_cast<float>((s.screen.width() - 100) * kTw));
    // The view scale is the largest at which both instruments' design fits the area.
    const rt::RectF d = s.frame->designArea();
    const double dpr = s.frame->devicePixelRatioF();
    EXPECT_LE(d.w / kTw * z, s.area().width());
    EXPECT_LE(d.h / kTw * z, s.area().height());
    const double next = z + 0.01 / dpr;
    EXPECT_TRUE(d.w / kTw * next > s.area().width() || d.h / kTw * next > s.area().height()) << z;
    EXPECT_DOUBLE_EQ(s.frame->widgetFor(s.bench())->viewScale(), z);
}

TEST(MainFrame, InstrumentWindowsAreHiddenAndShownNeverClosed) {
    Started s;
    QMdiSubWindow* sub = s.frame->subWindowFor(s.bench());
    EXPECT_FALSE(sub->close());
    EXPECT_TRUE(sub->isVisible());
    s.bench().Hide();
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(s.frame->windowTitle(), "Vorlinde");
    s.bench().Show();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(sub->isMaximized());
    EXPECT_TRUE(s.frame->windowTitle().contains(QString::fromStdString(s.bench().Caption())));
    EXPECT_TRUE(s.frame->close());  // the frame itself closes: that ends the program
}

TEST(MainFrame, ModelOutlivingTheFrameCallsNothingIntoIt) {
    Started s;
    rt::Window& bench = s.bench();
    s.frame.reset();
    bench.invalidate();
    bench.Hide();
    bench.Show();
    EXPECT_TRUE(bench.Visible());
}

}  // namespace
