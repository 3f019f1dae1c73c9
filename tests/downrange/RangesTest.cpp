// Each animal's ranges against the definition walked yard by yard: at every whole distance the
// both-ribs penetration at the slowed speed, and the rule written out (mass at least the
// category's minimum and deeper than the chest; 80% of it and deeper than half the chest).
#include "DownrangeTestSupport.h"

#include "ballistics/Arrow.h"
#include "report/Calculator.h"
#include "report/ReportFigures.h"
#include "tests/whatif/WhatIfTestSupport.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta::test {
namespace {

struct Scanned {
    std::optional<int> sufficientTo, marginalTo;
};

// The plain scan of the definition; a run that raises is not enough.
Scanned Scan(const downrange::Ranges& r, const game::Animal& animal) {
    const game::AnimalFigures f = game::FiguresOf(animal);
    const downrange::Flight flight(r.setUp.grains, r.setUp.fps, r.model.k);
    const double M = r.setUp.grains;
    Scanned s;
    bool sufficient = true, marginal = true;
    for (int x = 0; x <= r.inputs.maxDistance; ++x) {
        double depth = -1;
        try {
            depth = Arrow::Penetration(r.setUp.ro, M, flight.Speed(x), 0.3, r.setUp.bladeAreaSum,
                                       0.001, f.ribResistance, f.chestDepth, f.ribResistance);
        } catch (const RuntimeError&) {
        }
        sufficient = sufficient && M >= f.minArrowMass && depth > f.chestDepth;
        marginal = marginal && M >= 0.8 * f.minArrowMass && depth > f.chestDepth / 2;
        if (sufficient) s.sufficientTo = x;
        if (marginal) s.marginalTo = x;
    }
    return s;
}

void ExpectDefinition(const downrange::Ranges& r, const std::vector<game::Animal>& animals,
                      const std::string& what) {
    ASSERT_EQ(r.rows.size(), animals.size());
    for (std::size_t i = 0; i < animals.size(); ++i) {
        const downrange::AnimalRange& row = r.rows[i];
        const Scanned s = Scan(r, animals[i]);
        EXPECT_EQ(row.position, i);
        EXPECT_EQ(row.animal, animals[i].name);
        EXPECT_EQ(row.sufficientTo, s.sufficientTo) << what << ", " << row.animal;
        EXPECT_EQ(row.marginalTo, s.marginalTo) << what << ", " << row.animal;
        const double accuracy =
            std::floor(r.huntingDistances[static_cast<std::size_t>(row.category) - 1]);
        EXPECT_EQ(row.accuracy, accuracy);
        if (s.sufficientTo)
            EXPECT_EQ(row.ethical, std::min<double>(*s.sufficientTo, accuracy)) << row.animal;
        else
            EXPECT_FALSE(row.ethical) << row.animal;
    }
}

TEST(DownrangeRanges, TheWorkedExampleFollowsTheDefinitionAndTheReportsVerdicts) {
    const FormState form = WorkedExample();
    const downrange::Ranges r = downrange::RangesOf(form, {});
    ExpectDefinition(r, game::Animals(), "worked example");
    // The accuracy limits are the report's own maximum hunting distances, and the verdicts
    // at the bow its game lists.
    Calculator report(form);
    report.WriteReport();
    for (int category = 1; category <= 6; ++category) {
        const auto& shown = report.Figures().Get(HuntingDistanceFigure(category));
        ASSERT_TRUE(shown);
        EXPECT_EQ(RoundHalfEven(r.huntingDistances[static_cast<std::size_t>(category) - 1], 0),
                  shown->value);
    }
    const auto& verdicts = report.Figures().Verdicts();
    ASSERT_TRUE(verdicts);
    for (std::size_t i = 0; i < r.rows.size(); ++i)
        EXPECT_EQ(r.rows[i].atBow, (*verdicts)[i]) << r.rows[i].animal;
    // Something is in range and something is not: the search is not trivially all or nothing.
    bool someSufficient = false, someNot = false;
    for (const auto& row : r.rows) {
        (row.sufficientTo ? someSufficient : someNot) = true;
        if (row.sufficientTo) EXPECT_EQ(row.atBow, game::Verdict::Sufficient);
    }
    EXPECT_TRUE(someSufficient);
    EXPECT_TRUE(someNot);
}

TEST(DownrangeRanges, RandomSetUpsFollowTheDefinitionYardByYard) {
    std::mt19937 rng(20261209);
    for (int trial = 0; trial < 12; ++trial) {
        const FormState form = RandomSetUp(rng);
        const downrange::Inputs in = RandomInputs(rng);
        downrange::Ranges r;
        try {
            r = downrange::RangesOf(form, in);
        } catch (const RuntimeError& e) {
            ADD_FAILURE() << "trial " << trial << ": " << e.what() << " (" << e.place() << ")";
            continue;
        }
        ExpectDefinition(r, game::Animals(), "trial " + std::to_string(trial));
    }
}

TEST(DownrangeRanges, AChronographCalibrationAndAnyGameTableAreFollowed) {
    downrange::Inputs in;
    in.chronograph = downrange::Chronograph{300, 0, 270, 40};
    in.maxDistance = 150;
    const std::vector<game::Animal> animals = {{"Hare", 4}, {"Moose bull", 600}, {"Roe", 25}};
    const downrange::Ranges r = downrange::RangesOf(WorkedExample(), in, animals);
    EXPECT_EQ(r.model.k, downrange::CalibratedDragConstant(*in.chronograph));
    ExpectDefinition(r, animals, "calibrated");
}

TEST(DownrangeRanges, APenetrationRunThatFailsAtTheBowStopsAsTheGameListsWould) {
    FormState form = WorkedExample();
    form.SetText("InArrowSpeed", "1e200"); // the arrow's energy overflows
    try {
        const auto r = downrange::RangesOf(form, {});
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        EXPECT_EQ(e.place(), game::Animals().front().name + ", Game Recommendations");
    }
}

} // namespace
} // namespace kesta::test
