// vorlinde-scenario.js [--snapshots DIR] [--] FILE...   (run by node)
// The scenario runner of the browser edition: the same command line, output and exit status
// as the desktop's.

#include <string>
#include <vector>

#include "tools/scenario/RunnerMain.h"
#include "tools/scenario/WebHost.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const scenario::WebHost host;
    return scenario::runCommandLine(host, args);
}
