// The per-report penetration cache must answer every call with the digits, pass count and
// error of the plain run, whatever the order of the calls and however the arrows repeat.
#include "ballistics/PenetrationCache.h"
#include "ReportTestSupport.h"
#include "ballistics/ArrowPasses.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kesta {
namespace {

struct Call {
    double Ro = 11.50244, mass = 400, speed = 300, shaft = 0.3, blades = 1.0, dx = 0.001;
    double entry = 0, thickness = 100, exit = 0;
};

std::string Describe(const Call& c) {
    return "Ro " + std::to_string(c.Ro) + " mass " + std::to_string(c.mass) + " speed " +
           std::to_string(c.speed) + " blades " + std::to_string(c.blades) + " entry " +
           std::to_string(c.entry) + " thickness " + std::to_string(c.thickness) + " exit " +
           std::to_string(c.exit);
}

struct Result {
    std::uint64_t depthBits = 0;
    long passes = 0;
    std::optional<ErrorKind> error;
};

Result Plain(const Call& c) {
    Result r;
    try {
        r.depthBits = std::bit_cast<std::uint64_t>(
            Arrow::Penetration(c.Ro, c.mass, c.speed, c.shaft, c.blades, c.dx, c.entry, c.thickness,
                               c.exit, r.passes));
    } catch (const RuntimeError& e) {
        r.error = e.kind();
        r.passes = 0; // not meaningful after a failure
    }
    return r;
}

Result Cached(Arrow::PenetrationCache& cache, const Call& c) {
    Result r;
    try {
        r.depthBits = std::bit_cast<std::uint64_t>(
            cache.Penetration(c.Ro, c.mass, c.speed, c.shaft, c.blades, c.dx, c.entry, c.thickness,
                              c.exit, r.passes));
    } catch (const RuntimeError& e) {
        r.error = e.kind();
        r.passes = 0;
    }
    return r;
}

// Asks the cache for every call in order and compares each answer with the plain run's.
// Gives the plain runs' results, for the callers' own checks.
std::vector<Result> ExpectSameAsPlain(Arrow::PenetrationCache& cache,
                                      const std::vector<Call>& calls) {
    std::vector<Result> plain;
    for (const Call& c : calls) {
        const Result expected = Plain(c);
        const Result got = Cached(cache, c);
        EXPECT_EQ(got.error, expected.error) << Describe(c);
        EXPECT_EQ(got.depthBits, expected.depthBits) << Describe(c);
        EXPECT_EQ(got.passes, expected.passes) << Describe(c);
        plain.push_back(expected);
    }
    return plain;
}

// Asks the cache, for every call in order, whether the run goes past the slab's middle and
// then for the whole run. A stopped run must be one the plain run takes further without
// raising; any other must be the plain run itself, and a stopped run leaves no answer behind.
// Gives the number of runs that stopped.
int ExpectStopsPastAgree(Arrow::PenetrationCache& cache, const std::vector<Call>& calls) {
    int stopped = 0;
    for (const Call& c : calls) {
        const Result expected = Plain(c);
        const double past = c.thickness / 2;
        const Arrow::PenetrationCache::Outcome out = cache.PenetrationOrPast(
            c.Ro, c.mass, c.speed, c.shaft, c.blades, c.dx, c.entry, c.thickness, c.exit, past);
        EXPECT_EQ(out.failure, expected.error) << Describe(c);
        if (out.stoppedEarly) {
            ++stopped;
            EXPECT_GT(out.depth, past) << Describe(c);
            EXPECT_GE(std::bit_cast<double>(expected.depthBits), out.depth) << Describe(c);
        } else if (!expected.error) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(out.depth), expected.depthBits) << Describe(c);
            EXPECT_EQ(out.passes, expected.passes) << Describe(c);
        }
        const Result got = Cached(cache, c);
        EXPECT_EQ(got.error, expected.error) << Describe(c);
        EXPECT_EQ(got.depthBits, expected.depthBits) << Describe(c);
        EXPECT_EQ(got.passes, expected.passes) << Describe(c);
    }
    return stopped;
}

// The worked arrow's report asks: soft tissue, then per category none/entry/exit/both, then
// both ribs for each animal mass (some repeated).
std::vector<Call> ReportLikeCalls() {
    std::vector<Call> calls = {Call{}};
    for (double limit : {60.0, 200.0, 800.0, 1000.0, 1500.0, 5000.0}) {
        const double depth = std::pow(limit, 0.4) + 4;
        const double rib = 4.5 * std::pow(limit, 0.25);
        for (auto [entry, exit] : {std::pair{0.0, 0.0}, {rib, 0.0}, {0.0, rib}, {rib, rib}})
            calls.push_back({.entry = entry, .thickness = depth, .exit = exit});
    }
    for (double kg : {120.0, 70.0, 8.0, 65.0, 65.0, 3.0, 70.0, 12.0, 12.0, 5000.0, 6.0, 70.0}) {
        const double rib = 4.5 * std::pow(kg, 0.25);
        calls.push_back({.entry = rib, .thickness = 8 * std::pow(kg, 0.2) - 8, .exit = rib});
    }
    return calls;
}

TEST(PenetrationCache, ReportCallsMatchThePlainRunAndStepFewerPasses) {
    const std::vector<Call> calls = ReportLikeCalls();
    Arrow::PenetrationCache cache;
    const std::vector<Result> plain = ExpectSameAsPlain(cache, calls);
    long plainPasses = 0;
    for (const Result& r : plain)
        plainPasses += r.passes;
    EXPECT_LT(cache.Stepped(), plainPasses * 3 / 4);

    // A second round is answered without stepping at all.
    const long stepped = cache.Stepped();
    ExpectSameAsPlain(cache, calls);
    EXPECT_EQ(cache.Stepped(), stepped);

    // Cleared, the cache starts over.
    cache.Clear();
    EXPECT_EQ(cache.Stepped(), 0);
    ExpectSameAsPlain(cache, calls);
    EXPECT_EQ(cache.Stepped(), stepped);
}

// Slabs thin enough to be passed through, stopping inside, exit losses that stop or only
// slow the arrow: asked thickest first, thinnest first and each twice in a row.
TEST(PenetrationCache, ThicknessOrderDoesNotMatter) {
    std::vector<Call> calls;
    for (double thickness : {100.0, 40.0, 11.0, 10.0, 9.14, 5.0, 1.0, 0.02, 0.0, -0.5, -40.0}) {
        for (double exit : {0.0, 1.0, 5.0, 1e6, -3.0}) {
            for (double entry : {0.0, 5.0})
                calls.push_back({.entry = entry, .thickness = thickness, .exit = exit});
        }
    }
    const auto byThickness = [](const Call& a, const Call& b) { return a.thickness < b.thickness; };
    std::vector<Call> ascending = calls;
    std::stable_sort(ascending.begin(), ascending.end(), byThickness);
    std::vector<Call> twice;
    for (const Call& c : calls) {
        twice.push_back(c);
        twice.push_back(c);
    }
    for (const auto& order : {calls, ascending, twice}) {
        Arrow::PenetrationCache cache;
        const std::vector<Result> plain = ExpectSameAsPlain(cache, order);
        EXPECT_TRUE(std::any_of(plain.begin(), plain.end(), [](const Result& r) {
            return r.depthBits == std::bit_cast<std::uint64_t>(999.0);
        }));
    }
}

// Many arrows, slabs and losses, asked in a shuffled order of one cache, so the shared passes
// of each arrow are extended by calls far apart.
TEST(PenetrationCache, ShuffledCallsOfManyArrows) {
    std::vector<Call> calls;
    for (double Ro : {1.9, 2.0, 5.0, 30.0})
        for (double mass : {400.0, 4000.0})
            for (double speed : {3.2, 150.0, 300.0, 700.0})
                for (double blades : {0.0, 1.1})
                    for (double entry : {0.0, 5.0, 80.0})
                        for (double thickness : {60.0, 10.0, 9.14, 1.0, 0.0, -10.0})
                            for (double exit : {0.0, 2.0, 1e6})
                                calls.push_back({.Ro = Ro,
                                                 .mass = mass,
                                                 .speed = speed,
                                                 .blades = blades,
                                                 .entry = entry,
                                                 .thickness = thickness,
                                                 .exit = exit});
    std::mt19937 shuffle(20240611);
    std::shuffle(calls.begin(), calls.end(), shuffle);
    Arrow::PenetrationCache cache;
    ExpectSameAsPlain(cache, calls);
    // Asked only whether they go past, then whole, of a cache that knows none of them.
    Arrow::PenetrationCache fresh;
    EXPECT_GT(ExpectStopsPastAgree(fresh, calls), 100);
}

// A heavy arrow without blades goes the whole 10 m in a thick slab; a slab just short of
// 10 m lets the point out first.
TEST(PenetrationCache, TenMetreRuns) {
    std::vector<Call> calls;
    for (double thickness : {1000.0, 393.7, 393.8, 393.6, 200.0, 1000.0})
        calls.push_back({.Ro = 2.5,
                         .mass = 40000,
                         .speed = 1000,
                         .blades = 0,
                         .thickness = thickness,
                         .exit = 1});
    Arrow::PenetrationCache cache;
    const std::vector<Result> plain = ExpectSameAsPlain(cache, calls);
    EXPECT_EQ(plain.front().passes, 10001);
}

// Ro below 2, an entry loss the arrow cannot pay and a massless arrow stopped by its entry
// rib give 0 without a pass.
TEST(PenetrationCache, NoPenetration) {
    std::vector<Call> calls = {{.Ro = 1.99},
                               {.Ro = 2.0},
                               {.entry = 80},
                               {.entry = 79},
                               {.mass = 0, .entry = 10},
                               {.speed = 3.2},
                               {.entry = 80, .thickness = 5}};
    Arrow::PenetrationCache cache;
    ExpectSameAsPlain(cache, calls);
}

// Failures in the preparation, in the first pass, in a pass several millimetres in (only slabs
// reaching that deep fail) and in the first pass beyond the slab.
TEST(PenetrationCache, FailuresAreTheSameKindForTheSameCalls) {
    std::vector<Call> calls = {
        {.speed = -300}, {.speed = 1e300}, {.Ro = 1e308}, {.thickness = 1e308}, {.exit = 1e308}};
    // A massless arrow divides by its mass in any pass it steps, unless an exit rib stops it
    // first or the slab lies behind the whole shaft.
    for (double thickness : {10.0, 0.0, -1.0, -40.0, 10.0, -1.0})
        for (double exit : {0.0, 3.0})
            calls.push_back({.mass = 0, .thickness = thickness, .exit = exit});
    // A huge cutting force overflows the pressure term while the point is inside.
    for (double thickness : {10.0, -1.0, 10.0})
        calls.push_back({.Ro = 1e305, .thickness = thickness});
    // A huge negative blade area speeds the arrow up until the friction term overflows, eight
    // passes in: thinner slabs are passed through first.
    std::vector<Call> deep;
    for (int i = 40; i >= 0; --i)
        deep.push_back({.blades = -1e60, .thickness = i * 0.01});
    for (int i = 0; i <= 40; ++i)
        deep.push_back({.blades = -1e60, .thickness = i * 0.01, .exit = 2});
    calls.insert(calls.end(), deep.begin(), deep.end());

    Arrow::PenetrationCache cache;
    const std::vector<Result> plain = ExpectSameAsPlain(cache, calls);
    const auto deepFirst = plain.end() - static_cast<std::ptrdiff_t>(deep.size());
    EXPECT_TRUE(std::any_of(deepFirst, plain.end(), [](const Result& r) { return r.error; }));
    EXPECT_TRUE(std::any_of(deepFirst, plain.end(), [](const Result& r) { return !r.error; }));

    // The same failing arrow asked thinnest slab first.
    Arrow::PenetrationCache fresh;
    std::reverse(deep.begin(), deep.end());
    ExpectSameAsPlain(fresh, deep);

    // Told, not raised, by a search's question; the pass that fails is counted as the plain
    // run counts it, first or later.
    Arrow::PenetrationCache searching;
    ExpectStopsPastAgree(searching, calls);
    for (const Call& c : calls) {
        const Arrow::PenetrationCache::Outcome out = searching.PenetrationOrPast(
            c.Ro, c.mass, c.speed, c.shaft, c.blades, c.dx, c.entry, c.thickness, c.exit, 0);
        if (!out.failure) continue;
        long passes = 0;
        try {
            Arrow::Penetration(c.Ro, c.mass, c.speed, c.shaft, c.blades, c.dx, c.entry,
                               c.thickness, c.exit, passes);
        } catch (const RuntimeError&) {
        }
        EXPECT_EQ(out.passes, passes) << Describe(c);
    }
}

// The calculator clears its cache for each report: reports of different arrows in a row give
// the text a fresh calculator gives.
TEST(PenetrationCache, EachReportStartsAfresh) {
    FormState form = test::ExampleForm();
    form.SetSelected("ChosenImperic", true);
    Calculator reused(form);
    for (const char* mass : {"400", "650", "400", "300"}) {
        form.SetText("InArrowMass", mass);
        const test::Outcome fresh = test::Press(form);
        ASSERT_FALSE(fresh.error) << mass;
        ASSERT_GT(fresh.lines.size(), 50u) << mass; // the full imperial report
        reused.WriteReport();
        EXPECT_EQ(test::Lines(reused.BoxText()), fresh.lines) << mass;
    }
}

} // namespace
} // namespace kesta
