#include "engine/Code.h"

namespace engine {

void Code::registerVariables(rt::Variables& v) const {
    v.add("Egene", Egene);
    v.add("Rdec", Rdec);
    v.add("Cdec", Cdec);
    v.add("TempsDiv", TempsDiv);
    v.add("VoltDiv1", VoltDiv1);
    v.add("VoltDiv2", VoltDiv2);
    v.add("PosY1", PosY1);
    v.add("PosY2", PosY2);
    v.add("PosX", PosX);
    v.add("SigneY2", SigneY2);
    v.add("ModeCH1", ModeCH1);
    v.add("ModeCH2", ModeCH2);
    v.add("ModeDual", ModeDual);
    v.add("ModeXY", ModeXY);
    v.add("MasseY1", MasseY1);
    v.add("MasseY2", MasseY2);
    v.add("ModeStor", ModeStor);
    v.add("PretStor", PretStor);
    v.add("Memorise", Memorise);
    v.add("PenteTrig", PenteTrig);
    v.add("NivFocus", NivFocus);
    v.add("NivIntens", NivIntens);
    v.addArray("Couleur", Couleur, 0);
    v.add("Branche1", Branche1);
    v.add("Branche2", Branche2);
    v.add("InterCharge", InterCharge);
    v.add("Decharge", Decharge);
    v.add("Tcharge", Tcharge);
    v.add("EntreeY1", EntreeY1);
    v.add("EntreeY2", EntreeY2);
    v.add("NiveauY1", NiveauY1);
    v.add("NiveauY2", NiveauY2);
    v.add("PasSpot", PasSpot);
    v.add("CourantY1", CourantY1);
    v.add("CourantY2", CourantY2);
    v.add("PasY1", PasY1);
    v.add("PasY2", PasY2);
    v.add("CibleY1", CibleY1);
    v.add("CibleY2", CibleY2);
    v.add("DepartY1", DepartY1);
    v.add("DepartY2", DepartY2);
}

}  // namespace engine
