#pragma once
// The program: its shared state, its windows and the start-up. The same object runs behind
// the real window (with the Qt clock) and in headless runs (with the virtual clock).

#include "engine/Code.h"
#include "runtime/Application.h"

class Program {
public:
    Program(rt::Clock& clock, const rt::TextMeasurer& text);

    rt::Application& app() { return app_; }
    engine::Code& code() { return code_; }
    // Variables of the shared state by name.
    const rt::Variables& sharedVariables() const { return sharedVars_; }

    // The program entry: shows the bench (creating the frame first) and sets InterCharge false.
    void Main();

private:
    engine::Code code_;
    rt::Variables sharedVars_;
    rt::Application app_;
};
