#include "engine/TraceTables.h"

#include <array>
#include <cmath>
#include <cstddef>

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
// The storage step (ms) of each time base of kTimeBases, in the same order, written out as the
// decimal values they are: a time base divided by 100 would not always give the same double.
constexpr std::array<double, 18> kStorageSteps{2,     1,      0.5,     0.2,     0.1,     0.05,
                                               0.02,  0.01,   0.005,   0.002,   0.001,   0.0005,
                                               0.0002, 0.0001, 0.00005, 0.00002, 0.00001, 0.000005};
}  // namespace

double storageStep(double TempsDiv) {
    for (std::size_t i = 0; i < kTimeBases.size(); ++i)
        if (TempsDiv == kTimeBases[i]) return kStorageSteps[i];
    return 0.0;
}

// A screen is 10 divisions of 10 units. The steps double as the time base halves, so the spot's
// speed follows the knob, but it is not the time base's real rate: the spot timer ticks every
// 20 ms (10 ms at 20 ms/div), and 4 units per 20 ms at 200 ms/div is 4 times the 10 units per
// 200 ms of a real sweep; so are 8 and 16 at 100 and 50, and 19 per 10 ms at 20 ms/div is 3.8
// times. The spot shows a sweep running; a recorded trace, not the spot, is read against time.
int16_t spotStep(double TempsDiv) {
    if (TempsDiv == 200) return 4;
    if (TempsDiv == 100) return 8;
    if (TempsDiv == 50) return 16;
    if (TempsDiv == 20) return 19;
    return 0;
}

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
