// The command line read with QCommandLineParser from the declarations in Options.cpp: it
// splits "--opt VALUE" and "--opt=VALUE" alike and lists every option as often as it was
// given; what the line may hold is checked here, with this tool's own messages.
#include "cli/CommandLine.h"
#include "cli/Options.h"

#include "cli/KeyValues.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <map>

namespace kesta {

namespace {

using Mode = CommandLine::Mode;

// Arguments pass through Qt as Latin-1, one character per byte, so that every value comes
// back byte for byte, whatever its encoding.
QString ToQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
    return text.toLatin1().toStdString();
}

// Keys are matched exactly ("dist12" or "Dist" is a typo, never silently ignored) and values
// checked against their key (KeyValues.h).
std::string ReadOverride(const std::string& arg,
                         std::vector<std::pair<std::string, std::string>>& overrides) {
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) {
        const std::string shown = Echoed(arg); // "'" + a temporary: GCC 12 warns falsely
        return "'" + shown + "' is not KEY=VALUE";
    }
    std::string key = arg.substr(0, eq);
    std::string value = arg.substr(eq + 1);
    if (std::string problem = KeyValueProblem(key, value); !problem.empty()) return problem;
    overrides.emplace_back(std::move(key), std::move(value));
    return "";
}

// The argument as given for an option name the parser did not know ("-x", "--metric=1").
std::string GivenAs(const std::vector<std::string>& args, const std::string& name) {
    for (const std::string& arg : args) {
        const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : 1;
        if (arg.size() > dashes && arg[0] == '-' &&
            arg.substr(dashes, arg.find('=') - dashes) == name)
            return arg;
    }
    return "-" + name;
}

std::string ExcludeEachOther(const std::string& a, const std::string& b) {
    return a + " and " + b + " exclude each other";
}

class Reader {
  public:
    explicit Reader(const std::vector<std::string>& args) : args_(args) {
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        for (const OptionSpec& option : Options()) {
            QStringList names{QString::fromLatin1(option.name)};
            if (option.shortName != nullptr) names << QString::fromLatin1(option.shortName);
            parser_.addOption(option.value != nullptr
                                  ? QCommandLineOption(names, {}, QString::fromLatin1(option.value))
                                  : QCommandLineOption(names));
        }
    }

    std::optional<CommandLine> Read(std::string& problem) {
        QStringList qtArgs{QStringLiteral("kesta-report")};
        for (const std::string& arg : args_)
            qtArgs << ToQt(arg);
        const bool parsed = parser_.parse(qtArgs);
        problem = Unknown();
        if (problem.empty()) problem = GivenTwiceOrMissing();
        if (problem.empty() && !parsed) problem = FromQt(parser_.errorText());
        if (problem.empty()) problem = Take();
        if (problem.empty()) problem = Excluded();
        if (problem.empty()) problem = OutsideTheirModes();
        if (!problem.empty()) return std::nullopt;
        return line_;
    }

  private:
    std::string Unknown() const {
        const QStringList unknown = parser_.unknownOptionNames();
        if (unknown.isEmpty()) return "";
        return "unknown option '" + Echoed(GivenAs(args_, FromQt(unknown.front()))) + "'";
    }

    std::string GivenTwiceOrMissing() {
        std::map<const OptionSpec*, int> times;
        for (const QString& name : parser_.optionNames())
            if (const OptionSpec* option = FindOption(FromQt(name))) ++times[option];
        for (const OptionSpec& option : Options()) { // in the usage's order
            if (!times.count(&option)) continue;
            if (times[&option] > 1) return Shown(option) + " may be given once";
            given_.push_back(&option);
            if (option.value == nullptr) continue;
            const QStringList values = parser_.values(QString::fromLatin1(option.name));
            if (values.isEmpty() || values.front().isEmpty())
                return Shown(option) + " needs " + option.needs;
        }
        return "";
    }

    // The options' values into the line, the followers of any option that takes them first
    // among the positional arguments, and the rest as KEY=VALUE.
    std::string Take() {
        const QStringList positional = parser_.positionalArguments();
        qsizetype next = 0;
        for (const OptionSpec* option : given_) {
            std::vector<std::string> values;
            if (option->value != nullptr)
                values.push_back(FromQt(parser_.value(QString::fromLatin1(option->name))));
            for (int k = 0; k < option->followers; ++k, ++next) {
                if (next == positional.size() || positional[next].isEmpty())
                    return Shown(*option) + " needs " + option->needs;
                values.push_back(FromQt(positional[next]));
            }
            if (std::string problem = option->take(values, line_); !problem.empty()) return problem;
            if (option->mode != Mode::Report) line_.mode = option->mode;
        }
        for (; next < positional.size(); ++next) {
            keyValues_ = true;
            if (std::string problem = ReadOverride(FromQt(positional[next]), line_.overrides);
                !problem.empty())
                return problem;
        }
        return "";
    }

    bool Given(const std::string& name) const {
        if (name == kKeyValues) return keyValues_;
        for (const OptionSpec* option : given_)
            if (name == option->name) return true;
        return false;
    }

    std::string Excluded() const {
        for (std::size_t i = 0; i < given_.size(); ++i) {
            for (std::size_t j = i + 1; j < given_.size(); ++j) {
                const OptionSpec& a = *given_[i];
                const OptionSpec& b = *given_[j];
                const bool modes = a.mode != Mode::Report && b.mode != Mode::Report;
                const bool oneOf =
                    a.oneOf != nullptr && b.oneOf != nullptr && std::string(a.oneOf) == b.oneOf;
                if (modes || oneOf) return ExcludeEachOther(Shown(a), Shown(b));
            }
        }
        for (const Exclusion& pair : Exclusions()) {
            if (!Given(pair.a) || !Given(pair.b)) continue;
            auto shown = [](const char* name) {
                return name == std::string(kKeyValues) ? std::string(name)
                                                       : "--" + std::string(name);
            };
            return ExcludeEachOther(shown(pair.a), shown(pair.b));
        }
        return "";
    }

    std::string OutsideTheirModes() const {
        for (const OptionSpec* option : given_) {
            if (option->onlyIn.empty()) continue;
            bool inMode = false;
            for (const Mode mode : option->onlyIn)
                inMode = inMode || mode == line_.mode;
            if (!inMode) return option->onlyInProblem;
        }
        return "";
    }

    const std::vector<std::string>& args_;
    QCommandLineParser parser_;
    CommandLine line_;
    std::vector<const OptionSpec*> given_; // in the usage's order
    bool keyValues_ = false;
};

} // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& problem) {
    // "--b" ends the line for the parser: every argument after it is a KEY=VALUE for set-up B
    // ("--b=KEY=VALUE" gives the first one with it).
    const auto b = std::find_if(args.begin(), args.end(), [](const std::string& arg) {
        return arg == "--b" || arg.rfind("--b=", 0) == 0;
    });
    if (b == args.end()) return Reader(args).Read(problem);
    const std::vector<std::string> before(args.begin(), b);
    std::optional<CommandLine> line = Reader(before).Read(problem);
    if (!line) return std::nullopt;
    if (line->mode != Mode::Compare) {
        problem = "--b is for --compare: the KEY=VALUE pairs after it change set-up B";
        return std::nullopt;
    }
    line->sideB = true;
    std::vector<std::string> forB(std::next(b), args.end());
    if (*b != "--b") forB.insert(forB.begin(), b->substr(4));
    for (const std::string& arg : forB) {
        problem = ReadOverride(arg, line->overridesB);
        if (!problem.empty()) return std::nullopt;
    }
    if (line->overridesB.empty()) {
        problem = "--b needs KEY=VALUE...";
        return std::nullopt;
    }
    return line;
}

} // namespace kesta
