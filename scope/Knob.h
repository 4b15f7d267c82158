#pragma once
// A press-and-hold knob of the oscilloscope panel. Every knob works the same way: a press left
// of its middle turns it anticlockwise, at or right of the middle clockwise; its repeat timer
// makes one step per tick, the first one interval after the press; the release stops it. The
// knobs differ only in data (which controls, which pictures, how the picture index moves, which
// quantity moves with it and what follows a step or the release), gathered in a KnobData.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "runtime/Flag.h"
#include "runtime/PictureControl.h"
#include "runtime/Timer.h"

namespace scope {

// How a knob's picture index moves: `step` per step inside low..high; an endless knob wraps
// from one end to the other, a bounded one stops at its ends.
struct KnobTurn {
    int16_t low = 1;
    int16_t high = 1;
    int16_t step = 1;
    bool endless = false;
};

// The new picture index after one step in direction `dir` (-1 anticlockwise, +1 clockwise),
// or nothing when a bounded knob stands at (or beyond) the end it turns towards.
std::optional<int16_t> turnedIndex(int16_t index, int dir, const KnobTurn& turn);

// A quantity that moves with the picture (a position offset, an intensity level): its own
// limits stop the knob too. `clockwise` is its change for one clockwise step.
struct KnobLinked {
    int16_t* value = nullptr;
    int16_t low = 0;
    int16_t high = 0;
    int16_t clockwise = 1;
};

struct KnobData {
    std::string name;                    // the knob's hit control, for diagnostics
    rt::Control* hit = nullptr;          // receives press, hover and release
    rt::PictureControl* face = nullptr;  // shows picture `index` of `pictures`
    const rt::PictureList* pictures = nullptr;
    rt::Timer* timer = nullptr;  // the repeat timer
    int16_t* index = nullptr;    // the picture index variable of the window
    KnobTurn turn;
    KnobLinked linked;                // optional (value null: none)
    std::function<void()> afterStep;  // every tick, whether the knob moved or not
    std::function<void()> atRelease;  // after the repeat timer has stopped
};

class Knob {
public:
    // `rotGauche` is the window's one direction flag, shared by all its knobs; `cursors` the
    // cursor list (picture 3 turns down, picture 4 turns up).
    Knob(KnobData data, rt::Flag& rotGauche, const rt::PictureList& cursors);

    void press(float x);  // x: the pointer inside the hit control, in its event units
    void hover(float x);
    void release();
    void step();  // one tick of the repeat timer

    const KnobData& data() const { return data_; }

private:
    float half() const { return data_.hit->Width() / 2.0f; }

    KnobData data_;
    rt::Flag& rotGauche_;
    const rt::PictureList& cursors_;
};

}  // namespace scope
