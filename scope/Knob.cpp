#include "scope/Knob.h"

#include <algorithm>

namespace scope {

namespace {
constexpr int kCursorTurnDown = 3;
constexpr int kCursorTurnUp = 4;
}  // namespace

std::optional<int16_t> turnedIndex(int16_t index, int dir, const KnobTurn& turn) {
    const int next = index + dir * turn.step;
    if (turn.endless) {
        const int span = turn.high - turn.low + 1;
        const int wrapped = ((next - turn.low) % span + span) % span + turn.low;
        return static_cast<int16_t>(wrapped);
    }
    if (dir < 0 ? index <= turn.low : index >= turn.high) return std::nullopt;
    return static_cast<int16_t>(std::clamp<int>(next, turn.low, turn.high));
}

Knob::Knob(KnobSpec spec, rt::Flag& rotGauche, const rt::PictureList& cursors)
    : spec_(std::move(spec)), rotGauche_(rotGauche), cursors_(cursors) {}

void Knob::press(float x) {
    // The middle itself belongs to the right half: it turns the knob up.
    rotGauche_ = rt::flag(half() > x);
    spec_.timer->setEnabled(true);
}

void Knob::hover(float x) {
    spec_.hit->setMousePointer({&cursors_, x < half() ? kCursorTurnDown : kCursorTurnUp});
}

void Knob::release() {
    spec_.timer->setEnabled(false);
    if (spec_.atRelease) spec_.atRelease();
}

void Knob::step() {
    const int dir = rotGauche_ ? -1 : 1;
    std::optional<int16_t> next = turnedIndex(*spec_.index, dir, spec_.turn);
    int linkedNext = 0;
    if (next && spec_.linked.value) {
        linkedNext = *spec_.linked.value + dir * spec_.linked.clockwise;
        if (linkedNext < spec_.linked.low || linkedNext > spec_.linked.high) next.reset();
    }
    if (next) {
        *spec_.index = *next;
        spec_.face->setPicture(*spec_.pictures, *next);
        if (spec_.linked.value) *spec_.linked.value = static_cast<int16_t>(linkedNext);
    }
    if (spec_.afterStep) spec_.afterStep();
}

}  // namespace scope
