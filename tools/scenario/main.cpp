// vorlinde-scenario [--snapshots DIR] [--] FILE...
// Runs scenario files against the simulator headless, on a virtual clock (FILE - is stdin).

#include <QGuiApplication>
#include <string>
#include <vector>

#include "tools/scenario/QtSeams.h"
#include "tools/scenario/RunnerMain.h"

int main(int argc, char** argv) {
    // Snapshots and font metrics need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);

    std::vector<std::string> args;
    const QStringList list = QCoreApplication::arguments();
    for (qsizetype i = 1; i < list.size(); ++i) args.push_back(list[i].toStdString());
    const scenario::QtHost host;
    return scenario::runCommandLine(host, args);
}
