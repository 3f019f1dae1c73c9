#include "cli/CommandLine.h"
#include "cli/Options.h"

#include "downrange/DownrangeInputs.h"
#include "form/SettingsKeys.h"
#include "tools/Text.h"

namespace kesta {

namespace {

// "  --settings FILE  read saved settings ...": the option in a column of its own, the lines
// of its help beside it.
std::string OptionLines(const std::string& option, const std::string& help) {
    constexpr std::size_t kColumn = 15;
    std::string text = "  " + option;
    if (option.size() < kColumn) text += std::string(kColumn - option.size(), ' ');
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = help.find('\n', start);
        text += "  " + help.substr(start, end - start) + "\n";
        if (end == std::string::npos) return text;
        text += std::string(2 + kColumn, ' ');
        start = end + 1;
    }
}

} // namespace

std::string Echoed(const std::string& text) {
    // A mistyped argument can be as long as the shell allows; the message needs only enough
    // of it to be recognised.
    return text::ShownShort(text, 60);
}

std::string UsageText() {
    std::string text =
        "usage: kesta-report [--user | --settings FILE | --example NAME] [--crlf] [--verbose]\n"
        "                    [--quiet] [KEY=VALUE ...]\n"
        "       kesta-report --needs [--format text|csv|json] [--user | --settings FILE |\n"
        "                    --example NAME] [--crlf] [--verbose] [KEY=VALUE ...]\n"
        "       kesta-report --downrange | --ranges [--format text|csv|json] [--user |\n"
        "                    --settings FILE | --example NAME] [--crlf] [--verbose]\n"
        "                    [KEY=VALUE ...]\n"
        "       kesta-report --compare A B [--format text|csv|json] [--verbose]\n"
        "                    [--b KEY=VALUE ...]\n"
        "       kesta-report --list-examples\n"
        "       kesta-report --list-games\n"
        "\n"
        "Runs the report button once without a window and writes the report to standard\n"
        "output. The settings start empty, as on a first run of the window.\n"
        "\n";
    for (const OptionSpec& option : Options()) {
        std::string shown = Shown(option);
        if (option.value != nullptr) shown += std::string(" ") + option.value;
        text += OptionLines(shown, option.help);
    }
    // Not an option of the table: it ends the line, every argument after it is side B's.
    text += OptionLines("--b KEY=VALUE...", "after --compare A B: change set-up B, e.g. --b mass=500");
    text +=
        OptionLines(kKeyValues, "override one stored setting, e.g. speed=300 speedf=True BH0=0.5");
    text +=
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
    text += "\n\nKeys of --downrange and --ranges:";
    column = 80;
    for (const auto& key : downrange::InputKeys()) {
        if (column + 1 + key.size() > 80) {
            text += "\n     ";
            column = 5;
        }
        text += " " + key;
        column += 1 + key.size();
    }
    return text + "\n";
}

} // namespace kesta
