// vorlinde-scenario [--snapshots DIR] [--] FILE...
// Runs scenario files against the simulator headless, on a virtual clock (FILE - is stdin).

#include <QGuiApplication>
#include <fstream>
#include <iostream>
#include <vector>

#include "tools/scenario/QtSeams.h"
#include "tools/scenario/Runner.h"

namespace {

int usage() {
    std::cerr << "usage: vorlinde-scenario [--snapshots DIR] [--] FILE...   (FILE - reads standard input)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Snapshots and font metrics need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);

    std::optional<std::filesystem::path> snapshots;
    std::vector<std::string> files;
    const QStringList args = QCoreApplication::arguments();
    bool options = true;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const std::string a = args[i].toStdString();
        if (!options) {
            files.push_back(a);
        } else if (a == "--") {
            options = false;
        } else if (a == "--snapshots") {
            if (++i >= args.size()) return usage();
            snapshots = args[i].toStdString();
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return usage();
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) return usage();
    if (snapshots) {
        std::error_code ec;
        std::filesystem::create_directories(*snapshots, ec);
    }

    scenario::Runner runner(std::cout, scenario::systemDecimalSeparator(), snapshots);
    for (const std::string& f : files) {
        if (f == "-") {
            runner.run(f, std::cin);
            continue;
        }
        std::ifstream in(f);
        if (!in)
            runner.reportUnreadable(f);
        else
            runner.run(f, in);
    }
    std::cout << runner.closingLine() << std::endl;
    return runner.exitStatus();
}
