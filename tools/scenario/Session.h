#pragma once
// One scenario file's program: a fresh virtual clock at 0 ms, the host's text measurer, the
// program on a 1920 x 1080 screen with the environment's decimal separator, started as it starts.

#include <memory>

#include "runtime/TextMeasurer.h"
#include "runtime/VirtualClock.h"
#include "shell/Program.h"
#include "tools/scenario/Host.h"
#include "tools/scenario/NameResolver.h"

namespace scenario {

class Session {
public:
    // `decimalSeparator` is the one of the environment's locale; `host` outlives the session.
    Session(const Host& host, char decimalSeparator);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    rt::VirtualClock& clock() { return clock_; }
    Program& program() { return *program_; }
    rt::Application& app() { return program_->app(); }
    const NameResolver& names() const { return names_; }
    const Host& host() const { return host_; }

private:
    const Host& host_;
    rt::VirtualClock clock_;
    std::unique_ptr<rt::TextMeasurer> text_;
    std::unique_ptr<Program> program_;
    NameResolver names_;
};

}  // namespace scenario
