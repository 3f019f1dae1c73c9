// The drag model against what it must agree with: the report at the bow, the sight line at the
// sight-in distance, the report's reaction table when nothing slows the arrow, the two
// chronograph readings it was calibrated from, and the standard atmosphere.
#include "DownrangeTestSupport.h"

#include "report/Calculator.h"
#include "report/ReactionDistance.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kesta::test {
namespace {

using downrange::Flight;

TEST(DownrangeFlight, TheRowAtTheBowIsTheReportsSpeedEnergyAndMomentum) {
    const FormState form = WorkedExample();
    Calculator report(form);
    report.Setup();
    const downrange::DistanceTable table = downrange::DistanceTableOf(form, {});
    ASSERT_EQ(table.rows.size(), 101u);
    const downrange::DistanceRow& bow = table.rows.front();
    EXPECT_EQ(bow.yards, 0);
    EXPECT_EQ(bow.speedFps, report.Record().speedFps);
    EXPECT_EQ(bow.energyFtLb, report.KE_());
    EXPECT_EQ(bow.momentumSlugFtS, report.Mom_());
    EXPECT_EQ(bow.timeS, 0);
    // Farther out the arrow has slowed, and it loses energy every yard.
    for (std::size_t x = 1; x < table.rows.size(); ++x) {
        EXPECT_LT(table.rows[x].speedFps, table.rows[x - 1].speedFps);
        EXPECT_LT(table.rows[x].energyFtLb, table.rows[x - 1].energyFtLb);
        EXPECT_GT(table.rows[x].timeS, table.rows[x - 1].timeS);
    }
}

TEST(DownrangeFlight, ThePathCrossesTheSightLineAtTheSightInDistance) {
    const Flight flight(400, 300, 0.002);
    for (double zero : {1.0, 20.0, 37.0, 200.0}) {
        // b(z) * z / z - b(z): zero but for the rounding of the multiplication and division.
        EXPECT_NEAR(flight.Path(zero, zero), 0, 1e-13 * flight.Drop(zero)) << zero;
        EXPECT_EQ(flight.Path(0, zero), 0) << zero; // the bore line: no drop yet
        // Short of the sight-in the arrow is above the line, beyond it below.
        if (zero > 1) EXPECT_GT(flight.Path(zero / 2, zero), 0) << zero;
        EXPECT_LT(flight.Path(zero + 10, zero), 0) << zero;
    }
    std::mt19937 rng(17);
    for (int i = 0; i < 200; ++i) {
        const downrange::Inputs in = RandomInputs(rng);
        const auto rows = downrange::DistanceRows(Flight(500, 280, 0.003), in.zeroYards, 200);
        const Flight flight(500, 280, 0.003);
        EXPECT_NEAR(rows[static_cast<std::size_t>(in.zeroYards)].pathInches, 0,
                    1e-13 * flight.Drop(in.zeroYards))
            << in.zeroYards;
    }
}

TEST(DownrangeFlight, WithoutDragTheSpeedStaysAndTheReactionDistancesAreTheReports) {
    for (double fps : {150.0, 237.5, 300.0, 412.0}) {
        const Flight flight(450, fps, 0);
        for (int x : {0, 1, 50, 200}) EXPECT_EQ(flight.Speed(x), fps) << x;
        // Time of flight is distance over speed.
        EXPECT_NEAR(flight.Time(100), 300 / fps, 1e-12);
        for (const downrange::ReactionRow& row : downrange::ReactionRows(flight, 200)) {
            ASSERT_TRUE(row.yardsConstantSpeed);
            EXPECT_EQ(*row.yardsConstantSpeed, ReactionDistanceYards(fps, row.reactionS));
            // The largest whole yard up to the report's distance (the distance itself may fall
            // a rounding step either side of the whole yard).
            EXPECT_NEAR(row.yardsWithDrag, std::min(200.0, std::floor(*row.yardsConstantSpeed)), 1)
                << fps << " fps, " << row.reactionS << " s";
        }
    }
}

TEST(DownrangeFlight, DragShortensTheReactionDistancesOfTheWorkedExample) {
    const downrange::DistanceTable table = downrange::DistanceTableOf(WorkedExample(), {});
    ASSERT_EQ(table.reaction.size(), 5u);
    for (const downrange::ReactionRow& row : table.reaction) {
        ASSERT_TRUE(row.yardsConstantSpeed);
        EXPECT_LE(row.yardsWithDrag, std::floor(*row.yardsConstantSpeed));
        // Each is the largest yard where the arrow beats sound plus reaction, the next is not.
        const Flight flight(table.setUp.grains, table.setUp.fps, table.model.k);
        const int x = row.yardsWithDrag;
        EXPECT_LE(flight.Time(x), x * 3.0 / 1083 + row.reactionS);
        if (x < 100) EXPECT_GT(flight.Time(x + 1), (x + 1) * 3.0 / 1083 + row.reactionS);
    }
}

TEST(DownrangeFlight, TheCalibratedDragReproducesBothChronographSpeeds) {
    const downrange::Chronograph readings[] = {
        {290, 5, 281.5, 25}, {305.2, 0, 250, 60}, {199.9, 10, 199.8, 11}};
    for (const downrange::Chronograph& c : readings) {
        const double k = downrange::CalibratedDragConstant(c);
        EXPECT_GT(k, 0);
        // An arrow leaving at any speed loses the measured share between the two distances.
        const Flight flight(400, 320, k);
        EXPECT_NEAR(flight.Speed(c.farYards) / flight.Speed(c.nearYards), c.farFps / c.nearFps,
                    1e-13);
        // And an arrow at the near speed at the near chronograph reads the far speed there.
        const Flight fromNear(400, c.nearFps, k);
        EXPECT_NEAR(fromNear.Speed(c.farYards - c.nearYards), c.farFps, 1e-10);
    }
}

TEST(DownrangeFlight, TheAirAndTheDragAreTheStandardFigures) {
    EXPECT_NEAR(downrange::AirDensity(0, 15), 1.2250, 5e-5);
    // The standard atmosphere's table at 1500 m, where it is 5.25 °C.
    EXPECT_NEAR(downrange::AirDensity(1500, 5.25), 1.0581, 5e-4);
    // Thinner in the heat, denser in the cold.
    EXPECT_LT(downrange::AirDensity(0, 35), downrange::AirDensity(0, 15));
    EXPECT_GT(downrange::AirDensity(0, -20), downrange::AirDensity(0, 15));
    using downrange::Fletching;
    using downrange::Head;
    EXPECT_DOUBLE_EQ(downrange::DragCoefficient(Fletching::Small, Head::Field), 1.56);
    EXPECT_DOUBLE_EQ(downrange::DragCoefficient(Fletching::Large, Head::Fixed), 2.05 * 1.3);
    EXPECT_DOUBLE_EQ(downrange::DragCoefficient(Fletching::Large, Head::Mechanical), 2.05 * 1.1);
    // A heavier arrow of the same shaft slows less; the constant is per metre, about 0.001 to
    // 0.005 for hunting arrows.
    const double k400 = downrange::DragConstant(1.225, 2.665, 0.3, 400);
    const double k800 = downrange::DragConstant(1.225, 2.665, 0.3, 800);
    EXPECT_NEAR(k800, k400 / 2, 1e-15);
    EXPECT_GT(k400, 0.001);
    EXPECT_LT(k400, 0.005);
}

TEST(DownrangeFlight, AnArrowOfNoMassStopsTheModel) {
    FormState form = WorkedExample();
    form.SetText("InArrowMass", "0");
    try {
        downrange::DistanceTableOf(form, {});
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
        EXPECT_EQ(e.place(), "Downrange");
    }
}

TEST(DownrangeFlight, AReportThatCannotStartStopsTheTableWithItsErrorAndPlace) {
    FormState form = WorkedExample();
    form.SetText("InArrowMass", "4e400");
    try {
        downrange::DistanceTableOf(form, {});
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        EXPECT_STREQ(e.what(), "Overflow");
        EXPECT_EQ(e.place(), "input InArrowMass");
    }
}

} // namespace
} // namespace kesta::test
