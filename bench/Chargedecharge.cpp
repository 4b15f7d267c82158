#include "bench/Chargedecharge.h"

#include <chrono>

#include "art/PictureTables.h"
#include "runtime/Application.h"
#include "shell/frmMain.h"

namespace {

constexpr float px(int pixels) {
    return static_cast<float>(pixels * rt::kTwipsPerPixel);
}

const rt::Font kBold975{"Arial", 9.75f, true};
const rt::Font kSymbol975{"Symbol", 9.75f, true};
const rt::Font kBold9{"Arial", 9.0f, true};

}  // namespace

Chargedecharge::Chargedecharge(rt::Application& app, engine::Code& c)
    : rt::Window(app, "Chargedecharge"),
      BtnGene(art::list("BtnGene")),
      Led(art::list("Led")),
      ImaBtnDec(art::list("ImaBtnDec")),
      Media(art::list("Media")),
      Schema(art::list("Schema")),
      ImageMasse(art::list("ImageMasse")),
      ImageY1(art::list("ImageY1")),
      ImageY2(art::list("ImageY2")),
      code(c) {
    setCaption("Charge et décharge d'un condensateur à travers une résistance");
    designLayout();
    registerVariables();
    wireMenuHandlers();
    wireInstrumentHandlers();
}

// The window as designed, before its load: geometry in twips, the containers at the size of the
// picture they will show, fonts, colours and the controls that start hidden. The main frame is
// not touched here: the load's first step is what creates it.
void Chargedecharge::designLayout() {
    move(0, 0, 11880, 8235);
    designSchematic();
    designInstruments();
    designMenuStrip();
    using std::chrono::milliseconds;
    for (rt::Timer* t : {&Timer1, &Timergenegros, &Timergenefin, &TimerR, &TimerC})
        t->setInterval(milliseconds(200));
}

void Chargedecharge::designSchematic() {
    Schemaelec.move(150, 150, px(308), px(404));
    for (rt::Label* l : {&Vle, &caution}) l->setFont(kBold975);
    Omega.setFont(kSymbol975);
    ValR.setFont(kBold9);
    ValC.setFont(kBold9);
    Omega.setCaption("W");
    caution.setCaption("ATTENTION, RISQUE DE COURT-CIRCUIT !");
    caution.setForeColor(rt::Color::rgb(255, 0, 0));
    caution.setVisible(false);
    Vle.move(1440, 2925);
    Masse.move(1710, 3435);
    Y1.move(30, 60);
    Y2.move(2025, 990);
    for (rt::PictureControl* p : {&Masse, &Y1, &Y2}) p->setVisible(false);
}

void Chargedecharge::designInstruments() {
    menu.move(4980, 60, 6705, 8055);
    menu.setBorder(true);

    DecR.move(100, 250, px(431), px(174));
    for (int i = 1; i <= 4; ++i) {
        Rpot(i).move(300.0f + 1400 * (i - 1), 1080, px(70), px(65));
        RCtl(i).move(550.0f + 1400 * (i - 1), 1330, 555, 585);
    }

    DecC.move(100, 2840, px(431), px(141));
    fondbox.move(300, 600, 5230, 1200);
    fondbox.setBackColor(rt::Color::rgb(225, 224, 210));
    boxbtncond.move(-1400, 0, 8200, 1200);
    boxbtncond.setBackColor(rt::Color::rgb(225, 223, 210));
    for (int i = 1; i <= 6; ++i) {
        Cpot(i).move(1400.0f * (i - 1), 0, px(70), px(65));
        Cctl(i).move(250.0f + 1400 * (i - 1), 240, 555, 585);
    }
    const int legendWidths[6] = {51, 45, 39, 33, 42, 47};
    const float legendLefts[6] = {160, 1580, 3050, 4480, 5800, 7180};
    rt::PictureControl* legends[6] = {&leg0, &leg1, &leg2, &leg3, &leg4, &leg5};
    for (int k = 0; k < 6; ++k) legends[k]->move(legendLefts[k], 1000, px(legendWidths[k]), px(15));
    FlecheG.move(200, 320, px(13), px(11));
    FlecheD.move(5450, 320, px(13), px(11));

    Gene.move(400, 4950, px(382), px(196));
    Power.move(405, 1445, px(20), px(43));
    powerctl.move(405, 1575, 285, 270);
    genebn.move(3825, 765, px(35), px(36));
    genectl.move(3840, 885, 450, 435);
    Genebfin.move(3825, 1725, px(35), px(36));
    Genefinctl.move(3840, 1845, 435, 435);
    Dix.move(1335, 840, px(28), px(49));
    unite.move(1935, 840, px(28), px(49));
    deci.move(2550, 840, px(28), px(49));
    for (rt::PictureControl* d : {&Dix, &unite, &deci}) d->setVisible(false);
}

void Chargedecharge::designMenuStrip() {
    MenuChDech.move(150, 6350, 4680, 1770);
    MenuChDech.setBorder(true);
    FmenuChDech.move(50, 115, px(307), px(109));
    fG.move(10, 10, px(11), px(9));
    fD.move(4420, 10, px(11), px(9));
    fD.setVisible(false);
    Bretour.move(630, 300, px(77), px(35));
    Bmain.move(145, 1000, px(142), px(27));
    Oscilloaffich.move(2500, 200, px(132), px(83));
    // Btnordi keeps its designed area; its picture is drawn at the top-left corner.
    Btnordi.setAutoSize(false);
    Btnordi.move(-1920, 90, 1845, 1440);
}

void Chargedecharge::registerVariables() {
    rt::Variables& v = vars();
    v.add("RotGauche", RotGauche);
    v.addArray("CranR", CranR, 1);
    v.addArray("CranC", CranC, 1);
    v.add("DecadeR", DecadeR);
    v.add("DecadeC", DecadeC);
    v.add("CranGros", CranGros);
    v.add("CranFin", CranFin);
    v.add("EntierE", EntierE);
    v.add("DixiemesE", DixiemesE);
    v.add("ValeurE", ValeurE);
    v.add("GeneOn", GeneOn);
    v.add("ImgBretour", ImgBretour);
    v.add("ImgBmain", ImgBmain);
    v.add("ImgOscillo", ImgOscillo);
    v.add("ImgBtnordi", ImgBtnordi);
    v.add("BoutonSurvol", BoutonSurvol);
}

void Chargedecharge::wireMenuHandlers() {
    onMouseMove = [this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); };
    FmenuChDech.onMouseMove = [this](int b, int s, float x, float y) { FmenuChDech_MouseMove(b, s, x, y); };
    Bretour.onMouseMove = [this](int b, int s, float x, float y) { Bretour_MouseMove(b, s, x, y); };
    Bmain.onMouseMove = [this](int b, int s, float x, float y) { Bmain_MouseMove(b, s, x, y); };
    Oscilloaffich.onMouseMove = [this](int b, int s, float x, float y) {
        Oscilloaffich_MouseMove(b, s, x, y);
    };
    Btnordi.onMouseMove = [this](int b, int s, float x, float y) { Btnordi_MouseMove(b, s, x, y); };
    Bretour.onClick = [this] { Bretour_Click(); };
    Bmain.onClick = [this] { Bmain_Click(); };
    Btnordi.onClick = [this] { Btnordi_Click(); };
    Oscilloaffich.onClick = [this] { Oscilloaffich_Click(); };
    fG.onClick = [this] { fG_Click(); };
    fD.onClick = [this] { fD_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Chargedecharge::wireInstrumentHandlers() {
    powerctl.onClick = [this] { powerctl_Click(); };
    genectl.onMouseDown = [this](int b, int s, float x, float y) { genectl_MouseDown(b, s, x, y); };
    genectl.onMouseMove = [this](int b, int s, float x, float y) { genectl_MouseMove(b, s, x, y); };
    genectl.onMouseUp = [this](int b, int s, float x, float y) { genectl_MouseUp(b, s, x, y); };
    Timergenegros.onTimer = [this] { Timergenegros_Timer(); };
    Genefinctl.onMouseDown = [this](int b, int s, float x, float y) { Genefinctl_MouseDown(b, s, x, y); };
    Genefinctl.onMouseMove = [this](int b, int s, float x, float y) { Genefinctl_MouseMove(b, s, x, y); };
    Genefinctl.onMouseUp = [this](int b, int s, float x, float y) { Genefinctl_MouseUp(b, s, x, y); };
    Timergenefin.onTimer = [this] { Timergenefin_Timer(); };

    RCtl.onMouseDown([this](int i, int b, int s, float x, float y) { RCtl_MouseDown(i, b, s, x, y); });
    RCtl.onMouseMove([this](int i, int b, int s, float x, float y) { RCtl_MouseMove(i, b, s, x, y); });
    RCtl.onMouseUp([this](int i, int b, int s, float x, float y) { RCtl_MouseUp(i, b, s, x, y); });
    TimerR.onTimer = [this] { TimerR_Timer(); };

    Cctl.onMouseDown([this](int i, int b, int s, float x, float y) { Cctl_MouseDown(i, b, s, x, y); });
    Cctl.onMouseMove([this](int i, int b, int s, float x, float y) { Cctl_MouseMove(i, b, s, x, y); });
    Cctl.onMouseUp([this](int i, int b, int s, float x, float y) { Cctl_MouseUp(i, b, s, x, y); });
    TimerC.onTimer = [this] { TimerC_Timer(); };
    FlecheD.onClick = [this] { FlecheD_Click(); };
    FlecheG.onClick = [this] { FlecheG_Click(); };
    FlecheD.onMouseMove = [this](int b, int s, float x, float y) { FlecheD_MouseMove(b, s, x, y); };
    FlecheG.onMouseMove = [this](int b, int s, float x, float y) { FlecheG_MouseMove(b, s, x, y); };
}

frmMain& Chargedecharge::frame() const {
    return app().window<frmMain>("frmMain");
}

rt::PictureRef Chargedecharge::pointer(int n) const {
    return {&frame().Imapoint, n};
}

rt::PictureRef Chargedecharge::menuArt(int n) const {
    return {&frame().ImaMenu, n};
}

char Chargedecharge::decimal() const {
    return app().decimalSeparator();
}

bool Chargedecharge::shortCircuit() const {
    return code.Egene > 0 && code.Rdec == 0 && code.Cdec == 0;
}

// The ohm sign follows the resistance text, which has just sized itself to its caption.
void Chargedecharge::placeOmega() {
    Omega.setLeft(ValR.Left() + ValR.Width());
}
