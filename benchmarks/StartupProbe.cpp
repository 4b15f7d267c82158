// The real program, started as `vorlinde` starts, that prints the moment (wall clock,
// nanoseconds since the epoch) at which its first instrument window has been painted, and
// ends there. benchmarks/startup.sh takes the moment before the launch from it.

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "runtime/qt/RunProgram.h"

int main(int argc, char** argv) {
    return rtqt::runProgram(argc, argv, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
