// The text, CSV and JSON forms of a comparison carry exactly its rows.
#include "CompareTestSupport.h"
#include "compare/CompareFormats.h"
#include "tools/NumberText.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kesta::test {
namespace {

using Lines = std::vector<std::string>;

Lines SplitAt(const std::string& text, char separator) {
    Lines parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// A CSV row split at commas outside quotes, quotes removed.
Lines CsvCells(const std::string& row) {
    Lines cells(1);
    bool quoted = false;
    for (char c : row) {
        if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) cells.emplace_back();
        else cells.back() += c;
    }
    return cells;
}

TEST(CompareFormats, NumbersAndChanges) {
    EXPECT_EQ(ShownText(FigureId::Ro, ShownFigure{35.1, 1}), "35.1");
    EXPECT_EQ(ShownText(FigureId::Ro, std::nullopt), "n/a");
    // 999 is "went through" only for a penetration.
    EXPECT_EQ(ShownText(FigureId::BothRibs3, ShownFigure{999, 0}), "through");
    EXPECT_EQ(ShownText(FigureId::SoftTissue, ShownFigure{999, 1}), "through");
    EXPECT_EQ(ShownText(FigureId::HuntingDistance3, ShownFigure{999, 0}), "999");
    EXPECT_EQ(BetterText(Better::A), "A");
    EXPECT_EQ(BetterText(Better::Same), "same");
    EXPECT_EQ(BetterText(Better::Unclear), "");
    EXPECT_EQ(DifferenceText(35.1), "+35.1");
    EXPECT_EQ(DifferenceText(-3.0), "-3");
    EXPECT_EQ(DifferenceText(0.0), "0");
    EXPECT_EQ(DifferenceText(-0.0), "0");
    EXPECT_EQ(DifferenceText(std::nullopt), "");
    EXPECT_EQ(VerdictChangeText({"Kudu male", game::Verdict::Marginal, game::Verdict::Sufficient}),
              "Kudu male: marginal \u2192 sufficient");
}

TEST(CompareFormats, TextSummary) {
    const Comparison c = Compare(WorkedExampleForm(), Mass500());
    const Lines lines = SplitAt(CompareText(c, "worked.kesta", "heavier.kesta"), '\n');
    ASSERT_GT(lines.size(), 26u);
    EXPECT_EQ(lines[0], "A: worked.kesta");
    EXPECT_EQ(lines[1], "B: heavier.kesta");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Inputs that differ (A \u2192 B):");
    EXPECT_EQ(lines[4], "   Arrow mass: 400 grains \u2192 500 grains");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Figure                                             A         B       B - A  Better");
    EXPECT_EQ(lines[7], "Arrow speed (fps)                                300       300           0");
    EXPECT_EQ(lines[8], "Arrow mass (grains)                              400       500        +100");
    EXPECT_EQ(lines[9], "Kinetic energy (foot-pounds)                      80      99.9       +19.9  B");
    EXPECT_EQ(lines[6 + c.figures.size()].substr(0, 41), "Penetration, both ribs, category 6 (inch)");
    EXPECT_EQ(lines[7 + c.figures.size()], "");
    EXPECT_EQ(lines[8 + c.figures.size()], "Verdict changes (A \u2192 B):");
    EXPECT_EQ(lines[9 + c.figures.size()], "   " + VerdictChangeText(c.verdictChanges.front()));
    EXPECT_EQ(lines.back(), ""); // the text ends with a line break

    const Comparison same = Compare(WorkedExampleForm(), WorkedExampleForm());
    const std::string text = CompareText(same, "a", "b");
    EXPECT_NE(text.find("   Every animal has the same verdict.\n"), std::string::npos);
}

TEST(CompareFormats, CsvRowPerFigureThenVerdictChanges) {
    const Comparison c = Compare(WorkedExampleForm(), Mass500());
    Lines rows = SplitAt(CompareCsv(c), '\n');
    ASSERT_EQ(rows.back(), "");
    rows.pop_back();
    ASSERT_EQ(rows.size(), 1 + c.figures.size() + c.inputs.size() + c.verdictChanges.size());
    EXPECT_EQ(rows[0], "figure,a,b,difference,better");
    EXPECT_EQ(rows[3], "Kinetic energy (foot-pounds),80,99.9,19.9,B");
    EXPECT_EQ(rows[16].substr(0, 44), "\"Penetration, both ribs, category 1 (inch)\",");
    for (std::size_t k = 0; k < c.figures.size(); ++k) {
        const Lines cells = CsvCells(rows[1 + k]);
        ASSERT_EQ(cells.size(), 5u) << rows[1 + k];
        EXPECT_EQ(cells[4], BetterText(c.figures[k].better));
        EXPECT_EQ(cells[0], FigureLabel(c.figures[k].figure));
        EXPECT_EQ(cells[1], NumberText(c.figures[k].a->value));
        EXPECT_EQ(cells[2], NumberText(c.figures[k].b->value));
        EXPECT_EQ(cells[3], NumberText(*c.figures[k].difference));
    }
    EXPECT_EQ(rows[1 + c.figures.size()], "input: Arrow mass,400 grains,500 grains,,");
    const VerdictChange& first = c.verdictChanges.front();
    EXPECT_EQ(rows[2 + c.figures.size()], "verdict: " + first.animal + "," +
                                              game::VerdictName(first.a) + "," +
                                              game::VerdictName(first.b) + ",,");
    // A stopped side leaves its cells, the difference and the better side empty.
    const Comparison stopped = Compare(WorkedExampleForm(), WorkedExampleWith("BroadheadWeight", "0"));
    EXPECT_NE(CompareCsv(stopped).find("\nFOC (%),9,,,\n"), std::string::npos);
}

TEST(CompareFormats, JsonCarriesEveryRow) {
    const Comparison c = Compare(WorkedExampleForm(), Mass500());
    const nlohmann::json json = nlohmann::json::parse(CompareJson(c, "worked", "heavier"));
    EXPECT_EQ(json["a"]["setup"], "worked");
    EXPECT_TRUE(json["a"]["error"].is_null());
    EXPECT_EQ(json["b"]["setup"], "heavier");
    ASSERT_EQ(json["figures"].size(), c.figures.size());
    for (std::size_t k = 0; k < c.figures.size(); ++k) {
        const auto& row = json["figures"][k];
        EXPECT_EQ(row["figure"], FigureName(c.figures[k].figure));
        EXPECT_EQ(row["unit"], FigureUnit(c.figures[k].figure));
        EXPECT_EQ(row["a"].get<double>(), c.figures[k].a->value);
        EXPECT_EQ(row["b"].get<double>(), c.figures[k].b->value);
        EXPECT_EQ(row["difference"].get<double>(), *c.figures[k].difference);
        EXPECT_EQ(row["through_b"], false);
        if (c.figures[k].better == Better::Unclear)
            EXPECT_TRUE(row["better"].is_null());
        else
            EXPECT_EQ(row["better"], BetterText(c.figures[k].better));
    }
    ASSERT_EQ(json["inputs"].size(), 1u);
    EXPECT_EQ(json["inputs"][0]["input"], "Arrow mass");
    EXPECT_EQ(json["inputs"][0]["b"], "500 grains");
    EXPECT_EQ(json["verdicts_compared"], true);
    ASSERT_EQ(json["verdict_changes"].size(), c.verdictChanges.size());
    EXPECT_EQ(json["verdict_changes"][0]["animal"], c.verdictChanges[0].animal);
    EXPECT_EQ(json["verdict_changes"][0]["b"], game::VerdictName(c.verdictChanges[0].b));

    const Comparison stopped = Compare(WorkedExampleWith("BroadheadWeight", "0"), WorkedExampleForm());
    const nlohmann::json j = nlohmann::json::parse(CompareJson(stopped, "a", "b"));
    EXPECT_EQ(j["a"]["error"], "Division by zero");
    EXPECT_EQ(j["a"]["stopped_at"], "report line 17, Dynamic Spine");
    EXPECT_EQ(j["verdicts_compared"], false);
    for (const auto& row : j["figures"]) {
        if (row["figure"] == "FOC") {
            EXPECT_TRUE(row["a"].is_null() && row["difference"].is_null());
        }
    }
}

} // namespace
} // namespace kesta::test
