// The instruments' arithmetic as the student sees it: decade sums (a 32-bit integer sum for R,
// a double sum in a fixed order for C whose residues are kept), the captions with their unit
// texts, and the generator's voltage stored in single precision.
#include <gtest/gtest.h>

#include <array>

#include "bench/BenchValues.h"

namespace {

// Knob positions 0..10 to picture numbers 1..11, as the window keeps them.
std::array<int32_t, 4> resistorKnobs(int a, int b, int c, int d) {
    return {a + 1, b + 1, c + 1, d + 1};
}
std::array<int16_t, 6> capacitorKnobs(int a, int b, int c, int d, int e, int f) {
    return {static_cast<int16_t>(a + 1), static_cast<int16_t>(b + 1), static_cast<int16_t>(c + 1),
            static_cast<int16_t>(d + 1), static_cast<int16_t>(e + 1), static_cast<int16_t>(f + 1)};
}

TEST(ResistorBox, SumsAndCaptions) {
    struct Case {
        std::array<int32_t, 4> knobs;
        int32_t ohms;
        const char* caption;
    };
    const Case cases[] = {
        {resistorKnobs(0, 0, 0, 0), 0, "0 "},          {resistorKnobs(0, 0, 0, 1), 10, "10 "},
        {resistorKnobs(0, 9, 9, 9), 9990, "9990 "},    {resistorKnobs(1, 0, 0, 0), 10000, "10 k"},
        {resistorKnobs(0, 10, 0, 0), 10000, "10 k"},  // the same value dialled another way
        {resistorKnobs(1, 2, 3, 4), 12340, "12,34 k"}, {resistorKnobs(0, 0, 0, 10), 100, "100 "},
        {resistorKnobs(0, 0, 1, 0), 100, "100 "},      {resistorKnobs(10, 10, 10, 10), 111100, "111,1 k"},
        {resistorKnobs(0, 5, 0, 0), 5000, "5000 "},
    };
    for (const auto& c : cases) {
        const int32_t r = bench::resistanceOhms(c.knobs);
        EXPECT_EQ(r, c.ohms);
        EXPECT_EQ(bench::resistanceCaption(r, ','), c.caption) << r;
    }
}

TEST(CapacitorBox, SumsAndCaptions) {
    struct Case {
        std::array<int16_t, 6> knobs;
        double microfarads;  // exact double expected, residues included
        const char* caption;
    };
    const Case cases[] = {
        {capacitorKnobs(0, 0, 0, 0, 0, 0), 0, "0 µF"},
        {capacitorKnobs(0, 0, 0, 0, 0, 1), 0.01, "10 nF"},
        {capacitorKnobs(0, 0, 0, 0, 1, 0), 0.1, "100 nF"},
        {capacitorKnobs(0, 0, 0, 0, 1, 1), 0.1 + 0.01, "110 nF"},
        {capacitorKnobs(0, 0, 0, 0, 3, 0), 0.30000000000000004, "300 nF"},
        {capacitorKnobs(0, 0, 0, 0, 3, 7), 0.30000000000000004 + 0.07, "370 nF"},
        {capacitorKnobs(0, 0, 0, 0, 10, 0), 1, "1 µF"},
        {capacitorKnobs(0, 0, 0, 1, 5, 0), 1.5, "1,5 µF"},
        {capacitorKnobs(0, 0, 0, 1, 10, 0), 2, "2 µF"},
        {capacitorKnobs(9, 9, 9, 9, 9, 9), 0.9 + 9999 + 0.09, "9999,99 µF"},
        {capacitorKnobs(10, 0, 0, 0, 0, 0), 10000, "10 mF"},
        {capacitorKnobs(10, 10, 10, 10, 10, 10), 1.0 + 11110 + 0.1, "11,1111 mF"},
        {capacitorKnobs(0, 0, 1, 0, 0, 0), 10, "10 µF"},
    };
    for (const auto& c : cases) {
        const double uf = bench::capacitanceMicrofarads(c.knobs);
        EXPECT_EQ(uf, c.microfarads);
        EXPECT_EQ(bench::capacitanceCaption(uf, ','), c.caption) << uf;
    }
}

TEST(CapacitorBox, SumOrderIsTenthsThenWholeThenHundredths) {
    // 0.1 x 3 is 0.30000000000000004 in double; adding in another order would lose the residue.
    EXPECT_EQ(bench::capacitanceMicrofarads(capacitorKnobs(0, 0, 0, 0, 3, 0)), 0.30000000000000004);
    EXPECT_NE(bench::capacitanceMicrofarads(capacitorKnobs(0, 0, 0, 0, 3, 0)), 0.3);
    // (0.1 + 1) + 0.03 and (0.1 + 0.03) + 1 differ in their last bit.
    EXPECT_EQ(bench::capacitanceMicrofarads(capacitorKnobs(0, 0, 0, 1, 1, 3)), 1.1300000000000001);
    EXPECT_EQ(bench::capacitanceMicrofarads(capacitorKnobs(0, 0, 0, 5, 1, 1)), 5.109999999999999);
    EXPECT_EQ(bench::capacitanceCaption(5.109999999999999, ','), "5,11 µF");
}

TEST(Generator, VoltageIsComputedInDoubleAndStoredInSingle) {
    EXPECT_EQ(bench::generatorVoltage(5, 3), 5.3f);
    EXPECT_EQ(static_cast<double>(bench::generatorVoltage(5, 3)), 5.300000190734863);
    EXPECT_EQ(bench::generatorVoltage(0, 0), 0.0f);
    EXPECT_EQ(bench::generatorVoltage(15, 0), 15.0f);
    EXPECT_EQ(bench::generatorVoltage(14, 9), 14.9f);
    EXPECT_EQ(bench::voltageCaption(bench::generatorVoltage(5, 3), ','), "5,3 V");
    EXPECT_EQ(bench::voltageCaption(bench::generatorVoltage(0, 7), ','), "0,7 V");
    EXPECT_EQ(bench::voltageCaption(bench::generatorVoltage(12, 0), ','), "12 V");
    EXPECT_EQ(bench::voltageCaption(0, ','), "0 V");
}

}  // namespace
