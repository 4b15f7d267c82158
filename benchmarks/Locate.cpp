// vorlinde-locate TARGET...
// Where to aim on the real screen: builds the program with its real main frame on the present
// platform and screen (the same display a driver script then starts the program on), and prints,
// for each TARGET, the point of that control in global device pixels, the pixels a tool such as
// xdotool moves to. The point goes through the instrument widget's own mapping of window twips,
// so it follows whatever scale and offset the widget draws the window at.
//
// TARGET is Window.Control or Window.Control(Index), optionally followed by @FX,FY: the point
// at that fraction of the control's width and height (default @0.5,0.5, the centre). Each line
// printed is "TARGET X Y". A target that names nothing prints "TARGET ?" and the exit status is 1.

#include <QApplication>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/ControlArrayBase.h"
#include "runtime/DecimalText.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"
#include "runtime/qt/MainFrame.h"
#include "runtime/qt/QtTextMeasurer.h"
#include "runtime/qt/WindowWidget.h"
#include "shell/Program.h"

namespace {

struct Target {
    std::string window, control;
    int index = -1;
    double fx = 0.5, fy = 0.5;
};

std::optional<Target> parse(const std::string& text) {
    Target t;
    std::string name = text;
    if (const auto at = name.find('@'); at != std::string::npos) {
        // Read with a '.' whatever the C library's locale (sscanf would want "0,5" in French).
        const std::string fractions = name.substr(at + 1);
        const auto comma = fractions.find(',');
        if (comma == std::string::npos) return std::nullopt;
        const auto fx = rt::readDouble(std::string_view(fractions).substr(0, comma));
        const auto fy = rt::readDouble(std::string_view(fractions).substr(comma + 1));
        if (!fx || !fy) return std::nullopt;
        t.fx = *fx;
        t.fy = *fy;
        name.resize(at);
    }
    const auto dot = name.find('.');
    if (dot == std::string::npos) return std::nullopt;
    t.window = name.substr(0, dot);
    t.control = name.substr(dot + 1);
    if (const auto open = t.control.find('('); open != std::string::npos) {
        t.index = std::atoi(t.control.c_str() + open + 1);
        t.control.resize(open);
    }
    return t;
}

rt::Control* find(rt::Window& w, const Target& t) {
    if (t.index < 0) return w.findControl(t.control);
    rt::ControlArrayBase* a = w.findArray(t.control);
    return a ? a->find(t.index) : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    rt::VirtualClock clock;
    rtqt::QtTextMeasurer text;
    Program program(clock, text);
    rt::Application& app = program.app();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    app.setScreenSize(screen.width(), screen.height());
    rtqt::MainFrame frame(app);
    program.Main();
    QApplication::processEvents();

    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::optional<Target> t = parse(arg);
        rt::Window* w = t && app.knowsWindow(t->window) ? &app.window(t->window) : nullptr;
        rt::Control* c = w ? find(*w, *t) : nullptr;
        rtqt::WindowWidget* widget = w ? frame.widgetFor(*w) : nullptr;
        if (!c || !widget) {
            std::printf("%s ?\n", arg.c_str());
            status = 1;
            continue;
        }
        if (!w->Visible()) {  // switched to as the program switches: the shown one is hidden first
            for (rt::Window* other : app.windows())
                if (other != w && other->Visible() && frame.widgetFor(*other)) other->Hide();
            w->Show();
            QApplication::processEvents();
        }
        const rt::RectF r = c->windowRect();
        const QPointF local = widget->widgetPointFor(r.x + r.w * t->fx, r.y + r.h * t->fy);
        const QPointF global = widget->mapToGlobal(local) * widget->devicePixelRatioF();
        std::printf("%s %ld %ld\n", arg.c_str(), std::lround(global.x()), std::lround(global.y()));
    }
    return status;
}
