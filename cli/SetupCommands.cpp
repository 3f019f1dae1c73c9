#include "cli/SetupCommands.h"

#include "cli/WarningLines.h"
#include "compare/CompareFormats.h"
#include "form/Examples.h"
#include "form/SettingsKeys.h"
#include "settings/SetupFile.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace kesta {

namespace {

constexpr std::string_view kExamplePrefix = "example:";

// One side of --compare, as the window would hold it after opening it.
struct LoadedSide {
    std::optional<FormState> form;
    std::string problem;
    std::string warning;
};

LoadedSide LoadExample(const std::string& name) {
    const ExampleSetup* example = FindExample(name);
    if (example == nullptr)
        return {std::nullopt, "no example '" + Echoed(name) + "' (see --list-examples)", {}};
    return {ExampleForm(*example), {}, {}};
}

LoadedSide LoadSide(const std::string& source) {
    if (source.rfind(kExamplePrefix, 0) == 0) return LoadExample(source.substr(kExamplePrefix.size()));
    const SetupFileRead read = ReadSetupFile(QFile::decodeName(QByteArray::fromStdString(source)));
    if (!read.contents) return {std::nullopt, read.problem.toStdString(), {}};
    LoadedSide side{FormState(), {}, {}};
    read.contents->LoadInto(*side.form);
    if (!read.contents->formatWarning.isEmpty())
        side.warning =
            "warning: " + Echoed(source) + ": " + read.contents->formatWarning.toStdString() + "\n";
    if (!read.contents->unknownKeys.empty()) {
        side.warning += "warning: " + Echoed(source) + ": keys that are not settings keys, ignored:";
        for (const std::string& key : read.contents->unknownKeys)
            side.warning += " " + key;
        side.warning += "\n";
    }
    return side;
}

// Side B with the settings given after --b changed, as if its file held them.
FormState WithOverrides(const FormState& form,
                        const std::vector<std::pair<std::string, std::string>>& overrides) {
    std::map<std::string, std::string> stored;
    for (auto& [key, text] : SaveSettings(form))
        stored[key] = text;
    for (const auto& [key, text] : overrides)
        stored[key] = text;
    FormState changed;
    LoadSettings(changed, [&stored](const std::string& key) -> std::optional<std::string> {
        const auto it = stored.find(key);
        if (it == stored.end()) return std::nullopt;
        return it->second;
    });
    return changed;
}

std::string NameB(const CommandLine& line) {
    std::string name = line.compareB;
    for (const auto& [key, text] : line.overridesB)
        name += " " + key + "=" + text;
    return name;
}

std::string Formatted(const Comparison& c, const CommandLine& line) {
    switch (line.format) {
    case CommandLine::Format::Csv:
        return CompareCsv(c);
    case CommandLine::Format::Json:
        return CompareJson(c, line.compareA, NameB(line));
    case CommandLine::Format::Text:
        break;
    }
    return CompareText(c, line.compareA, NameB(line));
}

} // namespace

CommandOutput ListExamples() {
    std::size_t width = 0;
    for (const ExampleSetup& example : Examples())
        width = std::max(width, example.name.size());
    CommandOutput output;
    for (const ExampleSetup& example : Examples())
        output.out += example.name + std::string(width + 2 - example.name.size(), ' ') +
                      example.description + "\n";
    return output;
}

std::map<std::string, std::string> ExampleTexts(const std::string& name) {
    const ExampleSetup* example = FindExample(name);
    if (example == nullptr) return {};
    return {example->values.begin(), example->values.end()};
}

CommandOutput RunCompare(const CommandLine& line, const game::GameTable& game) {
    CommandOutput output;
    const LoadedSide a = LoadSide(line.compareA);
    const LoadedSide b = [&line] {
        LoadedSide side = LoadSide(line.compareB);
        if (side.form && !line.overridesB.empty())
            side.form = WithOverrides(*side.form, line.overridesB);
        return side;
    }();
    output.err = a.warning + b.warning;
    for (const auto& [side, source] : {std::pair{&a, &line.compareA}, std::pair{&b, &line.compareB}})
        if (!side->form) output.err += "error: " + Echoed(*source) + ": " + side->problem + "\n";
    if (!a.form || !b.form) {
        output.status = 3;
        return output;
    }
    if (!line.quiet) output.err += WarningLines(*a.form, "A: ") + WarningLines(*b.form, "B: ");
    const Comparison c = Compare(*a.form, *b.form, game);
    output.out = Formatted(c, line);
    for (const std::string& stop : {StopText(c.a, 'A'), StopText(c.b, 'B')})
        if (!stop.empty()) output.err += "error: " + stop + "\n";
    output.status = c.EitherStopped() ? 3 : 0;
    return output;
}

} // namespace kesta
