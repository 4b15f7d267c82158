// The window as it stands before its load: what the form designer fixes (sizes of the hit
// areas and the spot shapes, hidden elements, label fonts). The load then places everything.

#include "engine/SpotPlace.h"
#include "scope/Oscillo.h"

namespace {

constexpr rt::Color kTeal = rt::Color::rgb(0, 127, 127);
constexpr rt::Color kGreen = rt::Color::rgb(0, 255, 0);

void designSpot(rt::Shape& spot) {
    spot.setForm(rt::Shape::Form::Circle);
    spot.setFilled(true);
    spot.setFillColor(kGreen);
    spot.setBorderColor(kGreen);
    spot.setBorderWidth(2);
    // Screen units: a circle one unit across (the largest that fits) in a box three high, its
    // centre kSpotCentre below the top, so a dot placed at y - kSpotCentre sits on y; its left is
    // the curve's x.
    spot.move(0, 0, 1, static_cast<float>(2 * engine::kSpotCentre));
    spot.setVisible(false);
}

void designLine(rt::Line& line) {
    line.setBorderColor(kGreen);
    line.setBorderWidth(1);
    line.setVisible(false);
}

void designLabel(rt::Label& label, const rt::Font& font, float left, float top) {
    label.setFont(font);
    label.setForeColor(rt::Color::rgb(0, 0, 0));
    label.setTransparent(true);
    label.setAutoSize(true);
    label.move(left, top);
}

}  // namespace

void Oscillo::designLayout() {
    FondEcran.move(660, 645, 5900, 4490);
    FondEcran.setBackColor(kTeal);
    Axefond.move(120, 90);
    Ecran.move(120, 90, 5600, 4250);
    Ecran.setBackColor(kTeal);
    Ecran.setScale(100, 80, 0, -40);
    for (rt::Line* l : {&Ten1, &Ten2, &Ten1mes, &Ten2mes}) designLine(*l);
    for (auto* a : {&faisceau1, &faisceau2, &XY}) designSpot((*a)(0));

    Powerclick.move(1020, 5745, 345, 360);
    SV1control.move(7575, 2925, 855, 855);
    SV2control.move(9750, 2925, 855, 855);
    Tdivcontrol.move(8670, 5475, 850, 850);
    R1.move(6885, 6285, 450, 450);
    N1.move(7650, 6270, 450, 450);
    R2.move(10185, 6285, 450, 450);
    N2.move(10965, 6270, 450, 450);
    for (rt::PictureControl* f : {&filR1, &FilN1, &filR2, &filN2}) f->setVisible(false);

    schemaboite.move(6825, 375, 4530, 5505);
    // A pop-up box on the panel: a raised grey frame around the title strip and the drawing.
    schemaboite.setBackColor(rt::Color::rgb(192, 192, 192));
    schemaboite.setBorder(true);
    schemaboite.setVisible(false);
    CloseSh.move(4150, 40, 255, 225);
    schema.move(30, 300, 4410, 5130);
    schema.setScale(100, 100);
    // The same lettering as the bench's schematic: the ohm sign is the Symbol font's W.
    const rt::Font values{"Arial", 9.0f, true};
    designLabel(ValR, values, 60, 27.5f);
    designLabel(ValC, values, 60, 70.3f);
    designLabel(Vle, rt::Font{"Arial", 9.75f, true}, 33, 45.5f);
    designLabel(Omega, rt::Font{"Symbol", 9.75f, true}, 0, 27.3f);
    Omega.setCaption("W");
    for (rt::PictureControl* b : {&bY1, &bY2, &bmasse}) b->setVisible(false);

    // The strip keeps its designed area; its background picture is a little smaller and is
    // drawn from the top-left corner.
    menu.setAutoSize(false);
    menu.move(0, 7550, 11820, 735);
}
