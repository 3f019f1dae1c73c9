// Internal to the balance search: the pivot, the moments about it and the walk that moves it
// forwards 0.01 mm per pass.
#pragma once

namespace kesta::balance {

constexpr double kStep = 0.01; // mm per move of the pivot

struct Pivot {
    double a; // from the rear end (mm)
    double b; // from the front end (mm)
};

// Whether the rear moment about the pivot exceeds the front one, in plain doubles; an
// evaluation that overflows is repeated with every operation checked, to raise its error.
bool RearOutweighs(const Pivot& p, double B, double g);

// Moves the pivot forwards until the rear outweighs the front, ending also right after a move
// past the front end. Returns false when `cap` passes were made without an end. The pivot,
// `passes` and any error raised are exactly those of making the moves one at a time
// (a = a + 0.01, b = b - 0.01 in doubles), however many passes that takes.
bool Walk(Pivot& p, double B, double g, long& passes, double cap);

} // namespace kesta::balance
