// The program: the model of the practical shown in a Qt main frame, ticking in real time.
// It takes no command line and reads no files.

#include "runtime/qt/RunProgram.h"

int main(int argc, char** argv) {
    return rtqt::runProgram(argc, argv);
}
