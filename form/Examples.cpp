#include "form/Examples.h"

#include "form/SettingsKeys.h"

#include <optional>

namespace kesta {

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// The keys every example sets the same way: the first unit of each pair, the imperial report,
// a shaft smaller than the ferrule, no cut-on-contact tip, empty blade rows 3 to 6.
Values Completed(Values values) {
    const Values common = {
        {"massgr", "True"},  {"massg", "False"},    {"speedf", "True"},   {"speedm", "False"},
        {"lengthI", "True"}, {"lengthMM", "False"}, {"BHWGr", "True"},    {"BHWG", "False"},
        {"BH4", ""},         {"BH5", ""},           {"BH6", ""},          {"BH7", ""},
        {"BH8", ""},         {"BH9", ""},           {"BH10", ""},         {"BH11", ""},
        {"BHI", "True"},     {"BHmm", "False"},     {"DistY", "True"},    {"DistM", "False"},
        {"CircI", "True"},   {"Circmm", "False"},   {"Imperial", "True"}, {"Metric", "False"},
        {"ShaftDia", "0"},   {"inCOC", "0"}};
    for (const auto& pair : common) {
        bool given = false;
        for (const auto& v : values)
            given = given || v.first == pair.first;
        if (!given) values.push_back(pair);
    }
    return values;
}

Values Safety(int selected) {
    Values v;
    for (int k = 0; k < 5; ++k)
        v.emplace_back("Safety" + std::to_string(k), k == selected ? "True" : "False");
    return v;
}

Values Join(Values a, const Values& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<ExampleSetup> BuildExamples() {
    std::vector<ExampleSetup> examples;
    // The worked example of the report, with a 6-inch group at 20 yards and a 25% safety factor.
    examples.push_back({"worked-example",
                        "The report's worked example: 300 fps, 400 grains, two 0.5 x 1 inch blades",
                        Completed(Join({{"speed", "300"},
                                        {"mass", "400"},
                                        {"length", "28"},
                                        {"staticspine", "400"},
                                        {"shaftweight", "9"},
                                        {"BHW", "100"},
                                        {"BH0", "0.5"},
                                        {"BH1", "1"},
                                        {"BH2", "0.5"},
                                        {"BH3", "1"},
                                        {"Dist12", "20"},
                                        {"Circ12", "6"},
                                        {"inEdge", "25"},
                                        {"inTip", "60"},
                                        {"DrawWeigth", "60"}},
                                       Safety(1)))});
    // A light, fast arrow for deer-sized game: a cut-on-contact tip, a 55-pound bow.
    examples.push_back({"light-deer",
                        "Light deer set-up: 295 fps, 410 grains, two 0.55 x 1 inch blades, "
                        "cut-on-contact tip, 55 lbs",
                        Completed(Join({{"speed", "295"},
                                        {"mass", "410"},
                                        {"length", "28.5"},
                                        {"staticspine", "400"},
                                        {"shaftweight", "8.5"},
                                        {"BHW", "100"},
                                        {"BH0", "0.55"},
                                        {"BH1", "1"},
                                        {"BH2", "0.55"},
                                        {"BH3", "1"},
                                        {"Dist12", "20"},
                                        {"Circ12", "6"},
                                        {"inEdge", "22"},
                                        {"inTip", "60"},
                                        {"inCOC", "1"},
                                        {"DrawWeigth", "55"}},
                                       Safety(1)))});
    // A heavy, slow arrow for the largest game: two long blades with a cut-on-contact tip.
    examples.push_back({"heavy-buffalo",
                        "Heavy set-up for large game: 240 fps, 900 grains, two 0.6 x 1.8 inch "
                        "blades, cut-on-contact tip, 80 lbs",
                        Completed(Join({{"speed", "240"},
                                        {"mass", "900"},
                                        {"length", "30"},
                                        {"staticspine", "250"},
                                        {"shaftweight", "18.5"},
                                        {"BHW", "250"},
                                        {"BH0", "0.6"},
                                        {"BH1", "1.8"},
                                        {"BH2", "0.6"},
                                        {"BH3", "1.8"},
                                        {"Dist12", "20"},
                                        {"Circ12", "5"},
                                        {"inEdge", "20"},
                                        {"inTip", "55"},
                                        {"inCOC", "1"},
                                        {"DrawWeigth", "80"}},
                                       Safety(2)))});
    return examples;
}

} // namespace

const std::vector<ExampleSetup>& Examples() {
    static const std::vector<ExampleSetup> examples = BuildExamples();
    return examples;
}

const ExampleSetup* FindExample(std::string_view name) {
    for (const ExampleSetup& example : Examples())
        if (example.name == name) return &example;
    return nullptr;
}

FormState ExampleForm(const ExampleSetup& example) {
    FormState form;
    LoadSettings(form, [&example](const std::string& key) -> std::optional<std::string> {
        for (const auto& [k, text] : example.values)
            if (k == key) return text;
        return std::nullopt;
    });
    return form;
}

} // namespace kesta
