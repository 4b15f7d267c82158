#pragma once
// Which presses are double-clicks, decided as the desktop's toolkit decides: the second press
// of the same button less than 400 ms after the first and less than 5 pixels from it each way;
// the press after a double-click starts a new pair. The browser's own dblclick event is not
// used: the model needs the second press flagged as it comes, from a finger or a pen too.

namespace rtweb {

class DoubleClick {
public:
    static constexpr double kIntervalMs = 400;
    static constexpr double kDistancePx = 5;

    // A press of `button` at (x, y) CSS pixels at `timeMs`: true when it is a double-click.
    bool press(int button, double x, double y, double timeMs);
    // The pointer left, was cancelled or the page lost focus: the next press is a first one.
    void reset() { last_ = {}; }

private:
    struct Press {
        bool valid = false;
        int button = 0;
        double x = 0, y = 0, timeMs = 0;
    };
    Press last_;
};

}  // namespace rtweb
