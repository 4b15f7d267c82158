#pragma once
// The signal engine of the oscilloscope: the trace computation after the circuit switch moved,
// the redraw of the live display, the level ramps and the running spots. It works on the shared
// state and on the screen controls it is given.

#include <cstdint>
#include <string>

#include "engine/Code.h"
#include "engine/Screen.h"
#include "engine/TraceTables.h"

namespace engine {

class Signal {
public:
    Signal(Code& code, const Screen& screen) : code_(code), s_(screen) {}

    // Redraws the live display (spots or lines at the channels' levels, the X-Y spot) and sets
    // the running-spot timer. The caller decides whether the instrument is on.
    void AfficheEcran();

    // Starts the level ramp of channel Voie (1 CH1, otherwise CH2) from Depart to Cible over
    // Duree ms; a running ramp of that channel continues from the present level.
    void LanceRampe(double Duree, Flag Decharge, double Depart, double Cible, int16_t Voie);
    // One tick of the running spots, of the CH1 ramp, of the CH2 ramp.
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer11_Timer();

    // What each channel shows after the switch moved: a level set at once, a ramp, or, in
    // storage mode, a recorded trace.
    void CalculTrace(double E, double R, double C, double Tdiv, double Vdiv1, double Vdiv2, Flag Decharge);

    // Sets a channel's input and displayed level at once (1 CH1, otherwise CH2). A ramp of that
    // channel is stopped first, so that its next tick cannot overwrite the value.
    void setLevel(int16_t voie, double v);

    // Removes the dots of a recorded trace: every element of faisceau1 and faisceau2 created at
    // run time. Element 0 (the live spot and the dots' template) stays.
    void EffaceTrace();

private:
    // One channel's parameters for the trace computation.
    struct Channel {
        int16_t voie;
        Wiring wiring;
        int s;          // sign
        double vdiv;    // sensitivity
        int16_t pos;    // vertical offset
        rt::ControlArray<rt::Shape>& dots;
        rt::Line& flat;
    };
    // The running state of one recording.
    struct Recording {
        double step;  // ms between dots
        int k;        // next dot number, counted across both channels
        bool recorded;
    };

    struct Ramp;
    Ramp ramp(int16_t voie);
    void rampTick(int16_t voie);
    void storeChannel(const Channel& ch, Recording& rec, double E, double R, double C, double Tdiv, bool discharge);
    void liveChannel(const Channel& ch, double E, double R, double C, bool discharge);
    void drawDots(const Channel& ch, Recording& rec, double E, double RC, double Tdiv, bool discharge);
    void flatLine(const Channel& ch, double v);
    bool proceeds(const Channel& ch, double R, double C, bool discharge) const;

    Code& code_;
    Screen s_;
};

}  // namespace engine
