// The needs table against its definition: every answer is the least whole number whose plain
// penetration run the verdict rule calls sufficient, and the verdict column is the report's.
#include "WhatIfTestSupport.h"
#include "tests/common/ThreadTime.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <random>

namespace kesta::test {
namespace {

using whatif::NeedsRow;

// The row's answers are the least that are sufficient, checked at the answer and one below;
// "none" is checked at the top of the range. Penetration grows with mass and speed, so this
// pins the least number without a scan.
void ExpectLeastAnswers(const whatif::SetUp& s, const NeedsRow& row) {
    const game::AnimalFigures f = game::FiguresOf(game::Animals()[row.position]);
    const std::string where = row.animal + " at " + NumberText(s.grains) + " gr, " +
                              NumberText(s.fps) + " fps, Ro " + NumberText(s.ro);
    if (const auto m = row.leastGrains) {
        EXPECT_TRUE(Sufficient(s, f, *m, s.fps)) << where;
        if (*m > 1) {
            EXPECT_FALSE(Sufficient(s, f, *m - 1, s.fps)) << where;
        }
    } else {
        EXPECT_FALSE(Sufficient(s, f, whatif::kMostGrains, s.fps)) << where;
    }
    if (const auto v = row.leastFps) {
        EXPECT_TRUE(Sufficient(s, f, s.grains, *v)) << where;
        if (*v > 1) {
            EXPECT_FALSE(Sufficient(s, f, s.grains, *v - 1)) << where;
        }
    } else {
        EXPECT_FALSE(Sufficient(s, f, s.grains, whatif::kMostFps)) << where;
    }
    if (const auto m = row.sameEnergyGrains) {
        EXPECT_TRUE(SufficientWithSameBow(s, f, *m)) << where;
        if (*m > 1) {
            EXPECT_FALSE(SufficientWithSameBow(s, f, *m - 1)) << where;
        }
        EXPECT_EQ(row.sameEnergyFps, SameBowFps(s, *m)) << where;
    } else {
        EXPECT_FALSE(SufficientWithSameBow(s, f, whatif::kMostGrains)) << where;
        EXPECT_EQ(row.sameEnergyFps, std::nullopt) << where;
    }
}

// The set-up, the table's animals and the verdict column as the report has them.
void ExpectTheReportsSetUpAndLists(const FormState& form, const whatif::NeedsTable& table) {
    Calculator calc(form);
    const Outcome out = Press(calc);
    ASSERT_FALSE(out.error) << out.place;
    EXPECT_EQ(table.setUp.grains, calc.Record().massGrains);
    EXPECT_EQ(table.setUp.fps, calc.Record().speedFps);
    EXPECT_EQ(table.setUp.ro, calc.RoLbs());
    EXPECT_EQ(table.setUp.bladeAreaSum, calc.Record().bladeAreaSum);
    const auto lists = ListsOf(out.lines);
    ASSERT_EQ(table.rows.size(), game::Animals().size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const NeedsRow& row = table.rows[i];
        const game::Animal& animal = game::Animals()[i];
        EXPECT_EQ(row.position, i);
        EXPECT_EQ(row.animal, animal.name);
        EXPECT_EQ(row.massKg, animal.massKg);
        EXPECT_EQ(row.category, game::FiguresOf(animal).category);
        ASSERT_TRUE(lists.count(row.animal)) << row.animal;
        EXPECT_EQ(row.verdict, lists.at(row.animal)) << row.animal;
    }
}

TEST(Needs, OnRandomSetUpsEveryAnswerIsTheLeastSufficientOneAndVerdictsAreTheReports) {
    std::mt19937 rng(20261208);
    std::map<game::Verdict, int> verdicts;
    int answered = 0, none = 0;
    for (int k = 0; k < 200; ++k) {
        const FormState form = RandomSetUp(rng);
        whatif::NeedsCalculator needs(form);
        const whatif::NeedsTable table = needs.Table();
        ExpectTheReportsSetUpAndLists(form, table);
        for (const NeedsRow& row : table.rows) {
            ExpectLeastAnswers(table.setUp, row);
            ++verdicts[row.verdict];
            (row.leastFps ? answered : none) += 1;
        }
        if (HasFailure()) {
            ADD_FAILURE() << "set-up " << k;
            break;
        }
    }
    // The set-ups reach every verdict, and speeds that help as well as masses no speed helps.
    EXPECT_EQ(verdicts.size(), 3u);
    EXPECT_GT(answered, 1000);
    EXPECT_GT(none, 1000);
}

// The literal definition, one number after another from 1, for the worked example.
std::optional<int> ScanFromOne(int most, const std::function<bool(int)>& sufficient) {
    for (int n = 1; n <= most; ++n)
        if (sufficient(n)) return n;
    return std::nullopt;
}

TEST(Needs, WorkedExampleEqualsAPlainScan) {
    const FormState form = ExampleForm();
    whatif::NeedsCalculator needs(form);
    const whatif::NeedsTable table = needs.Table();
    const whatif::SetUp& s = table.setUp;
    std::map<double, bool> scanned; // animals of one mass have one answer
    for (const NeedsRow& row : table.rows) {
        if (scanned[row.massKg]) continue;
        scanned[row.massKg] = true;
        const game::AnimalFigures f = game::FiguresOf(game::Animals()[row.position]);
        EXPECT_EQ(row.leastGrains, ScanFromOne(whatif::kMostGrains,
                                               [&](int m) { return Sufficient(s, f, m, s.fps); }))
            << row.animal;
        EXPECT_EQ(row.leastFps, ScanFromOne(whatif::kMostFps,
                                            [&](int v) { return Sufficient(s, f, s.grains, v); }))
            << row.animal;
        EXPECT_EQ(
            row.sameEnergyGrains,
            ScanFromOne(whatif::kMostGrains, [&](int m) { return SufficientWithSameBow(s, f, m); }))
            << row.animal;
    }
}

// Around each answer of a few random set-ups, every number; across the whole range, every
// 100th: nothing below the answer is sufficient, everything from it on is.
TEST(Needs, OnRandomSetUpsSufficiencyChangesOnceAtTheAnswer) {
    std::mt19937 rng(7);
    for (int k = 0; k < 4; ++k) {
        const FormState form = RandomSetUp(rng);
        whatif::NeedsCalculator needs(form);
        const whatif::NeedsTable table = needs.Table();
        const whatif::SetUp& s = table.setUp;
        auto expectOneChange = [](const std::optional<int>& answer, int most,
                                  const std::function<bool(int)>& sufficient,
                                  const std::string& what) {
            const int at = answer.value_or(most + 1);
            std::vector<int> numbers;
            for (int n = std::max(1, at - 15); n <= std::min(most, at + 15); ++n)
                numbers.push_back(n);
            for (int n = 100; n <= most; n += 100)
                numbers.push_back(n);
            for (int n : numbers)
                EXPECT_EQ(sufficient(n), n >= at) << what << " at " << n;
        };
        std::map<double, bool> seen;
        for (const NeedsRow& row : table.rows) {
            if (seen[row.massKg]) continue;
            seen[row.massKg] = true;
            const game::AnimalFigures f = game::FiguresOf(game::Animals()[row.position]);
            const std::string what = row.animal + " / set-up " + std::to_string(k);
            expectOneChange(
                row.leastGrains, whatif::kMostGrains,
                [&](int m) { return Sufficient(s, f, m, s.fps); }, what + " grains");
            expectOneChange(
                row.leastFps, whatif::kMostFps,
                [&](int v) { return Sufficient(s, f, s.grains, v); }, what + " fps");
            expectOneChange(
                row.sameEnergyGrains, whatif::kMostGrains,
                [&](int m) { return SufficientWithSameBow(s, f, m); }, what + " same bow");
        }
    }
}

TEST(Needs, StopsWithTheReportsErrorWhereTheReportWould) {
    struct Row {
        const char* changes;
        ErrorKind kind;
        std::string place;
        bool chartStops; // a chart leaves gaps for failing runs; it needs Setup and Ro
    };
    const Row rows[] = {
        {"InArrowLength=", ErrorKind::TypeMismatch, "input InArrowLength", true},
        {"InArrowSpeed=1e400", ErrorKind::Overflow, "input InArrowSpeed", true},
        // A blade shorter than high: Ro takes the root of a negative number.
        {"InBroadhead_1=0.4", ErrorKind::InvalidProcedureCall, "Ro, Broadhead", true},
        {"inTip=200", ErrorKind::InvalidProcedureCall, "Ro, Broadhead", true},
        // So fast that the first animal's penetration run overflows, as in the report.
        {"InArrowSpeed=1e160", ErrorKind::Overflow, "Black Wildebeest, Game Recommendations",
         false},
    };
    for (const Row& row : rows) {
        const FormState form = ExampleForm(row.changes);
        whatif::NeedsCalculator needs(form);
        const auto tableError = ErrorOf([&] { needs.Table(); });
        ASSERT_TRUE(tableError) << row.changes;
        EXPECT_EQ(tableError->kind(), row.kind) << row.changes;
        EXPECT_EQ(tableError->place(), row.place) << row.changes;
        const auto chartError = ErrorOf([&] { needs.Chart(0); });
        EXPECT_EQ(chartError.has_value(), row.chartStops) << row.changes;
        if (row.chartStops && chartError) {
            EXPECT_EQ(chartError->kind(), row.kind) << row.changes;
            EXPECT_EQ(chartError->place(), row.place) << row.changes;
        }
        // The report stops with the same kind; a Setup failure at the same place.
        const Outcome report = Press(form);
        EXPECT_EQ(report.error, row.kind) << row.changes;
        if (row.place.rfind("input ", 0) == 0) {
            EXPECT_EQ(report.place, row.place) << row.changes;
        }
    }
}

TEST(Needs, RunsThatRaiseAreNotSufficient) {
    // An arrow of 1e306 grains itself passes through everything, but the same bow would send
    // a light arrow so fast that its run overflows: such arrows are not sufficient, and the
    // answer is the least arrow whose run goes through without an error.
    const FormState form = ExampleForm("InArrowMass=1e306");
    whatif::NeedsCalculator needs(form);
    const whatif::NeedsTable table = needs.Table();
    const game::AnimalFigures first = game::FiguresOf(game::Animals()[0]);
    const NeedsRow& row = table.rows[0];
    ASSERT_TRUE(row.sameEnergyGrains);
    EXPECT_EQ(KindOf([&] {
                  PlainDepth(table.setUp, first, *row.sameEnergyGrains - 1,
                             SameBowFps(table.setUp, *row.sameEnergyGrains - 1));
              }),
              ErrorKind::Overflow);
    for (const NeedsRow& r : table.rows) {
        EXPECT_EQ(r.verdict, game::Verdict::Sufficient) << r.animal;
        ExpectLeastAnswers(table.setUp, r);
    }
}

TEST(Needs, ArrowsTheModelCannotFollowForAnyAnimalAreNeverSufficient) {
    // 1e308 grains: the same bow would send every arrow of 1 to 3000 grains so fast that its
    // run overflows before the animal matters. The table says so for every animal, as a plain
    // scan does; such runs fail once for the table, not once per animal, so it is quick.
    const FormState form = ExampleForm("InArrowMass=1e308");
    whatif::NeedsCalculator needs(form);
    const double start = ThreadSeconds();
    const whatif::NeedsTable table = needs.Table();
    const double seconds = ThreadSeconds() - start;
    const game::AnimalFigures first = game::FiguresOf(game::Animals()[0]);
    for (int grains = 1; grains <= whatif::kMostGrains; ++grains)
        ASSERT_FALSE(SufficientWithSameBow(table.setUp, first, grains)) << grains;
    for (const NeedsRow& row : table.rows) {
        EXPECT_EQ(row.sameEnergyGrains, std::nullopt) << row.animal;
        ExpectLeastAnswers(table.setUp, row);
    }
    // Processor time, which a busy machine disturbs little; about a second before.
    if (kTimeLimitsApply) EXPECT_LT(seconds, 0.25);
}

} // namespace
} // namespace kesta::test
