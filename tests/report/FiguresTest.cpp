// The figures a report notes are the numbers its lines print, for every shipped example, the
// metric summary and a report that stops half way.
#include "ReportTestSupport.h"
#include "form/Examples.h"
#include "tests/common/PrintedFigures.h"
#include "tools/NumberText.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

// Every noted figure is printed with exactly its text, and every printed one was noted.
void ExpectNotedAsPrinted(const Calculator& calc, const std::string& what) {
    const PrintedFigures printed = ReadPrintedFigures(Lines(calc.BoxText()));
    for (std::size_t k = 0; k < kFigureCount; ++k) {
        const Figure figure = static_cast<Figure>(k);
        const auto& noted = calc.Figures().Get(figure);
        const auto line = printed.numbers.find(figure);
        ASSERT_EQ(noted.has_value(), line != printed.numbers.end()) << what << " figure " << k;
        if (noted) {
            EXPECT_EQ(NumberText(noted->value), line->second) << what << " figure " << k;
        }
    }
    const auto& verdicts = calc.Figures().Verdicts();
    ASSERT_EQ(verdicts.has_value(), !printed.verdict.empty()) << what;
    if (!verdicts) return;
    ASSERT_EQ(verdicts->size(), game::Animals().size());
    for (std::size_t i = 0; i < verdicts->size(); ++i) {
        const std::string& name = game::Animals()[i].name;
        ASSERT_EQ(printed.verdict.count(name), 1u) << what << " " << name;
        EXPECT_EQ(printed.verdict.at(name), game::VerdictName((*verdicts)[i])) << what << name;
    }
}

TEST(Figures, EveryExampleNotesWhatItPrints) {
    for (const ExampleSetup& example : Examples()) {
        const FormState form = kesta::ExampleForm(example);
        Calculator calc(form);
        ASSERT_NO_THROW(calc.WriteReport()) << example.name;
        EXPECT_TRUE(calc.Figures().Get(Figure::BothRibs6).has_value()) << example.name;
        ExpectNotedAsPrinted(calc, example.name);
    }
}

TEST(Figures, TheWorkedExampleInNumbers) {
    const FormState form = ReferenceForm();
    Calculator calc(form);
    calc.WriteReport();
    const ReportFigures& f = calc.Figures();
    EXPECT_EQ(f.Get(Figure::KineticEnergy)->value, 80);
    EXPECT_EQ(f.Get(Figure::KineticEnergy)->decimals, 1);
    EXPECT_EQ(f.Get(Figure::Momentum)->value, 0.53);
    EXPECT_EQ(f.Get(Figure::Ro)->value, 11.5);
    EXPECT_EQ(f.Get(Figure::DynamicSpine)->value, 490); // printed "49" and "0"
    EXPECT_EQ(f.Get(Figure::DamageArea)->value, 8.3);
    EXPECT_FALSE(f.Get(Figure::MomentumNs).has_value());
}

TEST(Figures, MetricSummaryAndStoppedReports) {
    const FormState metric = ReferenceForm("ChosenMetric");
    Calculator summary(metric);
    summary.WriteReport();
    EXPECT_TRUE(summary.Figures().Get(Figure::RoKg).has_value());
    EXPECT_FALSE(summary.Figures().Get(Figure::Ro).has_value());
    ExpectNotedAsPrinted(summary, "metric");

    // Without a broadhead weight the report stops in the spine section after its Fc% line:
    // the figures up to the dynamic spine only, and no verdicts. A later good report notes
    // everything anew.
    FormState form = ReferenceForm("BroadheadWeight=0");
    Calculator calc(form);
    EXPECT_THROW(calc.WriteReport(), RuntimeError);
    EXPECT_TRUE(calc.Figures().Get(Figure::DynamicSpine).has_value());
    EXPECT_FALSE(calc.Figures().Get(Figure::Foc).has_value());
    ExpectNotedAsPrinted(calc, "stopped");
    form.SetText("BroadheadWeight", "100");
    calc.WriteReport();
    ExpectNotedAsPrinted(calc, "after the stop");
    // A metric report after a full one keeps none of the full report's figures.
    form.SetSelected("ChosenMetric", true);
    calc.WriteReport();
    EXPECT_FALSE(calc.Figures().Get(Figure::Foc).has_value());
    EXPECT_FALSE(calc.Figures().Verdicts().has_value());
}

TEST(Figures, PerCategoryFigures) {
    EXPECT_EQ(HuntingDistanceFigure(1), Figure::HuntingDistance1);
    EXPECT_EQ(HuntingDistanceFigure(6), Figure::HuntingDistance6);
    EXPECT_EQ(BothRibsFigure(1), Figure::BothRibs1);
    EXPECT_EQ(BothRibsFigure(6), Figure::BothRibs6);
    EXPECT_THROW(BothRibsFigure(0), RuntimeError);
    EXPECT_THROW(HuntingDistanceFigure(7), RuntimeError);
}

} // namespace
} // namespace kesta::test
