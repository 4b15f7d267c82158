// The program: the model of the practical shown in a Qt main frame, ticking in real time.
// It reads no files; its icon is painted in-process by the art code.

#include "runtime/qt/RunProgram.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "art/IconArt.h"
#include "runtime/qt/ImageHeap.h"
#include "runtime/qt/MainFrame.h"
#include "runtime/qt/QtClock.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/Program.h"

namespace {

// The user's decimal separator, as one character (a point when it is not plain ASCII).
char localeDecimalSeparator() {
    const QString dp = QLocale::system().decimalPoint();
    if (dp.size() == 1 && dp.at(0).unicode() < 0x80) return static_cast<char>(dp.at(0).unicode());
    return '.';
}

// Calls `then` once, just after the first paint of an instrument window has been handled.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(std::function<void()> then) : then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (then_ && e->type() == QEvent::Paint && dynamic_cast<rtqt::WindowWidget*>(o))
            QTimer::singleShot(0, this, [this] {
                qApp->removeEventFilter(this);
                if (auto f = std::exchange(then_, nullptr)) f();
            });
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

int rtqt::runProgram(int argc, char** argv, std::function<void()> afterFirstFrame) {
    rtqt::prepareHeapForImages();
    // On X11 the window's image goes to the display server through the socket, not through a
    // shared-memory segment: with shared memory Qt waits on a round trip to the server before
    // every paint (the segment must be free again), which for the small repaints of a moving
    // spot, 50 or 60 a second, costs more than sending their few pixels. A value the user set
    // (even 0 or empty) is kept.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    // The launcher entry's name (without ".desktop"): task bars match the window to it and take
    // its icon; the window icon covers the desktops that read the window's own.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLINDE_APP_ID));

    rtqt::QtClock clock;
    rtqt::QtTextMeasurer text;
    Program program(clock, text);
    rt::Application& app = program.app();
    app.setDecimalSeparator(localeDecimalSeparator());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize s = screen->geometry().size();
        app.setScreenSize(s.width(), s.height());
    }

    // The window icon (seven sizes painted, then sent to the display) waits until the
    // instruments are on the screen: nothing shows it before.
    FirstFrameWatch watch([then = std::move(afterFirstFrame)] {
        if (then) then();
        QApplication::setWindowIcon(art::appIcon());
    });
    qapp.installEventFilter(&watch);
    rtqt::MainFrame frame(app);
    frame.followClock(clock);
    program.Main();
    return QApplication::exec();
}
