// The level ramps (a channel's level sliding linearly to a new value in real time) and the
// running spots of the slow time bases.

#include <chrono>

#include "engine/Signal.h"

namespace engine {

// One channel's ramp: its timer, its four variables and the levels it writes.
struct Signal::Ramp {
    rt::Timer& timer;
    double& courant;
    float& pas;
    double& cible;
    double& depart;
    double& niveau;
    double& entree;
};

Signal::Ramp Signal::ramp(int16_t voie) {
    if (voie == 1)
        return {s_.Timer8, code_.CourantY1, code_.PasY1, code_.CibleY1, code_.DepartY1, code_.NiveauY1, code_.EntreeY1};
    return {s_.Timer11, code_.CourantY2, code_.PasY2, code_.CibleY2, code_.DepartY2, code_.NiveauY2, code_.EntreeY2};
}

void Signal::LanceRampe(double Duree, Flag /*Decharge*/, double Depart, double Cible, int16_t Voie) {
    Ramp r = ramp(Voie);
    if (r.timer.Enabled()) {
        // A ramp is still running: the new one continues from where the level stands.
        r.timer.setEnabled(false);
        r.courant = r.niveau;
    } else {
        r.courant = Depart;
    }
    // The step covers the whole distance from Depart to Cible, also when continuing.
    r.pas = static_cast<float>((Cible - Depart) / Duree * 100);
    r.depart = Depart;
    r.cible = Cible;
    r.timer.setEnabled(true);
}

void Signal::rampTick(int16_t voie) {
    Ramp r = ramp(voie);
    r.courant = r.courant + r.pas;
    // Stop at the end, from whichever side it is approached.
    if (r.cible > 0 && r.courant > r.cible) r.courant = r.cible;
    if (r.cible == 0 && r.depart > 0 && r.courant < 0) r.courant = 0;
    if (r.cible == 0 && r.depart < 0 && r.courant > 0) r.courant = 0;
    if (r.cible < 0 && r.courant < r.cible) r.courant = r.cible;
    r.niveau = r.courant;
    r.entree = r.courant;
    // A switched-off screen stays dark: the level follows the ramp, nothing is drawn.
    if (s_.PowerOn) AfficheEcran();
    if (r.courant == r.cible) r.timer.setEnabled(false);
}

void Signal::setLevel(int16_t voie, double v) {
    Ramp r = ramp(voie);
    r.timer.setEnabled(false);
    r.entree = v;
    r.niveau = v;
}

void Signal::Timer8_Timer() { rampTick(1); }
void Signal::Timer11_Timer() { rampTick(2); }

void Signal::Timer7_Timer() {
    auto run = [this](rt::Shape& spot) {
        const float left = spot.Left();
        if (left >= 100) spot.setLeft(0);
        else spot.setLeft(left + code_.PasSpot);
    };
    if (code_.ModeCH1) run(s_.faisceau1(0));
    if (code_.ModeCH2) run(s_.faisceau2(0));
}

}  // namespace engine
