#pragma once
// The commands of a scenario line, run against one file's session.

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/scenario/Tokenizer.h"

namespace scenario {

class Session;

// The expects that held and those that did not.
struct Tally {
    int passed = 0;
    int failed = 0;
};

struct CommandContext {
    Session& session;
    std::ostream& out;
    std::string where;  // "FILE:LINE", for FAIL lines
    Tally& tally;
    std::optional<std::filesystem::path> snapshotDir;
};

// Runs one non-empty line. Throws LineError when it cannot be run.
void runCommand(CommandContext& ctx, const std::vector<Word>& words);

// The mouse commands (move, down, up, click, dblclick, hold); false when `words` is not one.
bool runMouseCommand(CommandContext& ctx, const std::vector<Word>& words);

// A name word: unquoted. Throws LineError otherwise.
const std::string& nameWord(const Word& w);
// A whole, non-negative number of milliseconds. Throws LineError otherwise.
std::chrono::milliseconds readMilliseconds(const Word& w);

}  // namespace scenario
