// The recorded curves checked against an independent transient analysis of the same circuit
// by an external circuit simulator (ngspice, batch mode). Every dot's voltage, read back from
// its place on the screen, must lie within 1e-4 of E of the simulated voltage at the dot's time.
// Skipped when the simulator is not installed.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ScreenFixture.h"

namespace {

struct Sample {
    double t, v;
};

bool simulatorInstalled() { return std::system("command -v ngspice > /dev/null 2>&1") == 0; }

// Runs a transient of the circuit over `stopMs` and returns the listed node voltages by time.
// `circuit` holds the elements; the capacitor carries its initial voltage.
std::vector<Sample> simulate(const std::string& name, const std::string& circuit, const std::string& probe,
                             double stopMs) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / ("vorlinde-" + name);
    fs::create_directories(dir);
    const fs::path netlist = dir / "circuit.cir";
    const fs::path out = dir / "out.txt";
    {
        std::ofstream f(netlist);
        f << "* " << name << "\n"
          << circuit << ".options reltol=1e-7 abstol=1e-15 vntol=1e-10 chgtol=1e-18\n"
          << ".tran 1u " << stopMs << "m 0 1u uic\n"
          << ".control\nrun\nset wr_singlescale\nwrdata " << out.string() << " " << probe << "\n.endc\n.end\n";
    }
    fs::remove(out);
    // The batch run's exit status is not reliable across versions: its output file tells.
    const std::string cmd = "ngspice -b " + netlist.string() + " > " + (dir / "log.txt").string() + " 2>&1";
    if (std::system(cmd.c_str()) == -1) return {};
    std::vector<Sample> samples;
    std::ifstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        Sample s{};
        if (ls >> s.t >> s.v) samples.push_back({s.t * 1000, s.v});  // seconds to ms
    }
    return samples;
}

// The simulated voltage at t (ms), linearly between the simulator's points.
double at(const std::vector<Sample>& samples, double t) {
    size_t i = 1;
    while (i + 1 < samples.size() && samples[i].t < t) ++i;
    const Sample& a = samples[i - 1];
    const Sample& b = samples[i];
    if (b.t == a.t) return b.v;
    return a.v + (b.v - a.v) * (t - a.t) / (b.t - a.t);
}

}  // namespace

class CircuitSimulatorTest : public EngineTest {
protected:
    void SetUp() override {
        if (!simulatorInstalled()) GTEST_SKIP() << "ngspice is not installed";
    }

    // Compares every dot of one channel (its numbers first..last) with the simulation.
    void compare(const rt::ControlArray<rt::Shape>& dots, int first, int last, double vdiv, int16_t pos,
                 const std::vector<Sample>& sim) {
        ASSERT_GT(sim.size(), 100u) << "no simulation output";
        for (int k = first; k <= last; ++k) {
            const rt::Shape& dot = dots(k);
            const double t = (dot.Left() - code.PosX) * code.TempsDiv / 10;
            const double u = -(dot.Top() + 1.5 - pos) * vdiv / 10;
            ASSERT_NEAR(u, at(sim, t), 1e-4 * code.Egene) << "dot " << k << " at t = " << t << " ms";
        }
    }
};

TEST_F(CircuitSimulatorTest, RecordedChargeFollowsTheSimulatedCircuit) {
    // Both voltages of the charge on one sweep: the capacitor (CH1, "AB") and the resistor
    // (CH2, "DA"), at 1 ms/div with 1 kohm and 1 uF.
    arm();
    code.ModeDual = code.ModeCH2 = rt::True;
    code.Branche1 = "AB";
    code.Branche2 = "DA";
    code.VoltDiv2 = 2;
    code.PosY2 = 10;
    charge();
    ASSERT_EQ(w.faisceau1.createdCount(), 1001);
    ASSERT_EQ(w.faisceau2.createdCount(), 1001);
    const std::string circuit =
        "V1 d 0 DC 5\n"
        "R1 d a 1k\n"
        "C1 a 0 1u IC=0\n";
    compare(w.faisceau1, 1, 1001, code.VoltDiv1, code.PosY1, simulate("charge-ab", circuit, "v(a)", 10));
    compare(w.faisceau2, 1002, 2002, code.VoltDiv2, code.PosY2, simulate("charge-da", circuit, "v(d,a)", 10));
}

TEST_F(CircuitSimulatorTest, RecordedDischargeFollowsTheSimulatedCircuit) {
    // The capacitor charged to E discharges through R once D is joined to B; at 0.5 ms/div on a
    // 2.2 kohm, 0.47 uF circuit (a time constant of about a division).
    arm();
    code.PenteTrig = rt::True;
    code.Branche1 = "AB";
    code.Rdec = 2200;
    code.Cdec = 0.00000047;
    code.TempsDiv = 0.5;
    code.VoltDiv1 = 0.5;
    code.PosY1 = 20;
    code.PosX = -4;
    discharge();
    ASSERT_EQ(w.faisceau1.createdCount(), 1001);
    const std::string circuit =
        "R1 a 0 2.2k\n"
        "C1 a 0 0.47u IC=5\n";
    compare(w.faisceau1, 1, 1001, code.VoltDiv1, code.PosY1, simulate("discharge-ab", circuit, "v(a)", 5));
}
