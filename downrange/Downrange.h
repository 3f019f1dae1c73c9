// The downrange figures of a form: its set-up read as the report reads it (Setup, then Ro as
// the broadhead section computes it), flown through the drag model of the downrange inputs.
// Toolkit-free; kesta-report --downrange and --ranges and the window's Downrange tool all show
// these.
#pragma once

#include "ballistics/GameTable.h"
#include "downrange/AnimalRanges.h"
#include "downrange/DistanceTable.h"
#include "downrange/DownrangeInputs.h"
#include "downrange/Flight.h"
#include "form/FormState.h"

#include <vector>

namespace kesta::downrange {

// The set-up's arrow: M (grains) and F (fps) of the input record, and the broadhead's figures.
struct SetUp {
    double grains;
    double fps;
    double ro;           // lbs
    double bladeAreaSum; // square inches
};

// Raises what the report raises, its place "input <InputName>" when Setup fails and
// "Ro, Broadhead" when Ro does.
SetUp ReadSetUp(const FormState& form);

struct DistanceTable {
    Inputs inputs;
    SetUp setUp;
    DragModel model;
    std::vector<DistanceRow> rows;      // 0..inputs.maxDistance yards
    std::vector<ReactionRow> reaction;  // one per reaction time of the report
};

// A failure of the model itself (an arrow of no mass, a speed the exponential cannot take)
// raises with the place "Downrange".
DistanceTable DistanceTableOf(const FormState& form, const Inputs& inputs);

struct Ranges {
    Inputs inputs;
    SetUp setUp;
    DragModel model;
    std::array<double, 6> huntingDistances; // the report's, categories 1 to 6
    std::vector<AnimalRange> rows;          // in the game table's order
};

// Also raises what the report's accuracy section raises (place "Accuracy"), or a failing
// penetration run at the bow (place "<animal>, Game Recommendations").
Ranges RangesOf(const FormState& form, const Inputs& inputs,
                const std::vector<game::Animal>& animals = game::Animals());

} // namespace kesta::downrange
