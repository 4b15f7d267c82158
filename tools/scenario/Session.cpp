#include "tools/scenario/Session.h"

namespace scenario {

Session::Session(const Host& host, char decimalSeparator)
    : host_(host),
      text_(host.makeTextMeasurer()), program_(std::make_unique<Program>(clock_, *text_)), names_(*program_) {
    app().setScreenSize(1920, 1080);
    app().setDecimalSeparator(decimalSeparator);
    program_->Main();
}

// The program goes first: its windows' timers stop on the clock that outlives them.
Session::~Session() {
    program_.reset();
}

}  // namespace scenario
