// The arithmetic of the trace computation, as tables: what each wiring measures, where it ends,
// which way it first moves, the settling time, the storage step and the connection strings.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/TraceTables.h"

using engine::Wiring;

namespace {

struct WiringCase {
    Wiring wiring;
    bool discharge;
    double at0;     // u(0) with E = 5, s = 1
    double atEnd;   // u once w has decayed to 0
    double final;   // the transient's end value
    bool rising;    // first edge
};

// Charge: the capacitor and the switched branch rise to E, the resistor's voltage jumps to E and
// decays, the reversed capacitor voltage falls to -E. Discharge: everything returns to 0, the
// resistor's voltage jumping to -E first.
const WiringCase kCases[] = {
    {Wiring::AB, false, 0, 5, 5, true},   {Wiring::BA, false, 0, -5, -5, false},
    {Wiring::DA, false, 5, 0, 0, true},   {Wiring::DB, false, 5, 5, 5, true},
    {Wiring::AB, true, 5, 0, 0, false},   {Wiring::BA, true, -5, 0, 0, true},
    {Wiring::DA, true, -5, 0, 0, false},  {Wiring::DB, true, 0, 0, 0, false},
};

}  // namespace

TEST(TraceTables, EachWiringStartsEndsAndFirstMovesAsTheCircuitDoes) {
    for (const WiringCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "wiring " << static_cast<int>(c.wiring) << " discharge " << c.discharge);
        EXPECT_DOUBLE_EQ(engine::measured(c.wiring, c.discharge, 1, 5, 1.0), c.at0);
        EXPECT_DOUBLE_EQ(engine::measured(c.wiring, c.discharge, 1, 5, 0.0), c.atEnd);
        EXPECT_DOUBLE_EQ(engine::finalValue(c.wiring, c.discharge, 1, 5), c.final);
        EXPECT_EQ(engine::risingFirstEdge(c.wiring, c.discharge), c.rising);
    }
}

TEST(TraceTables, InvertedChannelMirrorsEveryVoltageButNotTheEdge) {
    // CH2 INVERT flips what is drawn; the trigger still sees the circuit's own direction, so the
    // edge functions take no sign at all.
    for (const WiringCase& c : kCases) {
        for (double w : {1.0, 0.5, 0.0}) {
            EXPECT_DOUBLE_EQ(engine::measured(c.wiring, c.discharge, -1, 5, w),
                             -engine::measured(c.wiring, c.discharge, 1, 5, w));
        }
        EXPECT_DOUBLE_EQ(engine::finalValue(c.wiring, c.discharge, -1, 5), -c.final);
    }
}

TEST(TraceTables, AMeasurementOutsideTheFourWiringsIsNothing) {
    EXPECT_EQ(engine::wiringOf("off"), Wiring::None);
    EXPECT_EQ(engine::wiringOf(""), Wiring::None);
    EXPECT_EQ(engine::wiringOf("ab"), Wiring::None);
    EXPECT_EQ(engine::wiringOf("DA"), Wiring::DA);
    EXPECT_DOUBLE_EQ(engine::measured(Wiring::None, false, 1, 5, 0.3), 0.0);
}

TEST(TraceTables, CapacitorVoltageAtOneTimeConstantIs63Percent) {
    const double RC = 0.001;  // 1 kohm, 1 uF: 1 ms
    const double w = engine::decay(1.0, RC);
    EXPECT_NEAR(engine::measured(Wiring::AB, false, 1, 5, w), 5 * (1 - std::exp(-1.0)), 1e-12);
    EXPECT_NEAR(engine::measured(Wiring::AB, false, 1, 5, w), 3.1606, 1e-4);
}

TEST(TraceTables, SettlingTimeIsLn100TimesTheTimeConstant) {
    // 1 kohm and 1 uF settle in 4.6 ms (no ramp); 10 kohm and 1000 uF in 46 s (a ramp).
    EXPECT_NEAR(engine::chargeTime(5, 1000 * 0.000001), 4.60517, 1e-5);
    EXPECT_NEAR(engine::chargeTime(5, 10000 * 0.001), 46051.7, 0.05);
    // Independent of E: the logarithms cancel.
    EXPECT_NEAR(engine::chargeTime(0.1, 0.01), engine::chargeTime(15, 0.01), 1e-9);
    // The ramp threshold of 100 ms lies at RC of about 21.7 ms.
    EXPECT_LT(engine::chargeTime(5, 0.0217), 100);
    EXPECT_GT(engine::chargeTime(5, 0.0218), 100);
}

TEST(TraceTables, StorageStepIsAHundredthOfADivisionForEveryTimeBase) {
    const double bases[] = {200, 100, 50, 20, 10, 5, 2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001, 0.0005};
    for (double d : bases) EXPECT_NEAR(engine::storageStep(d), d / 100, d * 1e-12) << d;
    // Looked up by exact value: anything else has no step.
    EXPECT_EQ(engine::storageStep(3), 0.0);
    EXPECT_EQ(engine::storageStep(0.1 + 0.2), 0.0);
}

TEST(ConnectionStrings, ProbePointThenGroundPoint) {
    // Points: 0 none, 1 D, 2 A, 3 B.
    EXPECT_EQ(engine::connectionString(1, 3, ""), "DB");
    EXPECT_EQ(engine::connectionString(1, 2, ""), "DA");
    EXPECT_EQ(engine::connectionString(2, 3, ""), "AB");
    EXPECT_EQ(engine::connectionString(3, 2, ""), "BA");
}

TEST(ConnectionStrings, NothingMeasuredWithoutBothLeads) {
    EXPECT_EQ(engine::connectionString(0, 3, "AB"), "off");
    EXPECT_EQ(engine::connectionString(2, 0, "AB"), "off");
    EXPECT_EQ(engine::connectionString(0, 0, ""), "off");
}

TEST(ConnectionStrings, ProbeOnTheGroundPointMeasuresNothing) {
    // A lead dropped at A and the ground placed on A: the voltage between a point and itself.
    EXPECT_EQ(engine::connectionString(2, 2, "AB"), "off");
    EXPECT_EQ(engine::connectionString(3, 3, "BA"), "off");
}
