#include "downrange/Downrange.h"

#include "report/Formulas.h"
#include "report/HuntingDistance.h"
#include "report/InputRecord.h"
#include "report/Setup.h"
#include "tools/Errors.h"

#include <string>

namespace kesta::downrange {

namespace {

// Runs `step`; an error that does not yet say where it arose is given `place`.
template <class Step> auto Placed(const std::string& place, Step step) {
    try {
        return step();
    } catch (RuntimeError& e) {
        if (e.place().empty()) e.SetPlace(place);
        throw;
    }
}

struct Flown {
    DragModel model;
    Flight flight;
};

Flown Fly(const Inputs& inputs, const SetUp& s) {
    return Placed("Downrange", [&] {
        const DragModel model = DragModelOf(inputs, s.grains);
        return Flown{model, Flight(s.grains, s.fps, model.k)};
    });
}

} // namespace

SetUp ReadSetUp(const FormState& form) {
    InputRecord record;
    std::string settingUp;
    try {
        kesta::Setup(form, record, settingUp);
    } catch (RuntimeError& e) {
        e.SetPlace("input " + settingUp);
        throw;
    }
    SetUp s{record.massGrains, record.speedFps, 0, record.bladeAreaSum};
    s.ro = Placed("Ro, Broadhead", [&] { return BroadheadRo(form, record); });
    return s;
}

DistanceTable DistanceTableOf(const FormState& form, const Inputs& inputs) {
    DistanceTable table{inputs, ReadSetUp(form), {}, {}, {}};
    const Flown flown = Fly(inputs, table.setUp);
    table.model = flown.model;
    Placed("Downrange", [&] {
        table.rows = DistanceRows(flown.flight, inputs.zeroYards, inputs.maxDistance);
        table.reaction = ReactionRows(flown.flight, inputs.maxDistance);
        return 0;
    });
    return table;
}

Ranges RangesOf(const FormState& form, const Inputs& inputs,
                const std::vector<game::Animal>& animals) {
    Ranges ranges{inputs, ReadSetUp(form), {}, {}, {}};
    const Flown flown = Fly(inputs, ranges.setUp);
    ranges.model = flown.model;
    ranges.huntingDistances = Placed("Accuracy", [&] { return MaxHuntingDistances(form); });
    const RangeSetUp setUp{ranges.setUp.ro, ranges.setUp.bladeAreaSum, ranges.huntingDistances};
    ranges.rows = Placed("Downrange", [&] {
        return AnimalRanges(setUp, flown.flight, inputs.maxDistance, animals);
    });
    return ranges;
}

} // namespace kesta::downrange
