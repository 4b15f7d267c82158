#pragma once
// Pointer input and waits as a person gives them: events in window twips, through the same
// hit-testing and capture as the real window's, on the virtual clock. Each event is also written
// as scenario lines (`move`, `down`, `up`, `click`, `dblclick`, `wait` on the control the pointer
// reaches, in its event units), so a run can be replayed by the scenario runner.

#include <cstdint>
#include <string>
#include <vector>

class Program;

namespace rt {
class Control;
class VirtualClock;
class Window;
}  // namespace rt

namespace fuzz {

struct Event {
    enum class Kind : uint8_t { Move, Press, Release, Click, DblClick, Wait };
    Kind kind = Kind::Wait;
    double x = 0, y = 0;  // window twips of the shown instrument window
    int button = 0;       // the button pressed or released; on a move the set held
    int shift = 0;
    int ms = 0;  // a wait
};

// An event at a spot of a control, given in its event units (the schematic's 100 x 100) when
// `units`, else as fractions of its width and height; in the window twips of its window.
Event spotOn(Program& p, const char* window, const char* control, int index, double fx, double fy,
             bool units = false);

// The instrument window shown now (the bench or the oscilloscope); nullptr if none is.
rt::Window* shownWindow(Program& p);

class Driver {
public:
    Driver(Program& program, rt::VirtualClock& clock) : program_(program), clock_(clock) {}

    // Delivers the event and appends its scenario lines.
    void apply(const Event& e);

    const std::vector<std::string>& lines() const { return lines_; }
    // Drops the lines written so far (a long run keeps no reproduction of its past).
    void clearLines() { lines_.clear(); }
    // False once an event had an effect that no scenario line expresses (a Click or DblClick
    // that does not come with its press and release at one spot), or a spot the runner would
    // refuse.
    bool exact() const { return exact_; }

private:
    struct Atom {
        enum class Kind : uint8_t { Move, Down, Up, Click, DblClick };
        Kind kind;
        rt::Control* control;
        float x = 0, y = 0;
        int button = 0, shift = 0;
        bool reachable = true;  // as the runner checks a line before it runs it
    };
    void press(rt::Window& w, const Event& e, bool doubleClick, std::vector<Atom>& out);
    void release(rt::Window& w, const Event& e, std::vector<Atom>& out);
    void move(rt::Window& w, const Event& e, std::vector<Atom>& out);
    Atom aimed(Atom::Kind k, rt::Control& c, double x, double y, int button, int shift);
    void write(const std::vector<Atom>& atoms, bool asClick, bool asDblClick);
    std::string line(const Atom& a, const char* command = nullptr);

    Program& program_;
    rt::VirtualClock& clock_;
    std::vector<std::string> lines_;
    bool exact_ = true;
    bool pressWasDouble_ = false;
};

}  // namespace fuzz
