// Penetration ability per category and the game lists: which animals the set-up is sufficient,
// marginal or not recommended for, and how the lists are ordered and wrapped.
#include "ImperialReportRun.h"

#include <gtest/gtest.h>

namespace kesta::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kHyphens(83, '-');
const std::string kDisclaimer1 = "Disclaimer: Nobody takes responsibility for your actions but "
                                 "you, and this report, althought";
const std::string kDisclaimer2 =
    "we strive to provide it as reliable as we can, must never replace your judgement...";

// All 48 animals in ascending mass, equal masses by character code, wrapped past 80 columns.
const Lines kAllAnimals = {
    "   fox,  Suni,  Jackals,  caracal,  Grysbok,  Steenbuck,  Duiker,  Klipspringer,  ",
    "   Oribi,  Rhebuck,  Springbuck,  Impala female,  Reedbuck,  cheetah,  Bushbuck,  ",
    "   Puku,  bushpig,  Fallow Deer,  Blesbuck,  Hayena,  Impala male,  Sitatunga,  Warthog,  ",
    "   Leopard,  Nyala female,  Black Wildebeest,  Nyala male,  Tsessebe,  Kudu female,  ",
    "   Hartbees,  Lion,  Oryx,  Sable Antelope,  Blue Wildebeest,  Roan Antelope/Baster "
    "gemsbok,  ",
    "   Waterbuck,  Kudu male,  Zebra,  Eland cow,  Buffalo female,  Eland bull,  Giraffe "
    "female,  ",
    "   crocodile,  Buffalo male,  Giraffe male,  Hippo,  Rhino,  Elephant,  ",
};

const Lines kEmptyList = {"   "};

void ExpectClosingLines(const ReportRun& run) {
    ASSERT_GE(run.lines.size(), 3u);
    const Lines closing(run.lines.end() - 3, run.lines.end());
    EXPECT_EQ(closing, (Lines{kHyphens, kDisclaimer1, kDisclaimer2}));
}

// Each list line starts with three blanks and ends with ",  "; a line is closed only once it
// runs past 80 characters, so every closed line is longer than 80 and was no longer than 80
// before its last name.
void ExpectWrappedList(const Lines& list) {
    ASSERT_FALSE(list.empty());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string& line = list[i];
        EXPECT_EQ(line.substr(0, 3), "   ") << line;
        if (line == "   ") continue;
        EXPECT_EQ(line.substr(line.size() - 3), ",  ") << line;
        if (i + 1 < list.size()) {
            EXPECT_GT(line.size(), 80u) << line;
            const std::string shorter = line.substr(0, line.size() - 3);
            EXPECT_LE(shorter.substr(0, shorter.rfind(",  ") + 3).size(), 80u) << line;
        }
    }
}

TEST(GameSection, ReferenceSetUp) {
    const ReportRun run = RunReport(ReferenceForm());
    ASSERT_FALSE(run.error);
    const Lines expected = {
        "Penetration Ability per category",
        "   rib breakage:  none     entry   exit    both",
        "   Category 1:     999     999       9       9   ",
        "   Category 2:      10       9      10       9   ",
        "   Category 3:      10       9      10       9   ",
        "   Category 4:      10       9      10       9   ",
        "   Category 5:      10       9      10       9   ",
        "   Category 6:      10       8      10       8   ",
        "",
        "Sufficient for:",
        "   fox,  Suni,  Jackals,  caracal,  Grysbok,  Steenbuck,  Duiker,  Klipspringer,  ",
        "   Oribi,  Rhebuck,  Springbuck,  Impala female,  ",
        "",
        "Marginal for:",
        "   Reedbuck,  cheetah,  Bushbuck,  Puku,  bushpig,  Fallow Deer,  Blesbuck,  Hayena,  ",
        "   Impala male,  Sitatunga,  Warthog,  Leopard,  Nyala female,  Black Wildebeest,  ",
        "   Nyala male,  Tsessebe,  Kudu female,  Hartbees,  Lion,  Oryx,  Sable Antelope,  ",
        "   Blue Wildebeest,  Roan Antelope/Baster gemsbok,  Waterbuck,  Kudu male,  Zebra,  ",
        "",
        "NOT Recomended for:",
        "   Eland cow,  Buffalo female,  Eland bull,  Giraffe female,  crocodile,  Buffalo "
        "male,  ",
        "   Giraffe male,  Hippo,  Rhino,  Elephant,  ",
        kHyphens,
        kDisclaimer1,
        kDisclaimer2,
    };
    EXPECT_EQ(run.From("Penetration Ability per category", expected.size() + 1), expected);
    // The section follows the reaction-time table and its empty line.
    const std::size_t at = run.IndexOf("Penetration Ability per category");
    ASSERT_GE(at, 2u);
    EXPECT_EQ(run.lines[at - 1], "");
    EXPECT_EQ(run.lines[at - 2], "    #4+       0.4       55 Y");
    EXPECT_EQ(run.lines[at + 2].size(), 49u);
    for (const char* heading : {"Sufficient for:", "Marginal for:", "NOT Recomended for:"}) {
        ExpectWrappedList(run.List(heading));
    }
}

TEST(GameSection, ArrowBelow240GrainsIsRecommendedForNothing) {
    FormState form = ReferenceForm();
    form.SetText("InArrowMass", "239.99");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.List("Sufficient for:"), kEmptyList);
    EXPECT_EQ(run.List("Marginal for:"), kEmptyList);
    EXPECT_EQ(run.List("NOT Recomended for:"), kAllAnimals);
    const Lines lengths = run.List("NOT Recomended for:");
    const std::vector<std::size_t> expectedLengths = {82, 82, 90, 85, 94, 94, 72};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        EXPECT_EQ(lengths[i].size(), expectedLengths[i]);
    }
    ExpectWrappedList(lengths);
    // No empty line between the last list and the hyphens.
    EXPECT_EQ(run.lines[run.lines.size() - 4], kAllAnimals.back());
    ExpectClosingLines(run);
}

TEST(GameSection, Exactly240GrainsIsMarginalForTheSmallestGame) {
    // 240 is 0.8 x 300 exactly: the marginal test M >= 0.8 B(k) holds with equality.
    FormState form = ReferenceForm();
    form.SetText("InArrowMass", "240");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.List("Sufficient for:"), kEmptyList);
    EXPECT_EQ(run.List("Marginal for:"),
              (Lines{"   fox,  Suni,  Jackals,  caracal,  Grysbok,  Steenbuck,  Duiker,  "
                     "Klipspringer,  ",
                     "   Oribi,  Rhebuck,  Springbuck,  Impala female,  Reedbuck,  "}));
    ExpectClosingLines(run);
}

TEST(GameSection, ReedbuckAt60KgIsCategoryOne) {
    // Cut-on-contact lowers Ro so the arrow breaks both ribs of the small game.
    FormState form = ReferenceForm();
    form.SetCutOnContact(1);
    form.SetText("InArrowMass", "300");
    ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    // 300 grains is exactly the minimum of category 1; cheetah (63 kg) is category 2, which
    // needs 400 grains, or 320 to be marginal.
    const Lines smallGame = {
        "   fox,  Suni,  Jackals,  caracal,  Grysbok,  Steenbuck,  Duiker,  Klipspringer,  ",
        "   Oribi,  Rhebuck,  Springbuck,  Impala female,  Reedbuck,  "};
    EXPECT_EQ(run.List("Sufficient for:"), smallGame);
    EXPECT_EQ(run.List("Marginal for:"), kEmptyList);
    const Lines rest = run.List("NOT Recomended for:");
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.front(), "   cheetah,  Bushbuck,  Puku,  bushpig,  Fallow Deer,  Blesbuck,  "
                            "Hayena,  Impala male,  ");
    EXPECT_EQ(rest.back(), "   Rhino,  Elephant,  ");

    // One grain less: category 1 is only marginal.
    form.SetText("InArrowMass", "299");
    run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.List("Sufficient for:"), kEmptyList);
    EXPECT_EQ(run.List("Marginal for:"), smallGame);
    ASSERT_FALSE(run.List("NOT Recomended for:").empty());
    EXPECT_EQ(run.List("NOT Recomended for:").front(), rest.front());
}

TEST(GameSection, HeavyFastArrowIsSufficientForEverything) {
    FormState form = ReferenceForm();
    form.SetText("InArrowMass", "1500");
    form.SetText("InArrowSpeed", "400");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.List("Sufficient for:"), kAllAnimals);
    EXPECT_EQ(run.List("Marginal for:"), kEmptyList);
    EXPECT_EQ(run.List("NOT Recomended for:"), kEmptyList);
    ExpectClosingLines(run);
}

// The names of a list, in order.
std::vector<std::string> ListedNames(const Lines& list) {
    std::vector<std::string> names;
    for (const std::string& line : list) {
        std::size_t start = 3;
        for (auto end = line.find(",  ", start); end != std::string::npos;
             end = line.find(",  ", start)) {
            names.push_back(line.substr(start, end - start));
            start = end + 3;
        }
    }
    return names;
}

TEST(GameSection, EqualMassesAreOrderedByCharacterCode) {
    FormState form = ReferenceForm();
    form.SetText("InArrowMass", "200");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    const std::vector<std::string> names = ListedNames(run.List("NOT Recomended for:"));
    ASSERT_EQ(names.size(), 48u);
    const auto follows = [&](const std::vector<std::string>& run_of_names) {
        auto at = std::find(names.begin(), names.end(), run_of_names.front());
        if (names.end() - at < static_cast<std::ptrdiff_t>(run_of_names.size())) return false;
        return std::equal(run_of_names.begin(), run_of_names.end(), at);
    };
    // Capitals before small letters at 65 kg, across a line break.
    EXPECT_TRUE(follows({"Bushbuck", "Puku", "bushpig"}));
    EXPECT_TRUE(follows({"Lion", "Oryx", "Sable Antelope"}));
    EXPECT_TRUE(follows({"Blesbuck", "Hayena", "Impala male", "Sitatunga"}));
    EXPECT_TRUE(follows({"Grysbok", "Steenbuck"}));
    EXPECT_TRUE(follows({"Duiker", "Klipspringer"}));
}

TEST(GameSection, NoPenetrationWithRoBelowTwoPounds) {
    // Both angles 0: the tangents are 0 and so is Ro.
    FormState form = ReferenceForm();
    form.SetText("inEdge", "0");
    form.SetText("inTip", "0");
    const ReportRun run = RunReport(form);
    ASSERT_FALSE(run.error);
    Lines expected = {"Penetration Ability per category",
                      "   rib breakage:  none     entry   exit    both"};
    for (int category = 1; category <= 6; ++category) {
        expected.push_back("   Category " + std::to_string(category) +
                           ":       0       0       0       0   ");
    }
    expected.push_back("");
    EXPECT_EQ(run.From("Penetration Ability per category", expected.size()), expected);
    EXPECT_EQ(run.List("Sufficient for:"), kEmptyList);
    EXPECT_EQ(run.List("Marginal for:"), kEmptyList);
    EXPECT_EQ(run.List("NOT Recomended for:"), kAllAnimals);
    ExpectClosingLines(run);
}

TEST(GameSection, ReportIsTheSameOnEveryPress) {
    const FormState form = ReferenceForm();
    Calculator calculator(form);
    const ReportRun first = RunReport(calculator);
    const ReportRun second = RunReport(calculator);
    ASSERT_FALSE(first.error);
    EXPECT_EQ(first.lines, second.lines);
}

} // namespace
} // namespace kesta::testing
