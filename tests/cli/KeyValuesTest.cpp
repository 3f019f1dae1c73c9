// KEY=VALUE on kesta-report's command line: values their key cannot hold are refused with what
// it takes, mistyped keys get the nearest one, and failures name the input by its key.
#include "cli/KeyValues.h"

#include <gtest/gtest.h>

namespace kesta {
namespace {

TEST(KeyValues, EachKindTakesOnlyWhatTheWindowCouldStore) {
    for (const char* ok : {"True", "False", "true", "FALSE"})
        EXPECT_EQ(KeyValueProblem("Safety1", ok), "") << ok;
    // "yes" used to select 100% without a word; numbers and blanks are no truth either.
    for (const char* bad : {"yes", "1", "0", " True", ""})
        EXPECT_EQ(KeyValueProblem("Safety1", bad),
                  "Safety1=" + std::string(bad) + ": Safety1 takes True or False")
            << bad;
    for (const char* ok : {"0", "1", "2"})
        EXPECT_EQ(KeyValueProblem("ShaftDia", ok), "");
    EXPECT_EQ(KeyValueProblem("ShaftDia", "3"),
              "ShaftDia=3: ShaftDia takes 0, 1 or 2 (smaller than, same size as, larger than the "
              "ferrule)");
    EXPECT_EQ(KeyValueProblem("inCOC", "1"), "");
    EXPECT_EQ(KeyValueProblem("inCOC", "2"), "inCOC=2: inCOC takes 0 or 1");
    // Texts are taken as typed: the report itself says what it makes of them.
    for (const char* text : {"", "fast", "28O", " 300 "})
        EXPECT_EQ(KeyValueProblem("speed", text), "") << text;
}

TEST(KeyValues, AnUnknownKeySuggestsTheNearest) {
    EXPECT_EQ(KeyValueProblem("sped", "300"), "unknown key 'sped' (did you mean speed?)");
    EXPECT_EQ(NearestKey("Speed"), "speed");
    EXPECT_EQ(NearestKey("dist12"), "Dist12");
    EXPECT_EQ(NearestKey("BH12"), "BH1"); // one edit from BH1 and BH2: the first in key order
    EXPECT_EQ(NearestKey("colour"), "");
    EXPECT_EQ(KeyValueProblem("colour", "red"), "unknown key 'colour'");
    EXPECT_EQ(NearestKey(std::string(500, 's')), "");
}

TEST(KeyValues, FailuresNameTheInputByItsKey) {
    EXPECT_EQ(PlaceWithKey("input InArrowLength"), "input length");
    EXPECT_EQ(PlaceWithKey("input InBroadhead_3"), "input BH3");
    EXPECT_EQ(PlaceWithKey("input GPI"), "input shaftweight");
    EXPECT_EQ(PlaceWithKey("report line 14, Dynamic Spine"), "report line 14, Dynamic Spine");
    EXPECT_EQ(PlaceWithKey("input Nowhere"), "input Nowhere");
}

} // namespace
} // namespace kesta
