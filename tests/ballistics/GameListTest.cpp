// The game tables: the built-in ones as the repository's data holds them, and the hunter's own
// list read from CSV text, with every kind of bad file refused with its line and reason.
#include "ballistics/GameList.h"
#include "ballistics/GameListText.h"
#include "tests/report/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace kesta::game {
namespace {

using enum ErrorKind;

// The error a text raises, as kesta-report prints it: "<reason> (<place>)".
std::string ErrorOf(const std::string& text, const std::string& file = "my.csv") {
    try {
        ReadGameList(text, file);
    } catch (const RuntimeError& e) {
        return std::string(e.what()) + " (" + e.place() + ")";
    }
    return "no error";
}

const Animal* Find(const GameTable& table, const std::string& name) {
    for (const Animal& animal : table.animals)
        if (animal.name == name) return &animal;
    return nullptr;
}

TEST(GameTables, BuiltInTablesInTheirOrderWithTheDefaultFirst) {
    std::vector<std::string> names;
    for (const GameTable& table : BuiltInTables())
        names.push_back(table.name + " " + std::to_string(table.animals.size()));
    EXPECT_EQ(names, (std::vector<std::string>{"africa 48", "north-america 27", "europe 18",
                                               "australia-new-zealand 13"}));
    EXPECT_EQ(&DefaultTable(), FindBuiltInTable("africa"));
    EXPECT_EQ(&Animals(), &DefaultTable().animals);
    EXPECT_EQ(FindBuiltInTable("Africa"), nullptr); // names are matched exactly
    EXPECT_EQ(FindBuiltInTable(""), nullptr);
}

// Spot checks against the reference data the regional tables were taken from, at the first,
// the last and a decimal-free middle row of each.
TEST(GameTables, RegionalTablesCarryTheReferenceMassesAndSources) {
    struct Row {
        const char* table;
        const char* animal;
        double massKg;
        const char* source;
    };
    for (const Row& row : std::vector<Row>{
             {"north-america", "White-tailed deer buck", 100,
              "biologyinsights.com how-much-do-white-tailed-deer-typically-weigh (northern US "
              "average)"},
             {"north-america", "Elk bull", 320, "encyclopedic (average 320-331)"},
             {"north-america", "Bison bull", 907, "Brookfield Zoo (American bison)"},
             {"north-america", "Wild turkey hen", 5, "hunter education (wild turkey)"},
             {"europe", "Roe buck", 25, "UK deer stalking references (roe deer)"},
             {"europe", "Wild sow", 75, "European wild boar references (females up to 125)"},
             {"europe", "Reindeer cow", 81, "Smithsonian (caribou and reindeer)"},
             {"australia-new-zealand", "Feral pig boar", 95,
              "feral.org.au feral pig; pestsmart.org.au"},
             {"australia-new-zealand", "Water buffalo", 800,
              "Northern Territory feral water buffalo fact sheet"}}) {
        const GameTable* table = FindBuiltInTable(row.table);
        ASSERT_NE(table, nullptr) << row.table;
        const Animal* animal = Find(*table, row.animal);
        ASSERT_NE(animal, nullptr) << row.animal;
        EXPECT_EQ(animal->massKg, row.massKg) << row.animal;
        EXPECT_EQ(animal->source, row.source) << row.animal;
    }
    EXPECT_EQ(Find(*FindBuiltInTable("north-america"), "Elk bull")->rangeKg, "300-544");
    EXPECT_EQ(FindBuiltInTable("europe")->animals.front().name, "Roe buck");
    EXPECT_EQ(FindBuiltInTable("australia-new-zealand")->animals.back().name, "Water buffalo");
}

TEST(GameTables, EveryBuiltInAnimalHasANameAMassInACategoryAndASource) {
    for (const GameTable& table : BuiltInTables()) {
        EXPECT_FALSE(table.description.empty()) << table.name;
        std::set<std::string> names;
        for (const Animal& animal : table.animals) {
            EXPECT_EQ(NameProblem(animal.name), "") << table.name << ": " << animal.name;
            EXPECT_EQ(MassProblem(animal.massKg), "") << animal.name;
            EXPECT_NO_THROW(FiguresOf(animal)) << animal.name;
            EXPECT_FALSE(animal.source.empty()) << animal.name;
            names.insert(animal.name);
        }
        EXPECT_EQ(names.size(), table.animals.size()) << table.name << " repeats a name";
    }
}

TEST(GameListText, OwnListWithDecimalsPoundsQuotesAndLineEnds) {
    const GameTable kg = ReadGameList("\xEF\xBB\xBF"
                                      "Animal , Mass_KG\r\n"
                                      "\r\n"
                                      "Whitetail,72.5\r\n"
                                      "  \"Big \"\"old\"\" boar\" , 130 \r\n"
                                      "Hare,3.25",
                                      "hunt.csv");
    EXPECT_EQ(kg.name, "hunt.csv");
    ASSERT_EQ(kg.animals.size(), 3u);
    EXPECT_EQ(kg.animals[0].name, "Whitetail");
    EXPECT_EQ(kg.animals[0].massKg, 72.5);
    EXPECT_EQ(kg.animals[1].name, "Big \"old\" boar");
    EXPECT_EQ(kg.animals[1].massKg, 130);
    EXPECT_EQ(kg.animals[2].massKg, 3.25);

    const GameTable lb = ReadGameList("animal,mass_lb\nElk,700\nTurkey,22.5\n", "lb.csv");
    EXPECT_DOUBLE_EQ(lb.animals[0].massKg, 700 * 0.45359237);
    EXPECT_DOUBLE_EQ(lb.animals[1].massKg, 10.205828325);
    EXPECT_EQ(FiguresOf(lb.animals[0]).category, 3); // 317.5 kg

    // Range and source columns in either order; the source may hold a quoted comma.
    const GameTable extra =
        ReadGameList("animal,mass_kg,source,range_kg\nMoose,450,\"park, Sweden\",380-700\n", "x");
    EXPECT_EQ(extra.animals[0].source, "park, Sweden");
    EXPECT_EQ(extra.animals[0].rangeKg, "380-700");
}

TEST(GameListText, WrittenListsReadBackTheSame) {
    GameTable own{
        "own", "", {{"Red stag", 160}, {"Roe \"kid\"", 12.35}, {"Boar", 700 * kKgPerPound}}};
    EXPECT_EQ(GameListCsv(own), "animal,mass_kg\nRed stag,160\n\"Roe \"\"kid\"\"\",12.35\n"
                                "Boar,317.514659\n");
    EXPECT_EQ(ReadGameList(GameListCsv(own), "own"), own);
    for (const GameTable& table : BuiltInTables()) {
        GameTable back = ReadGameList(GameListCsv(table), table.name);
        back.description = table.description;
        EXPECT_EQ(back, table) << table.name;
    }
}

TEST(GameListText, EveryBadFileIsRefusedWithItsLineAndReason) {
    struct Bad {
        std::string text;
        std::string error;
    };
    const std::string head = "animal,mass_kg\n";
    for (const Bad& bad : std::vector<Bad>{
             {"", "no header: the file is empty (the first line must be animal,mass_kg or "
                  "animal,mass_lb) (my.csv, line 1)"},
             {"Elk,320\n", "no header: the first line must be animal,mass_kg or animal,mass_lb "
                           "(then range_kg and source if wanted) (my.csv, line 1)"},
             {"animal;mass_kg\nElk;320\n", "no header: the first line must be animal,mass_kg or "
                                           "animal,mass_lb (then range_kg and source if wanted) "
                                           "(my.csv, line 1)"},
             {"animal,mass_kg,colour\n", "no header: the first line must be animal,mass_kg or "
                                         "animal,mass_lb (then range_kg and source if wanted) "
                                         "(my.csv, line 1)"},
             {head, "no animals after the header (my.csv, line 2)"},
             {head + "Elk,320\n,100\n", "the animal's name is empty (my.csv, line 3)"},
             {head + "\"Kudu, male\",300\n", "the animal's name holds ',' (my.csv, line 2)"},
             {head + "Kudu:male,300\n", "the animal's name holds ':' (my.csv, line 2)"},
             {head + "Ku\tdu,300\n",
              "the animal's name holds a control character (my.csv, line 2)"},
             {head + "Ku\x01"
                     "du,300\n",
              "the animal's name holds a control character (my.csv, line 2)"},
             {head + "Ku\xC2\x85"
                     "du,300\n",
              "the animal's name holds a control character (my.csv, line 2)"},
             {head + "Elk,heavy\n", "the mass 'heavy' is not a number (a mass in kg, a point "
                                    "before any decimals) (my.csv, line 2)"},
             {head + "Elk,\n", "the mass is missing (my.csv, line 2)"},
             {head + "Elk,72,5\n",
              "not CSV: 3 fields where the header has 2 (a decimal comma? write 72.5) (my.csv, "
              "line 2)"},
             {head + "Elk\n", "not CSV: 1 fields where the header has 2 (my.csv, line 2)"},
             {head + "Elk,0\n", "the mass 0 kg is not above 0 (my.csv, line 2)"},
             {head + "Elk,-3\n", "the mass -3 kg is not above 0 (my.csv, line 2)"},
             {head + "Grouse,0.6\n", "the mass 0.6 kg is below 1 kg, where the chest depth of "
                                     "the verdict rule (8 x mass^0.2 - 8 inches) falls below 0 "
                                     "(my.csv, line 2)"},
             {"animal,mass_lb\nGrouse,2\n",
              "the mass 2 lb (0.91 kg) is below 1 kg, where the chest depth of the verdict rule (8 "
              "x mass^0.2 - 8 inches) falls below 0 (my.csv, line 2)"},
             {head + "Whale,5000.01\n", "the mass 5000.01 kg is above 5000 kg, the limit of the "
                                        "heaviest category (my.csv, line 2)"},
             {head + "Whale,1e400\n", "the mass 1e400 kg is above 5000 kg, the limit of the "
                                      "heaviest category (my.csv, line 2)"},
             {"animal,mass_lb\nWhale,11024\n",
              "the mass 11024 lb (5000.4 kg) is above 5000 kg, the limit of the heaviest category "
              "(my.csv, line 2)"},
             {head + "Elk,320\nR\xE9h,25\n", "not UTF-8 text (my.csv, line 3)"},
             {head + "Elk,\xED\xA0\x80\n", "not UTF-8 text (my.csv, line 2)"}, // a surrogate
             {head + "Elk,320\n" + std::string("\0\0", 2) + "\n",
              "not a CSV file: the line holds a zero byte (my.csv, line 3)"},
             {head + "\"Elk,320\n", "not CSV: a quoted field is not closed on its line (my.csv, "
                                    "line 2)"},
             {head + "\"Elk\"x,320\n", "not CSV: text after the closing quote of a field "
                                       "(my.csv, line 2)"},
             {"\x89PNG\r\n\x1a\n", "not UTF-8 text (my.csv, line 1)"}})
        EXPECT_EQ(ErrorOf(bad.text), bad.error) << bad.text;

    // The kinds the window names: a mass that is not a number is a type mismatch.
    EXPECT_EQ(test::KindOf([&] { ReadGameList(head + "Elk,x\n", "f"); }), TypeMismatch);
    EXPECT_EQ(test::KindOf([&] { ReadGameList(head + ",1\n", "f"); }), InvalidProcedureCall);
}

TEST(GameListText, AtMost1001AnimalsAndOneMegabyte) {
    std::string text = "animal,mass_kg\n";
    for (int i = 1; i <= 1001; ++i)
        text += "Animal " + std::to_string(i) + "," + std::to_string(i % 5000 + 1) + "\n";
    EXPECT_EQ(ReadGameList(text, "big.csv").animals.size(), 1001u);
    EXPECT_EQ(ErrorOf(text + "One too many,10\n", "big.csv"),
              "more than 1001 animals: the report has room for 1001 (big.csv, line 1003)");

    const std::string padded = "animal,mass_kg\nElk,320\n" + std::string(kMostGameListBytes, '\n');
    EXPECT_EQ(ErrorOf(padded, "huge.csv"),
              "the file is over 1 MB: no game list is that long (huge.csv)");
    EXPECT_EQ(test::KindOf([&] { ReadGameList(padded, "huge.csv"); }), PathFileAccess);
    EXPECT_NO_THROW(ReadGameList(padded.substr(0, kMostGameListBytes), "just.csv"));
}

TEST(GameListText, EditorQuestionsAgreeWithTheReader) {
    EXPECT_EQ(NameProblem("  "), "the animal's name is empty");
    EXPECT_EQ(NameProblem("Red deer"), "");
    EXPECT_EQ(NameProblem("Rothirsch \xC3\xA4"), ""); // UTF-8 letters are names
    EXPECT_EQ(MassProblem(5000), "");
    EXPECT_EQ(MassProblem(1), "");
    EXPECT_EQ(MassProblem(0.99), "the mass 0.99 kg is below 1 kg, where the chest depth of the "
                                 "verdict rule (8 x mass^0.2 - 8 inches) falls below 0");
    EXPECT_EQ(MassProblem(0), "the mass 0 kg is not above 0");
    EXPECT_EQ(MassProblem(5001),
              "the mass 5001 kg is above 5000 kg, the limit of the heaviest category");
}

} // namespace
} // namespace kesta::game
