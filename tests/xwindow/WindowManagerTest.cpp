// The real main frame under a real window manager (openbox in Xvfb, a panel's strip reserved at
// the top of the screen): it opens maximised in the work area the manager leaves, its title bar
// (with the close box) in view; restored by a double click on the title bar it takes a sensible
// size in the middle of the work area; resized by the manager, down to sizes below the
// instruments' design size, the instruments follow at once: one view scale, the windows filling
// the area, the model's windows as big as what they fill. Screenshots go to OUT_DIR.
// Usage: vorlinde-window-manager OUT_DIR RESERVED_TOP_PIXELS

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QProcess>
#include <QScreen>
#include <cmath>
#include <functional>
#include <iostream>

#include "runtime/Application.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/MainFrame.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "runtime/qt/WindowPainter.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "view/ViewScale.h"

namespace {

struct Fail : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void expect(bool ok, const std::string& what) {
    if (!ok) throw Fail(what);
    std::cout << "ok: " << what << std::endl;
}

std::string text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// Runs the event loop until `done` holds (true) or `ms` have passed (false); then a little more,
// so what the manager sends after the change has arrived too.
bool waitFor(const std::function<bool()>& done, int ms = 4000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const qint64 settled = t.elapsed() + 300;
    while (t.elapsed() < settled) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return true;
}

void xdotool(const QStringList& args) {
    if (QProcess::execute("xdotool", args) != 0)
        throw Fail("xdotool failed: " + args.join(' ').toStdString());
}

// The instruments follow the frame: the shown window fills the document area, at the view scale
// the area gives, and the model's window is as big as what it fills.
void expectFollowing(rtqt::MainFrame& frame, rt::Window& bench, const std::string& when) {
    const QSize area = frame.mdiArea()->viewport()->size();
    rtqt::WindowWidget* widget = frame.widgetFor(bench);
    expect(widget && widget->size() == area, when + ": the bench fills the document area");
    const rt::RectF d = frame.designArea();
    const double dpr = frame.devicePixelRatioF();
    const double z = rtqt::snappedViewScale(
        view::fittedViewScale(area.width(), area.height(), d.w / 15.0, d.h / 15.0, dpr), dpr);
    expect(std::abs(frame.viewScale() - z) < 1e-9 && std::abs(widget->viewScale() - z) < 1e-9,
           when + ": view scale " + std::to_string(frame.viewScale()) + " is the one the area gives");
    expect(std::abs(bench.Width() - area.width() * 15.0 / z) < 0.5 &&
               std::abs(bench.Height() - area.height() * 15.0 / z) < 0.5,
           when + ": the model's bench is as big as the area it fills");
    // The model's frame follows the real one, decorations included.
    const QRect g = frame.frameGeometry();
    const frmMain& model = *frame.model();
    expect(model.Left() == g.x() * 15.0f && model.Top() == g.y() * 15.0f &&
               model.Width() == g.width() * 15.0f && model.Height() == g.height() * 15.0f,
           when + ": the model's frame is where the real one is");
}

void shoot(const QString& path) {
    QApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

void run(rtqt::MainFrame& frame, rt::Window& bench, const QString& out, int reserved) {
    waitFor([&] { return frame.screen()->availableGeometry().top() == reserved; }, 2000);
    const QRect work = frame.screen()->availableGeometry();
    expect(work.top() == reserved, "the manager's work area leaves the panel's strip (" + text(work) + ")");

    expect(
        waitFor([&] { return frame.isMaximized() && frame.frameGeometry().top() < frame.geometry().top(); }),
        "the frame opens maximised, with a title bar");
    expect(frame.frameGeometry() == work,
           "maximised in the work area: " + text(frame.frameGeometry()) + " (" + text(work) + ")");
    expect(frame.geometry().top() > work.top(), "the title bar is in view, below the panel");
    expectFollowing(frame, bench, "maximised");
    shoot(out + "/maximised.png");
    const double maximisedScale = frame.viewScale();

    // A double click on the title bar restores the frame.
    const qreal dpr = frame.devicePixelRatioF();
    const QPoint title((frame.frameGeometry().left() + frame.frameGeometry().width() / 3) * dpr,
                       (frame.frameGeometry().top() + frame.geometry().top()) / 2 * dpr);
    xdotool({"mousemove", QString::number(title.x()), QString::number(title.y())});
    xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
    const bool restoredInTime =
        waitFor([&] { return !frame.isMaximized() && frame.frameGeometry().height() < work.height(); });
    expect(restoredInTime,
           "a double click on the title bar restores the frame: " + text(frame.frameGeometry()));
    const QRect restored = frame.frameGeometry();
    expect(work.contains(restored), "restored, the frame lies in the work area: " + text(restored));
    expect(std::abs(restored.width() - work.width() * 3 / 4) <= 16 &&
               std::abs(restored.center().x() - work.center().x()) <= 16 &&
               std::abs(restored.center().y() - work.center().y()) <= 24,
           "restored to three quarters of the work area, in its middle");
    expectFollowing(frame, bench, "restored");
    expect(frame.viewScale() < maximisedScale, "restored, the instruments are smaller");
    shoot(out + "/restored.png");

    // The user resizes it: to a tall narrow frame, then to one far below the design size.
    const QString id = QString::number(frame.winId());
    double previous = frame.viewScale();
    for (const QSize s : {QSize(700, 950), QSize(400, 300)}) {
        xdotool({"windowsize", id, QString::number(s.width()), QString::number(s.height())});
        const std::string when = "resized to " + std::to_string(s.width()) + "x" + std::to_string(s.height());
        const bool resized = waitFor([&] { return frame.size() == s; });
        expect(resized, when + ": " + text(frame.geometry()));
        expectFollowing(frame, bench, when);
        expect(frame.viewScale() < previous, when + ": the instruments are smaller still");
        previous = frame.viewScale();
        shoot(out + QString("/resized-%1x%2.png").arg(s.width()).arg(s.height()));
    }
    expect(std::abs(previous - view::kMinViewScale) < 0.01,
           "below the smallest workable scale the instruments keep it (and are cut off)");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString out = args.size() > 1 ? args[1] : QStringLiteral(".");
    const int reserved = args.size() > 2 ? args[2].toInt() : 0;
    QDir().mkpath(out);

    rt::VirtualClock clock;
    rtqt::QtTextMeasurer measurer;
    Program program(clock, measurer);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    program.app().setScreenSize(screen.width(), screen.height());
    rtqt::MainFrame frame(program.app());
    program.Main();
    try {
        run(frame, program.app().window("Chargedecharge"), out, reserved);
    } catch (const std::exception& e) {
        shoot(out + "/failure.png");
        std::cout << "FAIL: " << e.what() << "\n0 passed, 1 failed" << std::endl;
        return 1;
    }
    std::cout << "1 passed, 0 failed" << std::endl;
    return 0;
}
