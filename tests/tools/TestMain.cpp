// One offscreen GUI application for the whole run: the runner's text measurer and snapshots
// use the real fonts and painting.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "tests/tools/TestHost.h"
#include "tools/scenario/QtSeams.h"

const scenario::Host& testHost() {
    static const scenario::QtHost host;
    return host;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
