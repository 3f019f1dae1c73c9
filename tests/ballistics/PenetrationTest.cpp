// The penetration simulation: the arrow stepped through a slab until it stops or passes.
#include "ballistics/Arrow.h"
#include "ballistics/ArrowPasses.h"
#include "tests/report/ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using enum ErrorKind;

struct Shot {
    double Ro = 10, mass = 400, speed = 300, shaft = 0.3, blades = 1.1, dx = 0.001;
    double entry = 0, thickness = 100, exit = 0;
};

double Depth(const Shot& s, long& passes) {
    return Arrow::Penetration(s.Ro, s.mass, s.speed, s.shaft, s.blades, s.dx, s.entry, s.thickness,
                              s.exit, passes);
}

TEST(Penetration, DepthAndPasses) {
    const struct {
        Shot shot;
        double depth; // inches
        long passes;
    } rows[] = {
        {{.Ro = 10}, 11.535433, 293},
        {{.Ro = 20}, 5.866142, 149},
        {{.Ro = 11.50244}, 10.07874, 256}, // the worked example's soft tissue
        {{.Ro = 2.0}, 43.307087, 1100},
        {{.Ro = 1.99}, 0, 0},
        {{.speed = 0}, 0, 0},
        {{.speed = 3.2}, 0, 0}, // 0.975 m/s: q starts below 1
        // 80 ft-lbs of kinetic energy cannot break a rib of 80.
        {{.entry = 79}, 0.984252, 25},
        {{.entry = 80}, 0, 0},
        // A massless arrow has no energy to lose at an entry rib: the energy test comes
        // before any division by the mass.
        {{.mass = 0, .entry = 10}, 0, 0},
        // A step of zero or less is one millimetre.
        {{.dx = 0}, 11.535433, 293},
        {{.dx = -1}, 11.535433, 293},
        // A thin slab is passed through once x is beyond 0.254 + 0.75 m; an exit rib the arrow
        // cannot break stops it where the point leaves the slab, a small one only slows it.
        {{.thickness = 10}, 999, 1005},
        {{.thickness = 10, .exit = 5}, 10, 255},
        {{.speed = 600, .thickness = 10, .exit = 1}, 999, 1005},
        // In a slab thicker than the shaft's 0.75 m the point leaves with the tail inside, so
        // no exit loss is charged.
        {{.mass = 4000, .speed = 1000, .thickness = 40}, 999, 1768},
        {{.mass = 4000, .speed = 1000, .thickness = 40, .exit = 1e6}, 999, 1768},
        // Ten metres are the longest path.
        {{.Ro = 2.5, .mass = 40000, .speed = 1000, .blades = 0, .thickness = 1000}, 999, 10001},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Shot& s = rows[i].shot;
        long passes = -1;
        EXPECT_NEAR(Depth(s, passes), rows[i].depth, 1e-5) << "row " << i;
        EXPECT_EQ(passes, rows[i].passes) << "row " << i;
        // The call without a count gives the same depth.
        EXPECT_EQ(Arrow::Penetration(s.Ro, s.mass, s.speed, s.shaft, s.blades, s.dx, s.entry,
                                     s.thickness, s.exit),
                  Depth(s, passes));
    }
}

TEST(Penetration, Failures) {
    const std::pair<Shot, ErrorKind> rows[] = {{{.mass = 0}, DivisionByZero},
                                               {{.speed = -300}, InvalidProcedureCall},
                                               {{.speed = 1e300}, Overflow},
                                               {{.Ro = 1e308}, Overflow}};
    for (const auto& [shot, kind] : rows) {
        long passes = 0;
        EXPECT_EQ(KindOf([&] { Depth(shot, passes); }), kind) << shot.Ro << " " << shot.speed;
    }
}

TEST(Penetration, AnArrowThatRaisesForEverySlabRaisesForEachOne) {
    // The arrow alone: too fast or too heavy to square, no mass, a negative speed. And arrows
    // that raise only for some slabs, or never.
    const Shot arrows[] = {{.speed = 1e300},           {.speed = 1e155},    {.mass = 0},
                           {.speed = -300},            {.Ro = 1e308},       {.mass = 1e308},
                           {.mass = 1e306, .speed = 3}, {.speed = 1e150},    {},
                           {.mass = 1e306, .speed = 1e150}};
    const double slabs[][3] = {{0, 0, 0}, {5, 10, 5}, {0, 3, 0}, {80, 30, 80}, {1e300, 1, 1e300},
                               {1e-300, 50, 0}};
    for (const auto& [arrow, entryLoss] : [&arrows] {
             std::vector<std::pair<Shot, bool>> both;
             for (const Shot& shot : arrows)
                 for (const bool loss : {false, true})
                     both.emplace_back(shot, loss);
             return both;
         }()) {
        const bool always = Arrow::RaisesForEverySlab(arrow.Ro, arrow.mass, arrow.speed,
                                                      arrow.shaft, arrow.blades, arrow.dx,
                                                      entryLoss);
        int raised = 0, slabsOfTheKind = 0;
        for (const auto& [entry, thickness, exit] : slabs) {
            if ((entry > 0) != entryLoss) continue;
            ++slabsOfTheKind;
            Shot shot = arrow;
            shot.entry = entry;
            shot.thickness = thickness;
            shot.exit = exit;
            long passes = 0;
            raised += KindOf([&] { Depth(shot, passes); }).has_value() ? 1 : 0;
        }
        if (always) {
            EXPECT_EQ(raised, slabsOfTheKind) << arrow.mass << " gr " << arrow.speed << " fps";
        }
    }
    EXPECT_TRUE(Arrow::RaisesForEverySlab(12, 400, 1e300, 0.3, 1, 0.001, false));
    EXPECT_FALSE(Arrow::RaisesForEverySlab(12, 400, 300, 0.3, 1, 0.001, true));
    // Heavy and fast: its energy overflows, which only a run with an entry loss takes.
    EXPECT_FALSE(Arrow::RaisesForEverySlab(12, 1e306, 1e150, 0.3, 1, 0.001, false));
    EXPECT_TRUE(Arrow::RaisesForEverySlab(12, 1e306, 1e150, 0.3, 1, 0.001, true));
}

} // namespace
} // namespace kesta::test
