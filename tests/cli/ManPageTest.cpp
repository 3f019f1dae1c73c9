// The man page and --help name the same options: one kept without the other is caught here.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace kesta {
namespace {

std::set<std::string> LongOptionsIn(const std::string& text) {
    static const std::regex option("--[a-z][a-z-]*[a-z]");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        names.insert(it->str());
    return names;
}

// The man page's text with roff's escaped hyphens ("\-\-user") as the reader sees them.
std::string ManPageText() {
    std::ifstream in(KESTA_MAN_PAGE);
    EXPECT_TRUE(in) << KESTA_MAN_PAGE;
    std::stringstream roff;
    roff << in.rdbuf();
    return std::regex_replace(roff.str(), std::regex(R"(\\-)"), "-");
}

TEST(ManPage, NamesEveryOptionOfTheHelpAndNoOther) {
    const std::set<std::string> help = LongOptionsIn(UsageText());
    const std::set<std::string> man = LongOptionsIn(ManPageText());
    EXPECT_GE(help.size(), 10u); // the usage lists the options, not just its synopsis
    for (const std::string& name : help)
        EXPECT_TRUE(man.count(name)) << name << " is in --help but not in the man page";
    for (const std::string& name : man)
        EXPECT_TRUE(help.count(name)) << name << " is in the man page but not in --help";
}

} // namespace
} // namespace kesta
