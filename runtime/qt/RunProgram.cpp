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
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/DecimalText.h"
#include "runtime/qt/ImageHeap.h"
#include "runtime/qt/MainFrame.h"
#include "runtime/qt/QtArt.h"
#include "runtime/qt/QtClock.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/Program.h"
#include "view/FontTextMeasurer.h"

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
// scale anyway, so a factor below 1 is taken as 1: the global one, and each screen's
// ("0.5;2" or "HDMI-1=0.5,DP-1=2").
bool belowOne(std::string_view text) {
    const std::optional<double> v = rt::readDouble(std::string(text));
    return v && *v > 0 && *v < 1;
}

void keepScaleFactorsAtLeastOne() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (!factor.isEmpty() && belowOne(factor.trimmed().toStdString())) qputenv("QT_SCALE_FACTOR", "1");

    const std::string screens = qgetenv("QT_SCREEN_SCALE_FACTORS").toStdString();
    if (screens.empty()) return;
    std::string out;
    size_t start = 0;
    while (start <= screens.size()) {
        size_t end = screens.find_first_of(";,", start);
        if (end == std::string::npos) end = screens.size();
        std::string item = screens.substr(start, end - start);
        const size_t eq = item.find('=');
        const size_t value = eq == std::string::npos ? 0 : eq + 1;
        if (belowOne(item.substr(value))) item = item.substr(0, value) + "1";
        out += item;
        if (end < screens.size()) out += screens[end];
        start = end + 1;
    }
    if (out != screens) qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray::fromStdString(out));
}

}  // namespace

int rtqt::runProgram(int argc, char** argv, std::function<void()> afterFirstFrame) {
    rtqt::prepareHeapForImages();
    // On X11 the window's image goes to the display server through the socket, not through a
    // shared-memory segment: with shared memory Qt waits on a round trip to the server before
    // every paint (the segment must be free again), which for the small repaints of a moving
    // spot, 50 or 60 a second, costs more than sending their few pixels. A value the user set
    // (even 0 or empty) is kept.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    keepScaleFactorsAtLeastOne();
    StartupMessages startup;
    QApplication qapp(argc, argv);
    startup.release();
    QApplication::setApplicationName(QStringLiteral("Vorlinde"));
    // The launcher entry's name (without ".desktop"): task bars match the window to it and take
    // its icon; the window icon covers the desktops that read the window's own.
    QGuiApplication::setDesktopFileName(QStringLiteral(VORLINDE_APP_ID));

    rtqt::QtClock clock;
    // Everything drawn in the program's own typeface; labels measured from its file.
    rtqt::useEmbeddedFont();
    view::FontTextMeasurer text;
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
        QApplication::setWindowIcon(rtqt::appIcon());
    });
    qapp.installEventFilter(&watch);
    rtqt::MainFrame frame(app);
    frame.followClock(clock);
    program.Main();
    return QApplication::exec();
}
