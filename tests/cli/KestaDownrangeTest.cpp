// End-to-end runs of kesta-report --downrange and --ranges on the worked example: the pinned
// headers, JSON parsed back, the downrange keys on the command line and the inputs refused.
#include "ToolRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kesta::test {
namespace {

TEST(KestaDownrange, CsvHasItsHeaderAndOneRowPerYardStartingAtTheReportsSpeed) {
    const ToolRun run = RunTool(Example({"--downrange", "--format", "csv", "MaxDistance=40"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const Args lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines[0], "yards,speed_fps,energy_ftlb,momentum_slugfts,time_s,path_in");
    // 300 fps and 400 grains: 80.0 ft-lb and 0.533 slug-ft/s in the report.
    EXPECT_EQ(lines[1], "0,300,79.95735607675905,0.5330490405117271,0,0");
    EXPECT_EQ(lines[41].substr(0, 3), "40,");
}

TEST(KestaDownrange, JsonParsesBackAndTheChronographSetsTheDrag) {
    const ToolRun plain = RunTool(Example({"--downrange", "--format=json"}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto json = nlohmann::json::parse(plain.out);
    EXPECT_NEAR(json["model"]["rho"].get<double>(), 1.225, 5e-5);
    EXPECT_DOUBLE_EQ(json["model"]["cd"].get<double>(), 2.05 * 1.3);
    ASSERT_EQ(json["distances"].size(), 101u);
    EXPECT_EQ(json["reaction"][3]["yards_with_drag"].get<int>(), 38);
    EXPECT_NEAR(json["reaction"][3]["yards_constant_speed"].get<double>(), 41, 0.5);

    const ToolRun timed = RunTool(Example({"--downrange", "--format", "json", "ChronoNear=290",
                                           "ChronoNearYards=10", "ChronoFar=270",
                                           "ChronoFarYards=40"}));
    ASSERT_EQ(timed.status, 0) << timed.err;
    const auto calibrated = nlohmann::json::parse(timed.out);
    const auto& rows = calibrated["distances"];
    EXPECT_NEAR(rows[40]["speed_fps"].get<double>() / rows[10]["speed_fps"].get<double>(),
                270.0 / 290.0, 1e-13);
}

TEST(KestaDownrange, TextStatesTheModelAndTheReactionTableWithAndWithoutDrag) {
    const ToolRun run = RunTool(Example({"--downrange", "Head=field", "Fletching=small"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Flat fire, no wind."), std::string::npos);
    EXPECT_NE(run.out.find("small vanes and a field point (Cd 1.56)"), std::string::npos);
    EXPECT_NE(run.out.find("Second  Constant speed  With drag"), std::string::npos);
}

TEST(KestaDownrange, RangesCsvAndJsonListEveryAnimalInTableOrder) {
    const ToolRun csv = RunTool(Example({"--ranges", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    const Args lines = Lines(csv.out);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[0], "position,animal,mass_kg,category,sufficient_to_yd,marginal_to_yd,"
                        "accuracy_yd,ethical_yd");
    EXPECT_EQ(lines[1].substr(0, 19), "0,Black Wildebeest,");
    const ToolRun json = RunTool(Example({"--ranges", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed["animals"].size(), 48u);
    EXPECT_EQ(parsed["animals"][0]["animal"].get<std::string>(), "Black Wildebeest");
}

TEST(KestaDownrange, AnInputThatCannotBeUsedStopsNamingIt) {
    const std::pair<const char*, const char*> bad[] = {
        {"ShaftOD=0", "ShaftOD"},         {"Altitude=12000", "Altitude"},
        {"Temperature=-280", "Temperature"}, {"Zero=0", "Zero"},
        {"MaxDistance=250", "MaxDistance"}, {"Head=blunt", "Head"},
        {"Fletching=x", "Fletching"},      {"ChronoNear=abc", "ChronoNear"}};
    for (const auto& [arg, key] : bad) {
        for (const char* mode : {"--downrange", "--ranges"}) {
            const ToolRun run = RunTool(Example({mode, arg}));
            EXPECT_EQ(run.status, 3) << arg;
            EXPECT_EQ(run.out, "") << arg;
            EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << run.err;
            EXPECT_NE(run.err.find(std::string(" (input ") + key + ")\n"), std::string::npos)
                << run.err;
        }
    }
    // A form input that stops the figures is named by the key the command line takes, as the
    // report and --needs name it.
    for (const char* mode : {"--downrange", "--ranges"}) {
        const ToolRun run = RunTool(Example({mode, "length=long"}));
        EXPECT_EQ(run.status, 3) << mode;
        EXPECT_NE(run.err.find(" (input length)\n"), std::string::npos) << run.err;
    }
}

TEST(KestaDownrange, TheDownrangeKeysAndModesAreCheckedOnTheCommandLine) {
    EXPECT_EQ(RunTool(Example({"--downrange", "--ranges"})).status, 2);
    EXPECT_EQ(RunTool(Example({"--downrange", "--needs"})).status, 2);
    EXPECT_EQ(RunTool(Example({"--ranges", "shaftod=0.3"})).status, 2); // keys are exact
    // The report itself takes the keys and ignores them: its figures are at the bow.
    const ToolRun report = RunTool(Example({"ShaftOD=0.2"}));
    EXPECT_EQ(report.status, 0);
    EXPECT_EQ(report.out, RunTool(Example()).out);
}

TEST(KestaDownrange, ASettingsFileGivesItsDownrangeGroupAndTheCommandLineOverridesIt) {
    const fs::path dir = fs::path(::testing::TempDir()) / "kesta-downrange-settings";
    fs::create_directories(dir);
    const fs::path file = dir / "elk.kesta";
    {
        std::ofstream out(file);
        out << "[values]\nspeed=300\nmass=400\nlength=28\nshaftweight=9\nstaticspine=400\n"
               "BHW=100\nDrawWeigth=60\nBH0=0.5\nBH1=1\nBH2=0.5\nBH3=1\ninEdge=25\n"
               "inTip=60\nImperial=True\nDist12=20\nCirc12=6\n"
               "[downrange]\nMaxDistance=30\nHead=field\n";
    }
    const ToolRun run = RunTool({"--downrange", "--format", "json", "--settings", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["distances"].size(), 31u);
    EXPECT_DOUBLE_EQ(json["model"]["cd"].get<double>(), 2.05);
    const ToolRun over =
        RunTool({"--downrange", "--format", "csv", "--settings", file.string(), "MaxDistance=5"});
    ASSERT_EQ(over.status, 0) << over.err;
    EXPECT_EQ(Lines(over.out).size(), 7u);
    // A bad stored value stops the tool naming it, as on the command line.
    {
        std::ofstream out(file, std::ios::app);
        out << "Altitude=99999\n";
    }
    const ToolRun bad = RunTool({"--ranges", "--settings", file.string()});
    EXPECT_EQ(bad.status, 3);
    EXPECT_NE(bad.err.find("(input Altitude)"), std::string::npos) << bad.err;
}

} // namespace
} // namespace kesta::test
