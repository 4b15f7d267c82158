#pragma once
// The real program, headless, with the oscilloscope shown: the panel is driven through the mouse
// router as the pointer would drive it, on the virtual clock.

#include <gtest/gtest.h>

#include <chrono>

#include "bench/Chargedecharge.h"
#include "engine/Code.h"
#include "runtime/Application.h"
#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

class PanelTest : public ::testing::Test {
protected:
    PanelTest() {
        prog.Main();
        scope.Show();
    }

    rt::VirtualClock clock;
    rt::ApproxTextMeasurer text;
    Program prog{clock, text};
    engine::Code& code = prog.code();
    rt::Application& app = prog.app();
    Oscillo& scope = app.window<Oscillo>("Oscillo");
    Chargedecharge& bench = app.window<Chargedecharge>("Chargedecharge");
    const rt::PictureList& Imapoint = app.window<frmMain>("frmMain").Imapoint;

    rt::PictureRef pic(const rt::PictureList& list, int n) const { return {&list, n}; }
    rt::PictureRef cursor(int n) const { return {&Imapoint, n}; }

    void wait(int ms) { clock.advance(std::chrono::milliseconds(ms)); }

    // Press, wait, release: left of the middle, right of it, or exactly on it.
    enum class Half { Left, Right, Middle };
    void hold(rt::Control& c, Half h, int ms, int button = 1) {
        const float w = c.Width();
        const float x = h == Half::Left ? w / 4 : h == Half::Right ? 3 * w / 4 : w / 2;
        const float y = c.Height() / 2;
        app.mouse().down(c, button, 0, x, y);
        wait(ms);
        app.mouse().up(c, button, 0, x, y);
    }
    void move(rt::Control& c, float x = 1, float y = 1) { app.mouse().moveTo(c, 0, 0, x, y); }
    void click(rt::Control& c) {
        const float x = c.Width() / 2, y = c.Height() / 2;
        app.mouse().down(c, 1, 0, x, y);
        app.mouse().up(c, 1, 0, x, y);
        app.mouse().click(c);
    }
    // A press on the schematic drawing at (x, y) in its units, then the click.
    void clickSchema(float x, float y) {
        app.mouse().down(scope.schema, 1, 0, x, y);
        app.mouse().up(scope.schema, 1, 0, x, y);
        app.mouse().click(scope.schema);
    }
    void dblClick(rt::Control& c) { app.mouse().dblClick(c); }

    // Centres of the point zones and the switch contacts on the drawing.
    static constexpr float kX = 53.5f, kYD = 10.5f, kYA = 51.5f, kYB = 92.5f;
    static constexpr float kChargeX = 45, kDischargeX = 62, kContactY = 4;

    void powerOn() {
        if (!scope.PowerOn) click(scope.Powerclick);
    }
    // The generator, the resistor and the capacitor, as the bench would set them.
    void circuit(double E, double R, double C) {
        code.Egene = E;
        code.Rdec = R;
        code.Cdec = C;
    }
    void place(rt::Control& socket, float y) {
        click(socket);
        clickSchema(kX, y);
    }
    // Takes a channel off GND onto DC: take the slider, move over DC, let go.
    void toDC(int voie) {
        rt::PictureControl& gnd = voie == 1 ? scope.GND1 : scope.GND2;
        rt::PictureControl& dc = voie == 1 ? scope.DCV1 : scope.DCV2;
        click(gnd);
        move(dc);
        click(dc);
    }
    void chargeSwitch() { clickSchema(kChargeX, kContactY); }
    void dischargeSwitch() { clickSchema(kDischargeX, kContactY); }
};
