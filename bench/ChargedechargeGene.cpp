// The DC generator: power switch, coarse knob (whole volts), fine knob (tenths, with a carry into
// the whole volts), the three-digit display and the Vle label. The knobs turn one step per tick
// of their timer while a button is held on them.
#include "bench/BenchValues.h"
#include "bench/Chargedecharge.h"

namespace {

// Fine knob step -8..10 to its picture in BtnGene: steps 1..10 are pictures 1..10, steps 0..-8
// are pictures 15..7 (the knob turned back past its rest position).
int fineKnobPicture(int CranFin) {
    return CranFin >= 1 ? CranFin : CranFin + 15;
}

}  // namespace

void Chargedecharge::MajVolts() {
    EntierE = static_cast<int16_t>(CranGros - 1);
    if (CranGros > 10) {
        Dix.setPicture(Led, 2);
        unite.setPicture(Led, EntierE - 9);
    } else {
        Dix.setPicture(Led, 1);  // the leading zero: 5.3 V reads 05.3
        unite.setPicture(Led, EntierE + 1);
    }
    ValeurE = bench::generatorVoltage(EntierE, DixiemesE);
    if (GeneOn) Vle.setCaption(bench::voltageCaption(ValeurE, decimal()));
}

void Chargedecharge::MajDixiemes() {
    if (CranFin < 1) {
        deci.setPicture(Led, CranFin + 10);
        DixiemesE = static_cast<int16_t>(CranFin + 9);
    } else {
        deci.setPicture(Led, CranFin);
        DixiemesE = static_cast<int16_t>(CranFin - 1);
    }
    ValeurE = bench::generatorVoltage(EntierE, DixiemesE);
    if (GeneOn) Vle.setCaption(bench::voltageCaption(ValeurE, decimal()));
}

void Chargedecharge::powerctl_Click() {
    if (GeneOn) {
        Power.setPicture(Media, 14);
        powerctl.move(405, 1575);
        GeneOn = rt::False;
        for (rt::PictureControl* d : {&Dix, &unite, &deci}) d->setVisible(false);
        Vle.setCaption(bench::voltageCaption(0, decimal()));
        code.Egene = 0;
    } else {
        Power.setPicture(Media, 13);
        powerctl.move(405, 1710);
        GeneOn = rt::True;
        for (rt::PictureControl* d : {&Dix, &unite, &deci}) d->setVisible(true);
        MajVolts();
        MajDixiemes();
        code.Egene = ValeurE;
    }
}

void Chargedecharge::genectl_MouseDown(int, int, float X, float) {
    if (X < genectl.Width() / 2) {
        RotGauche = rt::True;
        genectl.setMousePointer(pointer(3));
    } else {
        RotGauche = rt::False;
        genectl.setMousePointer(pointer(4));
    }
    Timergenegros.setEnabled(true);
}

void Chargedecharge::genectl_MouseMove(int, int, float X, float) {
    if (X < genectl.Width() / 2)
        genectl.setMousePointer(pointer(ValeurE < 1 ? 7 : 3));
    else
        genectl.setMousePointer(pointer(ValeurE > 14 ? 8 : 4));
}

void Chargedecharge::genectl_MouseUp(int, int, float, float) {
    Timergenegros.setEnabled(false);
}

// One coarse step keeps the tenths; it is refused below 1 V (down) and above 14 V (up).
void Chargedecharge::Timergenegros_Timer() {
    if (RotGauche) {
        if (!(ValeurE >= 1)) return;
        --CranGros;
    } else {
        if (!(ValeurE <= 14)) return;
        ++CranGros;
    }
    genebn.setPicture(BtnGene, CranGros);
    MajVolts();
    if (GeneOn) code.Egene = ValeurE;
}

void Chargedecharge::Genefinctl_MouseDown(int, int, float X, float) {
    if (X < Genefinctl.Width() / 2) {
        RotGauche = rt::True;
        Genefinctl.setMousePointer(pointer(3));
    } else {
        RotGauche = rt::False;
        Genefinctl.setMousePointer(pointer(4));
    }
    Timergenefin.setEnabled(true);
}

void Chargedecharge::Genefinctl_MouseMove(int, int, float X, float) {
    if (X < Genefinctl.Width() / 2)
        Genefinctl.setMousePointer(pointer(ValeurE <= 0 || CranFin <= -8 ? 7 : 3));
    else
        Genefinctl.setMousePointer(pointer(ValeurE >= 15 || CranFin >= 10 ? 8 : 4));
}

void Chargedecharge::Genefinctl_MouseUp(int, int, float, float) {
    Timergenefin.setEnabled(false);
}

// One fine step of a tenth. Crossing tenths 0 carries into the whole volts; the coarse knob's
// picture is left as it was until that knob itself is turned.
void Chargedecharge::Timergenefin_Timer() {
    if (RotGauche) {
        if (!(ValeurE > 0 && CranFin > -8)) return;
        --CranFin;
        Genebfin.setPicture(BtnGene, fineKnobPicture(CranFin));
        if (CranFin == 0) {
            --CranGros;
            MajVolts();
        }
    } else {
        if (!(ValeurE < 15 && CranFin < 10)) return;
        ++CranFin;
        Genebfin.setPicture(BtnGene, fineKnobPicture(CranFin));
        if (CranFin == 1) {
            ++CranGros;
            MajVolts();
        }
    }
    MajDixiemes();
    if (GeneOn) code.Egene = ValeurE;
}
