// The invariant table: one row per rule, each a name and a check on the running program.

#include "tools/fuzz/Invariants.h"

#include <functional>
#include <initializer_list>

#include "bench/Chargedecharge.h"
#include "scope/Oscillo.h"
#include "shell/Program.h"

namespace fuzz {
namespace {

struct Subject {
    engine::Code& code;
    Chargedecharge& bench;
    Oscillo* scope;  // none until first shown
    rt::MouseRouter& mouse;
};

bool in(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
bool isFlag(int v) {
    return v == rt::True || v == rt::False;
}
bool flags(std::initializer_list<int> vs) {
    for (int v : vs)
        if (!isFlag(v)) return false;
    return true;
}
bool shows(const rt::PictureControl& c, const rt::PictureList& l, int n) {
    return c.Picture() == rt::PictureRef{&l, n};
}
bool shows(const rt::Container& c, const rt::PictureList& l, int n) {
    return c.Picture() == rt::PictureRef{&l, n};
}
// A picture index that wraps through 1..53, as the position knobs turn.
int wrap53(int n) {
    return ((n - 1) % 53 + 53) % 53 + 1;
}

// Bench: generator, decade boxes.
bool generator(const Subject& s) {
    const Chargedecharge& b = s.bench;
    if (!in(b.CranGros, 1, 16) || !in(b.CranFin, -8, 10) || b.EntierE != b.CranGros - 1) return false;
    if (b.DixiemesE != (b.CranFin >= 1 ? b.CranFin - 1 : b.CranFin + 9)) return false;
    if (b.ValeurE != static_cast<float>(b.DixiemesE / 10.0 + b.EntierE)) return false;
    return s.code.Egene == (b.GeneOn ? static_cast<double>(b.ValeurE) : 0.0) && s.code.Egene >= 0 &&
           s.code.Egene <= 15;
}
bool generatorPictures(const Subject& s) {
    const Chargedecharge& b = s.bench;
    const bool ten = b.CranGros > 10;
    // A digit has no picture until the knob of its place or the switch first sets it.
    auto digit = [&](const rt::PictureControl& d, int n) {
        return d.Picture().isNone() ? !b.GeneOn : shows(d, b.Led, n);
    };
    const bool digits = digit(b.Dix, ten ? 2 : 1) && digit(b.unite, ten ? b.EntierE - 9 : b.EntierE + 1) &&
                        digit(b.deci, b.CranFin < 1 ? b.CranFin + 10 : b.CranFin);
    // The coarse knob's picture lags a carry from the fine knob until the coarse knob turns.
    return b.genebn.Picture().list == &b.BtnGene && in(b.genebn.Picture().index, 1, 16) &&
           shows(b.Genebfin, b.BtnGene, b.CranFin >= 1 ? b.CranFin : b.CranFin + 15) && digits &&
           shows(b.Power, b.Media, b.GeneOn ? 13 : 14) && b.powerctl.Top() == (b.GeneOn ? 1710 : 1575) &&
           b.Dix.Visible() == bool(b.GeneOn) && b.unite.Visible() == bool(b.GeneOn) &&
           b.deci.Visible() == bool(b.GeneOn);
}
bool resistor(const Subject& s) {
    const Chargedecharge& b = s.bench;
    int32_t r = 0;
    for (int i = 0; i < 4; ++i) {
        if (!in(b.CranR[i], 1, 11) || !shows(b.Rpot(i + 1), b.ImaBtnDec, b.CranR[i])) return false;
        r = r * 10 + (b.CranR[i] - 1);
    }
    return s.code.Rdec == r * 10.0;
}
bool capacitor(const Subject& s) {
    const Chargedecharge& b = s.bench;
    for (int i = 0; i < 6; ++i)
        if (!in(b.CranC[i], 1, 11) || !shows(b.Cpot(i + 1), b.ImaBtnDec, b.CranC[i])) return false;
    const auto& k = b.CranC;
    const auto m = static_cast<int16_t>(1000 * (k[0] - 1) + 100 * (k[1] - 1) + 10 * (k[2] - 1) + (k[3] - 1));
    const double microfarads = 0.1 * (k[4] - 1) + m + 0.01 * (k[5] - 1);
    return s.code.Cdec == microfarads / 1000000;
}
bool benchFlags(const Subject& s) {
    return flags({s.bench.RotGauche, s.bench.GeneOn});
}
bool sharedFlags(const Subject& s) {
    const engine::Code& c = s.code;
    return flags({c.ModeCH1, c.ModeCH2, c.ModeDual, c.ModeXY, c.MasseY1, c.MasseY2, c.ModeStor, c.PretStor,
                  c.Memorise, c.PenteTrig, c.InterCharge, c.Decharge});
}
bool oneInstrumentShown(const Subject& s) {
    return s.bench.Visible() + (s.scope && s.scope->Visible()) == 1;
}
bool branches(const Subject& s) {
    for (const std::string* b : {&s.code.Branche1, &s.code.Branche2}) {
        // Empty until the wiring first runs.
        if (*b != "" && *b != "off" && *b != "DB" && *b != "DA" && *b != "AB" && *b != "BA") return false;
    }
    return true;
}

// Oscilloscope panel (once loaded).
bool selectors(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    return in(o.CranSensi1, 1, 14) && in(o.CranSensi2, 1, 14) && in(o.CranBalay, 1, 18) &&
           shows(o.SensiV1, o.Sensivert, o.CranSensi1) && shows(o.SensiV2, o.Sensivert, o.CranSensi2) &&
           shows(o.TDiv, o.Balay, o.CranBalay) && c.VoltDiv1 == o.ValSensi[o.CranSensi1 - 1] &&
           c.VoltDiv2 == o.ValSensi[o.CranSensi2 - 1] && c.TempsDiv == o.ValBalay[o.CranBalay - 1];
}
bool positions(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    return in(c.PosY1, -50, 50) && in(c.PosY2, -50, 50) && in(c.PosX, -50, 50) &&
           o.CranPosV1 == wrap53(27 - c.PosY1) && o.CranPosV2 == wrap53(27 - c.PosY2) &&
           o.CranPosH == wrap53(27 + c.PosX) && shows(o.PosV1, o.DecalDG, o.CranPosV1) &&
           shows(o.PosV2, o.DecalDG, o.CranPosV2) && shows(o.PosH, o.DecalDG, o.CranPosH);
}
bool intensityFocus(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    return in(c.NivIntens, -6, 6) && in(c.NivFocus, -6, 6) && o.CranIntens == 27 + 4 * c.NivIntens &&
           o.CranFocus == 27 + 4 * c.NivFocus && shows(o.Intens, o.DecalDG, o.CranIntens) &&
           shows(o.Focus, o.DecalDG, o.CranFocus);
}
bool modes(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    // The rows of the mode buttons, and none pressed after STOR has left X-Y.
    const int row = (c.ModeCH1 ? 8 : 0) | (c.ModeCH2 ? 4 : 0) | (c.ModeDual ? 2 : 0) | (c.ModeXY ? 1 : 0);
    if (row != 8 && row != 4 && row != 14 && row != 1 && row != 0) return false;
    auto pressed = [&](const rt::PictureControl& b, bool down) {
        return shows(b, o.ImageList2, down ? 2 : 1);
    };
    return pressed(o.CH1, row == 8) && pressed(o.CH2, row == 4) && pressed(o.Dual, row == 14) &&
           pressed(o.BtnXY, row == 1) && (c.SigneY2 == 1 || c.SigneY2 == -1) &&
           pressed(o.InvY2, c.SigneY2 == -1);
}
bool couplings(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    const rt::Flag* chosen[2][3] = {{&o.CouplAC1, &o.CouplDC1, &c.MasseY1},
                                    {&o.CouplAC2, &o.CouplDC2, &c.MasseY2}};
    const rt::PictureControl* squares[2][3] = {{&o.ACV1, &o.DCV1, &o.GND1}, {&o.ACV2, &o.DCV2, &o.GND2}};
    for (int ch = 0; ch < 2; ++ch) {
        int n = 0;
        for (int p = 0; p < 3; ++p) {
            if (!isFlag(*chosen[ch][p]) || !shows(*squares[ch][p], o.ImageList2, *chosen[ch][p] ? 3 : 4))
                return false;
            n += *chosen[ch][p] != 0;
        }
        if (n != 1) return false;
    }
    return true;
}
// The STOR lamp is lit only in storage mode with the power on, outside X-Y; it stays dark when X-Y,
// chosen with the power off, is left by CH1 or CH2 (only BOTH lights it again). The armed lamp is
// out once STOR is released, which leaves the armed flag to the next STOR.
bool lampsAndButtons(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    auto lit = [&](const rt::PictureControl& l, bool on) { return shows(l, o.ImageList2, on ? 6 : 5); };
    auto down = [&](const rt::PictureControl& b, bool on) { return shows(b, o.ImageList2, on ? 2 : 1); };
    return shows(o.Power, o.ImageList2, o.PowerOn ? 9 : 8) &&
           shows(o.Diodepow, o.ImageList2, o.PowerOn ? 11 : 10) && down(o.Stor, c.ModeStor) &&
           down(o.Trig, c.PenteTrig) &&
           (lit(o.DiodeV, false) || (lit(o.DiodeV, true) && c.ModeStor && o.PowerOn && !c.ModeXY)) &&
           lit(o.DiodeV2, c.PretStor && c.ModeStor) && (!(c.PretStor && c.ModeStor) || o.PowerOn) &&
           // RESET shows pressed only while a press holds it: each button's release raises it,
           // so with two buttons held it may already be up.
           (s.mouse.captured() == &o.Reset || down(o.Reset, false));
}
bool wiring(const Oscillo& o, const Subject& s) {
    const Chargedecharge& b = s.bench;
    if (!in(o.FilPris, 0, 3) || !in(o.PointY1, 0, 3) || !in(o.PointY2, 0, 3)) return false;
    if (o.PointMasse != 0 && o.PointMasse != 2 && o.PointMasse != 3) return false;
    // Each lead: its bench copy shown exactly while it is placed, with the drawing's picture.
    struct Lead {
        const rt::PictureControl &drawing, &copy;
        int point;
        const rt::PictureList& list;
        int atA, atB;
    };
    const Lead leads[] = {{o.bY1, b.Y1, o.PointY1, o.ImageY1, 3, 4},
                          {o.bY2, b.Y2, o.PointY2, o.ImageY2, 3, 4},
                          {o.bmasse, b.Masse, o.PointMasse, o.ImageMasse, 1, 2}};
    for (const Lead& l : leads) {
        if (l.copy.Visible() != (l.point != 0) || (l.drawing.Visible() && l.point == 0)) return false;
        if (l.point == 0) continue;
        const int pic = l.drawing.Picture().index;
        if (l.drawing.Picture().list != &l.list || !(l.copy.Picture() == l.drawing.Picture())) return false;
        if ((l.point == 2 && pic != l.atA) || (l.point == 3 && pic != l.atB) ||
            (l.point == 1 && pic != 1 && pic != 2))
            return false;
    }
    // The switch drawn the same on both schematics.
    return (shows(o.schema, o.Schema, 3) && shows(b.Schemaelec, b.Schema, 1)) ||
           (shows(o.schema, o.Schema, 4) && shows(b.Schemaelec, b.Schema, 2));
}
bool scopeFlags(const Oscillo& o, const Subject&) {
    return flags({o.CouplDC1, o.CouplAC1, o.CouplDC2, o.CouplAC2, o.RotGauche, o.PowerOn, o.ChoixCouplage});
}
bool screen(const Oscillo& o, const Subject& s) {
    const engine::Code& c = s.code;
    const int p = c.PasSpot;  // 0 until the first redraw
    // At most 1001 dots a channel, beside element 0 (the live spot).
    return (p == 0 || p == 4 || p == 8 || p == 16 || p == 19) && o.faisceau1.Count() <= 1002 &&
           o.faisceau2.Count() <= 1002;
}

using Check = std::function<bool(const Subject&)>;
// A rule on the oscilloscope holds trivially until the window is first loaded.
Check scope(bool (*f)(const Oscillo&, const Subject&)) {
    return [f](const Subject& s) { return !s.scope || f(*s.scope, s); };
}

// Each rule: its name, the scenario names a `print` line shows of what it reads, its check.
struct Row {
    const char* name;
    const char* shows;
    Check check;
};

const std::vector<Row>& table() {
    static const std::vector<Row> rows = {
        {"generator: steps, E and its text in range",
         "Chargedecharge.CranGros Chargedecharge.CranFin Chargedecharge.EntierE Chargedecharge.DixiemesE "
         "Chargedecharge.ValeurE Chargedecharge.GeneOn Egene",
         generator},
        {"generator: knob, digit and switch pictures",
         "Chargedecharge.genebn.Picture Chargedecharge.Genebfin.Picture Chargedecharge.Dix.Picture "
         "Chargedecharge.unite.Picture Chargedecharge.deci.Picture Chargedecharge.Power.Picture "
         "Chargedecharge.powerctl.Top Chargedecharge.deci.Visible",
         generatorPictures},
        {"resistor: knob steps and pictures, Rdec their sum",
         "Chargedecharge.CranR(1) Chargedecharge.CranR(2) Chargedecharge.CranR(3) Chargedecharge.CranR(4) "
         "Chargedecharge.Rpot(1).Picture Chargedecharge.Rpot(2).Picture Chargedecharge.Rpot(3).Picture "
         "Chargedecharge.Rpot(4).Picture Rdec",
         resistor},
        {"capacitor: knob steps and pictures, Cdec their sum",
         "Chargedecharge.CranC(1) Chargedecharge.CranC(2) Chargedecharge.CranC(3) Chargedecharge.CranC(4) "
         "Chargedecharge.CranC(5) Chargedecharge.CranC(6) Cdec",
         capacitor},
        {"bench flags are -1 or 0", "Chargedecharge.RotGauche Chargedecharge.GeneOn", benchFlags},
        {"shared flags are -1 or 0",
         "ModeCH1 ModeCH2 ModeDual ModeXY MasseY1 MasseY2 ModeStor PretStor Memorise PenteTrig InterCharge "
         "Decharge",
         sharedFlags},
        {"exactly one instrument shown", "Chargedecharge.Visible Oscillo.Visible", oneInstrumentShown},
        {"Branche1 and Branche2 among the connection strings", "Branche1 Branche2", branches},
        {"selectors: detents, pictures, VoltDiv and TempsDiv",
         "Oscillo.CranSensi1 Oscillo.CranSensi2 Oscillo.CranBalay Oscillo.SensiV1.Picture "
         "Oscillo.SensiV2.Picture Oscillo.TDiv.Picture VoltDiv1 VoltDiv2 TempsDiv",
         scope(selectors)},
        {"position knobs: offsets -50..50 and their pictures",
         "PosY1 PosY2 PosX Oscillo.CranPosV1 Oscillo.CranPosV2 Oscillo.CranPosH Oscillo.PosV1.Picture "
         "Oscillo.PosV2.Picture Oscillo.PosH.Picture",
         scope(positions)},
        {"intensity and focus: levels -6..6 and their pictures",
         "NivIntens NivFocus Oscillo.CranIntens Oscillo.CranFocus Oscillo.Intens.Picture "
         "Oscillo.Focus.Picture",
         scope(intensityFocus)},
        {"mode flags one row, buttons and SigneY2 matching",
         "ModeCH1 ModeCH2 ModeDual ModeXY SigneY2 Oscillo.CH1.Picture Oscillo.CH2.Picture "
         "Oscillo.Dual.Picture Oscillo.BtnXY.Picture Oscillo.InvY2.Picture",
         scope(modes)},
        {"exactly one coupling per channel, squares matching",
         "Oscillo.CouplAC1 Oscillo.CouplDC1 MasseY1 Oscillo.CouplAC2 Oscillo.CouplDC2 MasseY2 "
         "Oscillo.ACV1.Picture Oscillo.DCV1.Picture Oscillo.GND1.Picture Oscillo.ACV2.Picture "
         "Oscillo.DCV2.Picture Oscillo.GND2.Picture",
         scope(couplings)},
        {"lamps and storage buttons matching their flags",
         "Oscillo.PowerOn ModeStor PretStor ModeXY PenteTrig Oscillo.Power.Picture Oscillo.Diodepow.Picture "
         "Oscillo.Stor.Picture Oscillo.Trig.Picture Oscillo.Reset.Picture Oscillo.DiodeV.Picture "
         "Oscillo.DiodeV2.Picture",
         scope(lampsAndButtons)},
        {"wiring: points, leads and the two schematics agreeing",
         "Oscillo.FilPris Oscillo.PointY1 Oscillo.PointY2 Oscillo.PointMasse Oscillo.bY1.Picture "
         "Chargedecharge.Y1.Picture Oscillo.bY2.Picture Chargedecharge.Y2.Picture Oscillo.bmasse.Picture "
         "Chargedecharge.Masse.Picture Chargedecharge.Y1.Visible Chargedecharge.Y2.Visible "
         "Chargedecharge.Masse.Visible Oscillo.schema.Picture Chargedecharge.Schemaelec.Picture",
         scope(wiring)},
        {"oscilloscope flags are -1 or 0",
         "Oscillo.CouplDC1 Oscillo.CouplAC1 Oscillo.CouplDC2 Oscillo.CouplAC2 Oscillo.RotGauche "
         "Oscillo.PowerOn Oscillo.ChoixCouplage",
         scope(scopeFlags)},
        {"screen: spot step and at most 1001 dots a channel",
         "PasSpot Oscillo.faisceau1.Count Oscillo.faisceau2.Count", scope(screen)},
    };
    return rows;
}

}  // namespace

std::vector<std::string> brokenInvariants(Program& program) {
    rt::Application& app = program.app();
    Subject s{program.code(), app.window<Chargedecharge>("Chargedecharge"),
              static_cast<Oscillo*>(app.existing("Oscillo")), app.mouse()};
    std::vector<std::string> broken;
    for (const Row& r : table())
        if (!r.check(s)) broken.emplace_back(r.name);
    return broken;
}

std::string invariantShows(const std::string& invariant) {
    for (const Row& r : table())
        if (invariant == r.name) return r.shows;
    return {};
}

}  // namespace fuzz
