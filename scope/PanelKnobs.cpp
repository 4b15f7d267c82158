// The eight press-and-hold knobs of the panel as one table: the three step selectors, the three
// position knobs, INTENSITY and FOCUS. Each handler forwards to the knob's shared mechanism.

#include "scope/Oscillo.h"
#include "shell/frmMain.h"

namespace {

enum KnobId : size_t { kSV1, kSV2, kTdiv, kPosV1, kPosV2, kPosH, kIntens, kFocus, kKnobCount };

constexpr scope::KnobTurn kSensiDetents{1, 14, 1, false};
constexpr scope::KnobTurn kBalayDetents{1, 18, 1, false};
constexpr scope::KnobTurn kEndlessDial{1, 53, 1, true};  // the marker dot goes round for ever
constexpr scope::KnobTurn kLevelDial{3, 51, 4, false};   // thirteen positions, 27 in the middle

}  // namespace

void Oscillo::buildKnobs() {
    const rt::PictureList& cursors = frame().Imapoint;
    auto redrawIfOn = [this] {
        if (PowerOn) AfficheEcran();
    };
    auto add = [&](scope::KnobData data) { knobs_.emplace_back(std::move(data), RotGauche, cursors); };
    knobs_.reserve(kKnobCount);

    // Step selectors: the value follows the detent at every tick, the screen at the release.
    add({.name = "SV1control",
         .hit = &SV1control,
         .face = &SensiV1,
         .pictures = &Sensivert,
         .timer = &Timer4,
         .index = &CranSensi1,
         .turn = kSensiDetents,
         .linked = {},
         .afterStep = [this] { code.VoltDiv1 = ValSensi[static_cast<size_t>(CranSensi1 - 1)]; },
         .atRelease = redrawIfOn});
    add({.name = "SV2control",
         .hit = &SV2control,
         .face = &SensiV2,
         .pictures = &Sensivert,
         .timer = &Timer5,
         .index = &CranSensi2,
         .turn = kSensiDetents,
         .linked = {},
         .afterStep = [this] { code.VoltDiv2 = ValSensi[static_cast<size_t>(CranSensi2 - 1)]; },
         .atRelease = redrawIfOn});
    add({.name = "Tdivcontrol",
         .hit = &Tdivcontrol,
         .face = &TDiv,
         .pictures = &Balay,
         .timer = &Timer6,
         .index = &CranBalay,
         .turn = kBalayDetents,
         .linked = {},
         .afterStep = [this] { code.TempsDiv = ValBalay[static_cast<size_t>(CranBalay - 1)]; },
         .atRelease =
             [this] {
                 if (PowerOn && !code.ModeXY) AfficheEcran();
             }});

    // Position knobs: the offset moves with the picture and stops it at -50 and 50; the screen
    // follows at every tick. Anticlockwise lowers a trace (its offset grows downwards) and moves
    // the traces to the left.
    add({.name = "PosV1",
         .hit = &PosV1,
         .face = &PosV1,
         .pictures = &DecalDG,
         .timer = &Timer1,
         .index = &CranPosV1,
         .turn = kEndlessDial,
         .linked = {&code.PosY1, -50, 50, -1},
         .afterStep = redrawIfOn,
         .atRelease = nullptr});
    add({.name = "PosV2",
         .hit = &PosV2,
         .face = &PosV2,
         .pictures = &DecalDG,
         .timer = &Timer2,
         .index = &CranPosV2,
         .turn = kEndlessDial,
         .linked = {&code.PosY2, -50, 50, -1},
         .afterStep = redrawIfOn,
         .atRelease = nullptr});
    add({.name = "PosH",
         .hit = &PosH,
         .face = &PosH,
         .pictures = &DecalDG,
         .timer = &Timer3,
         .index = &CranPosH,
         .turn = kEndlessDial,
         .linked = {&code.PosX, -50, 50, 1},
         .afterStep =
             [this] {
                 if (code.ModeXY) return;  // the shift comes back with the next time-based mode
                 placeScreenHorizontally();
                 if (PowerOn) AfficheEcran();
             },
         .atRelease = nullptr});

    // INTENSITY and FOCUS: the level moves with the picture, the screen follows at the release.
    add({.name = "Intens",
         .hit = &Intens,
         .face = &Intens,
         .pictures = &DecalDG,
         .timer = &Timer10,
         .index = &CranIntens,
         .turn = kLevelDial,
         .linked = {&code.NivIntens, -6, 6, 1},
         .afterStep = nullptr,
         .atRelease = redrawIfOn});
    add({.name = "Focus",
         .hit = &Focus,
         .face = &Focus,
         .pictures = &DecalDG,
         .timer = &Timer9,
         .index = &CranFocus,
         .turn = kLevelDial,
         .linked = {&code.NivFocus, -6, 6, 1},
         .afterStep = nullptr,
         .atRelease = redrawIfOn});
}

void Oscillo::placeScreenHorizontally() {
    // The screen moves by 111.9 twips a unit and its own graticule back by 2 units (112 twips),
    // so the graticule stays put on the panel while the traces slide.
    Ecran.setLeft(static_cast<float>(code.PosX * 111.9 + 120));
    Axe.setLeft(static_cast<float>(-2 * code.PosX));
}

// ---- The handlers, each forwarding to its knob.

void Oscillo::SV1control_MouseDown(int, int, float X, float) {
    knobs_[kSV1].press(X);
}
void Oscillo::SV1control_MouseMove(int, int, float X, float) {
    knobs_[kSV1].hover(X);
}
void Oscillo::SV1control_MouseUp(int, int, float, float) {
    knobs_[kSV1].release();
}
void Oscillo::Timer4_Timer() {
    knobs_[kSV1].step();
}

void Oscillo::SV2control_MouseDown(int, int, float X, float) {
    knobs_[kSV2].press(X);
}
void Oscillo::SV2control_MouseMove(int, int, float X, float) {
    knobs_[kSV2].hover(X);
}
void Oscillo::SV2control_MouseUp(int, int, float, float) {
    knobs_[kSV2].release();
}
void Oscillo::Timer5_Timer() {
    knobs_[kSV2].step();
}

void Oscillo::Tdivcontrol_MouseDown(int, int, float X, float) {
    knobs_[kTdiv].press(X);
}
void Oscillo::Tdivcontrol_MouseMove(int, int, float X, float) {
    knobs_[kTdiv].hover(X);
}
void Oscillo::Tdivcontrol_MouseUp(int, int, float, float) {
    knobs_[kTdiv].release();
}
void Oscillo::Timer6_Timer() {
    knobs_[kTdiv].step();
}

void Oscillo::PosV1_MouseDown(int, int, float X, float) {
    knobs_[kPosV1].press(X);
}
void Oscillo::PosV1_MouseMove(int, int, float X, float) {
    knobs_[kPosV1].hover(X);
}
void Oscillo::PosV1_MouseUp(int, int, float, float) {
    knobs_[kPosV1].release();
}
void Oscillo::Timer1_Timer() {
    knobs_[kPosV1].step();
}

void Oscillo::PosV2_MouseDown(int, int, float X, float) {
    knobs_[kPosV2].press(X);
}
void Oscillo::PosV2_MouseMove(int, int, float X, float) {
    knobs_[kPosV2].hover(X);
}
void Oscillo::PosV2_MouseUp(int, int, float, float) {
    knobs_[kPosV2].release();
}
void Oscillo::Timer2_Timer() {
    knobs_[kPosV2].step();
}

void Oscillo::PosH_MouseDown(int, int, float X, float) {
    knobs_[kPosH].press(X);
}
void Oscillo::PosH_MouseMove(int, int, float X, float) {
    knobs_[kPosH].hover(X);
}
void Oscillo::PosH_MouseUp(int, int, float, float) {
    knobs_[kPosH].release();
}
void Oscillo::Timer3_Timer() {
    knobs_[kPosH].step();
}

void Oscillo::Intens_MouseDown(int, int, float X, float) {
    knobs_[kIntens].press(X);
}
void Oscillo::Intens_MouseMove(int, int, float X, float) {
    knobs_[kIntens].hover(X);
}
void Oscillo::Intens_MouseUp(int, int, float, float) {
    knobs_[kIntens].release();
}
void Oscillo::Timer10_Timer() {
    knobs_[kIntens].step();
}

void Oscillo::Focus_MouseDown(int, int, float X, float) {
    knobs_[kFocus].press(X);
}
void Oscillo::Focus_MouseMove(int, int, float X, float) {
    knobs_[kFocus].hover(X);
}
void Oscillo::Focus_MouseUp(int, int, float, float) {
    knobs_[kFocus].release();
}
void Oscillo::Timer9_Timer() {
    knobs_[kFocus].step();
}
