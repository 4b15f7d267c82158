#pragma once
// The oscilloscope window: front panel drawn as one bitmap with small picture controls laid over
// it, the screen (a fixed frame, the graticule and the moving screen that holds the traces), the
// schematic box with the circuit switch and the probe leads, and the menu strip.
//
// Controls are declared parents first. Inside a container graphical controls are drawn in
// declaration order, back to front, below the windowed ones (the containers FondEcran,
// schemaboite and menu), so the schematic box lies above the panel.

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "art/PictureTables.h"
#include "engine/Code.h"
#include "engine/Signal.h"
#include "runtime/Container.h"
#include "runtime/ControlArray.h"
#include "runtime/Flag.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureControl.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"
#include "runtime/Window.h"
#include "scope/Knob.h"

class frmMain;
class Chargedecharge;

class Oscillo : public rt::Window {
public:
    Oscillo(rt::Application& app, engine::Code& code);

    // The shared simulation state.
    engine::Code& code;

    // ---- Picture lists: the window's own, and the bench's schematic lists (the same tables).
    const rt::PictureList& ImageList1 = art::list("ImageList1");
    const rt::PictureList& ImageList2 = art::list("ImageList2");
    const rt::PictureList& Sensivert = art::list("Sensivert");
    const rt::PictureList& Balay = art::list("Balay");
    const rt::PictureList& DecalDG = art::list("DecalDG");
    const rt::PictureList& Schema = art::list("Schema");
    const rt::PictureList& ImageY1 = art::list("ImageY1");
    const rt::PictureList& ImageY2 = art::list("ImageY2");
    const rt::PictureList& ImageMasse = art::list("ImageMasse");

    // ---- Screen: fixed frame, graticule behind, moving screen with its own graticule and traces.
    rt::Container FondEcran{this, "FondEcran"};
    rt::PictureControl Axefond{&FondEcran, "Axefond"};
    rt::Container Ecran{&FondEcran, "Ecran"};  // user scale 100 x 80, top edge -40
    rt::PictureControl Axe{&Ecran, "Axe"};
    rt::Line Ten1{&Ecran, "Ten1"};
    rt::Line Ten2{&Ecran, "Ten2"};
    rt::Line Ten1mes{&Ecran, "Ten1mes"};
    rt::Line Ten2mes{&Ecran, "Ten2mes"};
    rt::ControlArray<rt::Shape> faisceau1{&Ecran, "faisceau1", {0}};
    rt::ControlArray<rt::Shape> faisceau2{&Ecran, "faisceau2", {0}};
    rt::ControlArray<rt::Shape> XY{&Ecran, "XY", {0}};

    // ---- Power field.
    rt::PictureControl Power{this, "Power"};
    rt::PictureControl Powerclick{this, "Powerclick"};
    rt::PictureControl Diodepow{this, "Diodepow"};
    rt::PictureControl Intens{this, "Intens"};
    rt::PictureControl Focus{this, "Focus"};

    // ---- Storage field.
    rt::PictureControl Stor{this, "Stor"};
    rt::PictureControl DiodeV{this, "DiodeV"};
    rt::PictureControl Trig{this, "Trig"};
    rt::PictureControl Reset{this, "Reset"};
    rt::PictureControl DiodeV2{this, "DiodeV2"};

    // ---- Mode field.
    rt::PictureControl Dual{this, "Dual"};
    rt::PictureControl InvY2{this, "InvY2"};
    rt::PictureControl BtnXY{this, "BtnXY"};
    rt::PictureControl CH1{this, "CH1"};
    rt::PictureControl CH2{this, "CH2"};

    // ---- Position knobs, selectors (knob picture below its hit area), coupling switches.
    rt::PictureControl PosV1{this, "PosV1"};
    rt::PictureControl PosH{this, "PosH"};
    rt::PictureControl PosV2{this, "PosV2"};
    rt::PictureControl SensiV1{this, "SensiV1"};
    rt::PictureControl SV1control{this, "SV1control"};
    rt::PictureControl SensiV2{this, "SensiV2"};
    rt::PictureControl SV2control{this, "SV2control"};
    rt::PictureControl TDiv{this, "TDiv"};
    rt::PictureControl Tdivcontrol{this, "Tdivcontrol"};
    rt::PictureControl ACV1{this, "ACV1"};
    rt::PictureControl DCV1{this, "DCV1"};
    rt::PictureControl GND1{this, "GND1"};
    rt::PictureControl ACV2{this, "ACV2"};
    rt::PictureControl DCV2{this, "DCV2"};
    rt::PictureControl GND2{this, "GND2"};

    // ---- Input sockets; the plugged leads lie below the socket hit areas, so a click on a socket
    // whose lead is shown still reaches the socket.
    rt::PictureControl Bnc1{this, "Bnc1"};
    rt::PictureControl Bnc2{this, "Bnc2"};
    rt::PictureControl filR1{this, "filR1"};
    rt::PictureControl FilN1{this, "FilN1"};
    rt::PictureControl filR2{this, "filR2"};
    rt::PictureControl filN2{this, "filN2"};
    rt::PictureControl R1{this, "R1"};
    rt::PictureControl N1{this, "N1"};
    rt::PictureControl R2{this, "R2"};
    rt::PictureControl N2{this, "N2"};

    // ---- Schematic box (windowed: above the panel's pictures).
    rt::Container schemaboite{this, "schemaboite"};
    rt::PictureControl barre{&schemaboite, "barre"};
    rt::PictureControl CloseSh{&schemaboite, "CloseSh"};
    rt::Container schema{&schemaboite, "schema"};  // user scale 100 x 100
    rt::Label ValR{&schema, "ValR"};
    rt::Label ValC{&schema, "ValC"};
    rt::Label Vle{&schema, "Vle"};
    rt::Label Omega{&schema, "Omega"};
    rt::PictureControl bY1{&schema, "bY1"};
    rt::PictureControl bY2{&schema, "bY2"};
    rt::PictureControl bmasse{&schema, "bmasse"};

    // ---- Menu strip.
    rt::Container menu{this, "menu"};
    rt::PictureControl retour{&menu, "retour"};
    rt::PictureControl Mprinci{&menu, "Mprinci"};
    rt::PictureControl Schemvisi{&menu, "Schemvisi"};

    // ---- Timers.
    rt::Timer Timer1{this, "Timer1", std::chrono::milliseconds(100)};    // CH1 POSITION
    rt::Timer Timer2{this, "Timer2", std::chrono::milliseconds(100)};    // CH2 POSITION
    rt::Timer Timer3{this, "Timer3", std::chrono::milliseconds(100)};    // horizontal POSITION
    rt::Timer Timer4{this, "Timer4", std::chrono::milliseconds(200)};    // CH1 VOLTS/DIV
    rt::Timer Timer5{this, "Timer5", std::chrono::milliseconds(200)};    // CH2 VOLTS/DIV
    rt::Timer Timer6{this, "Timer6", std::chrono::milliseconds(200)};    // TIME/DIV
    rt::Timer Timer7{this, "Timer7", std::chrono::milliseconds(1)};      // running spots
    rt::Timer Timer8{this, "Timer8", std::chrono::milliseconds(100)};    // CH1 level ramp
    rt::Timer Timer9{this, "Timer9", std::chrono::milliseconds(100)};    // FOCUS
    rt::Timer Timer10{this, "Timer10", std::chrono::milliseconds(100)};  // INTENSITY
    rt::Timer Timer11{this, "Timer11", std::chrono::milliseconds(100)};  // CH2 level ramp
    rt::Timer Timer12{this, "Timer12", std::chrono::milliseconds(200)};  // menu animation

    // ---- Form-level state (16-bit; flags -1 / 0).
    int16_t CranPosV1 = 0, CranPosV2 = 0, CranPosH = 0;  // DecalDG pictures of the position knobs
    int16_t CranBalay = 0;                               // TIME/DIV detent 1..18
    int16_t CranFocus = 0;                               // DecalDG picture of FOCUS, 3..51
    rt::Flag CouplDC1 = rt::False, CouplAC1 = rt::False;
    rt::Flag CouplDC2 = rt::False, CouplAC2 = rt::False;
    int16_t CranSensi1 = 0, CranSensi2 = 0;  // VOLTS/DIV detents 1..14
    rt::Flag RotGauche = rt::False;          // the held knob turns down
    std::array<double, 18> ValBalay{};       // ms per division, detents 1..18
    std::array<double, 14> ValSensi{};       // volts per division, detents 1..14
    rt::Flag PowerOn = rt::False;
    int16_t CranIntens = 0;                  // DecalDG picture of INTENSITY, 3..51
    rt::Flag ChoixCouplage = rt::False;      // a coupling slider is held
    int16_t FilPris = 0;                     // lead carried: 0 none, 1 CH1, 2 CH2, 3 ground
    int16_t PointY1 = 0, PointY2 = 0, PointMasse = 0;  // 0 none, 1 D, 2 A, 3 B
    int16_t BoutonSurvol = 0;                // menu button under the pointer: 1, 2, 3
    int16_t ImgRetour = 0, ImgMprinci = 0, ImgSchemvisi = 0;  // next animation frames

    // ---- Window and menu strip.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void menu_MouseMove(int Button, int Shift, float X, float Y);
    void retour_MouseMove(int Button, int Shift, float X, float Y);
    void Mprinci_MouseMove(int Button, int Shift, float X, float Y);
    void retour_Click();
    void Mprinci_Click();
    void Timer12_Timer();

    // ---- Power.
    void Powerclick_Click();

    // ---- Signal: connection strings, trace computation, redraw, ramps, running spots.
    void CalculBranches();
    void CalculCharge();
    void CalculDecharge();
    void CalculTrace(double E, double R, double C, double Tdiv, double Vdiv1, double Vdiv2, rt::Flag Decharge);
    void AfficheEcran();
    void LanceRampe(double Duree, rt::Flag Decharge, double Depart, double Cible, int16_t Voie);
    void Timer7_Timer();
    void Timer8_Timer();
    void Timer11_Timer();
    // Removes the dots of a recorded trace (the elements created at run time of faisceau1 and
    // faisceau2; element 0, the live spot, stays).
    void EffaceTrace();

    // Panel:
    // Step selectors.
    void SV1control_MouseDown(int Button, int Shift, float X, float Y);
    void SV1control_MouseMove(int Button, int Shift, float X, float Y);
    void SV1control_MouseUp(int Button, int Shift, float X, float Y);
    void Timer4_Timer();
    void SV2control_MouseDown(int Button, int Shift, float X, float Y);
    void SV2control_MouseMove(int Button, int Shift, float X, float Y);
    void SV2control_MouseUp(int Button, int Shift, float X, float Y);
    void Timer5_Timer();
    void Tdivcontrol_MouseDown(int Button, int Shift, float X, float Y);
    void Tdivcontrol_MouseMove(int Button, int Shift, float X, float Y);
    void Tdivcontrol_MouseUp(int Button, int Shift, float X, float Y);
    void Timer6_Timer();
    // Position knobs.
    void PosV1_MouseDown(int Button, int Shift, float X, float Y);
    void PosV1_MouseMove(int Button, int Shift, float X, float Y);
    void PosV1_MouseUp(int Button, int Shift, float X, float Y);
    void Timer1_Timer();
    void PosV2_MouseDown(int Button, int Shift, float X, float Y);
    void PosV2_MouseMove(int Button, int Shift, float X, float Y);
    void PosV2_MouseUp(int Button, int Shift, float X, float Y);
    void Timer2_Timer();
    void PosH_MouseDown(int Button, int Shift, float X, float Y);
    void PosH_MouseMove(int Button, int Shift, float X, float Y);
    void PosH_MouseUp(int Button, int Shift, float X, float Y);
    void Timer3_Timer();
    // INTENSITY and FOCUS.
    void Intens_MouseDown(int Button, int Shift, float X, float Y);
    void Intens_MouseMove(int Button, int Shift, float X, float Y);
    void Intens_MouseUp(int Button, int Shift, float X, float Y);
    void Timer10_Timer();
    void Focus_MouseDown(int Button, int Shift, float X, float Y);
    void Focus_MouseMove(int Button, int Shift, float X, float Y);
    void Focus_MouseUp(int Button, int Shift, float X, float Y);
    void Timer9_Timer();
    // Input coupling.
    void ACV1_Click();
    void ACV1_MouseMove(int Button, int Shift, float X, float Y);
    void DCV1_Click();
    void DCV1_MouseMove(int Button, int Shift, float X, float Y);
    void GND1_Click();
    void GND1_MouseMove(int Button, int Shift, float X, float Y);
    void ACV2_Click();
    void ACV2_MouseMove(int Button, int Shift, float X, float Y);
    void DCV2_Click();
    void DCV2_MouseMove(int Button, int Shift, float X, float Y);
    void GND2_Click();
    void GND2_MouseMove(int Button, int Shift, float X, float Y);
    // Display modes.
    void CH1_Click();
    void CH2_Click();
    void Dual_Click();
    void BtnXY_Click();
    void InvY2_Click();
    // Storage, trigger, reset.
    void Stor_Click();
    void Trig_Click();
    void Reset_MouseDown(int Button, int Shift, float X, float Y);
    void Reset_MouseUp(int Button, int Shift, float X, float Y);
    // Probe wiring.
    void R1_Click();
    void R2_Click();
    void N1_Click();
    void N2_Click();
    void R1_MouseMove(int Button, int Shift, float X, float Y);
    void R2_MouseMove(int Button, int Shift, float X, float Y);
    void N1_MouseMove(int Button, int Shift, float X, float Y);
    void N2_MouseMove(int Button, int Shift, float X, float Y);
    void schema_MouseDown(int Button, int Shift, float X, float Y);
    void schema_MouseMove(int Button, int Shift, float X, float Y);
    void schema_DblClick();
    void bY1_DblClick();
    void bY2_DblClick();
    void bmasse_DblClick();
    // Schematic box.
    void Schemvisi_Click();
    void Schemvisi_MouseMove(int Button, int Shift, float X, float Y);
    void CloseSh_Click();
    void CloseSh_MouseMove(int Button, int Shift, float X, float Y);
    // Wires the panel's handlers to its controls (called by the constructor).
    void connectPanel();
    // Lead numbers (FilPris) and schematic points (PointY1, PointY2, PointMasse).
    static constexpr int16_t kLeadY1 = 1, kLeadY2 = 2, kLeadMasse = 3;
    static constexpr int16_t kPointNone = 0, kPointD = 1, kPointA = 2, kPointB = 3;
    // The point whose zone of the drawing holds (X, Y) in drawing units; none outside the zones.
    static int16_t schematicPointAt(float X, float Y);
    // Whether a lead may be placed on a point: any point for a probe, A or B for the ground lead.
    static bool leadAllowedAt(int16_t lead, int16_t point);
    // The switch contact under (X, Y) on the drawing.
    static constexpr int kContactNone = 0, kContactCharge = 1, kContactDischarge = 2;
    static int switchContactAt(float X, float Y);

private:
    // The eight press-and-hold knobs, built from their table (PanelKnobs.cpp).
    std::vector<scope::Knob> knobs_;
    void buildKnobs();
    // Ecran and Axe where the horizontal position puts them.
    void placeScreenHorizontally();
    // Coupling: the three squares of a channel top to bottom, their flags, the channel's levels.
    static constexpr int kCouplingAc = 0, kCouplingDc = 1, kCouplingGnd = 2;
    struct CouplingSwitch {
        std::array<rt::PictureControl*, 3> squares;
        std::array<rt::Flag*, 3> flags;
        double* niveau;
        double* entree;
    };
    CouplingSwitch couplingSwitch(int voie);
    void couplingClick(int voie, int position);
    void couplingEnter(int voie, int position);
    // Display modes.
    void pressModeButton(rt::PictureControl& pressed);
    void recomputeForMode();
    void placeXYSpot();
    // Wiring: a lead's drawing on the box, its copy on the bench, their lists, its recorded point.
    struct Lead {
        rt::PictureControl* drawing;
        rt::PictureControl* benchCopy;
        const rt::PictureList* pictures;
        const rt::PictureList* benchPictures;
        int16_t* point;
    };
    Lead lead(int16_t which);
    void takeLead(int16_t which, rt::PictureControl& plugged, rt::PictureControl* unplugged);
    void socketCursor(rt::PictureControl& socket, const rt::PictureControl& plugged, int freeCursor);
    void placeCarriedLead(float X, float Y);
    void carriedLeadCursor(float X, float Y);
    void removeLead(int16_t which);
    // Schematic box: throws the circuit switch to charge (true) or discharge.
    void throwSwitch(bool charge);
    // End of panel.

private:
    frmMain& frame() const;
    Chargedecharge& bench() const;
    void designLayout();
    void registerVariables();
    void connectHandlers();
    void restMenuButtons();
    // Form_Load, in parts.
    void loadStartValues();
    void loadTables();
    void loadScreen();
    void loadSchematic();
    void loadPanel();
    void loadMenu();
    // Power.
    void switchOff();
    void switchOn();

    engine::Signal signal_;
};
