// The mouse commands: each checks that a real pointer could reach the spot, then delivers the
// events to the control's handlers with X, Y exactly as written (in its event units).

#include "runtime/Container.h"
#include "runtime/MouseRouter.h"
#include "tools/scenario/Commands.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/Session.h"
#include "tools/scenario/ValueText.h"

namespace scenario {
namespace {

using Words = std::vector<Word>;

// The control's extent in the units its handlers receive: its user scale when it has one
// (whose left and top edges may carry values), else its size in twips from its corner.
struct EventBox {
    double left = 0, top = 0, width = 0, height = 0;
};

EventBox eventBox(const rt::Control& c) {
    if (c.kind() == rt::Control::Kind::Container || c.kind() == rt::Control::Kind::Window) {
        if (const auto& s = static_cast<const rt::Container&>(c).scale())
            return {s->left, s->top, s->width, s->height};
    }
    const rt::RectF r = c.windowRect();
    return {0, 0, r.w, r.h};
}

float coordinate(const Word& w) {
    auto v = w.quoted ? std::nullopt : readSingle(w.text);
    if (!v) throw LineError("'" + w.text + "' is not a coordinate");
    return *v;
}

int smallInt(const Word& w, const char* what, bool (*allowed)(int64_t)) {
    auto v = w.quoted ? std::nullopt : readInteger(w.text);
    if (!v || !allowed(*v)) throw LineError("'" + w.text + "' is not " + what);
    return static_cast<int>(*v);
}

// Where a hold presses, as a fraction of the width: left of the middle turns a knob down.
std::optional<double> holdFraction(const Word& w) {
    if (w.quoted) return std::nullopt;
    if (w.text == "left") return 0.25;
    if (w.text == "right") return 0.75;
    if (w.text == "middle") return 0.5;
    return std::nullopt;
}

bool pressButton(int64_t b) {
    return b == 1 || b == 2 || b == 4;
}
bool buttonSet(int64_t b) {
    return b >= 0 && b <= 7;
}

// Throws unless an event at (x, y) can reach `c`. The control holding the pointer after a
// press gets the moves and the release wherever the pointer is, as a real pointer gives them.
void checkReachable(CommandContext& ctx, const std::string& cmd, const rt::Control& c, float x, float y) {
    if (ctx.session.app().mouse().captured() == &c) return;
    const std::string why = rt::unreachableReason(c, x, y);
    if (!why.empty())
        throw LineError(cmd + " " + c.fullName() + " at " + rt::shortestSingle(x) + ", " +
                        rt::shortestSingle(y) + ": " + why);
}

// move/down/up CONTROL X Y [BUTTON [SHIFT]]
void pointEvent(CommandContext& ctx, const Words& w) {
    const std::string& cmd = w[0].text;
    if (w.size() < 4 || w.size() > 6) throw LineError("usage: " + cmd + " CONTROL X Y [BUTTON [SHIFT]]");
    rt::Control& c = ctx.session.names().control(nameWord(w[1]));
    const float x = coordinate(w[2]), y = coordinate(w[3]);
    const bool isMove = cmd == "move";
    const int button = w.size() > 4
                           ? smallInt(w[4], isMove ? "a set of buttons (0 to 7)" : "a button (1, 2 or 4)",
                                      isMove ? buttonSet : pressButton)
                           : (isMove ? 0 : 1);
    const int shift = w.size() > 5 ? smallInt(w[5], "a shift state (0 to 7)", buttonSet) : 0;
    checkReachable(ctx, cmd, c, x, y);
    rt::MouseRouter& mouse = ctx.session.app().mouse();
    if (isMove)
        mouse.moveTo(c, button, shift, x, y);
    else if (cmd == "down")
        mouse.down(c, button, shift, x, y);
    else
        mouse.up(c, button, shift, x, y);
}

// click/dblclick CONTROL [X Y], at the control's centre by default.
void clickEvent(CommandContext& ctx, const Words& w) {
    const std::string& cmd = w[0].text;
    if (w.size() != 2 && w.size() != 4) throw LineError("usage: " + cmd + " CONTROL [X Y]");
    rt::Control& c = ctx.session.names().control(nameWord(w[1]));
    float x, y;
    if (w.size() == 4) {
        x = coordinate(w[2]);
        y = coordinate(w[3]);
    } else {
        const EventBox b = eventBox(c);
        x = static_cast<float>(b.left + b.width / 2);
        y = static_cast<float>(b.top + b.height / 2);
    }
    checkReachable(ctx, cmd, c, x, y);
    rt::MouseRouter& mouse = ctx.session.app().mouse();
    mouse.down(c, 1, 0, x, y);
    mouse.up(c, 1, 0, x, y);
    mouse.click(c);
    if (cmd == "dblclick") {
        mouse.dblClick(c);
        mouse.up(c, 1, 0, x, y);
    }
}

// hold CONTROL left|right|middle MS [BUTTON]: a press a quarter in from the left or right
// edge, or exactly in the middle, at mid-height; the clock runs MS; the release on the spot.
void holdEvent(CommandContext& ctx, const Words& w) {
    if (w.size() < 4 || w.size() > 5) throw LineError("usage: hold CONTROL left|right|middle MS [BUTTON]");
    rt::Control& c = ctx.session.names().control(nameWord(w[1]));
    const std::optional<double> fraction = holdFraction(w[2]);
    if (!fraction) throw LineError("'" + w[2].text + "' is not left, right or middle");
    const std::chrono::milliseconds ms = readMilliseconds(w[3]);
    const int button = w.size() > 4 ? smallInt(w[4], "a button (1, 2 or 4)", pressButton) : 1;
    const EventBox b = eventBox(c);
    const auto x = static_cast<float>(b.left + b.width * *fraction);
    const auto y = static_cast<float>(b.top + b.height / 2);
    checkReachable(ctx, "hold", c, x, y);
    rt::MouseRouter& mouse = ctx.session.app().mouse();
    mouse.down(c, button, 0, x, y);
    ctx.session.clock().advance(ms);
    mouse.up(c, button, 0, x, y);
}

}  // namespace

bool runMouseCommand(CommandContext& ctx, const Words& w) {
    const std::string& cmd = w[0].text;
    if (cmd == "move" || cmd == "down" || cmd == "up")
        pointEvent(ctx, w);
    else if (cmd == "click" || cmd == "dblclick")
        clickEvent(ctx, w);
    else if (cmd == "hold")
        holdEvent(ctx, w);
    else
        return false;
    return true;
}

}  // namespace scenario
