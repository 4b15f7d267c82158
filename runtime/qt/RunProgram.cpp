// The program: the model of the practical shown in a Qt main frame, ticking in real time.
// It reads no files; its icon is painted in-process by the art code.

#include "runtime/qt/RunProgram.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "art/IconArt.h"
#include "runtime/DecimalText.h"
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

// Qt tells that it cannot start on any display (none set, one that does not answer, a platform
// plugin that is not there) by a fatal message, which aborts the process after a page of
// advice about reinstalling. While the application starts, its messages are held: a fatal one
// becomes one short line and exit status 1; otherwise they are passed on once it has started.
class StartupMessages {
public:
    StartupMessages() { previous_ = qInstallMessageHandler(&StartupMessages::hold); }
    ~StartupMessages() { release(); }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

    // The application has started: the held messages go where they would have gone.
    void release() {
        if (!installed_) return;
        installed_ = false;
        qInstallMessageHandler(previous_);
        for (const Held& m : held()) {
            const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
            if (previous_)
                previous_(m.type, context, m.text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(m.text));
        }
        held().clear();
    }

private:
    struct Held {
        QtMsgType type;
        std::string category;
        QString text;
    };
    static std::vector<Held>& held() {
        static std::vector<Held> messages;
        return messages;
    }
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg) {
            std::fputs(
                "vorlinde : aucun affichage graphique n'a été trouvé / no graphical display was found\n",
                stderr);
            std::fflush(stderr);
            std::_Exit(1);
        }
        held().push_back({type, context.category ? context.category : "default", text});
    }

    static inline QtMessageHandler previous_ = nullptr;
    bool installed_ = true;
};

// Qt paints widgets at a device pixel ratio of at least 1 (it takes a smaller one as 1): with a
// scale factor below 1 every widget, status bar and instruments alike, would be painted twice
// too large and cut off at the screen's edge. The instruments fit any screen by their own view
// scale anyway, so a factor below 1 is taken as 1.
void keepScaleFactorAtLeastOne() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (factor.isEmpty()) return;
    const std::optional<double> v = rt::readDouble(factor.trimmed().toStdString());
    if (v && *v > 0 && *v < 1) qputenv("QT_SCALE_FACTOR", "1");
}

}  // namespace

int rtqt::runProgram(int argc, char** argv, std::function<void()> afterFirstFrame) {
    rtqt::prepareHeapForImages();
    // On X11 the window's image goes to the display server through the socket, not through a
    // shared-memory segment: with shared memory Qt waits on a round trip to the server before
    // every paint (the segment must be free again), which for the small repaints of a moving
    // spot, 50 or 60 a second, costs more than sending their few pixels.
    qputenv("QT_XCB_NO_MITSHM", "1");
    keepScaleFactorAtLeastOne();
    StartupMessages startup;
    QApplication qapp(argc, argv);
    startup.release();
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
