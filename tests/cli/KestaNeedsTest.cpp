// End-to-end runs of kesta-report --needs on the worked example: the three formats, their
// agreement, and the errors and command lines it refuses.
#include "ToolRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kesta::test {
namespace {

// The lines of the table's rows: those after the line that starts with " #".
Args Rows(const Args& lines) {
    auto header = std::find_if(lines.begin(), lines.end(),
                               [](const std::string& l) { return l.rfind(" #  Animal", 0) == 0; });
    return header == lines.end() ? Args{} : Args(header + 1, lines.end());
}

Args Cells(const std::string& csvLine) {
    Args cells;
    std::size_t from = 0;
    for (std::size_t at; (at = csvLine.find(',', from)) != std::string::npos; from = at + 1)
        cells.push_back(csvLine.substr(from, at - from));
    cells.push_back(csvLine.substr(from));
    return cells;
}

TEST(KestaNeeds, TextStatesTheSetUpAndAlignsOneRowPerAnimal) {
    const ToolRun run = RunTool(Example({"--needs"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const Args lines = Lines(run.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[1], "Set-up: 400 grains at 300 fps, Ro 11.5 lbs");
    EXPECT_NE(run.out.find("fps = 300 x (400 / grains)^0.5"), std::string::npos);
    const Args rows = Rows(lines);
    ASSERT_EQ(rows.size(), 48u);
    EXPECT_EQ(rows[0],
              " 0  Black Wildebeest                120.0    2  marginal            535     503  "
              "630 at 239");
    EXPECT_EQ(rows[13],
              "13  Elephant                       5000.0    6  not recommended    1527       -  -");
    EXPECT_EQ(rows[15],
              "15  fox                               3.0    1  sufficient          300      99  "
              "300 at 346");
    for (const std::string& row : rows) { // the least-fps column ends at one place in each row
        ASSERT_GT(row.size(), 81u) << row;
        EXPECT_NE(std::string("0123456789-").find(row[78]), std::string::npos) << row;
        EXPECT_EQ(row.substr(79, 2), "  ") << row;
    }
}

TEST(KestaNeeds, CsvHasItsHeaderAndOneRowPerAnimalInTableOrder) {
    const ToolRun run = RunTool(Example({"--needs", "--format", "csv"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const Args lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[0], "position,animal,mass_kg,category,verdict,least_grains,least_fps,"
                        "same_energy_grains,same_energy_fps");
    EXPECT_EQ(lines[1], "0,Black Wildebeest,120,2,marginal,535,503,630,239.04572186687872");
    EXPECT_EQ(lines[14], "13,Elephant,5000,6,not recommended,1527,,,");
    EXPECT_EQ(lines[16], "15,fox,3,1,sufficient,300,99,300,346.41016151377545");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(Cells(lines[i]).at(0), std::to_string(i - 1));

    // --crlf ends the same lines with CR LF; a settings file gives what its overrides give.
    EXPECT_EQ(Lines(RunTool(Example({"--needs", "--format=csv", "--crlf"})).out, "\r\n"), lines);
    const fs::path file = fs::path(::testing::TempDir()) / "kesta-needs.ini";
    {
        std::ofstream ini(file);
        ini << "[values]\n";
        for (const std::string& pair : Example())
            ini << pair << "\n";
    }
    EXPECT_EQ(RunTool({"--needs", "--format", "csv", "--settings", file.string()}).out, run.out);
}

TEST(KestaNeeds, JsonReadsBackAsTheCsvsFigures) {
    const ToolRun json = RunTool(Example({"--needs", "--format", "json"}));
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, "");
    const nlohmann::json doc = nlohmann::json::parse(json.out);
    EXPECT_EQ(doc.at("setup").at("grains"), 400.0);
    EXPECT_EQ(doc.at("setup").at("fps"), 300.0);
    EXPECT_NEAR(doc.at("setup").at("ro_lbs").get<double>(), 11.5024, 1e-4);
    const Args csv = Lines(RunTool(Example({"--needs", "--format", "csv"})).out);
    const Args keys = Cells(csv.at(0));
    const nlohmann::json& animals = doc.at("animals");
    ASSERT_EQ(animals.size(), 48u);
    for (std::size_t i = 0; i < animals.size(); ++i) {
        const Args cells = Cells(csv.at(i + 1));
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const nlohmann::json& value = animals[i].at(keys[k]);
            if (value.is_null())
                EXPECT_EQ(cells[k], "") << keys[k] << " of " << i;
            else if (value.is_string())
                EXPECT_EQ(value.get<std::string>(), cells[k]) << keys[k] << " of " << i;
            else
                EXPECT_EQ(value.get<double>(), std::stod(cells[k])) << keys[k] << " of " << i;
        }
    }
}

TEST(KestaNeeds, ErrorsSayWhereAndBadCommandLinesShowTheUsage) {
    struct Stop {
        Args more;
        std::string err;
    };
    const Stop stops[] = {
        {{"length="}, "error: Type mismatch (input length)\n"},
        {{"BH1=0.4"}, "error: Invalid procedure call or argument (Ro, Broadhead)\n"},
        {{"speed=1e160"}, "error: Overflow (Black Wildebeest, Game Recommendations)\n"},
    };
    for (const Stop& stop : stops) {
        Args more = stop.more;
        more.push_back("--needs");
        const ToolRun run = RunTool(Example(more));
        EXPECT_EQ(run.status, 3) << stop.err;
        EXPECT_EQ(run.out, "") << stop.err;
        EXPECT_EQ(run.err, stop.err);
    }
    for (const Args& args : std::vector<Args>{{"--format", "csv"},
                                              {"--format=json", "speed=300"},
                                              {"--needs", "--format", "xml"},
                                              {"--needs", "--format"},
                                              {"--needs", "--format="}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err).back(), "see kesta-report --help");
    }
}

} // namespace
} // namespace kesta::test
