#include "cli/Options.h"

#include "form/Examples.h"

namespace kesta {

namespace {

using Mode = CommandLine::Mode;
using Values = std::vector<std::string>;

std::string Nothing(const Values&, CommandLine&) {
    return "";
}

} // namespace

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = {
        {"user", nullptr, nullptr, nullptr, 0, Mode::Report, "settings", {}, nullptr,
         "read the window's own saved settings",
         [](const Values&, CommandLine& line) {
             line.store = CommandLine::Store::User;
             return std::string();
         }},
        {"settings", nullptr, "FILE", "a FILE", 0, Mode::Report, "settings", {}, nullptr,
         "read saved settings from FILE (the same INI format)",
         [](const Values& v, CommandLine& line) {
             line.store = CommandLine::Store::File;
             line.settingsFile = v[0];
             return std::string();
         }},
        {"crlf", nullptr, nullptr, nullptr, 0, Mode::Report, nullptr, {}, nullptr,
         "end lines with CR LF, exactly as the report box holds them",
         [](const Values&, CommandLine& line) {
             line.crlf = true;
             return std::string();
         }},
        {"verbose", nullptr, nullptr, nullptr, 0, Mode::Report, nullptr, {}, nullptr,
         "also show the Qt library's own warnings on standard error",
         [](const Values&, CommandLine& line) {
             line.verbose = true;
             return std::string();
         }},
        {"needs", nullptr, nullptr, nullptr, 0, Mode::Needs, nullptr, {}, nullptr,
         "instead of the report, what it would take for each animal: the\n"
         "least arrow mass or speed that makes the set-up sufficient",
         Nothing},
        {"example", nullptr, "NAME", "a NAME", 0, Mode::Report, "settings", {}, nullptr,
         "start from a shipped example set-up instead",
         [](const Values& v, CommandLine& line) {
             if (FindExample(v[0]) == nullptr)
                 return "no example '" + v[0] + "' (see --list-examples)";
             line.store = CommandLine::Store::Example;
             line.exampleName = v[0];
             return std::string();
         }},
        {"list-examples", nullptr, nullptr, nullptr, 0, Mode::ListExamples, nullptr, {}, nullptr,
         "list the example set-ups: the name, then a description", Nothing},
        {"compare", nullptr, "A B", "two set-ups: files or example:NAME", 1, Mode::Compare,
         nullptr, {}, nullptr,
         "compare two set-ups, each a set-up file or example:NAME: the\n"
         "figures of both reports, their differences and the verdicts that\n"
         "differ (exit 3 when either report stopped; both are still shown)",
         [](const Values& v, CommandLine& line) {
             line.compareA = v[0];
             line.compareB = v[1];
             return std::string();
         }},
        {"format", nullptr, "FORMAT", "text, csv or json", 0, Mode::Report, nullptr,
         {Mode::Needs, Mode::Compare},
         "--format is for --needs and --compare; the report is plain text",
         "of --needs and --compare: text (the default), csv or json",
         [](const Values& v, CommandLine& line) {
             if (v[0] == "text") {
                 line.format = CommandLine::Format::Text;
             } else if (v[0] == "csv") {
                 line.format = CommandLine::Format::Csv;
             } else if (v[0] == "json") {
                 line.format = CommandLine::Format::Json;
             } else {
                 return "unknown format '" + Echoed(v[0]) + "' (text, csv or json)";
             }
             return std::string();
         }},
        {"help", "h", nullptr, nullptr, 0, Mode::Report, nullptr, {}, nullptr, "show this text",
         [](const Values&, CommandLine& line) {
             line.help = true;
             return std::string();
         }},
        {"version", nullptr, nullptr, nullptr, 0, Mode::Report, nullptr, {}, nullptr,
         "show the version",
         [](const Values&, CommandLine& line) {
             line.version = true;
             return std::string();
         }},
    };
    return options;
}

const std::vector<Exclusion>& Exclusions() {
    // A comparison reads its two set-ups and nothing else.
    static const std::vector<Exclusion> exclusions = {
        {"compare", "user"},    {"compare", "settings"}, {"compare", "example"},
        {"compare", "crlf"},    {"compare", kKeyValues},
    };
    return exclusions;
}

const OptionSpec* FindOption(const std::string& name) {
    for (const OptionSpec& option : Options())
        if (name == option.name || (option.shortName != nullptr && name == option.shortName))
            return &option;
    return nullptr;
}

std::string Shown(const OptionSpec& option) {
    return std::string("--") + option.name;
}

} // namespace kesta
