#include "tools/scenario/Commands.h"

#include <map>

#include "runtime/Window.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/ValueText.h"

namespace scenario {
namespace {

using Words = std::vector<Word>;

void needArgs(const Words& w, size_t min, size_t max, const char* usage) {
    const size_t n = w.size() - 1;
    if (n < min || n > max) throw LineError(std::string("usage: ") + usage);
}

void cmdLocale(CommandContext& ctx, const Words& w) {
    needArgs(w, 1, 1, "locale NAME");
    auto sep = ctx.session.host().localeDecimalSeparator(w[1].text);
    if (!sep) throw LineError("unknown locale '" + w[1].text + "'");
    ctx.session.app().setDecimalSeparator(*sep);
}

void cmdWait(CommandContext& ctx, const Words& w) {
    needArgs(w, 1, 1, "wait MS");
    ctx.session.clock().advance(readMilliseconds(w[1]));
}

void cmdPrint(CommandContext& ctx, const Words& w) {
    needArgs(w, 1, SIZE_MAX, "print NAME...");
    // Every name is read before anything is printed, so a bad name prints nothing.
    std::vector<std::string> lines;
    for (size_t i = 1; i < w.size(); ++i)
        lines.push_back(w[i].text + " = " + ctx.session.names().value(nameWord(w[i])).text());
    for (auto& l : lines) ctx.out << l << '\n';
}

void cmdExpect(CommandContext& ctx, const Words& w) {
    needArgs(w, 2, 3, "expect NAME VALUE [~TOL]");
    const std::string& name = nameWord(w[1]);
    std::optional<double> tol;
    if (w.size() == 4) tol = parseTolerance(w[3]);
    const rt::Value actual = ctx.session.names().value(name);
    if (tol && !actual.isNumeric())
        throw LineError("a tolerance applies to numbers only; " + name + " is not one");
    const ExpectedValue expected = parseExpected(w[2], actual, tol.has_value());
    if (matches(actual, expected, tol)) {
        ++ctx.tally.passed;
        return;
    }
    ++ctx.tally.failed;
    ctx.out << "FAIL " << ctx.where << ": " << name << " expected " << expected.text << ", got "
            << actual.text() << '\n';
}

// One line of a dump: the control's full name, then Property=VALUE for each of its properties.
std::string dumpLine(const rt::Control& c, const std::string& prefix) {
    std::string line = prefix + c.fullName();
    for (const std::string& p : c.propertyNames()) {
        rt::Value v;
        if (c.property(p, v)) line += " " + p + "=" + v.text();
    }
    return line;
}

void cmdDump(CommandContext& ctx, const Words& w) {
    needArgs(w, 1, 1, "dump WINDOW");
    const rt::Window& win = ctx.session.names().window(nameWord(w[1]));
    ctx.out << dumpLine(win, "") << '\n';
    for (const rt::Control* c : win.allControls()) ctx.out << dumpLine(*c, win.name() + ".") << '\n';
}

void cmdSnapshot(CommandContext& ctx, const Words& w) {
    needArgs(w, 2, 2, "snapshot WINDOW FILE");
    const rt::Window& win = ctx.session.names().window(nameWord(w[1]));
    std::filesystem::path path = w[2].text;
    if (ctx.snapshotDir) path = *ctx.snapshotDir / path;
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    std::string error;
    if (!ctx.session.host().saveSnapshot(win, path.string(), error)) throw LineError("snapshot " + win.name() + ": " + error);
}

void cmdEcho(CommandContext& ctx, const Words& w) {
    for (size_t i = 1; i < w.size(); ++i) ctx.out << (i > 1 ? " " : "") << w[i].text;
    ctx.out << '\n';
}

using Handler = void (*)(CommandContext&, const Words&);
const std::map<std::string, Handler>& commands() {
    static const std::map<std::string, Handler> table = {
        {"locale", cmdLocale}, {"wait", cmdWait}, {"print", cmdPrint},       {"expect", cmdExpect},
        {"dump", cmdDump},     {"echo", cmdEcho}, {"snapshot", cmdSnapshot},
    };
    return table;
}

}  // namespace

std::chrono::milliseconds readMilliseconds(const Word& w) {
    auto ms = w.quoted ? std::nullopt : readInteger(w.text);
    if (!ms || *ms < 0) throw LineError("'" + w.text + "' is not a number of milliseconds");
    return std::chrono::milliseconds(*ms);
}

const std::string& nameWord(const Word& w) {
    if (w.quoted) throw LineError("\"" + w.text + "\" is a string, not a name");
    return w.text;
}

void runCommand(CommandContext& ctx, const Words& words) {
    const Word& cmd = words.front();
    if (!cmd.quoted) {
        auto it = commands().find(cmd.text);
        if (it != commands().end()) return it->second(ctx, words);
        if (runMouseCommand(ctx, words)) return;
    }
    throw LineError("unknown command '" + cmd.text + "'");
}

}  // namespace scenario
