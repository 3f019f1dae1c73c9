// A run that only has to tell whether it goes deeper than some depth may stop once it is past
// it and no later pass could raise. Wrongly "safe" would change a search's answer: there the
// whole run raises, which the search counts as not sufficient. Tried on arrows from the
// ordinary to the absurd, against the whole run.
#include "ballistics/Arrow.h"
#include "ballistics/PenetrationSteps.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace kesta {
namespace {

struct Arguments {
    double Ro, mass, speed, blades, entry, thickness, exit;

    std::string Text() const {
        return "Ro " + std::to_string(Ro) + " mass " + std::to_string(mass) + " speed " +
               std::to_string(speed) + " blades " + std::to_string(blades) + " entry " +
               std::to_string(entry) + " thickness " + std::to_string(thickness) + " exit " +
               std::to_string(exit);
    }
};

// A magnitude spread over the whole double range, sometimes an ordinary one, sometimes 0 or
// negative.
double Wild(std::mt19937& rng, double ordinaryLow, double ordinaryHigh, bool negative) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double pick = unit(rng);
    if (pick < 0.1) return 0;
    if (pick < 0.6) return ordinaryLow + (ordinaryHigh - ordinaryLow) * unit(rng);
    const double magnitude = std::pow(10.0, -300 + 608 * unit(rng));
    return negative && pick > 0.95 ? -magnitude : magnitude;
}

TEST(StopPast, AStoppedRunIsOneThatGoesOnPastWithoutRaising) {
    std::mt19937 rng(20261209);
    int stopped = 0, raisedWhole = 0, finishedAlike = 0;
    for (int i = 0; i < 20000; ++i) {
        const Arguments a{Wild(rng, 2, 40, true),    Wild(rng, 100, 3000, true),
                          Wild(rng, 1, 1000, true),  Wild(rng, 0.1, 3, true),
                          Wild(rng, 0, 60, true),    Wild(rng, 0, 40, true),
                          Wild(rng, 0, 60, true)};
        double whole = 0;
        bool raises = false;
        try {
            whole = Arrow::Penetration(a.Ro, a.mass, a.speed, 0.3, a.blades, 0.001, a.entry,
                                       a.thickness, a.exit);
        } catch (const RuntimeError&) {
            raises = true;
            ++raisedWhole;
        }
        for (const double past : {a.thickness, a.thickness / 2, 0.5}) {
            Arrow::Steps::Run r;
            bool stoppedEarly = false;
            double depth = 0;
            try {
                if (Arrow::Steps::Prepare(a.Ro, a.mass, a.speed, 0.3, a.blades, 0.001, a.entry,
                                          a.thickness, a.exit, r)) {
                    long passes = 0;
                    depth = Arrow::Steps::FinishOrStopPast(r, passes, past, stoppedEarly);
                }
            } catch (const RuntimeError&) {
                // Raising before the stop is the whole run's own failure.
                EXPECT_TRUE(raises) << a.Text();
                continue;
            }
            if (!stoppedEarly) {
                // Not stopped: the very run, to the end.
                EXPECT_FALSE(raises) << a.Text();
                EXPECT_EQ(depth, whole) << a.Text();
                ++finishedAlike;
                continue;
            }
            ++stopped;
            ASSERT_FALSE(raises) << "stopped past " << past << " although the run raises later: "
                                 << a.Text();
            EXPECT_GT(depth, past) << a.Text();
            EXPECT_GE(whole, depth) << a.Text();
        }
    }
    // The draw reached each case often.
    EXPECT_GT(stopped, 2000);
    EXPECT_GT(raisedWhole, 2000);
    EXPECT_GT(finishedAlike, 2000);
}

// An arrow so heavy and fast that charging the exit rib overflows its kinetic energy, though
// no pass inside the slab does: it must not be stopped inside.
TEST(StopPast, ARunThatRaisesAtTheExitRibIsNotStoppedInside) {
    const Arguments a{10, 1e300, 3.3e10, 1.1, 0, 10, 5};
    EXPECT_THROW(Arrow::Penetration(a.Ro, a.mass, a.speed, 0.3, a.blades, 0.001, a.entry,
                                    a.thickness, a.exit),
                 RuntimeError);
    Arrow::Steps::Run r;
    ASSERT_TRUE(Arrow::Steps::Prepare(a.Ro, a.mass, a.speed, 0.3, a.blades, 0.001, a.entry,
                                      a.thickness, a.exit, r));
    long passes = 0;
    bool stoppedEarly = false;
    EXPECT_THROW(Arrow::Steps::FinishOrStopPast(r, passes, 1.0, stoppedEarly), RuntimeError);
    EXPECT_FALSE(stoppedEarly);
}

// The bounds that keep later passes from raising, each broken on its own.
TEST(StopPast, NoStopWhereALaterPassCouldRaise) {
    Arrow::Steps::Run calm;
    ASSERT_TRUE(Arrow::Steps::Prepare(10, 400, 300, 0.3, 1.1, 0.001, 5, 10, 5, calm));
    long passes = 0;
    bool stoppedEarly = false;
    Arrow::Steps::FinishOrStopPast(calm, passes, 1.0, stoppedEarly);
    ASSERT_TRUE(stoppedEarly);
    EXPECT_TRUE(Arrow::Steps::CannotRaiseFromHere(calm));

    const struct {
        const char* what;
        void (*breakIt)(Arrow::Steps::Run&);
    } rows[] = {
        {"front area not known yet", [](Arrow::Steps::Run& r) { r.frontAreaKnown = false; }},
        {"a huge cutting force", [](Arrow::Steps::Run& r) { r.Rn = 1e60; }},
        {"a negative blade area", [](Arrow::Steps::Run& r) { r.A = -1; }},
        {"a huge blade area", [](Arrow::Steps::Run& r) { r.A = 1e60; }},
        {"a massless arrow", [](Arrow::Steps::Run& r) { r.m = 0; }},
        {"an arrow whose q * m overflows", [](Arrow::Steps::Run& r) { r.m = 1e300, r.q = 1e20; }},
        {"a huge speed", [](Arrow::Steps::Run& r) { r.q = 1e60, r.v = 1e30; }},
        {"a stopped arrow", [](Arrow::Steps::Run& r) { r.q = 1; }},
        {"a negative exit loss", [](Arrow::Steps::Run& r) { r.E2 = -1; }},
        {"a step of 0", [](Arrow::Steps::Run& r) { r.dx = 0; }},
        {"a slab thicker than 1e10 m", [](Arrow::Steps::Run& r) { r.D = 1e11; }},
        {"a NaN speed", [](Arrow::Steps::Run& r) { r.v = std::nan(""); }},
    };
    for (const auto& row : rows) {
        Arrow::Steps::Run r = calm;
        row.breakIt(r);
        EXPECT_FALSE(Arrow::Steps::CannotRaiseFromHere(r)) << row.what;
    }
}

} // namespace
} // namespace kesta
