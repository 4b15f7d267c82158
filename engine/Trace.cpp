// The trace computation: from E, R, C and the settings, what each channel shows after the
// circuit switch moved — a level set at once, a level ramp, or in storage mode a recorded sweep.

#include "engine/PanelPictures.h"
#include "engine/Signal.h"
#include "engine/SpotPlace.h"

namespace engine {

void Signal::CalculTrace(double E, double R, double C, double Tdiv, double Vdiv1, double Vdiv2, Flag Decharge) {
    Code& c = code_;
    if (E == 0) return;
    // A capacitor box at 0 is a wire between A and B: the resistor then sees the switched voltage.
    if (c.Branche1 == "DA" && C == 0) c.Branche1 = "DB";
    if (c.Branche2 == "DA" && C == 0) c.Branche2 = "DB";
    const double RC = R * C;
    c.Tcharge = chargeTime(E, RC);
    Recording rec{0.0, 0, false};
    if (c.ModeStor) {
        rec.k = 1;
        rec.step = storageStep(Tdiv);
    }
    const bool discharge = Decharge != 0;
    const Channel ch1{1, wiringOf(c.Branche1), 1, Vdiv1, c.PosY1, s_.faisceau1, s_.Ten1mes};
    const Channel ch2{2, wiringOf(c.Branche2), c.SigneY2, Vdiv2, c.PosY2, s_.faisceau2, s_.Ten2mes};
    const bool shown1 = (c.ModeCH1 || c.ModeDual || c.ModeXY) && !c.MasseY1;
    const bool shown2 = (c.ModeCH2 || c.ModeDual || c.ModeXY) && !c.MasseY2;
    for (const Channel* ch : {shown1 ? &ch1 : nullptr, shown2 ? &ch2 : nullptr}) {
        if (!ch || ch->wiring == Wiring::None) continue;
        if (c.ModeStor) storeChannel(*ch, rec, E, R, C, Tdiv, discharge);
        else liveChannel(*ch, E, R, C, discharge);
    }
    if (rec.recorded) {
        c.Memorise = rt::True;
        c.PretStor = rt::False;
        s_.DiodeV2.setPicture(s_.ImageList2, panel_pictures::kGreenLampOff);
    }
}

// Whether a channel is drawn in storage mode. A recording needs the instrument armed (RESET) and
// the slope Trig selects: rising with Trig up, falling with it down, compared with the channel's
// first edge taken with the sign 1, so CH2 INVERT never changes whether a channel records. The
// reversed capacitor voltage (BA) and the resistor voltage (DA) are recorded, armed, whatever
// their own slope when both channels are wired, as if the other channel triggered the sweep; the
// capacitor voltage (AB) and the switched branch (DB) only on their own slope. Without the
// component that makes the transient (C = 0 for AB and BA, R = 0 for DA) the voltage is reached at
// once: the channel proceeds armed or not and draws only a flat line, never dots.
bool Signal::proceeds(const Channel& ch, double R, double C, bool discharge) const {
    const Code& c = code_;
    const bool slope = c.PenteTrig ? !risingFirstEdge(ch.wiring, discharge) : risingFirstEdge(ch.wiring, discharge);
    const bool bothWired = c.Branche1 != "off" && c.Branche2 != "off";
    const bool armed = c.PretStor != 0;
    switch (ch.wiring) {
        case Wiring::AB: return (armed && slope) || C == 0;
        case Wiring::BA: return (armed && (slope || bothWired)) || C == 0;
        case Wiring::DA: return (armed && (slope || bothWired)) || R == 0;
        case Wiring::DB: return armed && slope;
        case Wiring::None: break;
    }
    return false;
}

void Signal::storeChannel(const Channel& ch, Recording& rec, double E, double R, double C, double Tdiv,
                          bool discharge) {
    if (!proceeds(ch, R, C, discharge)) return;
    const double end = finalValue(ch.wiring, discharge, ch.s, E);
    double level = 0;
    switch (ch.wiring) {
        case Wiring::AB:
        case Wiring::BA:
            if (R > 0 && C > 0) {
                drawDots(ch, rec, E, R * C, Tdiv, discharge);
                level = end;
            } else if (discharge || C == 0) {
                flatLine(ch, 0);
            } else {
                flatLine(ch, end);
                level = end;
            }
            break;
        case Wiring::DA:
            if (R > 0) drawDots(ch, rec, E, R * C, Tdiv, discharge);
            else flatLine(ch, 0);
            break;
        case Wiring::DB:
            flatLine(ch, end);
            level = end;
            break;
        case Wiring::None: return;
    }
    rec.recorded = true;
    setLevel(ch.voie, level);
}

void Signal::drawDots(const Channel& ch, Recording& rec, double E, double RC, double Tdiv, bool discharge) {
    const Code& c = code_;
    // Only the 18 time bases have a step; any other value would never end the sweep.
    if (rec.step <= 0) return;
    const rt::Shape& model = ch.dots(0);
    // t advances by repeated addition, as the sweep's clock does: the sum may pass the end one
    // step early, which leaves 1000 dots instead of 1001.
    for (double t = 0; t <= 10 * Tdiv; t += rec.step) {
        const bool reused = ch.dots.exists(rec.k);
        rt::Shape& dot = ch.dots.load(rec.k);
        if (reused) dot.copyPropertiesFrom(model);  // a leftover dot is taken over as if new
        const double u = measured(ch.wiring, discharge, ch.s, E, decay(t, RC));
        dot.setLeft(static_cast<float>(10 * t / c.TempsDiv + c.PosX));
        dot.setTop(static_cast<float>(-10 * u / ch.vdiv + ch.pos - kSpotCentre));
        dot.ZOrder(0);
        dot.setVisible(true);
        ++rec.k;
    }
}

void Signal::flatLine(const Channel& ch, double v) {
    const float y = static_cast<float>(-10 * v / ch.vdiv + ch.pos);
    ch.flat.setX1(code_.PosX);
    ch.flat.setX2(100);
    ch.flat.setY1(y);
    ch.flat.setY2(y);
    ch.flat.setVisible(true);
}

void Signal::liveChannel(const Channel& ch, double E, double R, double C, bool discharge) {
    const Code& c = code_;
    const double sE = ch.s * E;
    const bool slow = c.Tcharge >= 100 && !c.InterCharge;
    switch (ch.wiring) {
        case Wiring::AB:
        case Wiring::BA: {
            const double full = ch.wiring == Wiring::AB ? sE : -sE;
            if (slow && C != 0 && R != 0) {
                if (discharge) LanceRampe(c.Tcharge, c.Decharge, full, 0, ch.voie);
                else LanceRampe(c.Tcharge, c.Decharge, 0, full, ch.voie);
                return;
            }
            setLevel(ch.voie, !discharge && C > 0 ? full : 0);
            break;
        }
        case Wiring::DA:
            if (slow) {
                LanceRampe(c.Tcharge, c.Decharge, discharge ? -sE : sE, 0, ch.voie);
                return;
            }
            setLevel(ch.voie, 0);
            break;
        case Wiring::DB:
            setLevel(ch.voie, discharge ? 0 : sE);
            break;
        case Wiring::None: return;
    }
    AfficheEcran();
}

void Signal::EffaceTrace() {
    s_.faisceau1.unloadCreated();
    s_.faisceau2.unloadCreated();
}

}  // namespace engine
