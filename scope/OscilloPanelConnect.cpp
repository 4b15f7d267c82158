#include "scope/Oscillo.h"

// Wires the panel's handlers (selectors, knobs, coupling, modes, storage, wiring, schematic box)
// to their controls.
void Oscillo::connectPanel() {
    buildKnobs();
    using MouseMember = void (Oscillo::*)(int, int, float, float);
    using PlainMember = void (Oscillo::*)();
    auto mouse = [this](MouseMember h) {
        return [this, h](int b, int s, float x, float y) { (this->*h)(b, s, x, y); };
    };
    auto plain = [this](PlainMember h) { return [this, h] { (this->*h)(); }; };
    auto knob = [&](rt::Control& c, MouseMember down, MouseMember move, MouseMember up, rt::Timer& t,
                    PlainMember tick) {
        c.onMouseDown = mouse(down);
        c.onMouseMove = mouse(move);
        c.onMouseUp = mouse(up);
        t.onTimer = plain(tick);
    };

    knob(SV1control, &Oscillo::SV1control_MouseDown, &Oscillo::SV1control_MouseMove,
         &Oscillo::SV1control_MouseUp, Timer4, &Oscillo::Timer4_Timer);
    knob(SV2control, &Oscillo::SV2control_MouseDown, &Oscillo::SV2control_MouseMove,
         &Oscillo::SV2control_MouseUp, Timer5, &Oscillo::Timer5_Timer);
    knob(Tdivcontrol, &Oscillo::Tdivcontrol_MouseDown, &Oscillo::Tdivcontrol_MouseMove,
         &Oscillo::Tdivcontrol_MouseUp, Timer6, &Oscillo::Timer6_Timer);
    knob(PosV1, &Oscillo::PosV1_MouseDown, &Oscillo::PosV1_MouseMove, &Oscillo::PosV1_MouseUp, Timer1,
         &Oscillo::Timer1_Timer);
    knob(PosV2, &Oscillo::PosV2_MouseDown, &Oscillo::PosV2_MouseMove, &Oscillo::PosV2_MouseUp, Timer2,
         &Oscillo::Timer2_Timer);
    knob(PosH, &Oscillo::PosH_MouseDown, &Oscillo::PosH_MouseMove, &Oscillo::PosH_MouseUp, Timer3,
         &Oscillo::Timer3_Timer);
    knob(Intens, &Oscillo::Intens_MouseDown, &Oscillo::Intens_MouseMove, &Oscillo::Intens_MouseUp, Timer10,
         &Oscillo::Timer10_Timer);
    knob(Focus, &Oscillo::Focus_MouseDown, &Oscillo::Focus_MouseMove, &Oscillo::Focus_MouseUp, Timer9,
         &Oscillo::Timer9_Timer);

    ACV1.onClick = plain(&Oscillo::ACV1_Click);
    DCV1.onClick = plain(&Oscillo::DCV1_Click);
    GND1.onClick = plain(&Oscillo::GND1_Click);
    ACV2.onClick = plain(&Oscillo::ACV2_Click);
    DCV2.onClick = plain(&Oscillo::DCV2_Click);
    GND2.onClick = plain(&Oscillo::GND2_Click);
    ACV1.onMouseMove = mouse(&Oscillo::ACV1_MouseMove);
    DCV1.onMouseMove = mouse(&Oscillo::DCV1_MouseMove);
    GND1.onMouseMove = mouse(&Oscillo::GND1_MouseMove);
    ACV2.onMouseMove = mouse(&Oscillo::ACV2_MouseMove);
    DCV2.onMouseMove = mouse(&Oscillo::DCV2_MouseMove);
    GND2.onMouseMove = mouse(&Oscillo::GND2_MouseMove);

    CH1.onClick = plain(&Oscillo::CH1_Click);
    CH2.onClick = plain(&Oscillo::CH2_Click);
    Dual.onClick = plain(&Oscillo::Dual_Click);
    BtnXY.onClick = plain(&Oscillo::BtnXY_Click);
    InvY2.onClick = plain(&Oscillo::InvY2_Click);

    Stor.onClick = plain(&Oscillo::Stor_Click);
    Trig.onClick = plain(&Oscillo::Trig_Click);
    Reset.onMouseDown = mouse(&Oscillo::Reset_MouseDown);
    Reset.onMouseUp = mouse(&Oscillo::Reset_MouseUp);

    R1.onClick = plain(&Oscillo::R1_Click);
    R2.onClick = plain(&Oscillo::R2_Click);
    N1.onClick = plain(&Oscillo::N1_Click);
    N2.onClick = plain(&Oscillo::N2_Click);
    R1.onMouseMove = mouse(&Oscillo::R1_MouseMove);
    R2.onMouseMove = mouse(&Oscillo::R2_MouseMove);
    N1.onMouseMove = mouse(&Oscillo::N1_MouseMove);
    N2.onMouseMove = mouse(&Oscillo::N2_MouseMove);
    schema.onMouseDown = mouse(&Oscillo::schema_MouseDown);
    schema.onMouseMove = mouse(&Oscillo::schema_MouseMove);
    schema.onDblClick = plain(&Oscillo::schema_DblClick);
    bY1.onDblClick = plain(&Oscillo::bY1_DblClick);
    bY2.onDblClick = plain(&Oscillo::bY2_DblClick);
    bmasse.onDblClick = plain(&Oscillo::bmasse_DblClick);

    Schemvisi.onClick = plain(&Oscillo::Schemvisi_Click);
    Schemvisi.onMouseMove = mouse(&Oscillo::Schemvisi_MouseMove);
    CloseSh.onClick = plain(&Oscillo::CloseSh_Click);
    CloseSh.onMouseMove = mouse(&Oscillo::CloseSh_MouseMove);
}
