#pragma once
// A bare window holding the screen controls the signal engine drives (laid out as on the
// oscilloscope: the screen 100 by 80 units, top edge -40), with the shared state at the values
// the oscilloscope's load gives it. Timers run on a virtual clock.

#include <gtest/gtest.h>

#include <chrono>

#include "art/PictureTables.h"
#include "engine/Code.h"
#include "engine/Signal.h"
#include "runtime/Application.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "runtime/Window.h"

class ScreenWindow : public rt::Window {
public:
    explicit ScreenWindow(rt::Application& app) : rt::Window(app, "Oscillo") {
        Ecran.move(120, 90, 5600, 4250);
        Ecran.setScale(100, 80, 0, -40);
        for (auto* a : {&faisceau1, &faisceau2, &XY}) {
            (*a)(0).move(0, 0, 2, 3);
            (*a)(0).setVisible(false);
        }
        for (rt::Line* l : {&Ten1, &Ten2, &Ten1mes, &Ten2mes}) l->setVisible(false);
    }

    rt::Container Ecran{this, "Ecran"};
    rt::Line Ten1{&Ecran, "Ten1"};
    rt::Line Ten2{&Ecran, "Ten2"};
    rt::Line Ten1mes{&Ecran, "Ten1mes"};
    rt::Line Ten2mes{&Ecran, "Ten2mes"};
    rt::ControlArray<rt::Shape> faisceau1{&Ecran, "faisceau1", {0}};
    rt::ControlArray<rt::Shape> faisceau2{&Ecran, "faisceau2", {0}};
    rt::ControlArray<rt::Shape> XY{&Ecran, "XY", {0}};
    rt::Timer Timer7{this, "Timer7", std::chrono::milliseconds(1)};
    rt::Timer Timer8{this, "Timer8", std::chrono::milliseconds(100)};
    rt::Timer Timer11{this, "Timer11", std::chrono::milliseconds(100)};
    rt::PictureControl DiodeV2{this, "DiodeV2"};
    rt::Flag PowerOn = rt::True;

    engine::Screen screen() {
        return engine::Screen{Ecran,  Ten1,   Ten2,   Ten1mes, Ten2mes, faisceau1,          faisceau2,
                              XY,     Timer7, Timer8, Timer11, DiodeV2, art::list("ImageList2"), PowerOn};
    }
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        code.SigneY2 = 1;
        code.MasseY1 = code.MasseY2 = rt::False;  // both channels coupled (DC)
        code.ModeCH1 = rt::True;
        code.TempsDiv = 1;
        code.VoltDiv1 = code.VoltDiv2 = 1;
        code.Couleur = {rt::Color::rgb(0, 120, 120),   rt::Color::rgb(0, 127, 127),   rt::Color::rgb(0, 144, 0),
                        rt::Color::rgb(0, 160, 0),     rt::Color::rgb(0, 192, 0),     rt::Color::rgb(0, 240, 0),
                        rt::Color::rgb(0, 255, 0),     rt::Color::rgb(96, 255, 96),   rt::Color::rgb(112, 255, 112),
                        rt::Color::rgb(128, 255, 128), rt::Color::rgb(144, 255, 144), rt::Color::rgb(176, 255, 176),
                        rt::Color::rgb(208, 255, 208)};
        code.Egene = 5;
        code.Rdec = 1000;
        code.Cdec = 0.000001;
        w.Timer7.onTimer = [this] { sig.Timer7_Timer(); };
        w.Timer8.onTimer = [this] { sig.Timer8_Timer(); };
        w.Timer11.onTimer = [this] { sig.Timer11_Timer(); };
    }

    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }
    // The computation as the oscilloscope's entries call it.
    void trace(bool discharge) {
        code.Decharge = rt::flag(discharge);
        sig.CalculTrace(code.Egene, code.Rdec, code.Cdec, code.TempsDiv, code.VoltDiv1, code.VoltDiv2,
                        code.Decharge);
    }
    void charge() { trace(false); }
    void discharge() { trace(true); }
    // Storage mode, armed, nothing recorded yet.
    void arm() {
        code.ModeStor = rt::True;
        code.PretStor = rt::True;
        code.Memorise = rt::False;
    }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    rt::Application app{clock, text};
    ScreenWindow w{app};
    engine::Code code;
    engine::Signal sig{code, w.screen()};
};
