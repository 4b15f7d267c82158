// The connection strings: what each channel measures, from the recorded points of its probe and
// of the ground lead.

#include "engine/TraceTables.h"
#include "scope/Oscillo.h"

void Oscillo::CalculBranches() {
    code.Branche1 = engine::connectionString(PointY1, PointMasse, code.Branche1);
    code.Branche2 = engine::connectionString(PointY2, PointMasse, code.Branche2);
    // A probe on the ground lead's own point measures the voltage between a point and itself:
    // nothing. Its levels fall to 0 at once (and a running ramp cannot raise them again).
    bool changed = false;
    if (PointY1 != 0 && PointY1 == PointMasse) {
        signal_.setLevel(1, 0);
        changed = true;
    }
    if (PointY2 != 0 && PointY2 == PointMasse) {
        signal_.setLevel(2, 0);
        changed = true;
    }
    if (changed && PowerOn) AfficheEcran();
}
