#include "tools/fuzz/Soak.h"

#include <malloc.h>

#include <fstream>
#include <string>

#include "runtime/qt/WindowImage.h"
#include "view/PictureCache.h"
#include "scope/Oscillo.h"
#include "tools/fuzz/Driver.h"
#include "tools/fuzz/Invariants.h"
#include "tools/scenario/QtSeams.h"
#include "tools/scenario/Session.h"

namespace fuzz {
namespace {

struct Census {
    size_t controls = 0, elements = 0, timers = 0, pictures = 0;
    long rssKb = 0;
    bool operator==(const Census& o) const {
        return controls == o.controls && elements == o.elements && timers == o.timers &&
               pictures == o.pictures;
    }
};

// Resident memory once the allocator has handed back what it holds free: what is left is what the
// program keeps, not when the allocator last chose to trim its heaps (which varies with the
// threads that painted the first pictures).
long residentKb() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

Census census(Program& p) {
    Census c;
    for (const rt::Window* w : p.app().windows()) {
        for (const rt::Control* k : w->allControls()) {
            ++c.controls;
            if (k->index() >= 0) ++c.elements;
            if (k->kind() == rt::Control::Kind::Timer && static_cast<const rt::Timer*>(k)->Enabled())
                ++c.timers;
        }
    }
    c.pictures = rtqt::sharedPictureCache().size();
    c.rssKb = residentKb();
    return c;
}

std::ostream& operator<<(std::ostream& o, const Census& c) {
    return o << c.controls << " controls, " << c.elements << " array elements, " << c.timers << " timers on, "
             << c.pictures << " cached pictures, " << c.rssKb << " kB resident";
}

class Run {
public:
    Run() : s_(host_, '.'), d_(s_.program(), s_.clock()) {}
    Program& program() { return s_.program(); }
    Oscillo& scope() { return program().app().window<Oscillo>("Oscillo"); }

    void click(const char* window, const char* control, int index = -1) {
        act(spotOn(program(), window, control, index, 0.5, 0.5), Event::Kind::Click);
    }
    void onSchematic(double x, double y) {
        act(spotOn(program(), "Oscillo", "schema", -1, x, y, true), Event::Kind::Click);
    }
    // Holds a knob pressed at a quarter in from its left or right edge for `ms`.
    void hold(const char* window, const char* control, int index, bool up, int ms) {
        const Event at = spotOn(program(), window, control, index, up ? 0.75 : 0.25, 0.5);
        act(at, Event::Kind::Press);
        wait(ms);
        act(at, Event::Kind::Release);
    }
    void move(const char* window, const char* control) {
        Event e = spotOn(program(), window, control, -1, 0.5, 0.5);
        e.kind = Event::Kind::Move;
        d_.apply(e);
    }
    void wait(int ms) { act({}, Event::Kind::Wait, ms); }
    // The driver's record of the events is the harness's, not the program's: kept from growing.
    void forgetEvents() { d_.clearLines(); }

private:
    void act(Event e, Event::Kind k, int ms = 0) {
        e.kind = k;
        e.button = 1;
        e.ms = ms;
        d_.apply(e);
    }
    const scenario::QtHost host_;
    scenario::Session s_;
    Driver d_;
};

// 5 V, 100 kohm and 10 uF (ramps of 4.6 s), the oscilloscope on at 20 ms/div, CH1 across the
// capacitor and CH2 at D on DC, the schematic open.
void setUp(Run& r) {
    r.click("Chargedecharge", "powerctl");
    r.hold("Chargedecharge", "genectl", -1, true, 1050);
    r.hold("Chargedecharge", "RCtl", 1, true, 2050);
    r.hold("Chargedecharge", "Cctl", 3, true, 250);
    r.click("Chargedecharge", "Oscilloaffich");
    r.click("Oscillo", "Powerclick");
    r.hold("Oscillo", "Tdivcontrol", -1, false, 850);
    r.click("Oscillo", "R1");
    r.onSchematic(53.5, 51.5);
    r.click("Oscillo", "R2");
    r.onSchematic(53.5, 10.5);
    r.click("Oscillo", "N1");
    r.onSchematic(53.5, 92.5);
    r.click("Oscillo", "CloseSh");
    for (const char* ch : {"1", "2"}) {  // the slider taken at GND, carried to DC, let go
        r.click("Oscillo", ch[0] == '1' ? "GND1" : "GND2");
        r.move("Oscillo", ch[0] == '1' ? "DCV1" : "DCV2");
        r.click("Oscillo", ch[0] == '1' ? "DCV1" : "DCV2");
    }
    r.click("Oscillo", "Dual");
}

// One minute: charge and discharge ramps under the running spot, then a recording and its removal.
// The screen is painted once, so the picture cache sees every picture shown.
void minute(Run& r, long& recordings) {
    r.click("Oscillo", "Schemvisi");
    r.onSchematic(45, 4);
    r.wait(20000);
    r.onSchematic(62, 4);
    r.wait(20000);
    r.click("Oscillo", "CloseSh");
    r.click("Oscillo", "Stor");
    r.click("Oscillo", "Reset");
    r.click("Oscillo", "Schemvisi");
    r.onSchematic(45, 4);
    recordings += r.scope().faisceau1.Count() > 1;
    r.wait(10000);
    rtqt::renderWindow(r.scope());
    r.click("Oscillo", "CloseSh");
    r.click("Oscillo", "Stor");
    r.wait(10000);
    r.forgetEvents();
}

}  // namespace

bool soak(int hours, std::ostream& log) {
    Run r;
    setUp(r);
    long recordings = 0;
    Census first;
    for (int m = 0; m < hours * 60; ++m) {
        minute(r, recordings);

        const std::vector<std::string> broken = brokenInvariants(r.program());
        if (!broken.empty()) {
            log << "minute " << m + 1 << ": " << broken.front() << " does not hold\n";
            return false;
        }
        if (m + 1 == 60) {
            first = census(r.program());
            log << "after 1 h: " << first << std::endl;
        }
    }
    const Census last = census(r.program());
    log << "after " << hours << " h: " << last << "; " << recordings << " recordings, Timer7 every "
        << r.scope().Timer7.Interval().count() << " ms" << std::endl;
    // Resident memory may settle by a few pages; a kilobyte kept a minute would show as 1.4 MB.
    const bool ok = last == first && last.rssKb <= first.rssKb + 512 && recordings == hours * 60 &&
                    r.scope().Timer7.Interval().count() == 10;
    if (!ok) log << "the program grew, or did not run as planned" << std::endl;
    return ok;
}

}  // namespace fuzz
