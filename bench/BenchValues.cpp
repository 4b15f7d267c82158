#include "bench/BenchValues.h"

#include "runtime/NumberFormat.h"

namespace bench {

float generatorVoltage(int16_t EntierE, int16_t DixiemesE) {
    const double volts = DixiemesE / 10.0 + EntierE;
    return static_cast<float>(volts);
}

std::string voltageCaption(float ValeurE, char sep) {
    return rt::formatSingle(ValeurE, sep) + " V";
}

int32_t resistanceOhms(const std::array<int32_t, 4>& CranR) {
    return 10000 * (CranR[0] - 1) + 1000 * (CranR[1] - 1) + 100 * (CranR[2] - 1) + 10 * (CranR[3] - 1);
}

std::string resistanceCaption(int32_t ohms, char sep) {
    if (ohms >= 10000) return rt::formatDouble(ohms / 1000.0, sep) + " k";
    return rt::formatDouble(ohms, sep) + " ";
}

double capacitanceMicrofarads(const std::array<int16_t, 6>& CranC) {
    const auto whole = static_cast<int16_t>(1000 * (CranC[0] - 1) + 100 * (CranC[1] - 1) +
                                            10 * (CranC[2] - 1) + (CranC[3] - 1));
    double c = 0.1 * (CranC[4] - 1);
    c = c + whole;
    c = c + 0.01 * (CranC[5] - 1);
    return c;
}

std::string capacitanceCaption(double uf, char sep) {
    if (uf >= 10000) return rt::formatDouble(uf / 1000, sep) + " mF";
    if (uf > 0 && uf < 1) return rt::formatDouble(uf * 1000, sep) + " nF";
    return rt::formatDouble(uf, sep) + " µF";
}

}  // namespace bench
