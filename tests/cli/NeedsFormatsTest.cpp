// The needs table's CSV and text on rows the game table does not have: names that need
// quoting, long names, answers that are none.
#include "cli/NeedsOutput.h"

#include <gtest/gtest.h>

namespace kesta::cli {
namespace {

whatif::NeedsTable Table() {
    whatif::NeedsTable table{{412.5, 287.25, 9.75, 1.2}, {}};
    table.rows.push_back(
        {0, "Kudu, male", 300, 3, game::Verdict::Marginal, 711, std::nullopt, 1026, 2.0 / 3});
    table.rows.push_back({1, "The \"big\" one", 5000, 6, game::Verdict::NotRecommended,
                          std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    table.rows.push_back({12, "A name longer than any in the table", 5, 1,
                          game::Verdict::Sufficient, 300, 99, 300, 346.5});
    return table;
}

TEST(NeedsCsv, QuotesAsRfc4180AndLeavesNoneEmpty) {
    EXPECT_EQ(NeedsCsv(Table()),
              "position,animal,mass_kg,category,verdict,least_grains,least_fps,"
              "same_energy_grains,same_energy_fps\n"
              "0,\"Kudu, male\",300,3,marginal,711,,1026,0.6666666666666666\n"
              "1,\"The \"\"big\"\" one\",5000,6,not recommended,,,,\n"
              "12,A name longer than any in the table,5,1,sufficient,300,99,300,346.5\n");
}

TEST(NeedsText, ColumnsFollowTheLongestNameAndNoneIsADash) {
    const std::string text = NeedsText(Table());
    EXPECT_NE(text.find("Set-up: 412.5 grains at 287.2 fps, Ro 9.8 lbs\n"), std::string::npos);
    const std::string longName = "A name longer than any in the table";
    EXPECT_NE(text.find(" #  Animal" + std::string(longName.size() - 6, ' ') + "  Mass kg"),
              std::string::npos);
    EXPECT_NE(text.find(" 1  The \"big\" one" + std::string(longName.size() - 13, ' ') +
                        "   5000.0    6  not recommended       -       -  -\n"),
              std::string::npos);
    EXPECT_NE(text.find("12  " + longName +
                        "      5.0    1  sufficient          300      99  "
                        "300 at 346\n"),
              std::string::npos);
}

} // namespace
} // namespace kesta::cli
