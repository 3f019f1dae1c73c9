#include "cli/SetupOptions.h"

#include "form/Examples.h"

namespace kesta {

namespace {

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value) {
    if (i + 1 >= args.size() || args[i + 1].empty()) return false;
    value = args[++i];
    return true;
}

OptionParse Bad(std::string& problem, std::string why) {
    problem = std::move(why);
    return OptionParse::Bad;
}

OptionParse ParseExample(const std::string& name, CommandLine& line, std::string& problem) {
    if (FindExample(name) == nullptr)
        return Bad(problem, "no example '" + name + "' (see --list-examples)");
    if (line.store != CommandLine::Store::Empty)
        return Bad(problem, "--user, --settings and --example exclude each other");
    line.store = CommandLine::Store::Example;
    line.exampleName = name;
    return OptionParse::Taken;
}

} // namespace

OptionParse ParseSetupOption(const std::vector<std::string>& args, std::size_t& i,
                             CommandLine& line, std::string& problem) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--list-examples") {
        line.listExamples = true;
        return OptionParse::Taken;
    }
    if (arg == "--example") {
        if (!TakeValue(args, i, value)) return Bad(problem, "--example needs a NAME");
        return ParseExample(value, line, problem);
    }
    if (arg == "--compare") {
        if (!line.compareA.empty()) return Bad(problem, "--compare may be given once");
        std::string a, b;
        if (!TakeValue(args, i, a) || !TakeValue(args, i, b))
            return Bad(problem, "--compare needs two set-ups: files or example:NAME");
        line.compareA = a;
        line.compareB = b;
        return OptionParse::Taken;
    }
    return OptionParse::NotMine;
}

bool CheckSetupOptions(const CommandLine& line, std::string& problem) {
    if (line.store == CommandLine::Store::Example ? line.exampleName.empty()
                                                  : !line.exampleName.empty()) {
        problem = "--user, --settings and --example exclude each other";
    } else if (!line.compareA.empty() &&
               (line.store != CommandLine::Store::Empty || !line.overrides.empty() || line.crlf)) {
        problem = "--compare takes its two set-ups only: no --user, --settings, --example, "
                  "--crlf, or KEY=VALUE before --b";
    } else if (line.sideB && line.compareA.empty()) {
        problem = "--b is for --compare: the KEY=VALUE pairs after it change set-up B";
    } else if (line.listExamples && !line.compareA.empty()) {
        problem = "--list-examples and --compare exclude each other";
    } else if (line.needs && !line.compareA.empty()) {
        problem = "--needs and --compare exclude each other";
    } else {
        return true;
    }
    return false;
}

std::string SetupOptionsUsage() {
    return "  --example NAME   start from a shipped example set-up instead\n"
           "  --list-examples  list the example set-ups: the name, then a description\n"
           "  --compare A B    compare two set-ups, each a set-up file or example:NAME: the\n"
           "                   figures of both reports, their differences and the verdicts that\n"
           "                   differ (exit 3 when either report stopped; both are still shown)\n"
           "  --b KEY=VALUE... after --compare A B: change set-up B, e.g. --b mass=500\n";
}

} // namespace kesta
