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

Knob::Knob(KnobData data, rt::Flag& rotGauche, const rt::PictureList& cursors)
    : data_(std::move(data)), rotGauche_(rotGauche), cursors_(cursors) {}

void Knob::press(float x) {
    // The middle itself belongs to the right half: it turns the knob up.
    rotGauche_ = rt::flag(half() > x);
    data_.timer->setEnabled(true);
}

void Knob::hover(float x) {
    data_.hit->setMousePointer({&cursors_, x < half() ? kCursorTurnDown : kCursorTurnUp});
}

void Knob::release() {
    data_.timer->setEnabled(false);
    if (data_.atRelease) data_.atRelease();
}

void Knob::step() {
    const int dir = rotGauche_ ? -1 : 1;
    std::optional<int16_t> next = turnedIndex(*data_.index, dir, data_.turn);
    int linkedNext = 0;
    if (next && data_.linked.value) {
        linkedNext = *data_.linked.value + dir * data_.linked.clockwise;
        if (linkedNext < data_.linked.low || linkedNext > data_.linked.high) next.reset();
    }
    if (next) {
        *data_.index = *next;
        data_.face->setPicture(*data_.pictures, *next);
        if (data_.linked.value) *data_.linked.value = static_cast<int16_t>(linkedNext);
    }
    if (data_.afterStep) data_.afterStep();
}

}  // namespace scope
