#include "scope/Oscillo.h"

#include "runtime/Application.h"
#include "shell/frmMain.h"

Oscillo::Oscillo(rt::Application& app, engine::Code& c) : rt::Window(app, "Oscillo"), code(c) {
    setCaption("Oscilloscope");
}

void Oscillo::Form_Load() {
    setMousePointer({&app().window<frmMain>("frmMain").Imapoint, 2});
    setWindowState(rt::WindowState::Maximized);
}
