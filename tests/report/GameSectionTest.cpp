// Penetration ability per category and the game lists: which animals the set-up is sufficient,
// marginal or not recommended for.
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

namespace kesta::test {
namespace {

// All 48 animals in ascending mass, equal masses by character code (capitals before small
// letters: Bushbuck, Puku, bushpig), wrapped once a line runs past 80 columns.
const TextLines kAllAnimals = {
    "   fox,  Suni,  Jackals,  caracal,  Grysbok,  Steenbuck,  Duiker,  Klipspringer,  ",
    "   Oribi,  Rhebuck,  Springbuck,  Impala female,  Reedbuck,  cheetah,  Bushbuck,  ",
    "   Puku,  bushpig,  Fallow Deer,  Blesbuck,  Hayena,  Impala male,  Sitatunga,  Warthog,  ",
    "   Leopard,  Nyala female,  Black Wildebeest,  Nyala male,  Tsessebe,  Kudu female,  ",
    "   Hartbees,  Lion,  Oryx,  Sable Antelope,  Blue Wildebeest,  Roan Antelope/Baster gemsbok, "
    " ",
    "   Waterbuck,  Kudu male,  Zebra,  Eland cow,  Buffalo female,  Eland bull,  Giraffe female, "
    " ",
    "   crocodile,  Buffalo male,  Giraffe male,  Hippo,  Rhino,  Elephant,  ",
};

// The names on list lines, up to an empty line or the hyphen line.
TextLines Names(const TextLines& lines) {
    TextLines names;
    for (std::size_t i = 0; i < lines.size() && !lines[i].empty() && lines[i][0] != '-'; ++i) {
        for (std::size_t start = 3, end; (end = lines[i].find(",  ", start)) != std::string::npos;
             start = end + 3)
            names.push_back(lines[i].substr(start, end - start));
    }
    return names;
}

TextLines Names(const Outcome& out, const std::string& heading) {
    const TextLines lines = out.From(heading, out.lines.size());
    return Names(TextLines(lines.begin() + !lines.empty(), lines.end()));
}

// Both angles 0: the tangents are 0 and so is Ro, which penetrates nothing.
TEST(GameSection, WholeSectionWhenNothingPenetrates) {
    TextLines expected = {"Penetration Ability per category",
                          "   rib breakage:  none     entry   exit    both"};
    for (int category = 1; category <= 6; ++category)
        expected.push_back("   Category " + std::to_string(category) +
                           ":       0       0       0       0   ");
    expected.insert(expected.end(), {"", "Sufficient for:", "   ", "", "Marginal for:", "   ", "",
                                     "NOT Recomended for:"});
    expected.insert(expected.end(), kAllAnimals.begin(), kAllAnimals.end());
    expected.insert(expected.end(), {std::string(83, '-'),
                                     "Disclaimer: Nobody takes responsibility for your actions but "
                                     "you, and this report, althought",
                                     "we strive to provide it as reliable as we can, must never "
                                     "replace your judgement..."});
    const Outcome out = Press(ReferenceForm("inEdge=0; inTip=0"));
    EXPECT_EQ(out.From(expected[0], expected.size() + 1), expected);
}

TEST(GameSection, PenetrationPerCategoryOfTheReferenceSetUp) {
    const TextLines expected = {"Penetration Ability per category",
                                "   rib breakage:  none     entry   exit    both",
                                "   Category 1:     999     999       9       9   ",
                                "   Category 2:      10       9      10       9   ",
                                "   Category 3:      10       9      10       9   ",
                                "   Category 4:      10       9      10       9   ",
                                "   Category 5:      10       9      10       9   ",
                                "   Category 6:      10       8      10       8   ",
                                "",
                                "Sufficient for:"};
    EXPECT_EQ(Press(ReferenceForm()).From(expected[0], expected.size()), expected);
}

// Each list takes the next animals in order of mass: the first `sufficient` ones, then
// `marginal` ones; the rest are not recommended.
TEST(GameSection, ListsSplitTheAnimalsByArrowMassAndPenetration) {
    const TextLines all = Names(kAllAnimals);
    ASSERT_EQ(all.size(), 48u);
    const struct {
        const char* changes;
        std::size_t sufficient, marginal;
    } rows[] = {
        {"", 12, 26},
        // Below 240 grains, 0.8 x 300, the smallest game's minimum, nothing is recommended.
        {"InArrowMass=239.99", 0, 0},
        // At 240 grains the marginal test M >= 0.8 B(k) holds with equality for category 1.
        {"InArrowMass=240", 0, 13},
        // Cut-on-contact lowers Ro so the arrow breaks both ribs of the small game. 300 grains
        // is exactly the minimum of category 1, whose 60 kg limit takes in Reedbuck; cheetah
        // (63 kg) is category 2, which needs 400 grains, or 320 to be marginal.
        {"InArrowMass=300; inCOC", 13, 0},
        {"InArrowMass=299; inCOC", 0, 13},
        {"InArrowMass=1500; InArrowSpeed=400", 48, 0},
    };
    for (const auto& row : rows) {
        const Outcome out = Press(ReferenceForm(row.changes));
        const auto at = [&](std::size_t n) { return all.begin() + static_cast<std::ptrdiff_t>(n); };
        const std::size_t split = row.sufficient + row.marginal;
        EXPECT_FALSE(out.error) << row.changes;
        EXPECT_EQ(Names(out, "Sufficient for:"), TextLines(at(0), at(row.sufficient)))
            << row.changes;
        EXPECT_EQ(Names(out, "Marginal for:"), TextLines(at(row.sufficient), at(split)))
            << row.changes;
        EXPECT_EQ(Names(out, "NOT Recomended for:"), TextLines(at(split), all.end()))
            << row.changes;
    }
}

} // namespace
} // namespace kesta::test
