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
        {.name = "user",
         .oneOf = "settings",
         .help = "read the window's own saved settings",
         .take =
             [](const Values&, CommandLine& line) {
                 line.store = CommandLine::Store::User;
                 return std::string();
             }},
        {.name = "settings",
         .value = "FILE",
         .needs = "a FILE",
         .oneOf = "settings",
         .help = "read saved settings from FILE (the same INI format)",
         .take =
             [](const Values& v, CommandLine& line) {
                 line.store = CommandLine::Store::File;
                 line.settingsFile = v[0];
                 return std::string();
             }},
        {.name = "crlf",
         .help = "end lines with CR LF, exactly as the report box holds them",
         .take =
             [](const Values&, CommandLine& line) {
                 line.crlf = true;
                 return std::string();
             }},
        {.name = "verbose",
         .help = "also show the Qt library's own warnings on standard error",
         .take =
             [](const Values&, CommandLine& line) {
                 line.verbose = true;
                 return std::string();
             }},
        {.name = "quiet",
         .shortName = "q",
         .help = "no warnings about the inputs (a speed that is no number, ...)",
         .take =
             [](const Values&, CommandLine& line) {
                 line.quiet = true;
                 return std::string();
             }},
        {.name = "needs",
         .mode = Mode::Needs,
         .help = "instead of the report, what it would take for each animal: the\n"
                 "least arrow mass or speed that makes the set-up sufficient",
         .take = Nothing},
        {.name = "downrange",
         .mode = Mode::Downrange,
         .help = "instead of the report, the arrow slowed by drag: speed, energy,\n"
                 "momentum, time and path at every distance",
         .take = Nothing},
        {.name = "ranges",
         .mode = Mode::Ranges,
         .help = "instead of the report, each animal's ethical range: how far the\n"
                 "slowing arrow stays sufficient, limited by the group's accuracy",
         .take = Nothing},
        {.name = "example",
         .value = "NAME",
         .needs = "a NAME",
         .oneOf = "settings",
         .help = "start from a shipped example set-up instead",
         .take =
             [](const Values& v, CommandLine& line) {
                 if (FindExample(v[0]) == nullptr)
                     return "no example '" + Echoed(v[0]) + "' (see --list-examples)";
                 line.store = CommandLine::Store::Example;
                 line.exampleName = v[0];
                 return std::string();
             }},
        {.name = "list-examples",
         .mode = Mode::ListExamples,
         .help = "list the example set-ups: the name, then a description",
         .take = Nothing},
        {.name = "compare",
         .value = "A B",
         .needs = "two set-ups: files or example:NAME",
         .followers = 1,
         .mode = Mode::Compare,
         .help = "compare two set-ups, each a set-up file or example:NAME: the\n"
                 "figures of both reports, their differences and the verdicts that\n"
                 "differ (exit 3 when either report stopped; both are still shown)",
         .take =
             [](const Values& v, CommandLine& line) {
                 line.compareA = v[0];
                 line.compareB = v[1];
                 return std::string();
             }},
        {.name = "game",
         .value = "NAME|FILE",
         .needs = "a NAME (see --list-games) or a FILE",
         .onlyIn = {Mode::Report, Mode::Needs, Mode::Ranges, Mode::Compare},
         .onlyInProblem = "--game is for the report, --needs, --ranges and --compare",
         .help = "the game judged: a --list-games table or a CSV FILE",
         .take =
             [](const Values& v, CommandLine& line) {
                 line.game = v[0];
                 return std::string();
             }},
        {.name = "list-games",
         .mode = Mode::ListGames,
         .help = "list the built-in game tables",
         .take = Nothing},
        {.name = "format",
         .value = "FORMAT",
         .needs = "text, csv or json",
         .onlyIn = {Mode::Needs, Mode::Downrange, Mode::Ranges, Mode::Compare},
         .onlyInProblem = "--format is for --needs, --downrange, --ranges and --compare; the "
                          "report is plain text",
         .help = "of --needs, --downrange, --ranges and --compare: text (the\n"
                 "default), csv or json",
         .take =
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
        {.name = "help",
         .shortName = "h",
         .help = "show this text",
         .take =
             [](const Values&, CommandLine& line) {
                 line.help = true;
                 return std::string();
             }},
        {.name = "version",
         .help = "show the version",
         .take =
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
        {"compare", "user"}, {"compare", "settings"}, {"compare", "example"},
        {"compare", "crlf"}, {"compare", kKeyValues},
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
