// The penetration simulation.
#include "report/Arrow.h"
#include "report/ArrowPasses.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace kesta {
namespace {

struct Shot {
    double Ro = 10, mass = 400, speed = 300, shaft = 0.3, blades = 1.1, dx = 0.001;
    double entry = 0, thickness = 100, exit = 0;
};

double Depth(const Shot& s, long& passes) {
    return Arrow::Penetration(s.Ro, s.mass, s.speed, s.shaft, s.blades, s.dx, s.entry, s.thickness,
                              s.exit, passes);
}

double Depth(const Shot& s) {
    long passes = 0;
    return Depth(s, passes);
}

ErrorKind KindOf(const Shot& s) {
    try {
        Depth(s);
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no error";
    return ErrorKind::FileNotFound;
}

TEST(Penetration, SoftTissueStopsAfterCountedPasses) {
    long passes = 0;
    EXPECT_NEAR(Depth({.Ro = 10}, passes), 11.535433, 1e-6);
    EXPECT_EQ(passes, 293);
    EXPECT_NEAR(Depth({.Ro = 20}, passes), 5.866142, 1e-6);
    EXPECT_EQ(passes, 149);
    // The broadhead section's call for the worked example.
    EXPECT_NEAR(Depth({.Ro = 11.50244}, passes), 10.07874, 1e-5);
    EXPECT_EQ(passes, 256);
}

TEST(Penetration, DepthIsPassesTimesTheStep) {
    for (double ro : {2.0, 5.0, 10.0, 30.0}) {
        long passes = 0;
        const double depth = Depth({.Ro = ro}, passes);
        EXPECT_NEAR(depth, passes * 0.001 * 100 / 2.54, 1e-9) << ro;
    }
}

TEST(Penetration, NoPenetration) {
    long passes = -1;
    EXPECT_EQ(Depth({.Ro = 1.99}, passes), 0);
    EXPECT_EQ(passes, 0);
    EXPECT_GT(Depth({.Ro = 2.0}), 0);
    EXPECT_EQ(Depth({.speed = 0}, passes), 0);
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(Depth({.speed = 3.2}), 0); // 0.975 m/s: q starts below 1
    // 80 ft-lbs of kinetic energy cannot break a rib of 80.
    EXPECT_EQ(Depth({.entry = 80}), 0);
    EXPECT_GT(Depth({.entry = 79}), 0);
}

TEST(Penetration, StepOfZeroOrLessIsOneMillimetre) {
    long passes = 0;
    const double depth = Depth({.dx = 0.001}, passes);
    for (double dx : {0.0, -1.0}) {
        long stepped = 0;
        EXPECT_EQ(Depth({.dx = dx}, stepped), depth);
        EXPECT_EQ(stepped, passes);
    }
}

TEST(Penetration, ThinSlabIsPassedThrough) {
    long passes = 0;
    EXPECT_EQ(Depth({.thickness = 10}, passes), 999);
    EXPECT_EQ(passes, 1005); // x above 0.254 + 0.75 m
    // An exit rib the arrow cannot break stops it where the point leaves the slab.
    EXPECT_NEAR(Depth({.thickness = 10, .exit = 5}, passes), 10, 1e-9);
    EXPECT_EQ(passes, 255);
}

TEST(Penetration, ExitLossIsChargedOnceAndOnlyWhileTheShaftSpansTheSlab) {
    // A small exit loss slows the arrow but it still passes through.
    EXPECT_EQ(Depth({.speed = 600, .thickness = 10, .exit = 1}), 999);
    // In a slab thicker than the shaft's 0.75 m the point leaves with the tail inside.
    EXPECT_EQ(Depth({.mass = 4000, .speed = 1000, .thickness = 40, .exit = 1e6}),
              Depth({.mass = 4000, .speed = 1000, .thickness = 40}));
}

TEST(Penetration, TenMetresAreTheLongestPath) {
    long passes = 0;
    EXPECT_EQ(
        Depth({.Ro = 2.5, .mass = 40000, .speed = 1000, .blades = 0, .thickness = 1000}, passes),
        999);
    EXPECT_EQ(passes, 10001);
}

TEST(Penetration, Failures) {
    EXPECT_EQ(KindOf({.mass = 0}), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindOf({.speed = -300}), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(KindOf({.speed = 1e300}), ErrorKind::Overflow);
    EXPECT_EQ(KindOf({.Ro = 1e308}), ErrorKind::Overflow);
}

// With an entry loss, a massless arrow has no energy left to lose: the energy test comes before
// any division by the mass.
TEST(Penetration, MasslessArrowStopsAtTheEntryRib) {
    EXPECT_EQ(Depth({.mass = 0, .entry = 10}), 0);
}

TEST(Penetration, ArgumentsOnlyWithoutCount) {
    EXPECT_EQ(Arrow::Penetration(10, 400, 300, 0.3, 1.1, 0.001, 0, 100, 0), Depth({.Ro = 10}));
}

} // namespace
} // namespace kesta
