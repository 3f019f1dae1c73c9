#include "StringStackTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace kesta {
namespace {

using namespace testing;

// Every test gets its own directory, so test processes running side by side never share files.
class StringStackFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = std::filesystem::temp_directory_path() /
               ("kesta-stringstack-" + name + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_ / "sub");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& file) const { return (dir_ / file).string(); }

    std::string BytesOf(const std::string& file) const {
        std::ifstream in(PathOf(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string WithBytes(const std::string& file, const std::string& bytes) const {
        std::ofstream(PathOf(file), std::ios::binary | std::ios::trunc) << bytes;
        return PathOf(file);
    }

    // Saves a list of `items` over a longer file, checks the bytes, and loads them back.
    void ExpectSaved(const Items& items, const std::string& bytes, const Items& loaded) {
        const std::string path = WithBytes("list.txt", std::string(100, 'z'));
        ListOf(items).Save(path);
        EXPECT_EQ(BytesOf("list.txt"), bytes) << ListOf(items).asString("|");
        StringStack list = ListOf({"old", "older", "oldest"});
        list.Load(path);
        EXPECT_EQ(SnapshotOf(list), Holding(loaded)) << ListOf(items).asString("|");
    }

    std::filesystem::path dir_;
};

TEST_F(StringStackFiles, SaveWritesOneLinePerItemEndedByCrLf) {
    ExpectSaved({"elk", "bear"}, "elk\r\nbear\r\n", {"elk", "bear"});
    ExpectSaved({"", "x", ""}, "\r\nx\r\n\r\n", {"", "x", ""});
    ExpectSaved({}, "\r\n", {""}); // an empty list comes back as one empty item
    ExpectSaved({"top\r\nbottom"}, "top\r\nbottom\r\n", {"top", "bottom"});
}

TEST_F(StringStackFiles, LineEndsWhenLoading) {
    const std::pair<const char*, Items> rows[] = {
        {"", {}},
        {"elk\r\nbear", {"elk", "bear"}},
        {"a\r\n\r\n\r\nb\r\n", {"a", "", "", "b"}},
        {"a\rb\r\r\nc\r", {"a", "b", "", "c"}}, // a lone CR ends a line too
        {"a\nb\r\n\nc", {"a\nb", "\nc"}},       // a lone LF does not
    };
    for (const auto& [bytes, items] : rows) {
        StringStack list = ListOf({"a"});
        list.Load(WithBytes("in.txt", bytes));
        EXPECT_EQ(SnapshotOf(list), Holding(items)) << ListOf(items).asString("|");
    }
}

TEST_F(StringStackFiles, EveryByteValueButCrSurvivesOneByteEach) {
    std::string item;
    for (int c = 2; c < 256; ++c)
        if (c != '\r') item += static_cast<char>(c);
    item += '\0';
    ExpectSaved({item, "x"}, item + "\r\nx\r\n", {item, "x"});
}

// Save then Load gives the same items for any list of at least one item whose items hold no CR
// (and, as the list requires, no character with code 1).
TEST_F(StringStackFiles, RandomListsRoundTrip) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> itemCount(1, 12);
    std::uniform_int_distribution<int> itemLength(0, 8);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string path = PathOf("round.txt");
    for (int trial = 0; trial < 300; ++trial) {
        StringStack list;
        const int count = itemCount(random);
        for (int i = 0; i < count; ++i) {
            std::string item;
            const int length = itemLength(random);
            while (static_cast<int>(item.size()) < length) {
                const char c = static_cast<char>(byte(random));
                if (c != '\r' && c != '\x01') item += c;
            }
            list.Queue(item);
        }
        list.Save(path);
        StringStack loaded = ListOf({"stale"});
        loaded.Load(path);
        ASSERT_EQ(SnapshotOf(loaded), SnapshotOf(list)) << "trial " << trial;
    }
}

TEST_F(StringStackFiles, FailuresLeaveTheList) {
    ExpectFailures(ListOf({"a", "b"}),
                   {{"load missing", [&](StringStack& s) { s.Load(PathOf("missing.txt")); },
                     ErrorKind::FileNotFound},
                    {"load a directory", [&](StringStack& s) { s.Load(PathOf("sub")); },
                     ErrorKind::PathFileAccess},
                    {"save to a directory", [&](StringStack& s) { s.Save(PathOf("sub")); },
                     ErrorKind::PathFileAccess},
                    {"save under no folder", [&](StringStack& s) { s.Save(PathOf("no/dir/x")); },
                     ErrorKind::PathFileAccess}});
}

TEST_F(StringStackFiles, InconsistentListFailsBeforeTheFileIsTouched) {
    const std::string path = WithBytes("keep.txt", "kept\r\n");
    StringStack broken;
    broken.Depth = 1; // no stored text behind it
    EXPECT_EQ(test::KindOf([&] { broken.Save(path); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(BytesOf("keep.txt"), "kept\r\n");
}

TEST_F(StringStackFiles, LoadOfMoreLinesThanADepthHoldsLeavesTheList) {
    std::string lines;
    for (int i = 0; i < 32768; ++i)
        lines += "\r\n";
    ExpectFailures(ListOf({"a"}),
                   {{"32768 lines", [&](StringStack& s) { s.Load(WithBytes("many.txt", lines)); },
                     ErrorKind::Overflow}});
    lines.resize(lines.size() - 2);
    StringStack list;
    list.Load(WithBytes("most.txt", lines));
    EXPECT_EQ(SnapshotOf(list), Holding(Items(32767, "")));
}

} // namespace
} // namespace kesta
