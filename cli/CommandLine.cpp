#include "cli/CommandLine.h"

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

} // namespace

std::string UsageText() {
    std::string text =
        "usage: kesta-report [--user | --settings FILE | --example NAME] [--crlf] [KEY=VALUE ...]\n"
        "       kesta-report --compare A B [--format text|csv|json]\n"
        "       kesta-report --list-examples\n"
        "\n"
        "Runs the report button once without a window and writes the report to standard\n"
        "output. The settings start empty, as on a first run of the window.\n"
        "\n"
        "  --user           read the window's own saved settings\n"
        "  --settings FILE  read saved settings from FILE (the same INI format)\n"
        "  --crlf           end lines with CR LF, exactly as the report box holds them\n"
        "  KEY=VALUE        override one stored setting, e.g. speed=300 speedf=True BH0=0.5\n" +
        SetupOptionsUsage() +
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
        const OptionParse setupOption = ParseSetupOption(args, i, line, problem);
        if (setupOption == OptionParse::Bad) return std::nullopt;
        if (setupOption == OptionParse::Taken) {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--crlf") {
            line.crlf = true;
        } else if (arg == "--user") {
            if (!chooseStore(CommandLine::Store::User)) return std::nullopt;
        } else if (arg == "--settings" || arg.rfind("--settings=", 0) == 0) {
            if (!chooseStore(CommandLine::Store::File)) return std::nullopt;
            if (arg == "--settings") {
                if (i + 1 >= args.size()) {
                    problem = "--settings needs a FILE";
                    return std::nullopt;
                }
                line.settingsFile = args[++i];
            } else {
                line.settingsFile = arg.substr(std::string("--settings=").size());
            }
            if (line.settingsFile.empty()) {
                problem = "--settings needs a FILE";
                return std::nullopt;
            }
        } else if (arg.rfind("-", 0) == 0) {
            problem = "unknown option '" + arg + "'";
            return std::nullopt;
        } else {
            const std::size_t eq = arg.find('=');
            if (eq == std::string::npos) {
                problem = "'" + arg + "' is not KEY=VALUE";
                return std::nullopt;
            }
            std::string key = arg.substr(0, eq);
            if (!IsSettingsKey(key)) {
                problem = "unknown key '" + key + "'";
                return std::nullopt;
            }
            line.overrides.emplace_back(std::move(key), arg.substr(eq + 1));
        }
    }
    if (!CheckSetupOptions(line, problem)) return std::nullopt;
    return line;
}

} // namespace kesta
