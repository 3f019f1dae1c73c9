// kesta-report on whole set-ups, end to end: --list-examples, --example and --compare in
// every format, with set-ups that stop, files that are no set-up and bad command lines.
#include "compare/CompareFormats.h"
#include "form/Examples.h"
#include "tests/cli/ToolRun.h"
#include "tests/common/WorkedExample.h"
#include "tests/common/WorkedExampleForm.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

namespace kesta::test {
namespace {

namespace fs = std::filesystem;

std::string ExampleFile(const std::string& name) {
    return KESTA_EXAMPLES_DIR "/" + name + ".kesta";
}

// The worked example's file with one line replaced, e.g. "mass=400" by "mass=500".
std::string VariantFile(const std::string& name, const std::string& line, const std::string& by) {
    std::string text = Slurp(ExampleFile("worked-example"));
    const std::size_t at = text.find("\n" + line + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    text.replace(at + 1, line.size(), by);
    const fs::path path = fs::path(::testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

TEST(KestaReportSetups, ListAndRunTheExamples) {
    const ToolRun list = RunTool({"--list-examples"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.err, "");
    const Args lines = Lines(list.out);
    ASSERT_EQ(lines.size(), Examples().size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const ExampleSetup& example = Examples()[k];
        EXPECT_EQ(lines[k].substr(0, example.name.size() + 1), example.name + " ") << lines[k];
        EXPECT_EQ(lines[k].substr(lines[k].size() - example.description.size()),
                  example.description);
        // An example prints the report of its file.
        const ToolRun run = RunTool({"--example", example.name});
        EXPECT_EQ(run.status, 0) << example.name << run.err;
        EXPECT_EQ(run.out, RunTool({"--settings", ExampleFile(example.name)}).out) << example.name;
    }
    // "--example=NAME" is "--example NAME".
    const ToolRun apart = RunTool({"--example", "worked-example"});
    const ToolRun joined = RunTool({"--example=worked-example"});
    EXPECT_EQ(joined.status, 0) << joined.err;
    EXPECT_EQ(joined.out, apart.out);
    const Args worked = Lines(apart.out);
    const Args& opening = WorkedExampleOpening();
    ASSERT_GT(worked.size(), opening.size());
    EXPECT_EQ(Args(worked.begin(), worked.begin() + opening.size()), opening);
    // Overrides apply on top of the example.
    EXPECT_EQ(Lines(RunTool({"--example", "worked-example", "mass=500"}).out).at(2),
              "   Mass :  500 grains");
}

TEST(KestaReportSetups, CompareAsText) {
    const std::string heavier = VariantFile("heavier.kesta", "mass=400", "mass=500");
    const ToolRun run = RunTool({"--compare", "example:worked-example", heavier});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    FormState mass500 = WorkedExampleForm();
    mass500.SetText("InArrowMass", "500");
    const Comparison expected = Compare(WorkedExampleForm(), mass500);
    EXPECT_EQ(run.out, CompareText(expected, "example:worked-example", heavier));
    const Args lines = Lines(run.out);
    EXPECT_EQ(lines.at(0), "A: example:worked-example");
    EXPECT_EQ(lines.at(3), "Inputs that differ (A \u2192 B):");
    EXPECT_EQ(lines.at(4), "   Arrow mass: 400 grains \u2192 500 grains");
    EXPECT_EQ(lines.at(9), "Kinetic energy (foot-pounds)                      80      99.9       +19.9  B");
    // The same comparison from two files gives the same figures.
    const ToolRun files = RunTool({"--compare", ExampleFile("worked-example"), heavier, "--format",
                                   "text"});
    const Args fromFiles = Lines(files.out);
    ASSERT_EQ(fromFiles.size(), lines.size());
    EXPECT_EQ(Args(fromFiles.begin() + 2, fromFiles.end()), Args(lines.begin() + 2, lines.end()));
}

// The format option picks the form; the forms themselves are checked with the comparison.
TEST(KestaReportSetups, CompareAsCsvAndJson) {
    const std::string heavier = VariantFile("heavier.kesta", "mass=400", "mass=500");
    FormState mass500 = WorkedExampleForm();
    mass500.SetText("InArrowMass", "500");
    const Comparison expected = Compare(WorkedExampleForm(), mass500);
    const ToolRun csv = RunTool({"--format", "csv", "--compare", "example:worked-example", heavier});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, CompareCsv(expected));
    EXPECT_EQ(Lines(csv.out).at(3), "Kinetic energy (foot-pounds),80,99.9,19.9,B");

    const ToolRun json = RunTool({"--compare", "example:worked-example", heavier, "--format", "json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, CompareJson(expected, "example:worked-example", heavier));
    EXPECT_EQ(nlohmann::json::parse(json.out)["figures"][2]["b"].get<double>(), 99.9);
    EXPECT_EQ(RunTool({"--compare", "example:worked-example", heavier, "--format=json"}).out,
              json.out);
}

// --b changes side B as a file with those settings would; Metric against Imperial compares
// every figure of the two full reports.
TEST(KestaReportSetups, CompareWithSideBChangedOnTheCommandLine) {
    const std::string heavier = VariantFile("heavier.kesta", "mass=400", "mass=500");
    const ToolRun file = RunTool({"--compare", "example:worked-example", heavier});
    const ToolRun changed = RunTool({"--compare", "example:worked-example",
                                     "example:worked-example", "--b", "mass=500"});
    EXPECT_EQ(changed.status, 0);
    EXPECT_EQ(changed.err, "");
    const Args fromFile = Lines(file.out), fromB = Lines(changed.out);
    ASSERT_EQ(fromB.size(), fromFile.size());
    EXPECT_EQ(fromB.at(1), "B: example:worked-example mass=500");
    EXPECT_EQ(Args(fromB.begin() + 2, fromB.end()), Args(fromFile.begin() + 2, fromFile.end()));

    const ToolRun metric = RunTool({"--compare", "example:worked-example",
                                    "example:worked-example", "--b", "Metric=True"});
    EXPECT_EQ(metric.status, 0);
    EXPECT_EQ(metric.out.find("n/a"), std::string::npos) << metric.out;
    EXPECT_NE(metric.out.find("   Report units: Imperial \u2192 Metric\n"), std::string::npos);
    EXPECT_NE(metric.out.find("Every animal has the same verdict."), std::string::npos);

    // --b belongs to --compare, and KEY=VALUE before it is still refused there.
    EXPECT_EQ(RunTool({"--b", "mass=500"}).status, 2);
    EXPECT_EQ(RunTool({"--compare", "example:worked-example", "example:light-deer", "mass=500",
                       "--b", "speed=280"})
                  .status,
              2);
}

TEST(KestaReportSetups, CompareWithASideThatStops) {
    const std::string noHead = VariantFile("nohead.kesta", "BHW=100", "BHW=0");
    for (const char* format : {"text", "csv", "json"}) {
        const ToolRun run = RunTool({"--compare", "example:worked-example", noHead, "--format", format});
        EXPECT_EQ(run.status, 3) << format;
        EXPECT_EQ(run.err,
                  "error: Set-up B stopped: Division by zero (report line 17, Dynamic Spine)\n")
            << format;
        EXPECT_NE(run.out.find("FOC"), std::string::npos) << format << ": both sides still shown";
    }
    const ToolRun text = RunTool({"--compare", "example:worked-example", noHead});
    EXPECT_NE(text.out.find("\nSet-up B stopped: Division by zero (report line 17, Dynamic "
                            "Spine)\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("\nFOC (%)                                            9       n/a"),
              std::string::npos);
    EXPECT_NE(text.out.find("   Verdicts not compared: report B does not list the game.\n"),
              std::string::npos);
}

TEST(KestaReportSetups, CompareFilesThatAreNoSetUp) {
    const fs::path dir = fs::path(::testing::TempDir());
    std::ofstream(dir / "notes.txt") << "speed=300\n";
    const ToolRun run = RunTool({"--compare", (dir / "notes.txt").string(), "example:nope"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: " + (dir / "notes.txt").string() +
                           ": it is not a set-up: it has no [values] group\n"
                           "error: example:nope: no example 'nope' (see --list-examples)\n");
    const ToolRun missing = RunTool({"--compare", "example:light-deer", (dir / "absent").string()});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "error: " + (dir / "absent").string() + ": File not found\n");

    std::ofstream(dir / "extra.kesta") << Slurp(ExampleFile("light-deer")) << "spede=1\n";
    const ToolRun extra =
        RunTool({"--compare", "example:light-deer", (dir / "extra.kesta").string()});
    EXPECT_EQ(extra.status, 0);
    EXPECT_EQ(extra.err, "warning: " + (dir / "extra.kesta").string() +
                             ": keys that are not settings keys, ignored: spede\n");
    EXPECT_NE(extra.out.find("Every animal has the same verdict."), std::string::npos);
}

TEST(KestaReportSetups, BadCommandLines) {
    for (const Args& args : std::vector<Args>{{"--compare", "a"},
                                              {"--compare"},
                                              {"--compare", "a", "b", "--user"},
                                              {"--settings", "f", "--compare", "a", "b"},
                                              {"--compare", "a", "b", "speed=3"},
                                              {"--compare", "a", "b", "--crlf"},
                                              {"--compare", "a", "b", "--compare", "c", "d"},
                                              {"--compare", "a", "b", "--format", "xml"},
                                              {"--compare", "a", "b", "--format"},
                                              {"--format", "csv"},
                                              {"--list-examples", "--compare", "a", "b"},
                                              {"--needs", "--compare", "a", "b"},
                                              {"--example"},
                                              {"--example", "nope"},
                                              {"--example", "worked-example", "--user"},
                                              {"--user", "--example", "light-deer"},
                                              {"--example", "light-deer", "--example", "light-deer"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.out, "") << testing::PrintToString(args);
        EXPECT_EQ(run.err.rfind("kesta-report: ", 0), 0u) << run.err;
        EXPECT_EQ(Lines(run.err).back(), "see kesta-report --help");
    }
    // Scripts read the exclusion from standard error: both options named, exit 2.
    const ToolRun both = RunTool({"--user", "--settings", "F"});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err.rfind("kesta-report: --user and --settings exclude each other\n", 0), 0u)
        << both.err;
    const ToolRun help = RunTool({"--help"});
    EXPECT_NE(help.out.find("  --compare A B "), std::string::npos);
    EXPECT_NE(help.out.find("  --list-examples "), std::string::npos);
}

// A set-up of a newer format is read as far as its keys are known, with a warning naming the
// version on standard error; format 1, given or not, warns of nothing.
TEST(KestaReportSetups, ANewerFormatIsReadWithAWarning) {
    const fs::path dir = fs::path(::testing::TempDir());
    const std::string newer = (dir / "newer.kesta").string(), one = (dir / "one.kesta").string();
    std::ofstream(newer) << "[kesta]\nformat=2\n" << Slurp(ExampleFile("light-deer"));
    std::ofstream(one) << "[kesta]\nformat=1\n" << Slurp(ExampleFile("light-deer"));
    const std::string warning = ": it is in set-up format 2, newer than this program's (1); what "
                                "this program does not know of it is ignored\n";

    const ToolRun settings = RunTool({"--settings", newer});
    EXPECT_EQ(settings.status, 0);
    EXPECT_EQ(settings.err, "warning: " + newer + warning);
    EXPECT_EQ(settings.out, RunTool({"--example", "light-deer"}).out);

    const ToolRun compare = RunTool({"--compare", one, newer});
    EXPECT_EQ(compare.status, 0);
    EXPECT_EQ(compare.err, "warning: " + newer + warning);
    EXPECT_NE(compare.out.find("Every animal has the same verdict."), std::string::npos);
    EXPECT_EQ(RunTool({"--settings", one}).err, "");
}

} // namespace
} // namespace kesta::test
