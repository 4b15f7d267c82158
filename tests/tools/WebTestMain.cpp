// The runner's parts under node, with the browser edition's host.

#include <gtest/gtest.h>

#include "tests/tools/TestHost.h"
#include "tools/scenario/WebHost.h"

const scenario::Host& testHost() {
    static const scenario::WebHost host;
    return host;
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
