#pragma once
// Runs scenario files, each in a fresh program, and keeps the tally for the closing line:
// expects that held, and expects that did not plus every error.

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "tools/scenario/Commands.h"
#include "tools/scenario/Host.h"

namespace scenario {

class Runner {
public:
    // `decimalSeparator` is the environment's, used until a file's `locale` line; `host`
    // outlives the runner.
    Runner(std::ostream& out, const Host& host, char decimalSeparator,
           std::optional<std::filesystem::path> snapshotDir = {});

    // Runs the lines of `in`; `label` names the file in FAIL and ERROR lines.
    void run(const std::string& label, std::istream& in);
    // A file that could not be opened.
    void reportUnreadable(const std::string& label);

    int passed() const { return tally_.passed; }
    // Failed expects plus errors.
    int failed() const { return tally_.failed + errors_; }
    // 0 all held, 1 an expect failed, 2 a line could not be run.
    int exitStatus() const { return errors_ ? 2 : (tally_.failed ? 1 : 0); }
    // "N passed, M failed"
    std::string closingLine() const;

private:
    void error(const std::string& where, const std::string& message);

    std::ostream& out_;
    const Host& host_;
    char decimal_;
    std::optional<std::filesystem::path> snapshotDir_;
    Tally tally_;
    int errors_ = 0;
};

}  // namespace scenario
