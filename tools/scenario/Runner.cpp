#include "tools/scenario/Runner.h"

#include <memory>

#include "tools/scenario/LineError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/Tokenizer.h"

namespace scenario {

Runner::Runner(std::ostream& out, const Host& host, char decimalSeparator,
               std::optional<std::filesystem::path> snapshotDir)
    : out_(out), host_(host), decimal_(decimalSeparator), snapshotDir_(std::move(snapshotDir)) {}

void Runner::error(const std::string& where, const std::string& message) {
    ++errors_;
    out_ << "ERROR " << where << ": " << message << '\n';
}

void Runner::reportUnreadable(const std::string& label) {
    error(label + ":0", "cannot read the file");
}

void Runner::run(const std::string& label, std::istream& in) {
    std::unique_ptr<Session> session;
    try {
        session = std::make_unique<Session>(host_, decimal_);
    } catch (const std::exception& e) {
        error(label + ":0", std::string("the program did not start: ") + e.what());
        return;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // an editor's byte-order mark
        const std::string where = label + ":" + std::to_string(number);
        try {
            const std::vector<Word> words = tokenize(line);
            if (words.empty()) continue;
            CommandContext ctx{*session, out_, where, tally_, snapshotDir_};
            runCommand(ctx, words);
        } catch (const LineError& e) {
            error(where, e.what());
            return;
        } catch (const std::exception& e) {
            // The program itself failed on this line; the line could not be run to its end.
            error(where, std::string("the program failed: ") + e.what());
            return;
        }
        out_.flush();
    }
}

std::string Runner::closingLine() const {
    return std::to_string(passed()) + " passed, " + std::to_string(failed()) + " failed";
}

}  // namespace scenario
