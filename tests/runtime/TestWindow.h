#pragma once
// A small window of every kind of control, for the model's own tests.

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Container.h"
#include "runtime/ControlArray.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/TextMeasurer.h"
#include "runtime/Timer.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"

inline const rt::PictureList& testList() {
    static const rt::PictureList l("Test", {{20, 10}, {40, 30}, {32, 32, 5, 6}});
    return l;
}

class TestWindow : public rt::Window {
public:
    explicit TestWindow(rt::Application& app) : rt::Window(app, "TestWindow") {
        move(0, 0, 6000, 6000);
        box.move(1500, 1500, 3000, 1500);  // 200 x 100 px
        screen.move(150, 150, 1500, 1200);
        screen.setScale(100, 80, 0, -40);
        back.move(0, 0, 6000, 6000);
    }

    std::vector<std::string> log;
    void record(const std::string& what) { log.push_back(what); }

    rt::PictureControl back{this, "back"};   // a hit area over the whole window, behind everything
    rt::Container box{this, "box"};          // twips inside
    rt::PictureControl inBox{&box, "inBox"};
    rt::Container screen{this, "screen"};    // user scale 100 x 80, top -40
    rt::ControlArray<rt::Shape> dots{&screen, "dots", {0}};
    rt::Line trace{&screen, "trace"};
    rt::Label caption{this, "caption"};
    rt::Timer tick{this, "tick", std::chrono::milliseconds(200)};
    rt::Timer other{this, "other", std::chrono::milliseconds(100)};
};

struct ModelFixture {
    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    rt::Application app{clock, text};
    TestWindow* w = nullptr;

    ModelFixture() {
        app.registerWindow("TestWindow", [](rt::Application& a) { return std::make_unique<TestWindow>(a); });
        w = &app.window<TestWindow>("TestWindow");
        w->Show();
    }
};
