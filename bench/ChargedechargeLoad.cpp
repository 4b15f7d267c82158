// The bench's set-up, once, when the window is created. The order matters: the first step reads
// the main frame's cursor list, which creates the frame, and the schematic's scale is set before
// the labels are placed in its units.
#include "bench/BenchValues.h"
#include "bench/Chargedecharge.h"
#include "runtime/NumberFormat.h"

void Chargedecharge::Form_Load() {
    setMousePointer(pointer(2));
    setWindowState(rt::WindowState::Maximized);

    Schemaelec.move(150, 150);
    Schemaelec.setScale(100, 100);

    loadMenuStrip();
    loadPanels();
    loadDecadeKnobs();
    loadLabels();
    loadGenerator();

    ImgBretour = 2;
    ImgBmain = 6;
    ImgOscillo = 15;
    ImgBtnordi = 22;

    caution.move(7.2f, 94.5f);
}

// The two bordered frames, then the menu strip: its buttons on their resting pictures with the
// pointing hand, and only the left arrow shown.
void Chargedecharge::loadMenuStrip() {
    menu.move(4980, 60);
    MenuChDech.move(150, 6350, 4680, 1770);
    FmenuChDech.move(50, 115);
    FmenuChDech.setPicture(menuArt(20));

    Oscilloaffich.move(2500, 200);
    Oscilloaffich.setPicture(menuArt(14));
    Oscilloaffich.setMousePointer(pointer(1));
    Bretour.move(630, 300);
    Bretour.setPicture(menuArt(2));
    Bretour.setMousePointer(pointer(1));
    Bmain.move(145, 1000);
    Bmain.setPicture(menuArt(6));
    Bmain.setMousePointer(pointer(1));
    Btnordi.move(-1920, 90);
    Btnordi.setPicture(menuArt(21));
    Btnordi.setMousePointer(pointer(1));
    fD.move(4420, 10);
    fD.setPicture(Media, 15);
    fD.setMousePointer(pointer(1));
    fD.setVisible(false);
    fG.move(10, 10);
    fG.setPicture(Media, 16);
    fG.setMousePointer(pointer(1));
}

// The instrument panels and their pictures, then the capacitor box's strip and arrows.
void Chargedecharge::loadPanels() {
    Gene.move(400, 4950);
    DecR.move(100, 250);
    DecC.move(100, 2840);
    Schemaelec.setPicture(Schema, 1);
    DecR.setPicture(Media, 2);
    DecC.setPicture(Media, 3);
    Gene.setPicture(Media, 12);

    fondbox.move(300, 600, 5230, 1200);
    boxbtncond.move(-1400, 0, 8200, 1200);
    FlecheG.move(200, 320);
    FlecheG.setPicture(Media, 10);
    FlecheD.move(5450, 320);
    FlecheD.setPicture(Media, 11);
}

// Every decade knob at 0, its hit area over it, and the legends under the capacitor knobs.
void Chargedecharge::loadDecadeKnobs() {
    for (int i = 1; i <= 4; ++i) {
        Rpot(i).move(300.0f + 1400 * (i - 1), 1080);
        Rpot(i).setPicture(ImaBtnDec, 1);
        RCtl(i).setHeight(585);
        RCtl(i).setTop(1330);
        RCtl(i).setWidth(555);
        RCtl(i).setLeft(550.0f + 1400 * (i - 1));
        CranR[static_cast<size_t>(i - 1)] = 1;
    }
    for (int i = 1; i <= 6; ++i) {
        Cpot(i).move(1400.0f * (i - 1), 0);
        Cpot(i).setPicture(ImaBtnDec, 1);
        Cctl(i).setHeight(585);
        Cctl(i).setTop(240);
        Cctl(i).setWidth(555);
        Cctl(i).setLeft(250.0f + 1400 * (i - 1));
        CranC[static_cast<size_t>(i - 1)] = 1;
    }

    rt::PictureControl* legends[6] = {&leg0, &leg1, &leg2, &leg3, &leg4, &leg5};
    const float legendLefts[6] = {160, 1580, 3050, 4480, 5800, 7180};
    for (int k = 0; k < 6; ++k) {
        legends[k]->move(legendLefts[k], 1000);
        legends[k]->setPicture(Media, 4 + k);
    }
}

// R and C at 0 on the schematic, the ohm sign right after the resistance text.
void Chargedecharge::loadLabels() {
    ValR.move(57, 32.6f);
    ValR.setCaption(rt::formatDouble(0, decimal()) + " ");
    Omega.setTop(32.4f);
    placeOmega();

    ValC.move(57, 69.3f);
    ValC.setCaption(rt::formatDouble(0, decimal()) + " µF");
}

// The generator at 0.0 V and off: both knobs at rest, the display dark.
void Chargedecharge::loadGenerator() {
    CranGros = 1;
    ValeurE = 0;
    EntierE = 0;
    DixiemesE = 0;
    CranFin = 1;
    Vle.setCaption(bench::voltageCaption(0, decimal()));

    genebn.move(3825, 765);
    genebn.setPicture(BtnGene, 1);
    genectl.move(3840, 885);
    Genebfin.move(3825, 1725);
    Genebfin.setPicture(BtnGene, 1);
    Genefinctl.move(3840, 1845);

    Dix.move(1335, 840);
    Dix.setVisible(false);
    unite.move(1935, 840);
    unite.setVisible(false);
    deci.move(2550, 840);
    deci.setVisible(false);

    Power.move(405, 1445);
    Power.setPicture(Media, 14);
    powerctl.move(405, 1575);
    powerctl.setMousePointer(pointer(1));
}
