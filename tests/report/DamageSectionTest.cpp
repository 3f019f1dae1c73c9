// The shaft factor, the average cutting diameter and the potential damage area.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

using test::Apply;
using test::ExampleForm;
using test::Press;
using test::Section;

using Lines = std::vector<std::string>;

// The example's section starts after its 19 lines of arrow, broadhead and spine.
Lines DamageLines(const FormState& form) {
    const auto out = Press(form);
    return Lines(out.lines.begin() + std::min<std::size_t>(19, out.lines.size()),
                 out.lines.begin() + std::min<std::size_t>(24, out.lines.size()));
}

// Blades 1 to n of height 0.5 and length 1; the other rows empty.
FormState WithBlades(int n) {
    FormState form = ExampleForm();
    for (int k = 0; k < 12; ++k) {
        form.SetText(ElementName("InBroadhead", k), k < 2 * n ? (k % 2 ? "1" : "0.5") : "");
    }
    return form;
}

TEST(DamageSection, ShaftFactorByListPosition) {
    FormState form = ExampleForm();
    EXPECT_EQ(DamageLines(form).at(0), "Shaft Factor : x1");
    form.SetShaftDiameter(1);
    EXPECT_EQ(DamageLines(form).at(0), "Shaft Factor : x0.9");
    form.SetShaftDiameter(2);
    EXPECT_EQ(DamageLines(form).at(0), "Shaft Factor : x0.6");
    form.SetShaftDiameter(-1);
    EXPECT_EQ(DamageLines(form).at(0), "Blade Count factor: x0.63");
}

TEST(DamageSection, BladeCountFactors) {
    // Three blades: Ro 12.8 lbs and 9.1 inches of soft tissue, times 1.079.
    EXPECT_EQ(DamageLines(WithBlades(3)), (Lines{"Shaft Factor : x1", "Blade Count factor: x0.83",
                                                 "Average Cutting Diameter(aveCD):1.079 inch",
                                                 "Potential Damage Area: 9.8 sqr.inches", ""}));
    const Lines four = DamageLines(WithBlades(4));
    EXPECT_EQ(four.at(1), "Blade Count factor: x0.90");
    EXPECT_EQ(four.at(2), "Average Cutting Diameter(aveCD):1.17 inch");
}

TEST(DamageSection, NoFactorForOneFiveOrSixBlades) {
    for (int n : {1, 5, 6}) {
        const Lines lines = DamageLines(WithBlades(n));
        EXPECT_EQ(lines.at(1), "Average Cutting Diameter(aveCD):1.3 inch") << n;
    }
}

TEST(DamageSection, UnevenBladesUseTheMeanHeight) {
    FormState form = WithBlades(1);
    Apply(form, {{"InBroadhead_0", "0.4"},
                 {"InBroadhead_2", "0.6"},
                 {"InBroadhead_3", "1"},
                 {"InBroadhead_4", "0.8"},
                 {"InBroadhead_5", "1"},
                 {"InBroadhead_6", "0.2"},
                 {"InBroadhead_7", "1"},
                 {"InBroadhead_8", "1"},
                 {"InBroadhead_9", "1"}});
    // Five blades: (2.0 + 1.0 / 5) ... mean 0.6, aveCD 1.5.
    EXPECT_EQ(DamageLines(form).at(1), "Average Cutting Diameter(aveCD):1.5 inch");
}

// A row emptied since an earlier report is cleared: it adds no old height to the sum.
TEST(DamageSection, EmptiedBladeAddsNoOldHeight) {
    FormState form = WithBlades(3);
    Calculator calc(form);
    calc.doReport_Click();
    form.SetText("InBroadhead_4", "");
    calc.doReport_Click();
    const auto lines = test::Lines(calc.BoxText());
    EXPECT_EQ(lines.at(20), "Blade Count factor: x0.63");
    EXPECT_EQ(lines.at(21), "Average Cutting Diameter(aveCD):0.819 inch");
}

TEST(DamageSection, NoBladesDividesByZeroAfterTheShaftFactor) {
    const FormState form = WithBlades(0);
    const auto out = Press(form);
    EXPECT_EQ(out.error, ErrorKind::DivisionByZero);
    EXPECT_EQ(out.lines.back(), "Shaft Factor : x1");
    EXPECT_EQ(out.place, "report line 21 (Damage Area)");
    FormState noFactor = form;
    noFactor.SetShaftDiameter(-1);
    EXPECT_EQ(Press(noFactor).lines.back().rfind("   FOC : ", 0), 0u);
}

// The pass-through marker 999 is used like any depth.
TEST(DamageSection, PassThroughMarkerMultipliesToo) {
    FormState form = ExampleForm();
    // Bladeless rows: Ro is the ferrule's 8.9 lbs and the heavy fast arrow never stops.
    Apply(form, {{"InArrowMass", "4000"},
                 {"InArrowSpeed", "1000"},
                 {"InBroadhead_0", "0"},
                 {"InBroadhead_1", "0"},
                 {"InBroadhead_2", "0"},
                 {"InBroadhead_3", "0"}});
    const auto lines = Press(form).lines;
    EXPECT_EQ(Section(lines, " Potential Soft Tissue Penetration: 999 inch", 1).size(), 1u);
    EXPECT_EQ(Section(lines, "Average Cutting Diameter(aveCD):0.189 inch", 2),
              (Lines{"Average Cutting Diameter(aveCD):0.189 inch",
                     "Potential Damage Area: 188.8 sqr.inches"}));
}

} // namespace
} // namespace kesta
