#include "tools/scenario/RunnerMain.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "tools/scenario/Runner.h"

namespace scenario {
namespace {

int usage() {
    std::cerr << "usage: vorlinde-scenario [--snapshots DIR] [--] FILE...   (FILE - reads standard input)\n";
    return 2;
}

}  // namespace

int runCommandLine(const Host& host, const std::vector<std::string>& args) {
    std::optional<std::filesystem::path> snapshots;
    std::vector<std::string> files;
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options) {
            files.push_back(a);
        } else if (a == "--") {
            options = false;
        } else if (a == "--snapshots") {
            if (++i >= args.size()) return usage();
            snapshots = args[i];
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

    Runner runner(std::cout, host, host.systemDecimalSeparator(), snapshots);
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

}  // namespace scenario
