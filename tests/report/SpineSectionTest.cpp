// The dynamic spine section, the shaft deflection simulation and the balance search for FOC.
#include "ReportTestSupport.h"
#include "ballistics/ArrowPasses.h"
#include "ballistics/BalanceSearch.h"

#include <gtest/gtest.h>

#include "tests/common/ThreadTime.h"

namespace kesta::test {
namespace {

using enum ErrorKind;

// Processor seconds since `start` (a ThreadSeconds() reading).
double Seconds(double start) {
    return ThreadSeconds() - start;
}

TEST(SpineSection, EachFormulaStopsTheReportAtItsLine) {
    const std::string buckling = "   Dynamic Buckling Spine: 490";
    ExpectStops(
        ExampleForm(), "Dynamic Spine",
        {{"InArrowLength=0", DivisionByZero, "Dynamic Spine"},
         {"StaticSpine=0", DivisionByZero, "Dynamic Spine"},
         // Tiny angles keep Ro below 2 lbs: the soft-tissue simulation does not divide
         // by the mass, the critical load does.
         {"InArrowMass=0; inEdge=0.01; inTip=0.01", DivisionByZero, "   Critical load(Fc): 0 lbs"},
         {"DrawWeigth=0", DivisionByZero, buckling},
         {"DrawWeigth=", TypeMismatch, buckling},
         {"GPI=-9", InvalidProcedureCall, "   Fc% : -1583%"},
         {"InArrowSpeed=0", DivisionByZero, "   Frequency : 77 Hz"},
         {"InArrowLength=0.2", InvalidProcedureCall, "   Frequency : 1507359 Hz"}});
}

TEST(SpineSection, DeflectionAndFocEdgeCases) {
    const std::pair<const char*, std::string> rows[] = {
        {"InArrowSpeed=3", "   Deflection: 0 inch"},           // the stroke takes over a second
        {"InArrowLength=8; BroadheadWeight=1", "   FOC : 0%"}, // rear-heavy at once
        // A negative shaft weight with a negative spine keeps the frequency's root real; the
        // front stays heavier all the way and the pivot stops just past the front end.
        {"GPI=-9; StaticSpine=-400", "   FOC : 50%"},
    };
    for (const auto& [changes, line] : rows) {
        const double start = ThreadSeconds();
        const Outcome out = Press(ExampleForm(changes));
        EXPECT_LT(Seconds(start), 1.0) << changes;
        EXPECT_FALSE(out.error) << changes;
        EXPECT_TRUE(out.Has(line)) << changes;
    }
}

TEST(ShaftDeflection, StepsOfTheStroke) {
    long passes = 0;
    EXPECT_NEAR(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 300, passes), 8.318997, 1e-6);
    EXPECT_EQ(passes, 1195);
    // 3.58 fps is about 1.0912 m/s, just too slow for the 0.5461 m stroke in one second.
    EXPECT_EQ(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 3.58, passes), 0);
    EXPECT_EQ(passes, 0);
    EXPECT_GT(Arrow::ShaftDeflection(100, 9, 28, 400, 7.25, 30, 3.59, passes), 0);
    EXPECT_GT(passes, 99000);
    // A heavy head drives the shaft sideways faster than it can spring back: it folds past
    // half its length before the stroke ends.
    EXPECT_GE(Arrow::ShaftDeflection(10000, 9, 28, 400, 7.25, 30, 300, passes), 355.6);
    EXPECT_LT(passes, 1195);
}

// mR - mF is linear in the pivot position, so the balance point has a closed form that both
// the walk (within 10 million moves) and the jump (beyond) must land within one move of.
double ClosedFormFoc(double L, double B, double g) {
    const double c = L * 25.4;
    const double gm = g / 25.4;
    const double pivot = (3000 + (B + 15) * c + 0.5 * gm * c * c) / (65 + B + gm * c);
    return ((pivot - c / 2) / c) * 100;
}

TEST(BalanceSearch, WalksOrJumpsToTheBalancePoint) {
    long passes = 0;
    EXPECT_NEAR(FrontOfCentre(28, 100, 9, passes), 8.806243, 1e-6);
    EXPECT_EQ(passes, 6263);
    EXPECT_EQ(FrontOfCentre(8, 1, 9, passes), 0);
    EXPECT_EQ(passes, 0);
    for (const auto& [L, B] : {std::pair{1e6, 100.0}, {1e6, 1e9}, {3e4, 1e5}})
        EXPECT_NEAR(FrontOfCentre(L, B, 9, passes), ClosedFormFoc(L, B, 9), 1.1 / (L * 25.4)) << L;
    EXPECT_NEAR(FrontOfCentre(1e17, 1e20, 9, passes), 49.554, 1e-3);
    EXPECT_EQ(KindOf([&] { FrontOfCentre(1e160, 100, 9, passes); }), Overflow);
}

// Negative weights may keep the front heavier for ever: the search ends promptly at the front
// end, by walking or, beyond 10 million moves, by jumping.
TEST(BalanceSearch, NegativeWeightsEndAtTheFrontEnd) {
    const double start = ThreadSeconds();
    long passes = 0;
    EXPECT_NEAR(FrontOfCentre(28, 100, -9, passes), 50, 0.01);
    EXPECT_EQ(passes, 35561); // 355.6 mm in moves of 0.01 mm, and one past the end
    EXPECT_NEAR(FrontOfCentre(28, 1e6, -9, passes), 50, 0.01);
    EXPECT_NEAR(FrontOfCentre(1e6, 100, -9, passes), 50, 1e-6);
    EXPECT_GT(passes, 1'000'000'000);
    // So long that adding 0.01 mm no longer moves the pivot at all.
    EXPECT_NEAR(FrontOfCentre(1e17, 100, -9, passes), 50, 1e-6);
    EXPECT_LT(Seconds(start), 0.5);
}

} // namespace
} // namespace kesta::test
