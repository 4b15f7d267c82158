#pragma once
// The circuit bench window: the schematic with the values of E, R and C, the resistor and
// capacitor decade boxes, the DC generator, and the menu strip with its animated buttons.
// It owns E, R and C and writes them into the shared state (Egene, Rdec, Cdec).
//
// Controls are declared parents first. Within one container the later of two graphical controls
// lies on top, so every knob's hit area is declared after the knob picture it covers.

#include <array>
#include <cstdint>

#include "engine/Code.h"
#include "runtime/Container.h"
#include "runtime/ControlArray.h"
#include "runtime/Flag.h"
#include "runtime/Label.h"
#include "runtime/PictureControl.h"
#include "runtime/PictureList.h"
#include "runtime/Timer.h"
#include "runtime/Window.h"

class frmMain;

class Chargedecharge : public rt::Window {
public:
    Chargedecharge(rt::Application& app, engine::Code& code);

    void Form_Load() override;

    // Picture lists owned by the bench.
    const rt::PictureList& BtnGene;
    const rt::PictureList& Led;
    const rt::PictureList& ImaBtnDec;
    const rt::PictureList& Media;
    const rt::PictureList& Schema;
    const rt::PictureList& ImageMasse;
    const rt::PictureList& ImageY1;
    const rt::PictureList& ImageY2;

    // The schematic (user scale 100 x 100 once loaded) and what is written and drawn on it.
    rt::Container Schemaelec{this, "Schemaelec"};
    rt::Label Vle{&Schemaelec, "Vle"};
    rt::Label ValR{&Schemaelec, "ValR"};
    rt::Label Omega{&Schemaelec, "Omega"};
    rt::Label ValC{&Schemaelec, "ValC"};
    rt::Label caution{&Schemaelec, "caution"};
    rt::PictureControl Masse{&Schemaelec, "Masse"};
    rt::PictureControl Y1{&Schemaelec, "Y1"};
    rt::PictureControl Y2{&Schemaelec, "Y2"};

    // The column of instruments.
    rt::Container menu{this, "menu"};

    rt::Container DecR{&menu, "DecR"};
    rt::ControlArray<rt::PictureControl> Rpot{&DecR, "Rpot", 1, 4};
    rt::ControlArray<rt::PictureControl> RCtl{&DecR, "RCtl", 1, 4};

    rt::Container DecC{&menu, "DecC"};
    rt::Container fondbox{&DecC, "fondbox"};
    rt::Container boxbtncond{&fondbox, "boxbtncond"};
    rt::ControlArray<rt::PictureControl> Cpot{&boxbtncond, "Cpot", 1, 6};
    rt::ControlArray<rt::PictureControl> Cctl{&boxbtncond, "Cctl", 1, 6};
    rt::PictureControl leg0{&boxbtncond, "leg0"};
    rt::PictureControl leg1{&boxbtncond, "leg1"};
    rt::PictureControl leg2{&boxbtncond, "leg2"};
    rt::PictureControl leg3{&boxbtncond, "leg3"};
    rt::PictureControl leg4{&boxbtncond, "leg4"};
    rt::PictureControl leg5{&boxbtncond, "leg5"};
    rt::PictureControl FlecheG{&DecC, "FlecheG"};
    rt::PictureControl FlecheD{&DecC, "FlecheD"};

    rt::Container Gene{&menu, "Gene"};
    rt::PictureControl Power{&Gene, "Power"};
    rt::PictureControl powerctl{&Gene, "powerctl"};
    rt::PictureControl genebn{&Gene, "genebn"};
    rt::PictureControl genectl{&Gene, "genectl"};
    rt::PictureControl Genebfin{&Gene, "Genebfin"};
    rt::PictureControl Genefinctl{&Gene, "Genefinctl"};
    rt::PictureControl Dix{&Gene, "Dix"};
    rt::PictureControl unite{&Gene, "unite"};
    rt::PictureControl deci{&Gene, "deci"};

    // The menu strip.
    rt::Container MenuChDech{this, "MenuChDech"};
    rt::Container FmenuChDech{&MenuChDech, "FmenuChDech"};
    rt::PictureControl fG{&FmenuChDech, "fG"};
    rt::PictureControl fD{&FmenuChDech, "fD"};
    rt::PictureControl Bretour{&FmenuChDech, "Bretour"};
    rt::PictureControl Bmain{&FmenuChDech, "Bmain"};
    rt::PictureControl Oscilloaffich{&FmenuChDech, "Oscilloaffich"};
    rt::PictureControl Btnordi{&FmenuChDech, "Btnordi"};

    rt::Timer Timer1{this, "Timer1"};
    rt::Timer Timergenegros{this, "Timergenegros"};
    rt::Timer Timergenefin{this, "Timergenefin"};
    rt::Timer TimerR{this, "TimerR"};
    rt::Timer TimerC{this, "TimerC"};

    // Form-level state. Integers are 16-bit unless noted; flags hold -1 or 0.
    rt::Flag RotGauche = rt::False;  // the knob held turns down (pressed in its left half)
    std::array<int32_t, 4> CranR{};  // resistor knobs 1..4: picture number 1..11
    std::array<int16_t, 6> CranC{};  // capacitor knobs 1..6: picture number 1..11
    int16_t DecadeR = 0;             // resistor knob last pressed
    int16_t DecadeC = 0;             // capacitor knob last pressed
    int16_t CranGros = 0;            // coarse generator step 1..16
    int16_t CranFin = 0;             // fine generator step -8..10 (1 = tenths 0)
    int16_t EntierE = 0;             // whole volts 0..15
    int16_t DixiemesE = 0;           // tenths 0..9
    float ValeurE = 0;               // voltage set on the generator
    rt::Flag GeneOn = rt::False;     // generator switched on
    int16_t ImgBretour = 0;          // next animation frame of each menu button
    int16_t ImgBmain = 0;
    int16_t ImgOscillo = 0;
    int16_t ImgBtnordi = 0;
    int16_t BoutonSurvol = 0;  // button under the pointer: 1 Bretour, 2 Bmain, 3 Oscilloaffich, 4 Btnordi

    // Window and menu strip.
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void FmenuChDech_MouseMove(int Button, int Shift, float X, float Y);
    void Bretour_MouseMove(int Button, int Shift, float X, float Y);
    void Bmain_MouseMove(int Button, int Shift, float X, float Y);
    void Oscilloaffich_MouseMove(int Button, int Shift, float X, float Y);
    void Btnordi_MouseMove(int Button, int Shift, float X, float Y);
    void Bretour_Click();
    void Bmain_Click();
    void Btnordi_Click();
    void Oscilloaffich_Click();
    void fG_Click();
    void fD_Click();
    void Timer1_Timer();

    // Generator.
    void powerctl_Click();
    void genectl_MouseDown(int Button, int Shift, float X, float Y);
    void genectl_MouseMove(int Button, int Shift, float X, float Y);
    void genectl_MouseUp(int Button, int Shift, float X, float Y);
    void Timergenegros_Timer();
    void Genefinctl_MouseDown(int Button, int Shift, float X, float Y);
    void Genefinctl_MouseMove(int Button, int Shift, float X, float Y);
    void Genefinctl_MouseUp(int Button, int Shift, float X, float Y);
    void Timergenefin_Timer();

    // Resistor box.
    void RCtl_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void RCtl_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void RCtl_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void TimerR_Timer();

    // Capacitor box.
    void Cctl_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Cctl_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Cctl_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void TimerC_Timer();
    void FlecheD_Click();
    void FlecheG_Click();
    void FlecheD_MouseMove(int Button, int Shift, float X, float Y);
    void FlecheG_MouseMove(int Button, int Shift, float X, float Y);

    // Generator off or set to 0 V aside, a circuit with R = 0 and C = 0 is a short circuit.
    bool shortCircuit() const;

private:
    void designLayout();
    void designSchematic();
    void designInstruments();
    void designMenuStrip();
    void loadMenuStrip();
    void loadPanels();
    void loadDecadeKnobs();
    void loadLabels();
    void loadGenerator();
    void registerVariables();
    void wireMenuHandlers();
    void wireInstrumentHandlers();

    void MajVolts();
    void MajDixiemes();
    void MajResistance();
    void MajCapacite();
    void restMenuButtons();
    void placeOmega();
    // A press on a decade knob's hit area: direction from the half pressed, knob remembered,
    // its timer started (the first step comes one interval later).
    void pressDecadeKnob(rt::PictureControl& hit, float X, int16_t& decade, int index, rt::Timer& timer);

    frmMain& frame() const;
    rt::PictureRef pointer(int n) const;
    rt::PictureRef menuArt(int n) const;
    char decimal() const;

    engine::Code& code;
};
