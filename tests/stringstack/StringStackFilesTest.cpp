#include "StringStackTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace kesta {
namespace {

using testing::ListOf;
using testing::SnapshotOf;
using testing::Stored;

// Every test gets its own directory, so test processes running side by side never share files.
class StringStackFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = std::filesystem::temp_directory_path() /
               ("kesta-stringstack-" + name + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& file) const { return (dir_ / file).string(); }

    std::string BytesOf(const std::string& file) const {
        std::ifstream in(PathOf(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string WithBytes(const std::string& file, const std::string& bytes) const {
        std::ofstream out(PathOf(file), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return PathOf(file);
    }

    std::filesystem::path dir_;
};

TEST_F(StringStackFiles, SaveWritesOneLinePerItemEndedByCrLf) {
    ListOf({"elk", "bear"}).Save(PathOf("list.txt"));
    EXPECT_EQ(BytesOf("list.txt"), "elk\r\nbear\r\n");

    ListOf({"", "x", ""}).Save(PathOf("blanks.txt"));
    EXPECT_EQ(BytesOf("blanks.txt"), "\r\nx\r\n\r\n");
}

TEST_F(StringStackFiles, SaveReplacesALongerFile) {
    const std::string path = WithBytes("list.txt", std::string(100, 'z'));
    ListOf({"a"}).Save(path);
    EXPECT_EQ(BytesOf("list.txt"), "a\r\n");
}

TEST_F(StringStackFiles, SavedFileLoadsBack) {
    ListOf({"elk", "bear"}).Save(PathOf("list.txt"));
    StringStack list = ListOf({"old", "older", "oldest"});
    list.Load(PathOf("list.txt"));
    EXPECT_EQ(list.Values, Stored({"elk", "bear"}));
    EXPECT_EQ(list.Depth, 2);
}

TEST_F(StringStackFiles, EmptyListSavesAsOneLineBreakAndLoadsAsOneEmptyItem) {
    StringStack().Save(PathOf("empty.txt"));
    EXPECT_EQ(BytesOf("empty.txt"), "\r\n");
    StringStack list;
    list.Load(PathOf("empty.txt"));
    EXPECT_EQ(list.Values, Stored({""}));
    EXPECT_EQ(list.Depth, 1);
}

TEST_F(StringStackFiles, ZeroByteFileLoadsAsEmptyList) {
    StringStack list = ListOf({"a"});
    list.Load(WithBytes("zero.txt", ""));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(StringStack()));
}

TEST_F(StringStackFiles, LineEndsAndBlankLinesWhenLoading) {
    StringStack list;
    list.Load(WithBytes("last.txt", "elk\r\nbear"));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"elk", "bear"})));

    list.Load(WithBytes("blank.txt", "a\r\n\r\n\r\nb\r\n"));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"a", "", "", "b"})));

    list.Load(WithBytes("cr.txt", "a\rb\r\r\nc\r"));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"a", "b", "", "c"})));

    list.Load(WithBytes("lf.txt", "a\nb\r\n\nc"));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"a\nb", "\nc"})));
}

TEST_F(StringStackFiles, ItemHoldingCrLfComesBackAsTwoItems) {
    ListOf({"top\r\nbottom"}).Save(PathOf("split.txt"));
    EXPECT_EQ(BytesOf("split.txt"), "top\r\nbottom\r\n");
    StringStack list;
    list.Load(PathOf("split.txt"));
    EXPECT_EQ(SnapshotOf(list), SnapshotOf(ListOf({"top", "bottom"})));
}

TEST_F(StringStackFiles, EveryByteValueButCrSurvivesOneByteEach) {
    std::string item;
    for (int c = 2; c < 256; ++c)
        if (c != '\r') item += static_cast<char>(c);
    item += '\0';
    const StringStack list = ListOf({item, "x"});
    list.Save(PathOf("bytes.txt"));
    EXPECT_EQ(BytesOf("bytes.txt").size(), item.size() + 1 + 4);
    StringStack loaded;
    loaded.Load(PathOf("bytes.txt"));
    EXPECT_EQ(SnapshotOf(loaded), SnapshotOf(list));
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

TEST_F(StringStackFiles, LoadOfAMissingFileLeavesTheList) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    EXPECT_EQ(testing::KindRaisedBy([&] { list.Load(PathOf("missing.txt")); }),
              ErrorKind::FileNotFound);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST_F(StringStackFiles, LoadOfADirectoryLeavesTheList) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    std::filesystem::create_directory(dir_ / "sub");
    EXPECT_EQ(testing::KindRaisedBy([&] { list.Load(PathOf("sub")); }), ErrorKind::PathFileAccess);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST_F(StringStackFiles, SaveToAnUnwritablePathLeavesTheList) {
    StringStack list = ListOf({"a", "b"});
    const auto before = SnapshotOf(list);
    EXPECT_EQ(testing::KindRaisedBy([&] { list.Save(PathOf("no/such/dir/list.txt")); }),
              ErrorKind::PathFileAccess);
    std::filesystem::create_directory(dir_ / "sub");
    EXPECT_EQ(testing::KindRaisedBy([&] { list.Save(PathOf("sub")); }), ErrorKind::PathFileAccess);
    EXPECT_EQ(SnapshotOf(list), before);
}

TEST_F(StringStackFiles, InconsistentListFailsBeforeTheFileIsTouched) {
    const std::string path = WithBytes("keep.txt", "kept\r\n");
    StringStack broken;
    broken.Depth = 1; // no stored text behind it
    EXPECT_EQ(testing::KindRaisedBy([&] { broken.Save(path); }), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(BytesOf("keep.txt"), "kept\r\n");
}

TEST_F(StringStackFiles, LoadOfMoreLinesThanADepthHoldsLeavesTheList) {
    std::string lines;
    for (int i = 0; i < 32768; ++i)
        lines += "\r\n";
    StringStack list = ListOf({"a"});
    const auto before = SnapshotOf(list);
    EXPECT_EQ(testing::KindRaisedBy([&] { list.Load(WithBytes("many.txt", lines)); }),
              ErrorKind::Overflow);
    EXPECT_EQ(SnapshotOf(list), before);

    lines.resize(lines.size() - 2);
    list.Load(WithBytes("most.txt", lines));
    EXPECT_EQ(list.Depth, 32767);
    EXPECT_EQ(list.Values, std::string(2 * 32767, '\x01'));
}

} // namespace
} // namespace kesta
