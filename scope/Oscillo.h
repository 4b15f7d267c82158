#pragma once
// The oscilloscope window: front panel, screen, schematic box and menu strip.

#include "engine/Code.h"
#include "runtime/Window.h"

class Oscillo : public rt::Window {
public:
    Oscillo(rt::Application& app, engine::Code& code);

    void Form_Load() override;

private:
    engine::Code& code;
};
