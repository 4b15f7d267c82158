#include "scope/Oscillo.h"

#include "bench/Chargedecharge.h"
#include "runtime/Application.h"
#include "shell/frmMain.h"

Oscillo::Oscillo(rt::Application& app, engine::Code& c)
    : rt::Window(app, "Oscillo"),
      code(c),
      signal_(c, engine::Screen{Ecran, Ten1, Ten2, Ten1mes, Ten2mes, faisceau1, faisceau2, XY, Timer7, Timer8,
                                Timer11, DiodeV2, ImageList2, PowerOn}) {
    setCaption("Oscilloscope");
    designLayout();
    registerVariables();
    connectHandlers();
    connectPanel();
}

frmMain& Oscillo::frame() const { return app().window<frmMain>("frmMain"); }

Chargedecharge& Oscillo::bench() const { return app().window<Chargedecharge>("Chargedecharge"); }

void Oscillo::registerVariables() {
    rt::Variables& v = vars();
    v.add("CranPosV1", CranPosV1);
    v.add("CranPosV2", CranPosV2);
    v.add("CranPosH", CranPosH);
    v.add("CranBalay", CranBalay);
    v.add("CranFocus", CranFocus);
    v.add("CouplDC1", CouplDC1);
    v.add("CouplAC1", CouplAC1);
    v.add("CouplDC2", CouplDC2);
    v.add("CouplAC2", CouplAC2);
    v.add("CranSensi1", CranSensi1);
    v.add("CranSensi2", CranSensi2);
    v.add("RotGauche", RotGauche);
    v.addArray("ValBalay", ValBalay, 1);
    v.addArray("ValSensi", ValSensi, 1);
    v.add("PowerOn", PowerOn);
    v.add("CranIntens", CranIntens);
    v.add("ChoixCouplage", ChoixCouplage);
    v.add("FilPris", FilPris);
    v.add("PointY1", PointY1);
    v.add("PointY2", PointY2);
    v.add("PointMasse", PointMasse);
    v.add("BoutonSurvol", BoutonSurvol);
    v.add("ImgRetour", ImgRetour);
    v.add("ImgMprinci", ImgMprinci);
    v.add("ImgSchemvisi", ImgSchemvisi);
}

void Oscillo::connectHandlers() {
    onMouseMove = [this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); };
    menu.onMouseMove = [this](int b, int s, float x, float y) { menu_MouseMove(b, s, x, y); };
    retour.onMouseMove = [this](int b, int s, float x, float y) { retour_MouseMove(b, s, x, y); };
    Mprinci.onMouseMove = [this](int b, int s, float x, float y) { Mprinci_MouseMove(b, s, x, y); };
    retour.onClick = [this] { retour_Click(); };
    Mprinci.onClick = [this] { Mprinci_Click(); };
    Timer12.onTimer = [this] { Timer12_Timer(); };
    Powerclick.onClick = [this] { Powerclick_Click(); };
    Timer7.onTimer = [this] { Timer7_Timer(); };
    Timer8.onTimer = [this] { Timer8_Timer(); };
    Timer11.onTimer = [this] { Timer11_Timer(); };
}

// ---- The signal engine's entries, as the panel calls them.

void Oscillo::CalculTrace(double E, double R, double C, double Tdiv, double Vdiv1, double Vdiv2, rt::Flag Decharge) {
    signal_.CalculTrace(E, R, C, Tdiv, Vdiv1, Vdiv2, Decharge);
}

void Oscillo::CalculCharge() {
    CalculBranches();
    code.Decharge = rt::False;
    if (PowerOn) CalculTrace(code.Egene, code.Rdec, code.Cdec, code.TempsDiv, code.VoltDiv1, code.VoltDiv2, code.Decharge);
    // Set after computing: during the computation InterCharge still says whether the switch was
    // already at charge (no ramp then).
    code.InterCharge = rt::True;
}

void Oscillo::CalculDecharge() {
    CalculBranches();
    code.InterCharge = rt::False;
    code.Decharge = rt::True;
    if (PowerOn) CalculTrace(code.Egene, code.Rdec, code.Cdec, code.TempsDiv, code.VoltDiv1, code.VoltDiv2, code.Decharge);
}

void Oscillo::AfficheEcran() { signal_.AfficheEcran(); }

void Oscillo::LanceRampe(double Duree, rt::Flag Decharge, double Depart, double Cible, int16_t Voie) {
    signal_.LanceRampe(Duree, Decharge, Depart, Cible, Voie);
}

void Oscillo::Timer7_Timer() { signal_.Timer7_Timer(); }
void Oscillo::Timer8_Timer() { signal_.Timer8_Timer(); }
void Oscillo::Timer11_Timer() { signal_.Timer11_Timer(); }
void Oscillo::EffaceTrace() { signal_.EffaceTrace(); }
