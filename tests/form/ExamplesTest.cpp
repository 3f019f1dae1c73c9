// The shipped example set-ups: the worked example must load into exactly the form the report
// tests build by hand, and every example must set every settings key once.
#include "form/Examples.h"
#include "form/SettingsKeys.h"
#include "tests/common/WorkedExampleForm.h"

#include <gtest/gtest.h>

#include <set>

namespace kesta {
namespace {

TEST(Examples, WorkedExampleLoadsIntoTheHandBuiltForm) {
    const ExampleSetup* worked = FindExample("worked-example");
    ASSERT_NE(worked, nullptr);
    EXPECT_EQ(&Examples().front(), worked);
    EXPECT_TRUE(ExampleForm(*worked) == test::WorkedExampleForm());
    EXPECT_EQ(FindExample("no-such-example"), nullptr);
}

TEST(Examples, EachSetsEveryKeyOnceWithAOneWordName) {
    std::set<std::string> keys;
    for (const auto& row : SettingsKeys())
        keys.insert(row.key);
    for (const ExampleSetup& example : Examples()) {
        std::multiset<std::string> given;
        for (const auto& [key, text] : example.values)
            given.insert(key);
        EXPECT_EQ(std::set<std::string>(given.begin(), given.end()), keys) << example.name;
        EXPECT_EQ(given.size(), keys.size()) << example.name;
        EXPECT_EQ(example.name.find(' '), std::string::npos);
        EXPECT_FALSE(example.description.empty()) << example.name;
    }
}

} // namespace
} // namespace kesta
