// The broadhead section: blade count, cutting diameter, Ro and soft-tissue penetration.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using enum ErrorKind;

TEST(BroadheadSection, RoAndSoftTissuePenetration) {
    const struct {
        const char* changes;
        double ro;
        std::string roText, inches; // as shown on the Ro and penetration lines
    } rows[] = {
        {"", 11.5024, "11.5", "10.1"},
        {"InBroadhead_0=; InBroadhead_1=; InBroadhead_2=; InBroadhead_3=", 8.8887, "8.9", "13"},
        {"inCOC", 6.7989, "6.8", "16.5"},
        {"inEdge=; inTip=sharp", 23.4879, "23.5", "5"}, // angles not numbers count as tangent 1
        // A blade as long as high adds 0.25 / (0 + 0.5) times tan(12.5 degrees) times 44.
        {"InBroadhead_1=0.5; InBroadhead_2=; InBroadhead_3=", 13.7660, "13.8", "8.5"},
        {"inEdge=0.01; inTip=0.01", 0.1103, "0.1", "0"}, // below 2 lbs: no penetration
    };
    for (const auto& row : rows) {
        const FormState form = ExampleForm(row.changes);
        Calculator calc(form);
        const Outcome out = Press(calc);
        EXPECT_NEAR(calc.RoLbs(), row.ro, 1e-4) << row.changes;
        EXPECT_EQ(out.From("   Ro               : " + row.roText + " lbs", 2),
                  (TextLines{"   Ro               : " + row.roText + " lbs",
                             " Potential Soft Tissue Penetration: " + row.inches + " inch"}))
            << row.changes;
    }
}

TEST(BroadheadSection, FailuresStopAtTheRoOrPenetrationLine) {
    const std::string diameter = "   Cutting diameter : 1.3 inches";
    ExpectStops(
        ExampleForm(), "Broadhead",
        {// Impossible geometry: a blade shorter than high, a tip beyond 180 degrees, a
         // backward edge under cut-on-contact.
         {"InBroadhead_1=0.4; InBroadhead_2=; InBroadhead_3=", InvalidProcedureCall, diameter},
         {"inTip=200", InvalidProcedureCall, diameter},
         {"inEdge=-25; inCOC", InvalidProcedureCall, diameter},
         {"inEdge=1e400", Overflow, diameter},
         // The penetration simulation comes after the Ro line.
         {"InArrowMass=0", DivisionByZero, "   Ro               : 11.5 lbs"},
         {"InArrowSpeed=-300", InvalidProcedureCall, "   Ro               : 11.5 lbs"}});
}

} // namespace
} // namespace kesta::test
