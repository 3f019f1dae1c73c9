// The comparison's figures and verdict changes are what the two plain reports print, read
// back from their text: for a heavier arrow, a report that stops, a metric summary and every
// example.
#include "CompareTestSupport.h"
#include "compare/Comparison.h"
#include "form/Examples.h"
#include "report/Calculator.h"
#include "tests/common/PrintedFigures.h"
#include "tools/NumberText.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kesta::test {
namespace {

// The full report of a form, read back from its printed lines: a comparison takes its figures
// from it whatever report units the set-up chose.
PrintedFigures PlainReport(FormState form) {
    form.SetSelected("ChosenImperic", true);
    Calculator calc(form);
    try {
        calc.WriteReport();
    } catch (const RuntimeError&) {
    }
    std::vector<std::string> lines;
    const std::string& box = calc.BoxText();
    for (std::size_t from = 0, at; (at = box.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(box.substr(from, at - from));
    return ReadPrintedFigures(lines);
}

std::optional<std::string> PrintedNumber(const PrintedFigures& printed, FigureId figure) {
    const auto it = printed.numbers.find(figure);
    if (it == printed.numbers.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> Text(const std::optional<ShownFigure>& shown) {
    if (!shown) return std::nullopt;
    return NumberText(shown->value);
}

// Every row holds the two reports' printed numbers and their difference; every printed figure
// has its row; the verdict changes are the animals listed under different headings.
void ExpectSummaryOfPlainReports(const FormState& a, const FormState& b) {
    const Comparison c = Compare(a, b);
    const PrintedFigures printedA = PlainReport(a), printedB = PlainReport(b);
    std::set<FigureId> rows;
    for (const FigureRow& row : c.figures) {
        rows.insert(row.figure);
        const std::string label = FigureLabel(row.figure);
        EXPECT_EQ(Text(row.a), PrintedNumber(printedA, row.figure)) << label;
        EXPECT_EQ(Text(row.b), PrintedNumber(printedB, row.figure)) << label;
        if (row.a && row.b && !WentThrough(row.figure, row.a) && !WentThrough(row.figure, row.b)) {
            ASSERT_TRUE(row.difference.has_value()) << label;
            const double printedDifference = ToNumber(*PrintedNumber(printedB, row.figure)) -
                                             ToNumber(*PrintedNumber(printedA, row.figure));
            EXPECT_NEAR(*row.difference, printedDifference, 1e-9) << label;
        } else {
            EXPECT_FALSE(row.difference.has_value()) << label;
        }
    }
    for (const auto* printed : {&printedA, &printedB})
        for (const auto& [figure, number] : printed->numbers)
            EXPECT_TRUE(rows.count(figure)) << FigureLabel(figure) << " printed but not compared";

    std::set<std::string> changed;
    for (const VerdictChange& change : c.verdictChanges) {
        changed.insert(change.animal);
        EXPECT_EQ(printedA.verdict.at(change.animal), game::VerdictName(change.a));
        EXPECT_EQ(printedB.verdict.at(change.animal), game::VerdictName(change.b));
    }
    EXPECT_EQ(c.verdictsCompared, !printedA.verdict.empty() && !printedB.verdict.empty());
    if (!c.verdictsCompared) return;
    for (const auto& [animal, verdict] : printedA.verdict) {
        if (!changed.count(animal)) {
            EXPECT_EQ(printedB.verdict.at(animal), verdict) << animal;
        }
    }
}

TEST(Comparison, WorkedExampleAgainstA500GrainArrow) {
    ExpectSummaryOfPlainReports(WorkedExampleForm(), Mass500());
    const Comparison c = Compare(WorkedExampleForm(), Mass500());
    EXPECT_FALSE(c.EitherStopped());
    ASSERT_EQ(c.figures.size(), 21u); // the full report's figures, none of the metric ones
    EXPECT_EQ(c.figures[0].figure, FigureId::ArrowSpeed);
    EXPECT_EQ(c.figures[1].figure, FigureId::ArrowMass);
    EXPECT_EQ(*c.figures[1].difference, 100);
    const FigureRow& energy = c.figures[2];
    EXPECT_EQ(energy.figure, FigureId::KineticEnergy);
    EXPECT_EQ(energy.a->value, 80);
    EXPECT_EQ(c.figures.back().figure, FigureId::BothRibs6);
    // A heavier arrow at the same speed carries 500/400 of the energy: 79.957 foot-pounds
    // printed "80" against 99.946 printed "99.9", so the difference is the printed one.
    EXPECT_EQ(energy.b->value, 99.9);
    EXPECT_EQ(*energy.difference, 19.9);
    // The only input that differs is the one changed.
    ASSERT_EQ(c.inputs.size(), 1u);
    EXPECT_EQ(c.inputs[0].input, "Arrow mass");
    EXPECT_EQ(c.inputs[0].a, "400 grains");
    EXPECT_EQ(c.inputs[0].b, "500 grains");
    EXPECT_TRUE(c.verdictsCompared);
    EXPECT_FALSE(c.verdictChanges.empty());
    for (const VerdictChange& change : c.verdictChanges) // heavier never judges worse here
        EXPECT_LT(static_cast<int>(change.b), static_cast<int>(change.a)) << change.animal;
    // Against itself nothing differs.
    const Comparison same = Compare(WorkedExampleForm(), WorkedExampleForm());
    for (const FigureRow& row : same.figures)
        EXPECT_EQ(*row.difference, 0) << FigureLabel(row.figure);
    EXPECT_TRUE(same.verdictChanges.empty());
    EXPECT_TRUE(same.inputs.empty());
    EXPECT_EQ(same.a.text, same.b.text);
}

TEST(Comparison, AReportThatStopsStopsOnItsSideOnly) {
    // No broadhead weight: B stops in the dynamic spine section.
    const FormState stopping = WorkedExampleWith("BroadheadWeight", "0");
    ExpectSummaryOfPlainReports(WorkedExampleForm(), stopping);
    const Comparison c = Compare(WorkedExampleForm(), stopping);
    EXPECT_FALSE(c.a.Stopped());
    EXPECT_EQ(c.b.error, "Division by zero");
    EXPECT_EQ(c.b.place, "report line 17, Dynamic Spine");
    EXPECT_TRUE(c.EitherStopped());
    EXPECT_EQ(std::count(c.b.text.begin(), c.b.text.end(), '\n'), 16);
    EXPECT_EQ(c.b.text.substr(c.b.text.size() - 13), "   Fc% : 73%\n");
    EXPECT_EQ(c.a.text.find('\r'), std::string::npos);
    EXPECT_FALSE(c.verdictsCompared);
    EXPECT_TRUE(c.verdictChanges.empty());

    // A Setup failure writes no line at all; the other side is whole, swapped sides too.
    const Comparison setup = Compare(WorkedExampleWith("InArrowLength", "x"), WorkedExampleForm());
    EXPECT_EQ(setup.a.error, "Type mismatch");
    EXPECT_EQ(setup.a.place, "input InArrowLength");
    EXPECT_EQ(setup.a.text, "");
    EXPECT_FALSE(setup.b.Stopped());
    for (const FigureRow& row : setup.figures) {
        EXPECT_FALSE(row.a.has_value());
        EXPECT_TRUE(row.b.has_value());
    }
}

TEST(Comparison, MetricAgainstImperialComparesTheFullFigures) {
    FormState metric = WorkedExampleForm();
    metric.SetSelected("ChosenMetric", true);
    ExpectSummaryOfPlainReports(metric, WorkedExampleForm());
    const Comparison c = Compare(metric, WorkedExampleForm());
    // Each side shows its own report, the summary for A ...
    EXPECT_EQ(c.a.text.substr(0, 31), "Momentum = 2.38 Newton seconds\n");
    // ... but the figures of both are the full report's, so every one compares.
    ASSERT_EQ(c.figures.size(), 21u);
    for (const FigureRow& row : c.figures) {
        ASSERT_TRUE(row.a && row.b) << FigureLabel(row.figure);
        EXPECT_EQ(row.a->value, row.b->value) << FigureLabel(row.figure);
        EXPECT_NE(row.better, Better::A);
        EXPECT_NE(row.better, Better::B);
    }
    EXPECT_TRUE(c.verdictsCompared);
    EXPECT_TRUE(c.verdictChanges.empty());
    ASSERT_EQ(c.inputs.size(), 1u);
    EXPECT_EQ(c.inputs[0].input, "Report units");
    EXPECT_EQ(c.inputs[0].a, "Metric");
    EXPECT_EQ(c.inputs[0].b, "Imperial");
}

TEST(Comparison, TheBetterSideWhereItIsClear) {
    const Comparison c = Compare(WorkedExampleForm(), Mass500());
    std::map<FigureId, Better> better;
    for (const FigureRow& row : c.figures)
        better[row.figure] = row.better;
    EXPECT_EQ(better[FigureId::KineticEnergy], Better::B);
    EXPECT_EQ(better[FigureId::Momentum], Better::B);
    EXPECT_EQ(better[FigureId::Ro], Better::Same); // the same broadhead
    EXPECT_EQ(better[FigureId::ArrowMass], Better::Unclear);
    EXPECT_EQ(better[FigureId::DynamicSpine], Better::Unclear);
    EXPECT_EQ(better[FigureId::Foc], Better::Unclear);

    // Figures built by hand: lower Ro is better, and "went through" (999) beats any depth,
    // with no difference taken.
    SideReport a, b;
    a.figures.Note(FigureId::Ro, {11.5, 1});
    b.figures.Note(FigureId::Ro, {9.2, 1});
    a.figures.Note(FigureId::BothRibs1, {9, 0});
    b.figures.Note(FigureId::BothRibs1, {999, 0});
    a.figures.Note(FigureId::BothRibs2, {999, 0});
    b.figures.Note(FigureId::BothRibs2, {999, 0});
    a.figures.Note(FigureId::HuntingDistance1, {999, 0}); // a distance of 999 is a distance
    b.figures.Note(FigureId::HuntingDistance1, {40, 0});
    const Comparison hand = Compare(a, b);
    ASSERT_EQ(hand.figures.size(), 4u);
    EXPECT_EQ(hand.figures[0].better, Better::B); // Ro
    const FigureRow& hunting = hand.figures[1];
    EXPECT_EQ(hunting.better, Better::A);
    EXPECT_EQ(*hunting.difference, -959);
    const FigureRow& through = hand.figures[2];
    EXPECT_EQ(through.better, Better::B);
    EXPECT_FALSE(through.difference.has_value());
    EXPECT_TRUE(WentThrough(through.figure, through.b));
    EXPECT_FALSE(WentThrough(through.figure, through.a));
    EXPECT_EQ(hand.figures[3].better, Better::Same);
    EXPECT_FALSE(hand.figures[3].difference.has_value());
}

TEST(Comparison, InputsThatDifferAreShownAsTyped) {
    FormState b = WorkedExampleForm();
    b.SetText("InBroadhead_4", "12.7");
    b.SetText("InBroadhead_5", "25.4");
    b.SetSelected("BroadheadMM", true);
    b.SetSelected("Safety_4", true);
    b.SetShaftDiameter(2);
    b.SetCutOnContact(1);
    const Comparison c = Compare(WorkedExampleForm(), b);
    std::vector<std::string> rows;
    for (const InputRow& row : c.inputs)
        rows.push_back(row.input + ": " + row.a + " | " + row.b);
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Blade height, row 1: 0.5 inches | 0.5 mm",
                        "Blade length, row 1: 1 inches | 1 mm",
                        "Blade height, row 2: 0.5 inches | 0.5 mm",
                        "Blade length, row 2: 1 inches | 1 mm",
                        "Blade height, row 3: (empty) | 12.7 mm",
                        "Blade length, row 3: (empty) | 25.4 mm",
                        "Safety factor: 25% | 100%",
                        "Shaft diameter: smaller than BH ferrule | larger than ferrule",
                        "Cut-on-contact tip: no | yes",
                    }));
}

TEST(Comparison, EveryExampleAgainstTheNext) {
    const auto& examples = Examples();
    for (std::size_t k = 0; k < examples.size(); ++k) {
        SCOPED_TRACE(examples[k].name);
        ExpectSummaryOfPlainReports(ExampleForm(examples[k]),
                                    ExampleForm(examples[(k + 1) % examples.size()]));
    }
}

TEST(Comparison, FigureLabels) {
    EXPECT_EQ(FigureLabel(FigureId::KineticEnergy), "Kinetic energy (foot-pounds)");
    EXPECT_EQ(FigureLabel(FigureId::DynamicSpine), "Dynamic spine");
    EXPECT_EQ(FigureLabel(FigureId::Foc), "FOC (%)");
    EXPECT_EQ(FigureLabel(FigureId::HuntingDistance6), "Max. hunting distance #6 (yards)");
    EXPECT_EQ(FigureLabel(FigureId::BothRibs1), "Penetration, both ribs, category 1 (inch)");
}

} // namespace
} // namespace kesta::test
