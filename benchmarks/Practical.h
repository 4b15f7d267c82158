#pragma once
// The storage recording as the student sets it up: the real program on a virtual clock, the
// oscilloscope shown and switched on, both channels wired and armed for the charge.

#include <functional>

#include "runtime/VirtualClock.h"
#include "view/FontTextMeasurer.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

struct Practical {
    rt::VirtualClock clock;
    view::FontTextMeasurer text;
    Program program{clock, text};
    engine::Code& code = program.code();
    Oscillo* scope = nullptr;

    // E = 5 V, R = 1 kohm, C = 1 uF at 1 ms/div; ground on A, CH1 on D (the resistor's
    // voltage), CH2 on B (the capacitor's, inverted): both channels record on the charge.
    // `clientArea`, when given, is the area the maximised oscilloscope fills (window twips).
    explicit Practical(std::function<rt::RectF()> clientArea = {}) {
        program.Main();
        if (clientArea) program.app().mdiClientArea = std::move(clientArea);
        code.Egene = 5;
        code.Rdec = 1000;
        code.Cdec = 0.000001;
        scope = &program.app().window<Oscillo>("Oscillo");
        scope->Show();
        scope->PowerOn = rt::True;
        code.MasseY1 = code.MasseY2 = rt::False;
        code.ModeCH1 = code.ModeCH2 = code.ModeDual = rt::True;
        code.SigneY2 = -1;
        scope->PointMasse = 2;
        scope->PointY1 = 1;
        scope->PointY2 = 3;
        code.ModeStor = rt::True;
    }

    int record() {
        scope->EffaceTrace();
        code.PretStor = rt::True;
        code.Memorise = rt::False;
        scope->CalculCharge();
        return scope->faisceau1.Count() + scope->faisceau2.Count() - 2;
    }
};

