#include "tools/fuzz/Fuzzer.h"

#include <chrono>
#include <sstream>

#include "scope/Oscillo.h"
#include "tools/fuzz/Generator.h"
#include "tools/fuzz/Invariants.h"
#include "tools/scenario/Commands.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/QtSeams.h"
#include "tools/scenario/Session.h"

namespace fuzz {
namespace {

// Headless programs use the point: the invariants do not read captions.
constexpr char kDecimal = '.';
// Labels size with the real fonts, as on screen.
const scenario::QtHost kHost;

// The session's seed from the campaign's.
uint64_t sessionSeed(uint64_t seed, long n) {
    uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(n + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::optional<std::string> firstBroken(Program& p) {
    const std::vector<std::string> broken = brokenInvariants(p);
    if (broken.empty()) return std::nullopt;
    return broken.front();
}

struct Replay {
    bool breaks = false;
    std::vector<std::string> lines;
    bool exact = true;
};

// Replays events in a fresh program; stops at the first event after which `invariant` is broken.
Replay replay(const std::vector<Event>& events, const std::string& invariant) {
    scenario::Session s(kHost, kDecimal);
    Driver d(s.program(), s.clock());
    Replay r;
    for (const Event& e : events) {
        d.apply(e);
        for (const std::string& b : brokenInvariants(s.program()))
            if (b == invariant) r.breaks = true;
        if (r.breaks) break;
    }
    r.lines = d.lines();
    r.exact = d.exact();
    return r;
}

// Whether the scenario runner, given the lines, leaves the program with `invariant` broken.
bool runnerBreaks(const std::vector<std::string>& lines, const std::string& invariant) {
    scenario::Session s(kHost, kDecimal);
    std::ostringstream out;
    scenario::Tally tally;
    try {
        for (const std::string& l : lines) {
            scenario::CommandContext ctx{s, out, "fuzz", tally, std::nullopt};
            const auto words = scenario::tokenize(l);
            if (!words.empty()) scenario::runCommand(ctx, words);
        }
    } catch (const std::exception&) {
        return false;
    }
    for (const std::string& b : brokenInvariants(s.program()))
        if (b == invariant) return true;
    return false;
}

// Delta debugging: removes chunks of events, then single events, while the invariant still
// breaks and every event still has its scenario line.
std::vector<Event> shrink(std::vector<Event> events, const std::string& invariant, bool needExact) {
    auto keeps = [&](const std::vector<Event>& v) {
        const Replay r = replay(v, invariant);
        return r.breaks && (r.exact || !needExact);
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    size_t chunks = 2;
    while (events.size() >= 2 && std::chrono::steady_clock::now() < deadline) {
        const size_t size = (events.size() + chunks - 1) / chunks;
        bool removed = false;
        for (size_t start = 0; start < events.size(); start += size) {
            std::vector<Event> rest(events.begin(), events.begin() + static_cast<long>(start));
            rest.insert(rest.end(), events.begin() + static_cast<long>(std::min(start + size, events.size())),
                        events.end());
            if (keeps(rest)) {
                events = std::move(rest);
                chunks = std::max<size_t>(chunks - 1, 2);
                removed = true;
                break;
            }
        }
        if (!removed) {
            if (size == 1) break;
            chunks = std::min(chunks * 2, events.size());
        }
    }
    // Shorter waits where they do as well.
    for (Event& e : events) {
        while (e.kind == Event::Kind::Wait && e.ms > 0) {
            Event was = e;
            e.ms /= 2;
            if (!keeps(events)) {
                e = was;
                break;
            }
        }
    }
    return events;
}

// Events as the scenario language writes them where they do as well: the left button without
// shift, a release where its press was, a click for a double-click.
std::vector<Event> simplify(std::vector<Event> events, const std::string& invariant) {
    const Event* lastPress = nullptr;
    for (size_t i = 0; i < events.size(); ++i) {
        Event& e = events[i];
        std::vector<Event> tries;
        Event t = e;
        if (e.kind == Event::Kind::DblClick) {
            t.kind = Event::Kind::Click;
            tries.push_back(t);
        }
        if ((e.kind == Event::Kind::Press || e.kind == Event::Kind::Release) &&
            (e.button != 1 || e.shift != 0)) {
            t.button = 1;
            t.shift = 0;
            tries.push_back(t);
        }
        if (e.kind == Event::Kind::Release && lastPress && (e.x != lastPress->x || e.y != lastPress->y)) {
            t.x = lastPress->x;
            t.y = lastPress->y;
            tries.push_back(t);
        }
        if (e.kind == Event::Kind::Move && e.shift != 0) {
            t.shift = 0;
            tries.push_back(t);
        }
        for (const Event& x : tries) {
            const Event was = e;
            e = x;
            if (!replay(events, invariant).breaks) e = was;
        }
        if (e.kind == Event::Kind::Press) lastPress = &events[i];
    }
    return events;
}

Failure report(uint64_t seed, const std::vector<Event>& events, const std::string& invariant) {
    Failure f{seed, invariant, {}, {}, true, false};
    f.events = shrink(events, invariant, replay(events, invariant).exact);
    f.events = simplify(f.events, invariant);
    if (replay(f.events, invariant).exact) f.events = shrink(f.events, invariant, true);
    const Replay r = replay(f.events, invariant);
    f.lines = r.lines;
    f.exact = r.exact;
    f.reproduced = runnerBreaks(f.lines, invariant);
    return f;
}

}  // namespace

Campaign runCampaign(uint64_t seed, long events, std::ostream& log) {
    Campaign c;
    while (c.events < events) {
        const uint64_t s = sessionSeed(seed, c.sessions++);
        Generator gen(s);
        scenario::Session session(kHost, kDecimal);
        Program& p = session.program();
        Driver d(p, session.clock());
        std::vector<Event> done;
        std::optional<std::string> broken;
        bool recorded = false;
        auto apply = [&](const Event& e) {
            if (broken) return;
            d.apply(e);
            done.push_back(e);
            ++c.events;
            broken = firstBroken(p);
            if (const auto* o = static_cast<const Oscillo*>(p.app().existing("Oscillo")))
                recorded = recorded || o->faisceau1.Count() + o->faisceau2.Count() > 2;
        };
        broken = firstBroken(p);  // the start itself
        if (gen.readyToRecordShare()) gen.readyToRecord(p, apply);
        const long length = gen.sessionLength();
        for (long i = 0; i < length && !broken; ++i) apply(gen.next(p));
        if (const auto* o = static_cast<const Oscillo*>(p.app().existing("Oscillo"))) {
            c.scopeOn += o->PowerOn != 0;
            c.recordings += recorded;
        }
        if (broken) {
            log << "invariant broken: " << *broken << " (seed " << s << ", after " << done.size()
                << " events); shrinking..." << std::endl;
            c.failure = report(s, done, *broken);
            return c;
        }
    }
    return c;
}

std::string scenarioText(const Failure& f) {
    std::ostringstream t;
    t << "# Found by vorlinde-fuzz, session seed " << f.seed << ": after the last line, this does not hold:\n"
      << "#   " << f.invariant << "\n";
    if (!f.exact) t << "# (some events have no scenario line; see the comments)\n";
    for (const std::string& l : f.lines) t << l << '\n';
    t << "print " << invariantShows(f.invariant) << '\n';
    return t.str();
}

}  // namespace fuzz
