#include "shell/Program.h"

#include "bench/Chargedecharge.h"
#include "runtime/Window.h"
#include "scope/Oscillo.h"
#include "shell/frmMain.h"

Program::Program(rt::Clock& clock, const rt::TextMeasurer& text) : app_(clock, text) {
    code_.registerVariables(sharedVars_);
    app_.registerWindow("frmMain", [](rt::Application& a) { return std::make_unique<frmMain>(a); });
    app_.registerWindow("Chargedecharge",
                        [this](rt::Application& a) { return std::make_unique<Chargedecharge>(a, code_); });
    app_.registerWindow("Oscillo", [this](rt::Application& a) { return std::make_unique<Oscillo>(a, code_); });
}

void Program::Main() {
    app_.window("Chargedecharge").Show();
    code_.InterCharge = rt::False;
}
