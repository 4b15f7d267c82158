#include "engine/TraceTables.h"

#include <array>
#include <cmath>
#include <utility>

namespace engine {

Wiring wiringOf(const std::string& b) {
    if (b == "DB") return Wiring::DB;
    if (b == "DA") return Wiring::DA;
    if (b == "AB") return Wiring::AB;
    if (b == "BA") return Wiring::BA;
    return Wiring::None;
}

double chargeTime(double E, double RC) { return (std::log(E) - std::log(0.01 * E)) * RC * 1000; }

double decay(double t, double RC) { return std::exp(-t / (1000 * RC)); }

double measured(Wiring wiring, bool discharge, int s, double E, double w) {
    switch (wiring) {
        case Wiring::AB: return discharge ? s * E * w : s * E * (1 - w);
        case Wiring::BA: return discharge ? -s * E * w : -s * E * (1 - w);
        case Wiring::DA: return discharge ? -s * E * w : s * E * w;
        case Wiring::DB: return discharge ? 0.0 : s * E;
        case Wiring::None: break;
    }
    return 0.0;
}

double finalValue(Wiring wiring, bool discharge, int s, double E) {
    if (discharge) return 0.0;
    switch (wiring) {
        case Wiring::AB:
        case Wiring::DB: return s * E;
        case Wiring::BA: return -s * E;
        case Wiring::DA:
        case Wiring::None: break;
    }
    return 0.0;
}

bool risingFirstEdge(Wiring wiring, bool discharge) {
    // Charge: everything rises but the reversed capacitor voltage; discharge: the reverse.
    const bool risesOnCharge = wiring != Wiring::BA;
    return discharge ? !risesOnCharge : risesOnCharge;
}

namespace {
// Time base (ms/div) and storage step (ms), written out as the decimal values they are.
constexpr std::array<std::pair<double, double>, 18> kSteps{{
    {200, 2},        {100, 1},         {50, 0.5},         {20, 0.2},          {10, 0.1},          {5, 0.05},
    {2, 0.02},       {1, 0.01},        {0.5, 0.005},      {0.2, 0.002},       {0.1, 0.001},       {0.05, 0.0005},
    {0.02, 0.0002},  {0.01, 0.0001},   {0.005, 0.00005},  {0.002, 0.00002},   {0.001, 0.00001},   {0.0005, 0.000005},
}};
}  // namespace

double storageStep(double TempsDiv) {
    for (auto [div, step] : kSteps)
        if (TempsDiv == div) return step;
    return 0.0;
}

int16_t spotStep(double TempsDiv) {
    if (TempsDiv == 200) return 4;
    if (TempsDiv == 100) return 8;
    if (TempsDiv == 50) return 16;
    if (TempsDiv == 20) return 19;
    return 0;
}

int spotInterval(double TempsDiv) { return TempsDiv == 20 ? 10 : 20; }

std::string connectionString(int16_t probe, int16_t ground, const std::string& previous) {
    if (probe == 0 || ground == 0) return "off";
    if (probe == ground) return "off";
    if (probe == 1 && ground == 3) return "DB";
    if (probe == 1 && ground == 2) return "DA";
    if (probe == 2 && ground == 3) return "AB";
    if (probe == 3 && ground == 2) return "BA";
    return previous;
}

}  // namespace engine
