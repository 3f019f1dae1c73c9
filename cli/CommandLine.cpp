#include "cli/CommandLine.h"

#include "cli/GameOption.h"
#include "cli/SetupOptions.h"

#include "form/SettingsKeys.h"

namespace kesta {

namespace {

bool IsSettingsKey(const std::string& key) {
    // Keys are matched exactly: "dist12" or "Dist" is a typo, never silently ignored.
    for (const auto& row : SettingsKeys())
        if (row.key == key) return true;
    return false;
}

bool ReadFormat(const std::string& name, CommandLine& line, std::string& problem) {
    if (name == "text") {
        line.format = CommandLine::Format::Text;
    } else if (name == "csv") {
        line.format = CommandLine::Format::Csv;
    } else if (name == "json") {
        line.format = CommandLine::Format::Json;
    } else {
        problem = name.empty() ? "--format needs text, csv or json"
                               : "unknown format '" + Echoed(name) + "' (text, csv or json)";
        return false;
    }
    return true;
}

bool ReadOverride(const std::string& arg, CommandLine& line, std::string& problem) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) {
        const std::string shown = Echoed(arg); // "'" + a temporary: GCC 12 warns falsely
        problem = "'" + shown + "' is not KEY=VALUE";
        return false;
    }
    std::string key = arg.substr(0, eq);
    if (!IsSettingsKey(key)) {
        problem = "unknown key '" + Echoed(key) + "'";
        return false;
    }
    line.overrides.emplace_back(std::move(key), arg.substr(eq + 1));
    return true;
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; empty when missing.
std::string OptionValue(const std::vector<std::string>& args, std::size_t& i,
                        const std::string& name) {
    if (args[i] == name) return i + 1 < args.size() ? args[++i] : std::string();
    return args[i].substr(name.size() + 1);
}

bool IsOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

} // namespace

std::string Echoed(const std::string& text) {
    // A mistyped argument can be as long as the shell allows; the message needs only enough
    // of it to be recognised.
    constexpr std::size_t kShown = 60;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kShown)
            return text.substr(0, i) + "\xE2\x80\xA6"; // …
    }
    return text;
}

std::string UsageText() {
    std::string text =
        "usage: kesta-report [--user | --settings FILE | --example NAME] [--crlf] [--verbose]\n"
        "                    [KEY=VALUE ...]\n"
        "       kesta-report --needs [--format text|csv|json] [--user | --settings FILE |\n"
        "                    --example NAME] [--crlf] [--verbose] [KEY=VALUE ...]\n"
        "       kesta-report --compare A B [--format text|csv|json] [--verbose]\n"
        "       kesta-report --list-examples\n"
        "       kesta-report --list-games\n"
        "\n"
        "Runs the report button once without a window and writes the report to standard\n"
        "output. The settings start empty, as on a first run of the window.\n"
        "\n"
        "  --user           read the window's own saved settings\n"
        "  --settings FILE  read saved settings from FILE (the same INI format)\n"
        "  --crlf           end lines with CR LF, exactly as the report box holds them\n"
        "  --verbose        also show the Qt library's own warnings on standard error\n"
        "  KEY=VALUE        override one stored setting, e.g. speed=300 speedf=True BH0=0.5\n"
        "  --needs          instead of the report, what it would take for each animal: the\n"
        "                   least arrow mass or speed that makes the set-up sufficient\n" +
        SetupOptionsUsage() + GameOptionsUsage() +
        "  --format FORMAT  of --needs and --compare: text (the default), csv or json\n"
        "  --help           show this text\n"
        "  --version        show the version\n"
        "\n"
        "Exit status: 0 report written, 2 bad command line, 3 the report stopped with an error\n"
        "(the lines written before it are on standard output, the error on standard error).\n"
        "\n"
        "Keys:";
    std::size_t column = 5;
    for (const auto& row : SettingsKeys()) {
        if (column + 1 + row.key.size() > 80) {
            text += "\n     ";
            column = 5;
        }
        text += " " + row.key;
        column += 1 + row.key.size();
    }
    return text + "\n";
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& problem) {
    CommandLine line;
    bool storeChosen = false;
    bool formatGiven = false;
    auto chooseStore = [&](CommandLine::Store store) {
        if (storeChosen) {
            problem = "--user and --settings exclude each other and may be given once";
            return false;
        }
        storeChosen = true;
        line.store = store;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        OptionParse setupOption = ParseSetupOption(args, i, line, problem);
        if (setupOption == OptionParse::NotMine) setupOption = ParseGameOption(args, i, line, problem);
        if (setupOption == OptionParse::Bad) return std::nullopt;
        if (setupOption == OptionParse::Taken) {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--crlf") {
            line.crlf = true;
        } else if (arg == "--verbose") {
            line.verbose = true;
        } else if (arg == "--needs") {
            line.needs = true;
        } else if (IsOption(arg, "--format")) {
            if (!ReadFormat(OptionValue(args, i, "--format"), line, problem)) return std::nullopt;
            formatGiven = true;
        } else if (arg == "--user") {
            if (!chooseStore(CommandLine::Store::User)) return std::nullopt;
        } else if (IsOption(arg, "--settings")) {
            if (!chooseStore(CommandLine::Store::File)) return std::nullopt;
            line.settingsFile = OptionValue(args, i, "--settings");
            if (line.settingsFile.empty()) {
                problem = "--settings needs a FILE";
                return std::nullopt;
            }
        } else if (arg.rfind("-", 0) == 0) {
            problem = "unknown option '" + Echoed(arg) + "'";
            return std::nullopt;
        } else if (!ReadOverride(arg, line, problem)) {
            return std::nullopt;
        }
    }
    if (formatGiven && !line.needs && line.compareA.empty()) {
        problem = "--format is for --needs and --compare; the report is plain text";
        return std::nullopt;
    }
    if (!CheckSetupOptions(line, problem)) return std::nullopt;
    return line;
}

} // namespace kesta
