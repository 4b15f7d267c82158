#pragma once
// The circuit bench window: schematic with the values, resistor and capacitor decade boxes,
// DC generator and the menu strip.

#include "engine/Code.h"
#include "runtime/Window.h"

class frmMain;

class Chargedecharge : public rt::Window {
public:
    Chargedecharge(rt::Application& app, engine::Code& code);

    void Form_Load() override;

private:
    frmMain& frame() const;
    engine::Code& code;
};
