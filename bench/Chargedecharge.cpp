#include "bench/Chargedecharge.h"

#include "runtime/Application.h"
#include "shell/frmMain.h"

Chargedecharge::Chargedecharge(rt::Application& app, engine::Code& c) : rt::Window(app, "Chargedecharge"), code(c) {
    setCaption("Charge et décharge d'un condensateur à travers une résistance");
    move(0, 0, 11880, 8235);
}

frmMain& Chargedecharge::frame() const { return app().window<frmMain>("frmMain"); }

void Chargedecharge::Form_Load() {
    setMousePointer({&frame().Imapoint, 2});
    setWindowState(rt::WindowState::Maximized);
}
