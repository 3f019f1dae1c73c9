// The command line as kesta-report reads it, straight from the parser: both spellings of a
// value, options given twice, missing values, exclusions and the KEY=VALUE arguments. Each
// rule is checked over every declared option, so an option added later is checked too.
#include "cli/CommandLine.h"
#include "cli/Options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kesta {
namespace {

using Args = std::vector<std::string>;

struct Parsed {
    std::optional<CommandLine> line;
    std::string problem;
};

Parsed Parse(const Args& args) {
    Parsed parsed;
    parsed.line = ParseCommandLine(args, parsed.problem);
    return parsed;
}

// A good value for each option that takes one, and what else the line needs for it to be good.
Args WithValue(const OptionSpec& option) {
    const std::string name = option.name;
    if (name == "settings") return {"f.ini"};
    if (name == "example") return {"worked-example"};
    if (name == "format") return {"csv", "--needs"};
    if (name == "compare") return {"a.kesta", "example:light-deer"};
    if (name == "game") return {"europe"};
    ADD_FAILURE() << "no good value known for --" << name;
    return {"x"};
}

// The fields a parse fills in, side by side.
std::string Summary(const CommandLine& line) {
    std::string text = std::to_string(static_cast<int>(line.mode)) + "|" +
                       std::to_string(static_cast<int>(line.store)) + "|" +
                       std::to_string(static_cast<int>(line.format)) + "|" + line.settingsFile +
                       "|" + line.exampleName + "|" + line.compareA + "|" + line.compareB + "|" +
                       line.game + "|" +
                       (line.crlf ? "crlf" : "") + (line.verbose ? "verbose" : "") +
                       (line.help ? "help" : "") + (line.version ? "version" : "");
    for (const auto& [key, value] : line.overrides)
        text += "|" + key + "=" + value;
    return text;
}

TEST(CommandLine, EveryValueMayFollowTheOptionOrItsEqualsSign) {
    for (const OptionSpec& option : Options()) {
        if (option.value == nullptr) continue;
        const Args value = WithValue(option);
        Args apart{Shown(option)}, joined{Shown(option) + "=" + value[0]};
        apart.insert(apart.end(), value.begin(), value.end());
        joined.insert(joined.end(), value.begin() + 1, value.end());
        const Parsed a = Parse(apart), b = Parse(joined);
        ASSERT_TRUE(a.line) << Shown(option) << ": " << a.problem;
        ASSERT_TRUE(b.line) << Shown(option) << ": " << b.problem;
        EXPECT_EQ(Summary(*a.line), Summary(*b.line)) << Shown(option);
    }
    const Parsed example = Parse({"--example=worked-example", "mass=500"});
    ASSERT_TRUE(example.line) << example.problem;
    EXPECT_EQ(example.line->store, CommandLine::Store::Example);
    EXPECT_EQ(example.line->exampleName, "worked-example");
    const Parsed compare = Parse({"--compare=a.kesta", "b.kesta", "--format=json"});
    ASSERT_TRUE(compare.line) << compare.problem;
    EXPECT_EQ(compare.line->mode, CommandLine::Mode::Compare);
    EXPECT_EQ(compare.line->compareA + " " + compare.line->compareB, "a.kesta b.kesta");
    EXPECT_EQ(compare.line->format, CommandLine::Format::Json);
}

TEST(CommandLine, AnOptionGivenTwiceIsRefusedByName) {
    for (const OptionSpec& option : Options()) {
        Args once{Shown(option)};
        if (option.value != nullptr) {
            const Args value = WithValue(option);
            once.insert(once.end(), value.begin(), value.begin() + 1 + option.followers);
        }
        Args twice = once;
        twice.insert(twice.end(), once.begin(), once.end());
        const Parsed parsed = Parse(twice);
        EXPECT_FALSE(parsed.line) << Shown(option);
        EXPECT_EQ(parsed.problem, Shown(option) + " may be given once");
    }
    // The short and the long name are the same option.
    EXPECT_EQ(Parse({"-h", "--help"}).problem, "--help may be given once");
}

TEST(CommandLine, AMissingOrEmptyValueSaysWhatItNeeds) {
    const std::pair<Args, std::string> rows[] = {
        {{"--settings"}, "--settings needs a FILE"},
        {{"--settings="}, "--settings needs a FILE"},
        {{"--example"}, "--example needs a NAME"},
        {{"--example", ""}, "--example needs a NAME"},
        {{"--needs", "--format"}, "--format needs text, csv or json"},
        {{"--needs", "--format="}, "--format needs text, csv or json"},
        {{"--compare"}, "--compare needs two set-ups: files or example:NAME"},
        {{"--compare", "a"}, "--compare needs two set-ups: files or example:NAME"},
        {{"--compare=a", ""}, "--compare needs two set-ups: files or example:NAME"},
    };
    for (const auto& [args, problem] : rows) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.line) << args[0];
        EXPECT_EQ(parsed.problem, problem) << testing::PrintToString(args);
    }
}

// Each exclusion names both options, in the usage's order whatever the order given.
TEST(CommandLine, ExclusionsNameBothOptions) {
    const std::pair<Args, std::string> rows[] = {
        {{"--user", "--settings", "F"}, "--user and --settings exclude each other"},
        {{"--settings=F", "--user"}, "--user and --settings exclude each other"},
        {{"--example", "light-deer", "--user"}, "--user and --example exclude each other"},
        {{"--settings", "F", "--example", "light-deer"},
         "--settings and --example exclude each other"},
        {{"--needs", "--compare", "a", "b"}, "--needs and --compare exclude each other"},
        {{"--compare", "a", "b", "--list-examples"},
         "--list-examples and --compare exclude each other"},
        {{"--needs", "--list-examples"}, "--needs and --list-examples exclude each other"},
        {{"--compare", "a", "b", "--user"}, "--compare and --user exclude each other"},
        {{"--compare", "a", "b", "--crlf"}, "--compare and --crlf exclude each other"},
        {{"--example=light-deer", "--compare", "a", "b"},
         "--compare and --example exclude each other"},
        {{"--compare", "a", "b", "speed=3"}, "--compare and KEY=VALUE exclude each other"},
        {{"--format", "csv"},
         "--format is for --needs, --downrange, --ranges and --compare; the report is plain "
         "text"},
        {{"--downrange", "--ranges"}, "--downrange and --ranges exclude each other"},
        {{"--downrange", "--game", "europe"},
         "--game is for the report, --needs, --ranges and --compare"},
        {{"--list-examples", "--format=csv"},
         "--format is for --needs, --downrange, --ranges and --compare; the report is plain "
         "text"},
    };
    for (const auto& [args, problem] : rows) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.line) << testing::PrintToString(args);
        EXPECT_EQ(parsed.problem, problem) << testing::PrintToString(args);
    }
}

TEST(CommandLine, KeyValuesKeepTheirOrderAndTheirBytes) {
    // Latin-1 and broken UTF-8 alike come back byte for byte.
    const std::string odd = "\xff\xfe\xc3";
    const Parsed parsed =
        Parse({"speed=300", "--settings", "set-up " + odd, "BH0=0.5", "speed=" + odd, "--crlf"});
    ASSERT_TRUE(parsed.line) << parsed.problem;
    EXPECT_EQ(parsed.line->mode, CommandLine::Mode::Report);
    EXPECT_EQ(parsed.line->settingsFile, "set-up " + odd);
    EXPECT_TRUE(parsed.line->crlf);
    const std::vector<std::pair<std::string, std::string>> overrides = {
        {"speed", "300"}, {"BH0", "0.5"}, {"speed", odd}};
    EXPECT_EQ(parsed.line->overrides, overrides);
}

TEST(CommandLine, UnknownOptionsAndKeysAreEchoedAsGiven) {
    const std::pair<Args, std::string> rows[] = {
        {{"-x"}, "unknown option '-x'"},
        {{"speed=3", "--metric=1"}, "unknown option '--metric=1'"},
        {{"speeed=300"}, "unknown key 'speeed' (did you mean speed?)"},
        {{"speed"}, "'speed' is not KEY=VALUE"},
        {{"--needs", "--format", "xml"}, "unknown format 'xml' (text, csv or json)"},
        {{"--example", "nope"}, "no example 'nope' (see --list-examples)"},
    };
    for (const auto& [args, problem] : rows) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.line) << testing::PrintToString(args);
        EXPECT_EQ(parsed.problem, problem) << testing::PrintToString(args);
    }
}

TEST(CommandLine, ModesFollowTheirOptions) {
    const std::pair<Args, CommandLine::Mode> rows[] = {
        {{}, CommandLine::Mode::Report},
        {{"--user", "--crlf"}, CommandLine::Mode::Report},
        {{"--needs", "--format=json"}, CommandLine::Mode::Needs},
        {{"--list-examples"}, CommandLine::Mode::ListExamples},
        {{"--compare", "a", "b"}, CommandLine::Mode::Compare},
    };
    for (const auto& [args, mode] : rows) {
        const Parsed parsed = Parse(args);
        ASSERT_TRUE(parsed.line) << parsed.problem;
        EXPECT_EQ(parsed.line->mode, mode) << testing::PrintToString(args);
    }
}

TEST(CommandLine, TheKeyValuesAfterBAreSideBs) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    for (const Args& args :
         {Args{"--compare", "a", "b", "--b", "mass=500", "speed=280"},
          Args{"--compare", "a", "b", "--b=mass=500", "speed=280"}}) {
        const Parsed parsed = Parse(args);
        ASSERT_TRUE(parsed.line) << parsed.problem;
        EXPECT_EQ(parsed.line->overridesB, (Pairs{{"mass", "500"}, {"speed", "280"}}));
        EXPECT_TRUE(parsed.line->overrides.empty());
    }
    const std::pair<Args, std::string> rows[] = {
        {{"--b", "mass=500"}, "--b is for --compare: the KEY=VALUE pairs after it change set-up B"},
        {{"--compare", "a", "b", "--b"}, "--b needs KEY=VALUE..."},
        {{"--compare", "a", "b", "--b", "--crlf"}, "'--crlf' is not KEY=VALUE"},
        {{"--compare", "a", "b", "--b", "Safety1=yes"}, "Safety1=yes: Safety1 takes True or False"},
        // Before --b, KEY=VALUE is still no part of a comparison.
        {{"--compare", "a", "b", "mass=1", "--b", "mass=2"}, "--compare and KEY=VALUE exclude each other"},
    };
    for (const auto& [args, problem] : rows) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.line) << testing::PrintToString(args);
        EXPECT_EQ(parsed.problem, problem) << testing::PrintToString(args);
    }
}

TEST(CommandLine, QuietSilencesTheWarnings) {
    EXPECT_FALSE(Parse({}).line->quiet);
    EXPECT_TRUE(Parse({"--quiet"}).line->quiet);
    EXPECT_TRUE(Parse({"-q", "--needs"}).line->quiet);
}

} // namespace
} // namespace kesta
