#include "form/SettingsKeys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace kesta {
namespace {

using Store = std::map<std::string, std::string>;

SettingsReader ReaderOf(const Store& store) {
    return [&store](const std::string& key) -> std::optional<std::string> {
        auto it = store.find(key);
        if (it == store.end()) return std::nullopt;
        return it->second;
    };
}

FormState Loaded(const Store& store) {
    FormState form;
    LoadSettings(form, ReaderOf(store));
    return form;
}

Store Saved(const FormState& form) {
    Store saved;
    for (const auto& [key, text] : SaveSettings(form))
        saved[key] = text;
    return saved;
}

std::vector<std::string> TableKeys() {
    std::vector<std::string> keys;
    for (const auto& row : SettingsKeys())
        keys.push_back(row.key);
    return keys;
}

std::vector<std::string> SelectedOptions(const FormState& form) {
    std::vector<std::string> on;
    for (const auto& name : FormState::Options())
        if (form.Selected(name)) on.push_back(name);
    return on;
}

// Stored settings of earlier runs depend on these exact keys.

TEST(SettingsKeyTable, KeysInLoadAndSaveOrder) {
    const std::vector<std::string> expected = {
        "speed",   "mass",     "massgr",      "massg",       "speedf",   "speedm", "length",
        "lengthI", "lengthMM", "staticspine", "shaftweight", "BHW",      "BHWGr",  "BHWG",
        "BH0",     "BH1",      "BH2",         "BH3",         "BH4",      "BH5",    "BH6",
        "BH7",     "BH8",      "BH9",         "BH10",        "BH11",     "BHI",    "BHmm",
        "Dist12",  "DistY",    "DistM",       "Circ12",      "CircI",    "Circmm", "Safety0",
        "Safety1", "Safety2",  "Safety3",     "Safety4",     "Imperial", "Metric", "ShaftDia",
        "inEdge",  "inCOC",    "inTip",       "DrawWeigth"};
    EXPECT_EQ(TableKeys(), expected);
    std::vector<std::string> asked; // Load reads every key once, in table order
    FormState form;
    LoadSettings(form, [&asked](const std::string& key) -> std::optional<std::string> {
        asked.push_back(key);
        return std::nullopt;
    });
    EXPECT_EQ(asked, expected);
}

TEST(SettingsKeyTable, CoversEveryControlOnceWithItsKind) {
    std::multiset<std::string> texts, options;
    std::vector<std::pair<std::string, KeyKind>> others;
    for (const auto& row : SettingsKeys()) {
        if (row.kind == KeyKind::Text)
            texts.insert(row.control);
        else if (row.kind == KeyKind::Option)
            options.insert(row.control);
        else
            others.emplace_back(row.control, row.kind);
    }
    const auto& boxes = FormState::TextBoxes();
    const auto& buttons = FormState::Options();
    EXPECT_EQ(texts, std::multiset<std::string>(boxes.begin(), boxes.end()));
    EXPECT_EQ(options, std::multiset<std::string>(buttons.begin(), buttons.end()));
    EXPECT_EQ(others,
              (std::vector<std::pair<std::string, KeyKind>>{
                  {"ShaftDiameter", KeyKind::ListPosition}, {"inCOC", KeyKind::CheckState}}));
}

TEST(SettingsFirstRun, DefaultsAndNoSafetyOption) {
    const FormState form = Loaded({});
    for (const auto& box : FormState::TextBoxes()) {
        const std::string expected = box == "inEdge" ? "25" : box == "inTip" ? "60" : "0";
        EXPECT_EQ(form.Text(box), expected) << box;
    }
    EXPECT_EQ(SelectedOptions(form),
              (std::vector<std::string>{"ChosenImperic", "ArrowSpeedFPS", "ArrowMassGr",
                                        "ArrowLengthInInches", "BroadheadInch", "BroadheadweightGr",
                                        "DistanceInyards", "GroupingCircInI"}));
    EXPECT_EQ(form.ShaftDiameter(), 1);
    EXPECT_EQ(form.CutOnContact(), 0);
}

TEST(SettingsFirstRun, SavesAllSafetyFalseAndRestartsTheSame) {
    const FormState first = Loaded({});
    Store saved = Saved(first);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(saved["Safety" + std::to_string(k)], "False");
    EXPECT_EQ(saved["ShaftDia"], "1");
    EXPECT_EQ(saved["inCOC"], "0");
    EXPECT_EQ(saved["inEdge"], "25");
    EXPECT_EQ(Loaded(saved), first);
}

TEST(SettingsFirstRun, OwnStateDefaultsTakeTheControlsStateAtThatMoment) {
    FormState form;
    form.SetText("inEdge", "31");
    form.SetText("inTip", "");
    form.SetCutOnContact(1);
    LoadSettings(form, ReaderOf({}));
    EXPECT_EQ(form.Text("inEdge"), "31");
    EXPECT_EQ(form.Text("inTip"), "");
    EXPECT_EQ(form.CutOnContact(), 1);
}

TEST(SettingsRoundTrip, EveryKeyWithOddTexts) {
    const std::vector<std::string> odd = {"",       " ",     "abc",  " 1,5 ",    "a,b",
                                          "=;#[x]", "\"q\"", "@Var", "\xC3\xBC", "1e999",
                                          "-0",     "\\n",   "300",  "0.5 ",     "tab\there"};
    FormState form;
    std::size_t i = 0;
    for (const auto& box : FormState::TextBoxes())
        form.SetText(box, odd[i++ % odd.size()]);
    for (const auto& group : FormState::OptionGroups())
        form.SetSelected(group[1], true);
    form.SetShaftDiameter(2);
    form.SetCutOnContact(1);

    std::vector<std::string> savedKeys;
    for (const auto& pair : SaveSettings(form))
        savedKeys.push_back(pair.first);
    EXPECT_EQ(savedKeys, TableKeys()); // saved in table order
    Store saved = Saved(form);
    EXPECT_EQ(saved["massg"], "True");
    EXPECT_EQ(saved["massgr"], "False");
    EXPECT_EQ(saved["Safety1"], "True");
    EXPECT_EQ(saved["ShaftDia"], "2");
    EXPECT_EQ(saved["inCOC"], "1");
    EXPECT_EQ(Loaded(saved), form);
}

TEST(SettingsRoundTrip, EveryListPositionAndSafetyChoice) {
    for (int position = -1; position <= 2; ++position) {
        for (int safety = 0; safety < 5; ++safety) {
            FormState form = Loaded({});
            form.SetShaftDiameter(position);
            form.SetSelected(ElementName("Safety", safety), true);
            Store saved = Saved(form);
            EXPECT_EQ(saved["ShaftDia"], std::to_string(position));
            for (int k = 0; k < 5; ++k)
                EXPECT_EQ(saved["Safety" + std::to_string(k)], k == safety ? "True" : "False");
            EXPECT_EQ(Loaded(saved), form);
        }
    }
}

TEST(SettingsTruth, AcceptedSpellingsAndNumbers) {
    for (const char* yes :
         {"True", "TRUE", "true", "tRuE", "  True ", "1", "-1", "2.5", "1e300", " 0.001 ", "+3"})
        EXPECT_EQ(ReadTruth(yes), std::optional<bool>(true)) << yes;
    for (const char* no :
         {"False", "FALSE", "false", " fAlSe  ", "0", "-0", "0.0", "0e5", "1e-400"})
        EXPECT_EQ(ReadTruth(no), std::optional<bool>(false)) << no;
    for (const char* unfit : {"", " ", "yes", "T", "Truee", "True x", "1,0", "\tTrue", "1e999",
                              "-1e999", "0x1", "nan", "inf"})
        EXPECT_EQ(ReadTruth(unfit), std::nullopt) << unfit;
}

TEST(SettingsWhole, RoundedHalfToEvenThenRangeChecked) {
    const std::tuple<const char*, int, int, std::optional<int>> rows[] = {
        {"1", -1, 2, 1},     {" -1 ", -1, 2, -1}, {"0.5", -1, 2, 0},    {"1.5", -1, 2, 2},
        {"2.5", -1, 2, 2},   {"-0.5", -1, 2, 0},  {"-1.5", -1, 2, {}},  {"2.6", -1, 2, {}},
        {"1e0", -1, 2, 1},   {"3", -1, 2, {}},    {"1e999", -1, 2, {}}, {"-1e999", -1, 2, {}},
        {"1e-999", 0, 1, 0}, {"True", 0, 1, {}},  {"", 0, 1, {}},       {"1,0", 0, 1, {}},
        {"0.7", 0, 1, 1},    {"-1", 0, 1, {}}};
    for (const auto& [text, low, high, whole] : rows)
        EXPECT_EQ(ReadWhole(text, low, high), whole) << '"' << text << '"';
}

TEST(SettingsFallback, EveryOptionKeyTakesItsDefault) {
    for (const auto& row : SettingsKeys()) {
        if (row.kind != KeyKind::Option) continue;
        // Store the opposite of the default for every other key of the table, then spoil
        // this one: only this key falls back.
        Store store;
        for (const auto& other : SettingsKeys())
            if (other.kind == KeyKind::Option) store[other.key] = "False";
        store[row.key] = "maybe";
        const FormState form = Loaded(store);
        EXPECT_EQ(form.Selected(row.control), *row.defaultText == "True") << row.key;
        for (const auto& name : FormState::Options()) {
            if (name != row.control) {
                EXPECT_FALSE(form.Selected(name)) << row.key << " " << name;
            }
        }
    }
}

TEST(SettingsFallback, ListPositionAndCheckState) {
    for (const char* bad : {"3", "-2", "abc", "", "1,5", "-1.5", "2.51", "True", "1e999"}) {
        EXPECT_EQ(Loaded({{"ShaftDia", bad}}).ShaftDiameter(), 1) << bad;
        EXPECT_EQ(Loaded({{"inCOC", bad}}).CutOnContact(), 0) << bad;
        FormState ticked;
        ticked.SetCutOnContact(1);
        LoadSettings(ticked, ReaderOf({{"inCOC", bad}}));
        EXPECT_EQ(ticked.CutOnContact(), 1) << bad;
    }
    EXPECT_EQ(Loaded({{"ShaftDia", "-1"}}).ShaftDiameter(), -1);
    EXPECT_EQ(Loaded({{"ShaftDia", " 0 "}}).ShaftDiameter(), 0);
    EXPECT_EQ(Loaded({{"ShaftDia", "2.5"}}).ShaftDiameter(), 2);
    EXPECT_EQ(Loaded({{"inCOC", "1"}}).CutOnContact(), 1);
    EXPECT_EQ(Loaded({{"inCOC", "0.5"}}).CutOnContact(), 0);
}

TEST(SettingsFallback, TextsAreTakenUncheckedAndLoadingGoesOn) {
    const FormState form = Loaded({{"speed", "fast"},
                                   {"speedf", "perhaps"},
                                   {"ShaftDia", "9"},
                                   {"inEdge", ""},
                                   {"DrawWeigth", "60"}});
    EXPECT_EQ(form.Text("InArrowSpeed"), "fast");
    EXPECT_TRUE(form.Selected("ArrowSpeedFPS"));
    EXPECT_EQ(form.ShaftDiameter(), 1);
    EXPECT_EQ(form.Text("inEdge"), "");
    EXPECT_EQ(form.Text("DrawWeigth"), "60");
}

TEST(SettingsOptionGroups, LaterOptionOfAGroupDecides) {
    const FormState both = Loaded({{"speedf", "True"}, {"speedm", "True"}});
    EXPECT_FALSE(both.Selected("ArrowSpeedFPS"));
    EXPECT_TRUE(both.Selected("ArrowSpeedM"));

    const FormState none = Loaded({{"Imperial", "False"}, {"Metric", "False"}});
    EXPECT_FALSE(none.Selected("ChosenImperic"));
    EXPECT_FALSE(none.Selected("ChosenMetric"));

    // Only the first stored False: the second's default is False too, so nothing is selected.
    const FormState firstOff = Loaded({{"DistY", "false"}});
    EXPECT_FALSE(firstOff.Selected("DistanceInyards"));
    EXPECT_FALSE(firstOff.Selected("DistanceInM"));

    // A False later in the group does not undo an earlier True.
    const FormState keep = Loaded({{"CircI", "True"}, {"Circmm", "False"}});
    EXPECT_TRUE(keep.Selected("GroupingCircInI"));

    const FormState safety = Loaded({{"Safety1", "True"}, {"Safety3", "1"}, {"Safety4", "0"}});
    EXPECT_EQ(SelectedOptions(safety).size(), 9u);
    EXPECT_TRUE(safety.Selected("Safety_3"));
    EXPECT_FALSE(safety.Selected("Safety_1"));
    EXPECT_FALSE(safety.Selected("Safety_4"));
}

TEST(SettingsOptionGroups, GroupsDoNotReachAcrossContainers) {
    const FormState form = Loaded({{"massg", "True"}, {"BHWG", "True"}, {"Metric", "True"}});
    EXPECT_TRUE(form.Selected("ArrowMassGram"));
    EXPECT_TRUE(form.Selected("BroadheadweightInG"));
    EXPECT_TRUE(form.Selected("ChosenMetric"));
    EXPECT_TRUE(form.Selected("ArrowSpeedFPS"));
    EXPECT_TRUE(form.Selected("BroadheadInch"));
}

TEST(SettingsKeysExact, DistAndCircWithout12AreIgnored) {
    const FormState old = Loaded({{"Dist", "20"}, {"Circ", "6"}, {"dist12", "30"}});
    EXPECT_EQ(old.Text("Distance"), "0");
    EXPECT_EQ(old.Text("GroupingCirc"), "0");
    const FormState exact = Loaded({{"Dist12", "20"}, {"Circ12", "6"}});
    EXPECT_EQ(exact.Text("Distance"), "20");
    EXPECT_EQ(exact.Text("GroupingCirc"), "6");
}

} // namespace
} // namespace kesta
