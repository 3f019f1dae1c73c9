// The command line of kesta-report:
//   kesta-report [--user | --settings FILE | --example NAME] [--crlf] [--verbose] [--quiet]
//                [KEY=VALUE ...]
//   kesta-report --needs [--format text|csv|json] [--user | --settings FILE | --example NAME]
//                [--crlf] [--verbose] [KEY=VALUE ...]
//   kesta-report --downrange | --ranges [--format text|csv|json] [--user | --settings FILE |
//                --example NAME] [--crlf] [--verbose] [KEY=VALUE ...]
//   kesta-report --compare A B [--format text|csv|json] [--verbose] [--b KEY=VALUE ...]
//   kesta-report --list-examples
//   kesta-report --list-games
// The report, --needs, --ranges and --compare also take --game NAME|FILE.
// Parsing only, no files; the options themselves are declared in Options.h.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kesta {

struct CommandLine {
    // What the run writes: the report, or what an option puts in its place.
    enum class Mode {
        Report,
        Needs,        // what it would take for each animal
        Compare,      // two set-ups side by side
        ListExamples, // the shipped example set-ups
        ListGames,    // the built-in game tables
        Downrange,    // the arrow slowed by drag at every distance
        Ranges,       // each animal's ethical range
    };
    enum class Store { Empty, User, File, Example };
    enum class Format { Text, Csv, Json };
    Mode mode = Mode::Report;
    Store store = Store::Empty;
    Format format = Format::Text; // of --needs, --downrange, --ranges and --compare
    std::string settingsFile;     // with Store::File
    std::string exampleName;      // with Store::Example
    std::string game; // --game: a built-in table's name or a game list file; empty: africa
    std::string compareA, compareB; // --compare: set-up files or "example:NAME"
    bool sideB = false; // --b: the KEY=VALUE pairs after it change set-up B of --compare
    // KEY=VALUE pairs after --b, in the order given.
    std::vector<std::pair<std::string, std::string>> overridesB;
    bool crlf = false;
    bool verbose = false; // show the Qt library's own warnings too
    bool quiet = false;   // no warnings about the inputs on standard error
    bool help = false;
    bool version = false;
    // KEY=VALUE pairs in the order given; a later pair for the same key wins.
    std::vector<std::pair<std::string, std::string>> overrides;
};

// The parsed command line, or nullopt with `problem` saying what is wrong (an unknown option,
// a key that is not one of the stored settings keys, a missing FILE, ...).
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& problem);

// The usage text, ending in a line break.
std::string UsageText();

// A text from the command line as it is echoed in a message: at most 60 characters (UTF-8
// sequences kept whole), followed by "…" when longer; control characters show as "?".
std::string Echoed(const std::string& text);

} // namespace kesta
