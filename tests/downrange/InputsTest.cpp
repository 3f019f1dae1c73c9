// The downrange inputs as stored texts: defaults, good values, and every value the model cannot
// use, each refused with its reason and the input's key.
#include "DownrangeTestSupport.h"

#include "downrange/StoredInputs.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

using Texts = std::map<std::string, std::string>;

downrange::Inputs Read(const Texts& texts) {
    return downrange::InputsOfTexts(texts);
}

TEST(DownrangeInputs, AbsentOrBlankKeysTakeTheDefaults) {
    const downrange::Inputs defaults;
    EXPECT_EQ(Read({}), defaults);
    EXPECT_EQ(Read({{"ShaftOD", ""}, {"Head", "  "}, {"ChronoNear", ""}}), defaults);
    EXPECT_EQ(defaults.shaftOdInches, 0.3);
    EXPECT_EQ(defaults.fletching, downrange::Fletching::Large);
    EXPECT_EQ(defaults.head, downrange::Head::Fixed);
    EXPECT_EQ(defaults.altitudeM, 0);
    EXPECT_EQ(defaults.temperatureC, 15);
    EXPECT_EQ(defaults.zeroYards, 20);
    EXPECT_EQ(defaults.maxDistance, 100);
    EXPECT_FALSE(defaults.chronograph);
}

TEST(DownrangeInputs, GoodValuesAreReadAndWrittenBackAsTheSameTexts) {
    const Texts texts = {{"ShaftOD", "0.246"},       {"Fletching", "small"},
                         {"Head", "mechanical"},     {"Altitude", "-500"},
                         {"Temperature", "-40.5"},   {"Zero", "1"},
                         {"MaxDistance", "200"},     {"ChronoNear", "301.5"},
                         {"ChronoNearYards", "0"},   {"ChronoFar", "288"},
                         {"ChronoFarYards", "30"}};
    const downrange::Inputs in = Read(texts);
    EXPECT_EQ(in.shaftOdInches, 0.246);
    EXPECT_EQ(in.fletching, downrange::Fletching::Small);
    EXPECT_EQ(in.head, downrange::Head::Mechanical);
    EXPECT_EQ(in.altitudeM, -500);
    EXPECT_EQ(in.temperatureC, -40.5);
    EXPECT_EQ(in.zeroYards, 1);
    EXPECT_EQ(in.maxDistance, 200);
    ASSERT_TRUE(in.chronograph);
    EXPECT_EQ(in.chronograph->farYards, 30);
    const auto written = downrange::InputTexts(in);
    EXPECT_EQ(Texts(written.begin(), written.end()), texts);
    EXPECT_EQ(Read({{"Head", "Field"}, {"Fletching", " LARGE "}}).head, downrange::Head::Field);
    EXPECT_EQ(Read({{"Altitude", "11000"}}).altitudeM, 11000);
}

struct BadInput {
    Texts texts;
    const char* key;
    ErrorKind kind;
};

TEST(DownrangeInputs, EveryValueTheModelCannotUseIsRefusedNamingItsInput) {
    const ErrorKind notNumber = ErrorKind::TypeMismatch;
    const ErrorKind outside = ErrorKind::InvalidProcedureCall;
    const Texts chrono = {{"ChronoNear", "300"}, {"ChronoNearYards", "5"},
                          {"ChronoFar", "290"}, {"ChronoFarYards", "25"}};
    auto withChrono = [&](const std::string& key, const std::string& text) {
        Texts t = chrono;
        t[key] = text;
        return t;
    };
    auto withoutChrono = [&](const std::string& key) {
        Texts t = chrono;
        t.erase(key);
        return t;
    };
    const std::vector<BadInput> bad = {
        {{{"ShaftOD", "0,3"}}, "ShaftOD", notNumber},
        {{{"ShaftOD", "0"}}, "ShaftOD", outside},
        {{{"ShaftOD", "-0.3"}}, "ShaftOD", outside},
        {{{"Fletching", "feathers"}}, "Fletching", outside},
        {{{"Head", "blunt"}}, "Head", outside},
        {{{"Altitude", "high"}}, "Altitude", notNumber},
        {{{"Altitude", "-501"}}, "Altitude", outside},
        {{{"Altitude", "11000.5"}}, "Altitude", outside},
        {{{"Temperature", "15C"}}, "Temperature", notNumber},
        {{{"Temperature", "-273.15"}}, "Temperature", outside},
        {{{"Temperature", "-300"}}, "Temperature", outside},
        {{{"Zero", "twenty"}}, "Zero", notNumber},
        {{{"Zero", "0"}}, "Zero", outside},
        {{{"Zero", "200.5"}}, "Zero", outside},
        {{{"MaxDistance", "1e999"}}, "MaxDistance", ErrorKind::Overflow},
        {{{"MaxDistance", "0"}}, "MaxDistance", outside},
        {{{"MaxDistance", "201"}}, "MaxDistance", outside},
        {{{"MaxDistance", "50.5"}}, "MaxDistance", outside},
        {withChrono("ChronoNear", "fast"), "ChronoNear", notNumber},
        {withChrono("ChronoNearYards", "x"), "ChronoNearYards", notNumber},
        {withChrono("ChronoFar", "2 90"), "ChronoFar", notNumber},
        {withChrono("ChronoFarYards", "y"), "ChronoFarYards", notNumber},
        {withoutChrono("ChronoNear"), "ChronoNear", outside},
        {withoutChrono("ChronoFarYards"), "ChronoFarYards", outside},
        {{{"ChronoFar", "290"}}, "ChronoNear", outside},
        {withChrono("ChronoFar", "300"), "ChronoFar", outside},  // no slowing
        {withChrono("ChronoFar", "310"), "ChronoFar", outside},  // faster farther out
        {withChrono("ChronoFar", "0"), "ChronoFar", outside},
        {withChrono("ChronoFar", "-5"), "ChronoFar", outside},
        {withChrono("ChronoFarYards", "5"), "ChronoFarYards", outside},
        {withChrono("ChronoFarYards", "2"), "ChronoFarYards", outside},
    };
    for (const BadInput& b : bad) {
        std::string shown;
        for (const auto& [k, v] : b.texts) shown += k + "=" + v + " ";
        try {
            Read(b.texts);
            ADD_FAILURE() << "accepted: " << shown;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.place(), std::string("input ") + b.key) << shown;
            EXPECT_EQ(e.kind(), b.kind) << shown;
            EXPECT_NE(std::string(e.what()), ErrorMessage(e.kind())) << "no reason: " << shown;
        }
    }
}

// A hand-edited file: each text the model cannot use takes its default alone, and one refused
// chronograph reading drops the whole calibration.
TEST(DownrangeInputs, StoredTextsTheModelCannotUseTakeTheirDefaultsAlone) {
    const Texts stored = {{"ShaftOD", "thin"},        {"Head", "field"},
                          {"Altitude", "900"},        {"ChronoNear", "280"},
                          {"ChronoNearYards", "10"},  {"ChronoFar", "290"},
                          {"ChronoFarYards", "40"},   {"MaxDistance", "250"}};
    EXPECT_THROW(Read(stored), RuntimeError);
    const downrange::Inputs in = downrange::StoredInputs(stored);
    EXPECT_EQ(in.shaftOdInches, 0.3);
    EXPECT_EQ(in.head, downrange::Head::Field);
    EXPECT_EQ(in.altitudeM, 900);
    EXPECT_EQ(in.maxDistance, 100);
    EXPECT_FALSE(in.chronograph); // a pair that speeds up is no calibration

    Texts oneBadReading = {{"ChronoNear", "300"}, {"ChronoNearYards", "x"},
                           {"ChronoFar", "290"},  {"ChronoFarYards", "40"},
                           {"Zero", "30"}};
    const downrange::Inputs kept = downrange::StoredInputs(oneBadReading);
    EXPECT_FALSE(kept.chronograph);
    EXPECT_EQ(kept.zeroYards, 30);
    oneBadReading["ChronoNearYards"] = "10";
    ASSERT_TRUE(downrange::StoredInputs(oneBadReading).chronograph);
    EXPECT_EQ(downrange::StoredInputs(oneBadReading).chronograph->farFps, 290);
}

} // namespace
} // namespace kesta::test
