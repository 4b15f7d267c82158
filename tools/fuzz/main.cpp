// vorlinde-fuzz [EVENTS [SEED]] [--out FILE]    or    vorlinde-fuzz --soak HOURS
// Random pointer input and waits against the simulator, headless on a virtual clock, with the
// invariants checked after every event. On a broken invariant: prints the seed and the shrunk
// events as a scenario, writes it to FILE (default fuzz-failure.scn) and exits 1.

#include <QGuiApplication>
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>

#include "tools/fuzz/Fuzzer.h"
#include "tools/fuzz/Soak.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    long events = 100000;
    uint64_t seed = std::random_device{}();
    std::string out = "fuzz-failure.scn";
    const QStringList args = QCoreApplication::arguments();
    int positional = 0;
    if (args.size() == 3 && args[1] == "--soak") {  // the long run, in hours of virtual time
        const auto start = std::chrono::steady_clock::now();
        const bool ok = fuzz::soak(args[2].toInt(), std::cout);
        std::cout << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << " s\n"
                  << (ok ? "1 passed, 0 failed" : "0 passed, 1 failed") << std::endl;
        return ok ? 0 : 1;
    }
    for (qsizetype i = 1; i < args.size(); ++i) {
        bool ok = true;
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i].toStdString();
        else if (positional == 0 && ++positional)
            events = args[i].toLong(&ok);
        else if (positional == 1 && ++positional)
            seed = args[i].toULongLong(&ok);
        else
            ok = false;
        if (!ok || events < 0) {
            std::cerr << "usage: vorlinde-fuzz [EVENTS [SEED]] [--out FILE]\n";
            return 2;
        }
    }
    std::cout << "vorlinde-fuzz: " << events << " events, seed " << seed << std::endl;
    const auto start = std::chrono::steady_clock::now();
    const fuzz::Campaign c = fuzz::runCampaign(seed, events, std::cout);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << c.events << " events in " << c.sessions << " sessions (" << c.scopeOn
              << " ended with the oscilloscope on, " << c.recordings << " recorded a trace), " << secs << " s"
              << std::endl;
    if (!c.failure) {
        std::cout << "1 passed, 0 failed" << std::endl;
        return 0;
    }
    const fuzz::Failure& f = *c.failure;
    const std::string text = fuzz::scenarioText(f);
    std::ofstream(out) << text;
    std::cout << "FAIL campaign seed " << seed << ", session seed " << f.seed << ": " << f.invariant << "\n"
              << "shrunk to " << f.events.size() << " events, written to " << out << " (the scenario runner "
              << (f.reproduced ? "reproduces it" : "does NOT reproduce it") << "):\n"
              << text << "0 passed, 1 failed" << std::endl;
    return 1;
}
