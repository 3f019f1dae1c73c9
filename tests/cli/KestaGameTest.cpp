// kesta-report --game and --list-games, end to end: the report, --needs and --compare judge
// the chosen table exactly as the engine does with it, and every bad game file stops the tool
// with its reason, file and line, without waiting on a pipe.
#include "ballistics/GameList.h"
#include "ballistics/GameListText.h"
#include "compare/Comparison.h"
#include "form/Examples.h"
#include "report/Calculator.h"
#include "tests/cli/ToolRun.h"
#include "tools/Errors.h"
#include "tools/Text.h"
#include "whatif/Needs.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace kesta::test {
namespace {

namespace fs = std::filesystem;

// The report of an example with a table, as the engine writes it, with LF line ends.
std::string EngineReport(const std::string& example, const game::GameTable& table) {
    const FormState form = ExampleForm(*FindExample(example));
    Calculator calc(form, table);
    calc.WriteReport();
    return text::CrLfToLf(calc.BoxText());
}

std::string TempFile(const std::string& name, const std::string& text) {
    const fs::path path = fs::path(::testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(KestaGame, ListGamesNamesEveryBuiltInTableWithItsCount) {
    const ToolRun run = RunTool({"--list-games"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const Args lines = Lines(run.out);
    ASSERT_EQ(lines.size(), game::BuiltInTables().size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const game::GameTable& table = game::BuiltInTables()[k];
        EXPECT_EQ(lines[k].substr(0, table.name.size() + 1), table.name + " ");
        const std::string count = " " + std::to_string(table.animals.size()) + "  ";
        EXPECT_NE(lines[k].find(count + table.description), std::string::npos) << lines[k];
    }
    EXPECT_EQ(lines[0].substr(0, 7), "africa ");
}

TEST(KestaGame, ReportNeedsRangesAndCompareJudgeTheChosenTable) {
    // Without --game, and with the default named, the report is today's.
    const std::string today = RunTool({"--example", "worked-example"}).out;
    EXPECT_EQ(RunTool({"--game", "africa", "--example", "worked-example"}).out, today);
    EXPECT_EQ(today, EngineReport("worked-example", game::DefaultTable()));
    const std::string todayRanges = RunTool({"--ranges", "--example", "worked-example"}).out;
    EXPECT_EQ(RunTool({"--ranges", "--game", "africa", "--example", "worked-example"}).out,
              todayRanges);
    for (const char* name : {"north-america", "europe", "australia-new-zealand"}) {
        const game::GameTable& table = *game::FindBuiltInTable(name);
        const ToolRun report = RunTool({"--game=" + std::string(name), "--example", "light-deer"});
        EXPECT_EQ(report.status, 0) << report.err;
        EXPECT_EQ(report.out, EngineReport("light-deer", table)) << name;

        const ToolRun needs =
            RunTool({"--needs", "--format", "json", "--game", name, "--example", "heavy-buffalo"});
        ASSERT_EQ(needs.status, 0) << needs.err;
        const auto rows = nlohmann::json::parse(needs.out)["animals"];
        ASSERT_EQ(rows.size(), table.animals.size()) << name;
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i]["animal"], table.animals[i].name);

        // Each animal's ethical range is that of the chosen table's animal, mass included.
        const ToolRun ranges =
            RunTool({"--ranges", "--format", "json", "--game", name, "--example", "light-deer"});
        ASSERT_EQ(ranges.status, 0) << ranges.err;
        const auto rangeRows = nlohmann::json::parse(ranges.out)["animals"];
        ASSERT_EQ(rangeRows.size(), table.animals.size()) << name;
        for (std::size_t i = 0; i < rangeRows.size(); ++i) {
            EXPECT_EQ(rangeRows[i]["animal"], table.animals[i].name);
            EXPECT_EQ(rangeRows[i]["mass_kg"], table.animals[i].massKg);
        }

        const ToolRun compare =
            RunTool({"--compare", "example:worked-example", "example:heavy-buffalo", "--game", name,
                     "--format", "json"});
        ASSERT_EQ(compare.status, 0) << compare.err;
        const Comparison expected = Compare(ExampleForm(*FindExample("worked-example")),
                                            ExampleForm(*FindExample("heavy-buffalo")), table);
        const auto changes = nlohmann::json::parse(compare.out)["verdict_changes"];
        ASSERT_EQ(changes.size(), expected.verdictChanges.size()) << name;
        for (std::size_t i = 0; i < changes.size(); ++i)
            EXPECT_EQ(changes[i]["animal"], expected.verdictChanges[i].animal);
    }
}

TEST(KestaGame, OwnGameFilesInKilogramsAndPounds) {
    const std::string kg = TempFile("own-kg.csv", "animal,mass_kg\nWhitetail,72.5\nElk,320\n");
    const std::string lb =
        TempFile("own-lb.csv", "animal,mass_lb\r\nWhitetail,159.8\r\nElk,705\r\n");
    for (const std::string& file : {kg, lb}) {
        const ToolRun run = RunTool({"--game", file, "--example", "worked-example"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, EngineReport("worked-example", game::ReadGameList(Slurp(file), file)));
        EXPECT_NE(run.out.find("Whitetail,  "), std::string::npos);
    }
}

// A set-up saved with a game table is judged against it, as the window judges it, unless
// --game says otherwise; an own list in it that cannot be read is said, never silently
// swapped for another table's animals.
TEST(KestaGame, ASetUpFileBringsItsGameTable) {
    const std::string values = Slurp(fs::path(KESTA_EXAMPLES_DIR) / "worked-example.kesta");
    const auto withGame = [&values](const std::string& name, const std::string& group) {
        return TempFile(name, values + "\n[game]\n" + group);
    };
    const std::string europe = withGame("europe.kesta", "table=europe\n");
    const ToolRun saved = RunTool({"--settings", europe});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, EngineReport("worked-example", *game::FindBuiltInTable("europe")));
    const ToolRun overridden = RunTool({"--settings", europe, "--game", "north-america"});
    EXPECT_EQ(overridden.out,
              RunTool({"--game", "north-america", "--example", "worked-example"}).out);
    EXPECT_EQ(RunTool({"--needs", "--settings", europe, "--format", "csv"}).out,
              RunTool({"--needs", "--game", "europe", "--example", "worked-example", "--format",
                       "csv"})
                  .out);

    const std::string own =
        withGame("own.kesta", "table=my-game\nmy_game=\"animal,mass_kg\\nElk,320\\n\"\n");
    const ToolRun mine = RunTool({"--ranges", "--settings", own, "--format", "csv"});
    EXPECT_EQ(mine.status, 0) << mine.err;
    EXPECT_EQ(Lines(mine.out).size(), 2u) << mine.out; // the header and Elk
    EXPECT_NE(mine.out.find("Elk"), std::string::npos) << mine.out;

    const std::string bad =
        withGame("bad.kesta", "table=my-game\nmy_game=\"animal,mass_kg\\nElk,0\\n\"\n");
    const ToolRun warned = RunTool({"--settings", bad});
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out, RunTool({"--example", "worked-example"}).out);
    EXPECT_NE(warned.err.find("its own game list was left out: the mass 0 kg is not above 0 "
                              "([game] my_game, line 2); the game table in use is africa"),
              std::string::npos)
        << warned.err;
    EXPECT_EQ(RunTool({"--settings", bad, "--quiet"}).err, "");
}

TEST(KestaGame, BadGameFilesStopWithTheirReasonFileAndLine) {
    const std::string dir = ::testing::TempDir();
    const std::string fifo = dir + "/game.fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string bad = TempFile("bad.csv", "animal,mass_kg\nElk,320\nGrouse,x\n");
    const std::string big =
        TempFile("big.csv", "animal,mass_kg\nElk,320\n" + std::string(1 << 20, '\n'));
    const std::string noHeader = TempFile("nohead.csv", "Elk,320\n");
    struct Case {
        std::string game;
        int status;
        std::string err;
    };
    for (const Case& c : std::vector<Case>{
             {bad, 3,
              "error: the mass 'x' is not a number (a mass in kg, a point before any "
              "decimals) (" +
                  bad + ", line 3)\n"},
             {noHeader, 3,
              "error: no header: the first line must be animal,mass_kg or "
              "animal,mass_lb (then range_kg and source if wanted) (" +
                  noHeader + ", line 1)\n"},
             {fifo, 3, "error: it is a named pipe, not a game list (" + fifo + ")\n"},
             {dir, 3, "error: it is a folder, not a game list (" + dir + ")\n"},
             {big, 3, "error: the file is over 1 MB: no game list is that long (" + big + ")\n"},
         }) {
        for (const Args& args : {Args{"--game", c.game, "--example", "worked-example"},
                                 Args{"--needs", "--game", c.game},
                                 Args{"--compare", "example:worked-example", "example:light-deer",
                                      "--game", c.game}}) {
            const ToolRun run = RunTool(args);
            EXPECT_EQ(run.status, c.status) << c.game;
            EXPECT_EQ(run.err, c.err);
            EXPECT_EQ(run.out, "") << "nothing is written for a game that cannot be read";
        }
    }
    ::unlink(fifo.c_str());
}

TEST(KestaGame, BadGameOptionsAreBadCommandLines) {
    for (const Args& args :
         {Args{"--game"}, Args{"--game="}, Args{"--game", "europe", "--game", "africa"},
          Args{"--game", "antarctica"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("kesta-report: ", 0), 0u) << run.err;
    }
    EXPECT_EQ(RunTool({"--game", "antarctica"}).err,
              "kesta-report: no game table or file 'antarctica' (see --list-games)\n");
}

} // namespace
} // namespace kesta::test
