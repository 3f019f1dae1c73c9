// The figures a report notes as it prints them, and that each report notes them anew. That
// every noted figure is the number its line prints, for every example, the metric summary and
// stopped reports, is checked against the report text by the comparison tests.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

TEST(Figures, TheWorkedExampleInNumbers) {
    const FormState form = ReferenceForm();
    Calculator calc(form);
    calc.WriteReport();
    const ReportFigures& f = calc.Figures();
    EXPECT_EQ(f.Get(FigureId::KineticEnergy)->value, 80);
    EXPECT_EQ(f.Get(FigureId::KineticEnergy)->decimals, 1);
    EXPECT_EQ(f.Get(FigureId::Momentum)->value, 0.53);
    EXPECT_EQ(f.Get(FigureId::Ro)->value, 11.5);
    EXPECT_EQ(f.Get(FigureId::DynamicSpine)->value, 490); // printed "49" and "0"
    EXPECT_EQ(f.Get(FigureId::DamageArea)->value, 8.3);
    EXPECT_TRUE(f.Get(FigureId::BothRibs6).has_value());
    EXPECT_EQ(f.Verdicts()->size(), game::Animals().size());
    EXPECT_FALSE(f.Get(FigureId::MomentumNs).has_value());
}

TEST(Figures, EachReportNotesItsOwn) {
    // Without a broadhead weight the report stops in the spine section after its Fc% line:
    // the figures up to the dynamic spine only, and no verdicts.
    FormState form = ReferenceForm("BroadheadWeight=0");
    Calculator calc(form);
    EXPECT_THROW(calc.WriteReport(), RuntimeError);
    EXPECT_TRUE(calc.Figures().Get(FigureId::DynamicSpine).has_value());
    EXPECT_FALSE(calc.Figures().Get(FigureId::Foc).has_value());
    EXPECT_FALSE(calc.Figures().Verdicts().has_value());
    form.SetText("BroadheadWeight", "100");
    calc.WriteReport();
    EXPECT_TRUE(calc.Figures().Verdicts().has_value());
    // A metric report after a full one keeps none of the full report's figures.
    form.SetSelected("ChosenMetric", true);
    calc.WriteReport();
    EXPECT_TRUE(calc.Figures().Get(FigureId::RoKg).has_value());
    EXPECT_FALSE(calc.Figures().Get(FigureId::Foc).has_value());
    EXPECT_FALSE(calc.Figures().Verdicts().has_value());
}

TEST(Figures, PerCategoryFigures) {
    EXPECT_EQ(HuntingDistanceFigure(1), FigureId::HuntingDistance1);
    EXPECT_EQ(HuntingDistanceFigure(6), FigureId::HuntingDistance6);
    EXPECT_EQ(BothRibsFigure(1), FigureId::BothRibs1);
    EXPECT_EQ(BothRibsFigure(6), FigureId::BothRibs6);
    EXPECT_THROW(BothRibsFigure(0), RuntimeError);
    EXPECT_THROW(HuntingDistanceFigure(7), RuntimeError);
}

} // namespace
} // namespace kesta::test
