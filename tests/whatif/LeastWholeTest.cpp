// The search for the least whole number that holds: the plain scan's answer for every place
// of the answer, measures that steer well or badly, and trials that raise.
#include "whatif/LeastWhole.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace kesta::whatif {
namespace {

// What a trial measures below the answer `at`, as a function of the number.
struct Shape {
    const char* name;
    std::function<double(int n, int at)> measure;
};

// The target is 10: the measure reaches it about at the answer, or says nothing useful.
const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> shapes = {
        {"straight", [](int n, int at) { return 10.0 * n / at; }},
        {"flattening", [](int n, int at) { return 10.0 * std::sqrt(double(n) / at); }},
        {"steepening", [](int n, int at) { return 10.0 * std::pow(double(n) / at, 3); }},
        // One step of the measure per seven numbers, as a run moves one pass at a time.
        {"stepped", [](int n, int at) { return 10.0 * std::floor(n / 7.0) / std::ceil(at / 7.0); }},
        {"zero until near",
         [](int n, int at) { return n < at - 40 ? 0.0 : 10.0 - (at - n) * 0.1; }},
        {"misleading", [](int n, int) { return n % 2 == 0 ? 9.9 : 0.1; }},
    };
    return shapes;
}

std::optional<int> Scan(int low, int high, const std::function<bool(int)>& holds) {
    for (int n = low; n <= high; ++n)
        if (holds(n)) return n;
    return std::nullopt;
}

TEST(LeastWhole, GivesThePlainScansAnswerWhereverItLies) {
    for (const auto& [low, high] : {std::pair{300, 3000}, std::pair{1, 1000}, std::pair{7, 7}}) {
        std::vector<int> answers = {low, low + 1, high - 1, high, high + 1};
        for (int at = low; at <= high; at += 97)
            answers.push_back(at);
        for (const Shape& shape : Shapes()) {
            for (int at : answers) {
                for (const auto& [start, near] :
                     {std::pair{low, false}, {(low + high) / 2, false}, {high, false},
                      {high + 50, false}, {low, true}, {high, true}, {at, true}, {at - 1, true},
                      {at - 5, true}, {at + 3, true}, {at - 700, true}}) {
                    int trials = 0;
                    const auto found = LeastWhole({low, high, start, 10.0, near}, [&](int n) {
                        EXPECT_GE(n, low);
                        EXPECT_LE(n, high);
                        ++trials;
                        return Trial{n >= at, n >= at ? 999.0 : shape.measure(n, at)};
                    });
                    const auto expected = Scan(low, high, [at](int n) { return n >= at; });
                    ASSERT_EQ(found, expected)
                        << shape.name << " answer " << at << " start " << start
                        << (near ? " (near)" : "") << " in " << low << ".." << high;
                    // Never much worse than halving: 10 guesses, then halving 3000 numbers.
                    EXPECT_LE(trials, 23) << shape.name << " answer " << at << " start " << start;
                }
            }
        }
    }
}

TEST(LeastWhole, SteeredWellItNeedsFewTrials) {
    int most = 0;
    for (int at = 301; at <= 3000; at += 13) {
        int trials = 0;
        LeastWhole({300, 3000, 300, 10.0}, [&](int n) {
            ++trials;
            return Trial{n >= at, 10.0 * std::sqrt(double(n) / at)};
        });
        most = std::max(most, trials);
    }
    EXPECT_LE(most, 8);
}

// A start at the answer or just below it, as the answer of a slightly lighter animal is,
// costs the two trials that prove the answer; a few more the further off it is.
TEST(LeastWhole, ANearStartThatIsRightCostsTwoTrials) {
    for (int at = 301; at <= 3000; at += 37) {
        for (const auto& [off, most] :
             {std::pair{0, 2}, {-1, 2}, {-2, 4}, {-3, 4}, {-6, 6}, {1, 4}, {3, 6}}) {
            int trials = 0;
            const auto found = LeastWhole({300, 3000, at + off, 10.0, true}, [&](int n) {
                ++trials;
                return Trial{n >= at, 10.0 * std::sqrt(double(n) / at)};
            });
            ASSERT_EQ(found, at);
            EXPECT_LE(trials, most) << "answer " << at << ", start " << at + off;
        }
    }
}

TEST(LeastWhole, ATrialThatRaisesCountsAsNotHolding) {
    struct Row {
        const char* what;
        int holdsFrom;            // every number from here on holds
        int raisesFrom, raisesTo; // but these raise instead
        std::optional<int> answer;
    };
    const Row rows[] = {
        {"raising above the answer, where the search looks first", 350, 360, 3000, 350},
        {"raising across the answer", 350, 340, 500, 501},
        {"raising below the answer only", 1200, 300, 1100, 1200},
        {"raising at every number", 350, 300, 3000, std::nullopt},
        {"raising at the start only", 2000, 300, 300, 2000},
    };
    for (const Row& row : rows) {
        // Thrown, or told in the trial, searched from a start that is near or not: the same
        // answer.
        for (const auto& [thrown, near] : {std::pair{true, false}, {false, false}, {true, true}}) {
            int trials = 0;
            const auto found = LeastWhole({300, 3000, 300, 10.0, near}, [&](int n) {
                ++trials;
                const bool raises = n >= row.raisesFrom && n <= row.raisesTo;
                if (raises && thrown) throw RuntimeError(ErrorKind::Overflow);
                // A raised trial's other fields mean nothing: here they would say "holds".
                if (raises) return Trial{true, 999.0, true};
                return Trial{n >= row.holdsFrom, 10.0 * n / row.holdsFrom};
            });
            EXPECT_EQ(found, row.answer) << row.what << (thrown ? ", thrown" : ", told");
            EXPECT_GT(trials, 0) << row.what;
        }
    }
}

TEST(LeastWhole, AnEmptyRangeHasNoAnswerAndNoTrial) {
    int trials = 0;
    const auto found = LeastWhole({5, 4, 5, 10.0}, [&](int) {
        ++trials;
        return Trial{true, 0};
    });
    EXPECT_EQ(found, std::nullopt);
    EXPECT_EQ(trials, 0);
}

} // namespace
} // namespace kesta::whatif
