// The downrange table and the ranges written out: pinned headers, every number read back as
// the same double, JSON parsed back, and the text a person reads.
#include "DownrangeTestSupport.h"

#include "downrange/DownrangeFormats.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <sstream>

namespace kesta::test {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

double Parsed(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

class DownrangeFormats : public ::testing::Test {
  protected:
    void SetUp() override {
        inputs_.maxDistance = 60;
        inputs_.zeroYards = 25;
        table_ = downrange::DistanceTableOf(WorkedExample(), inputs_);
        ranges_ = downrange::RangesOf(WorkedExample(), inputs_);
    }
    downrange::Inputs inputs_;
    downrange::DistanceTable table_;
    downrange::Ranges ranges_;
};

TEST_F(DownrangeFormats, TheDistanceCsvHasEveryYardInNumbersThatReadBackExactly) {
    const auto lines = Split(downrange::DistanceCsv(table_), '\n');
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[0], "yards,speed_fps,energy_ftlb,momentum_slugfts,time_s,path_in");
    EXPECT_EQ(lines[1].substr(0, 6), "0,300,");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto cells = Split(lines[i], ',');
        ASSERT_EQ(cells.size(), 6u) << lines[i];
        const downrange::DistanceRow& row = table_.rows[i - 1];
        EXPECT_EQ(Parsed(cells[0]), row.yards);
        EXPECT_EQ(Parsed(cells[1]), row.speedFps);
        EXPECT_EQ(Parsed(cells[2]), row.energyFtLb);
        EXPECT_EQ(Parsed(cells[3]), row.momentumSlugFtS);
        EXPECT_EQ(Parsed(cells[4]), row.timeS);
        EXPECT_EQ(Parsed(cells[5]), row.pathInches);
        // The shortest text: no trailing zeros, no needless digits.
        EXPECT_LE(cells[1].size(), 18u) << cells[1];
    }
}

TEST_F(DownrangeFormats, TheDistanceJsonParsesBackToTheModelTheRowsAndTheReaction) {
    const auto json = nlohmann::json::parse(downrange::DistanceJson(table_));
    EXPECT_EQ(json["model"]["rho"].get<double>(), table_.model.rho);
    EXPECT_EQ(json["model"]["cd"].get<double>(), table_.model.cd);
    EXPECT_EQ(json["model"]["k"].get<double>(), table_.model.k);
    ASSERT_EQ(json["distances"].size(), 61u);
    const auto& row = json["distances"][25];
    EXPECT_EQ(row.size(), 6u);
    EXPECT_EQ(row["yards"].get<int>(), 25);
    EXPECT_EQ(row["path_in"].get<double>(), 0.0);
    EXPECT_EQ(row["time_s"].get<double>(), table_.rows[25].timeS);
    ASSERT_EQ(json["reaction"].size(), 5u);
    EXPECT_EQ(json["reaction"][3]["reaction_s"].get<double>(), 0.3);
    EXPECT_EQ(json["reaction"][3]["yards_with_drag"].get<int>(), table_.reaction[3].yardsWithDrag);
    EXPECT_EQ(json["reaction"][3]["yards_constant_speed"].get<double>(),
              *table_.reaction[3].yardsConstantSpeed);
}

TEST_F(DownrangeFormats, TheTextShowsEveryFifthYardUnderTheModelsAssumptions) {
    const std::string text = downrange::DistanceText(table_);
    EXPECT_NE(text.find("Flat fire, no wind."), std::string::npos);
    EXPECT_NE(text.find("large vanes or feathers and a fixed-blade broadhead (Cd 2.665)"),
              std::string::npos);
    const auto lines = Split(text, '\n');
    int rows = 0;
    for (const auto& line : lines)
        if (line.size() == 45 && line.find_first_not_of(" 0123456789.-") == std::string::npos)
            ++rows;
    EXPECT_EQ(rows, 13); // 0, 5, ..., 60
    EXPECT_NE(text.find("   25  "), std::string::npos);
    EXPECT_EQ(text.find("   26  "), std::string::npos);
    EXPECT_NE(text.find("0.3"), std::string::npos);
}

TEST_F(DownrangeFormats, TheRangesCsvHasOneRowPerAnimalAndEmptyCellsForNone) {
    const auto lines = Split(downrange::RangesCsv(ranges_), '\n');
    ASSERT_EQ(lines.size(), ranges_.rows.size() + 1);
    EXPECT_EQ(lines[0], "position,animal,mass_kg,category,sufficient_to_yd,marginal_to_yd,"
                        "accuracy_yd,ethical_yd");
    bool sawNone = false;
    for (std::size_t i = 0; i < ranges_.rows.size(); ++i) {
        const auto& row = ranges_.rows[i];
        auto cells = Split(lines[i + 1], ',');
        if (lines[i + 1].back() == ',') cells.push_back("");
        ASSERT_EQ(cells.size(), 8u) << lines[i + 1];
        EXPECT_EQ(cells[0], std::to_string(i));
        EXPECT_EQ(cells[1], row.animal);
        EXPECT_EQ(Parsed(cells[2]), row.massKg);
        EXPECT_EQ(cells[4], row.sufficientTo ? std::to_string(*row.sufficientTo) : "");
        EXPECT_EQ(cells[5], row.marginalTo ? std::to_string(*row.marginalTo) : "");
        EXPECT_EQ(Parsed(cells[6]), row.accuracy);
        EXPECT_EQ(cells[7].empty(), !row.ethical);
        sawNone = sawNone || cells[4].empty();
    }
    EXPECT_TRUE(sawNone);
}

TEST_F(DownrangeFormats, TheRangesJsonAndTextAgreeWithTheRows) {
    const auto json = nlohmann::json::parse(downrange::RangesJson(ranges_));
    EXPECT_EQ(json["max_distance_yd"].get<int>(), 60);
    ASSERT_EQ(json["animals"].size(), ranges_.rows.size());
    const std::string text = downrange::RangesText(ranges_);
    for (std::size_t i = 0; i < ranges_.rows.size(); ++i) {
        const auto& row = ranges_.rows[i];
        const auto& a = json["animals"][i];
        EXPECT_EQ(a["animal"].get<std::string>(), row.animal);
        EXPECT_EQ(a["verdict_at_bow"].get<std::string>(), game::VerdictName(row.atBow));
        EXPECT_EQ(a["sufficient_to_yd"].is_null(), !row.sufficientTo);
        if (row.ethical) EXPECT_EQ(a["ethical_yd"].get<double>(), *row.ethical);
        EXPECT_NE(text.find(row.animal), std::string::npos);
    }
}

// The cells a page lays out as its own tables: the figures rounded as the text rounds them, the
// worked example's rows as they were first worked out by hand, and the last distance shown even
// when it is no multiple of 5.
TEST_F(DownrangeFormats, TheCellsAreTheTextTablesFiguresRoundedForReading) {
    downrange::Inputs inputs;
    const auto table = downrange::DistanceTableOf(WorkedExample(), inputs);
    const downrange::Cells distances = downrange::DistanceCells(table);
    ASSERT_EQ(distances.size(), 21u); // 0, 5, ..., 100
    EXPECT_EQ(distances[0], (std::vector<std::string>{"0", "300.0", "80.0", "0.533", "0.000", "0.0"}));
    EXPECT_EQ(distances[4], (std::vector<std::string>{"20", "284.7", "72.0", "0.506", "0.205", "0.0"}));
    EXPECT_EQ(distances[20],
              (std::vector<std::string>{"100", "230.9", "47.4", "0.410", "1.143", "-211.6"}));
    const downrange::Cells reaction = downrange::ReactionCells(table);
    ASSERT_EQ(reaction.size(), 5u);
    EXPECT_EQ(reaction[3], (std::vector<std::string>{"0.3", "41", "38"}));

    inputs.maxDistance = 37;
    const downrange::Cells shorter =
        downrange::DistanceCells(downrange::DistanceTableOf(WorkedExample(), inputs));
    ASSERT_EQ(shorter.size(), 9u); // 0, 5, ..., 35, 37
    EXPECT_EQ(shorter.back()[0], "37");

    const downrange::Cells animals = downrange::RangesCells(ranges_);
    ASSERT_EQ(animals.size(), ranges_.rows.size());
    bool sawNone = false;
    for (std::size_t i = 0; i < animals.size(); ++i) {
        const auto& row = ranges_.rows[i];
        ASSERT_EQ(animals[i].size(), 8u);
        EXPECT_EQ(animals[i][0], row.animal);
        EXPECT_EQ(animals[i][3], game::VerdictName(row.atBow));
        EXPECT_EQ(animals[i][4], row.sufficientTo ? std::to_string(*row.sufficientTo) : "-");
        EXPECT_EQ(animals[i][7] == "-", !row.ethical);
        sawNone = sawNone || animals[i][4] == "-";
    }
    EXPECT_TRUE(sawNone);
}

// A hunter's list in pounds gives masses of many digits in kg; the text must still part them
// from the name, and a short mass keeps its column.
TEST_F(DownrangeFormats, ALongMassInTheRangesTextStaysApartFromTheName) {
    const std::vector<game::Animal> animals = {{"Whitetail buck", 90.945270185},
                                               {"Roe doe", 22}};
    const std::string text =
        downrange::RangesText(downrange::RangesOf(WorkedExample(), inputs_, animals));
    EXPECT_NE(text.find("\nWhitetail buck 90.945270185    2  "), std::string::npos) << text;
    EXPECT_NE(text.find("\nRoe doe            22    1  "), std::string::npos) << text;
}

} // namespace
} // namespace kesta::test
