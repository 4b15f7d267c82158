// The load of the oscilloscope: start values, value tables, the screen, the schematic box, the
// panel and the menu strip, in the order the instrument is built.

#include "scope/Oscillo.h"

#include "engine/PanelPictures.h"
#include "engine/TraceTables.h"
#include "runtime/Application.h"
#include "shell/frmMain.h"

namespace pic = engine::panel_pictures;

namespace {

// Volts per division, detent by detent (the time bases are the engine's kTimeBases).
constexpr std::array<double, 14> kSensi{20, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001};

// Trace colour by intensity level + 6: a teal darker than the screen, the screen's teal, then
// greens rising to pure green (the start) and whitening towards a pale green.
constexpr std::array<rt::Color, 13> kCouleur{
    rt::Color::rgb(0, 120, 120),   rt::Color::rgb(0, 127, 127),   rt::Color::rgb(0, 144, 0),
    rt::Color::rgb(0, 160, 0),     rt::Color::rgb(0, 192, 0),     rt::Color::rgb(0, 240, 0),
    rt::Color::rgb(0, 255, 0),     rt::Color::rgb(96, 255, 96),   rt::Color::rgb(112, 255, 112),
    rt::Color::rgb(128, 255, 128), rt::Color::rgb(144, 255, 144), rt::Color::rgb(176, 255, 176),
    rt::Color::rgb(208, 255, 208)};

}  // namespace

void Oscillo::Form_Load() {
    // The bench's picture lists are read below: the bench exists before anything else.
    app().window("Chargedecharge");
    const rt::PictureList& Imapoint = frame().Imapoint;
    setMousePointer({&Imapoint, 2});
    loadStartValues();
    loadTables();
    setWindowState(rt::WindowState::Maximized);
    setPicture(ImageList1, 1);
    loadScreen();
    code.ModeCH1 = rt::True;
    code.ModeCH2 = rt::False;
    loadSchematic();
    loadPanel();
    loadMenu();
    filR1.move(6690, 6340);
    filR1.setPicture(ImageList2, pic::kRedLeadCh1);
    FilN1.move(7470, 6300);
    FilN1.setPicture(ImageList2, pic::kBlackLeadCh1);
    filR2.move(9900, 6335);
    filR2.setPicture(ImageList2, pic::kRedLeadCh2);
    filN2.move(10770, 6300);
    filN2.setPicture(ImageList2, pic::kBlackLeadCh2);
    ImgRetour = 2;
    ImgMprinci = 6;
    ImgSchemvisi = 10;
}

void Oscillo::loadStartValues() {
    engine::Code& c = code;
    c.SigneY2 = 1;
    c.MasseY1 = rt::True;
    c.MasseY2 = rt::True;
    CouplDC1 = CouplAC1 = CouplDC2 = CouplAC2 = rt::False;
    c.ModeDual = rt::False;
    c.ModeXY = rt::False;
    CranPosV1 = CranPosV2 = CranPosH = CranFocus = 27;
    CranBalay = 8;
    CranSensi1 = CranSensi2 = 5;
    c.PretStor = rt::False;
    c.ModeStor = rt::False;
    c.PosY1 = c.PosY2 = c.PosX = 0;
    c.NiveauY1 = c.NiveauY2 = c.EntreeY1 = c.EntreeY2 = 0;
    PowerOn = rt::False;
    c.NivFocus = 0;
    CranIntens = 27;
    c.NivIntens = 0;
    ChoixCouplage = rt::False;
    FilPris = PointY1 = PointY2 = PointMasse = 0;
    c.TempsDiv = 1.0;
    c.VoltDiv1 = 1.0;
    c.VoltDiv2 = 1.0;
}

void Oscillo::loadTables() {
    ValBalay = engine::kTimeBases;
    ValSensi = kSensi;
    code.Couleur = kCouleur;
}

void Oscillo::loadScreen() {
    FondEcran.move(660, 645);
    FondEcran.setHeight(4490);
    FondEcran.setWidth(5900);
    Ecran.move(120, 90);
    Ecran.setHeight(4250);
    Ecran.setWidth(5600);
    Ecran.setScale(100, 80, 0, -40);
    Axefond.setPicture(ImageList1, 2);
    Axefond.move(120, 90);
    Axe.setPicture(ImageList1, 2);
    Axe.move(0, -40);
    Axe.ZOrder(1);
    for (rt::Line* t : {&Ten1, &Ten2}) {
        t->setY1(0);
        t->setX1(0);
        t->setY2(0);
        t->setX2(100);
        t->setVisible(false);
    }
    Axe.setVisible(true);
}

void Oscillo::loadSchematic() {
    schemaboite.move(6825, 375);
    barre.move(25, 10);
    barre.setPicture(Schema, 5);
    CloseSh.move(4150, 40);
    schema.move(30, 300);
    schema.setPicture(Schema, 3);
    schema.setScale(100, 100);
    ValR.move(60, 27.5f);
    ValC.move(60, 70.3f);
    Vle.move(33, 45.5f);
    Omega.setTop(27.3f);
}

void Oscillo::loadPanel() {
    const rt::PictureList& Imapoint = frame().Imapoint;
    const rt::PictureRef hand{&Imapoint, 1};
    const rt::PictureRef refused{&Imapoint, 2};
    auto button = [&](rt::PictureControl& b, float left, float top, int picture) {
        b.move(left, top);
        b.setPicture(ImageList2, picture);
        b.setMousePointer(hand);
    };
    auto picture = [](rt::PictureControl& p, float left, float top, const rt::PictureList& list, int n) {
        p.move(left, top);
        p.setPicture(list, n);
    };
    auto hitArea = [](rt::PictureControl& h, float left, float top, float size) {
        h.move(left, top, size, size);
    };
    button(Dual, 4890, 6130, pic::kButtonUp);
    button(InvY2, 6240, 6130, pic::kButtonUp);
    button(CH1, 5565, 6690, pic::kButtonDown);
    button(CH2, 6090, 6690, pic::kButtonUp);
    button(BtnXY, 5025, 6690, pic::kButtonUp);
    picture(PosV1, 7460, 780, DecalDG, 27);
    picture(PosV2, 10190, 780, DecalDG, 27);
    picture(PosH, 8830, 780, DecalDG, 27);
    picture(TDiv, 8115, 4995, Balay, 8);
    hitArea(Tdivcontrol, 8670, 5475, 850);
    picture(SensiV1, 7110, 2415, Sensivert, 5);
    hitArea(SV1control, 7575, 2925, 855);
    picture(SensiV2, 9285, 2415, Sensivert, 5);
    hitArea(SV2control, 9750, 2925, 855);
    auto coupling = [&](rt::PictureControl& p, float left, float top, bool selected) {
        picture(p, left, top, ImageList2, selected ? pic::kSliderHere : pic::kSliderEmpty);
        p.setMousePointer(selected ? hand : refused);
    };
    coupling(GND1, 7515, 5055, true);
    coupling(DCV1, 7515, 4875, false);
    coupling(ACV1, 7515, 4695, false);
    coupling(GND2, 10800, 5055, true);
    coupling(DCV2, 10800, 4875, false);
    coupling(ACV2, 10800, 4695, false);
    button(Stor, 3035, 6130, pic::kButtonUp);
    button(Reset, 3840, 6690, pic::kButtonUp);
    picture(DiodeV, 3350, 6180, ImageList2, pic::kGreenLampOff);
    picture(DiodeV2, 4155, 6730, ImageList2, pic::kGreenLampOff);
    button(Trig, 3840, 6130, pic::kButtonUp);
    picture(Bnc1, 6810, 5940, ImageList2, pic::kInputSockets);
    picture(Bnc2, 10095, 5940, ImageList2, pic::kInputSockets);
    picture(Power, 735, 5715, ImageList2, pic::kPowerRockerOff);
    Powerclick.move(1020, 5745);
    Powerclick.setMousePointer(hand);
    picture(Diodepow, 2055, 5865, ImageList2, pic::kRedLampOff);
    picture(Intens, 810, 6375, DecalDG, 27);
    picture(Focus, 1830, 6375, DecalDG, 27);
    R1.move(6885, 6285);
    N1.move(7650, 6270);
    R2.move(10185, 6285);
    N2.move(10965, 6270);
}

void Oscillo::loadMenu() {
    const rt::PictureList& ImaMenu = frame().ImaMenu;
    const rt::PictureRef hand{&frame().Imapoint, 1};
    menu.move(0, 7550);
    menu.setPicture(ImaMenu, 1);
    retour.move(500, 70);
    retour.setPicture(ImaMenu, 2);
    retour.setMousePointer(hand);
    Mprinci.move(4725, 140);
    Mprinci.setPicture(ImaMenu, 6);
    Mprinci.setMousePointer(hand);
    Schemvisi.move(10100, 80);
    Schemvisi.setPicture(ImaMenu, 10);
    Schemvisi.setMousePointer(hand);
}
