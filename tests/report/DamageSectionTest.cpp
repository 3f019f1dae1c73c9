// The shaft factor, the average cutting diameter and the potential damage area.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

// Blades 1 to n of height 0.5 and length 1, the other rows empty, on the given shaft.
FormState WithBlades(int n, int shaftPosition = 0) {
    FormState form = ExampleForm();
    for (int k = 0; k < 12; ++k)
        form.SetText(ElementName("InBroadhead", k), k < 2 * n ? (k % 2 ? "1" : "0.5") : "");
    form.SetShaftDiameter(shaftPosition);
    return form;
}

// The section's lines: those after the 19 lines of arrow, broadhead and spine.
TextLines DamageLines(const FormState& form) {
    const TextLines lines = Press(form).lines;
    return TextLines(lines.begin() + std::min<std::ptrdiff_t>(19, std::ssize(lines)), lines.end());
}

// Five or six blades have no factor line, nor has a shaft with no list entry chosen.
TEST(DamageSection, ShaftAndBladeCountFactors) {
    const std::string x1 = "Shaft Factor : x1", aveCD = "Average Cutting Diameter(aveCD):";
    const struct {
        int blades, shaft;
        TextLines lines;
    } rows[] = {
        {1, 0, {x1, aveCD + "1.3 inch"}},
        {2, 1, {"Shaft Factor : x0.9", "Blade Count factor: x0.63"}},
        {2, 2, {"Shaft Factor : x0.6", "Blade Count factor: x0.63"}},
        {2, -1, {"Blade Count factor: x0.63", aveCD + "0.819 inch"}},
        // Three blades: Ro 12.8 lbs and 9.1 inches of soft tissue, times 1.079.
        {3,
         0,
         {x1, "Blade Count factor: x0.83", aveCD + "1.079 inch",
          "Potential Damage Area: 9.8 sqr.inches", ""}},
        {4, 0, {x1, "Blade Count factor: x0.90", aveCD + "1.17 inch"}},
        {5, 0, {x1, aveCD + "1.3 inch"}},
        {6, 0, {x1, aveCD + "1.3 inch"}},
    };
    for (const auto& row : rows) {
        TextLines lines = DamageLines(WithBlades(row.blades, row.shaft));
        lines.resize(std::min(lines.size(), row.lines.size()));
        EXPECT_EQ(lines, row.lines) << row.blades << " blades, shaft " << row.shaft;
    }
}

TEST(DamageSection, UnevenBladesUseTheMeanHeight) {
    // Five blades of mean height 0.6: aveCD 1.5.
    const FormState form =
        With(WithBlades(5), "InBroadhead_0=0.4; InBroadhead_2=0.6; "
                            "InBroadhead_4=0.8; InBroadhead_6=0.2; InBroadhead_8=1");
    EXPECT_EQ(DamageLines(form).at(1), "Average Cutting Diameter(aveCD):1.5 inch");
}

// The pass-through marker 999 is used like any depth.
TEST(DamageSection, PassThroughMarkerMultipliesToo) {
    // Bladeless rows: Ro is the ferrule's 8.9 lbs and the heavy fast arrow never stops.
    const Outcome out = Press(ExampleForm("InArrowMass=4000; InArrowSpeed=1000; InBroadhead_0=0; "
                                          "InBroadhead_1=0; InBroadhead_2=0; InBroadhead_3=0"));
    EXPECT_EQ(out.lines.at(11), " Potential Soft Tissue Penetration: 999 inch");
    EXPECT_EQ(out.From("Average Cutting Diameter(aveCD):0.189 inch", 2),
              (TextLines{"Average Cutting Diameter(aveCD):0.189 inch",
                         "Potential Damage Area: 188.8 sqr.inches"}));
}

// Without blades the average cutting diameter divides by zero, after the shaft factor line or,
// without one, right after the spine section.
TEST(DamageSection, NoBladesDividesByZero) {
    ExpectStops(WithBlades(0), "Damage Area",
                {{"", ErrorKind::DivisionByZero, "Shaft Factor : x1"}});
    ExpectStops(WithBlades(0, -1), "Damage Area", {{"", ErrorKind::DivisionByZero, "   FOC : 9%"}});
}

} // namespace
} // namespace kesta::test
