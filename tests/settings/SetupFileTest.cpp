// Set-up files: any text reads back unchanged, files saved before still read the same, the
// files that are no set-up, unknown keys, the format version, and saves that fail with their
// reason without harming the old file.
#include "settings/SetupFile.h"

#include "form/SettingsKeys.h"
#include "settings/FileError.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"

#include "tests/common/QtPrinters.h"
#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace kesta {
namespace {

// Texts a user may type that the INI format treats specially.
const std::vector<std::string>& OddTexts() {
    static const std::vector<std::string> texts = {
        "",           " ",        " lead and trail ", "a=b",        "x;y",       "a,b",
        "a, b",       "\"quoted", "say \"hi\"",       "back\\slash", "\\",        "#hash",
        "[values]",   "@Variant(x)", "@",             "tab\there",  "line\nbreak", "\r",
        "\x01" "7f",  "\x1f" "a", "K\xC3\xB6rper \xC2\xB5m \xE2\x80\x93 \xE6\x97\xA5",
        "\xF0\x9F\x8F\xB9 bow", "300", "1e999", ";", "=", ",", "trailing ", std::string("nul\0" "1a", 6)};
    return texts;
}

FormState OddForm(std::size_t shift) {
    FormState form;
    std::size_t i = shift;
    for (const auto& box : FormState::TextBoxes())
        form.SetText(box, OddTexts()[i++ % OddTexts().size()]);
    for (const auto& group : FormState::OptionGroups())
        form.SetSelected(group.back(), true);
    form.SetShaftDiameter(2);
    form.SetCutOnContact(1);
    return form;
}

class SetupFileTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.Path(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const {
        test::WriteFile(Path(name), bytes);
    }
    QByteArray Bytes(const QString& name) const { return test::Bytes(Path(name)); }

    // The problem reading `name` gives; fails the test when it reads as a set-up.
    QString ProblemOf(const QString& name) const {
        const SetupFileRead read = ReadSetupFile(Path(name));
        EXPECT_FALSE(read.contents.has_value()) << name.toStdString();
        return read.problem;
    }

    test::TempFolder dir_;
};

// A file as saves wrote it before they went through the settings store's writer: every odd
// text, quoted and escaped by hand the way QSettings does, reads back as it was typed.
TEST_F(SetupFileTest, FilesSavedBeforeReadBackTheSame) {
    WriteFile("before.kesta",
              "[values]\nspeed=\" lead and trail \"\nmass=\"a=b\"\nlength=\"x;y\"\n"
              "staticspine=\"a, b\"\nshaftweight=\\\"quoted\nBHW=say \\\"hi\\\"\n"
              "BH0=back\\\\slash\nBH1=#hash\nBH2=[values]\nBH3=@@Variant(x)\nBH4=tab\\there\n"
              "BH5=line\\nbreak\nBH6=\\x1\\x37\\x66\nBH7=K\xC3\xB6rper \xC2\xB5m\n"
              "BH8=@String(nul\\0\\x31\\x61)\nBH9=\nBH10=\" \"\nBH11=\"trailing \"\n");
    const std::map<std::string, std::string> typed = {
        {"speed", " lead and trail "}, {"mass", "a=b"},          {"length", "x;y"},
        {"staticspine", "a, b"},       {"shaftweight", "\"quoted"}, {"BHW", "say \"hi\""},
        {"BH0", "back\\slash"},        {"BH1", "#hash"},        {"BH2", "[values]"},
        {"BH3", "@Variant(x)"},        {"BH4", "tab\there"},    {"BH5", "line\nbreak"},
        {"BH6", "\x01" "7f"},          {"BH7", "K\xC3\xB6rper \xC2\xB5m"},
        {"BH8", std::string("nul\0" "1a", 6)}, {"BH9", ""},    {"BH10", " "},
        {"BH11", "trailing "}};
    const SetupFileRead read = ReadSetupFile(Path("before.kesta"));
    ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
    EXPECT_EQ(read.contents->values, typed);
    EXPECT_TRUE(read.contents->formatWarning.isEmpty()) << "no [kesta] group: format 1";

    // Saved again, each text keeps its bytes' meaning.
    FormState form;
    read.contents->LoadInto(form);
    WriteSetupFile(Path("again.kesta"), form);
    const SetupFileRead again = ReadSetupFile(Path("again.kesta"));
    ASSERT_TRUE(again.contents.has_value());
    for (const auto& [key, text] : typed)
        EXPECT_EQ(again.contents->values.at(key), text) << key;
}

TEST_F(SetupFileTest, EveryKeyRoundTripsWithOddTexts) {
    // Shifted twice so that every odd text lands in boxes of different kinds.
    for (std::size_t shift : {0u, 7u, 19u}) {
        const FormState form = OddForm(shift);
        WriteSetupFile(Path("odd.kesta"), form);
        const QByteArray text = Bytes("odd.kesta");
        EXPECT_TRUE(text.startsWith("[kesta]\nformat=1\n\n[values]\n")) << text.toStdString();
        // The two group lines, the version, a blank line between the groups, the 46 keys.
        EXPECT_EQ(text.count('\n'), 2 + 1 + 1 + 46);

        const SetupFileRead read = ReadSetupFile(Path("odd.kesta"));
        ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
        EXPECT_TRUE(read.contents->unknownKeys.empty());
        EXPECT_TRUE(read.contents->formatWarning.isEmpty());
        EXPECT_EQ(read.contents->values.size(), SettingsKeys().size());
        for (const auto& [key, stored] : SaveSettings(form))
            EXPECT_EQ(read.contents->values.at(key), stored) << key << " shift " << shift;
        FormState loaded;
        read.contents->LoadInto(loaded);
        EXPECT_TRUE(loaded == form) << "shift " << shift;
        // The settings store (as kesta-report --settings reads it) agrees.
        FormState viaStore;
        SettingsStore(Path("odd.kesta")).Load(viaStore);
        EXPECT_TRUE(viaStore == form) << "shift " << shift;
    }
}

TEST_F(SetupFileTest, FilesThatAreNoSetUp) {
    EXPECT_EQ(ProblemOf("absent.kesta"), "File not found");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.kesta"));
    EXPECT_EQ(ProblemOf("folder.kesta"), "it is a folder");
    // A FIFO with no writer would block whoever opens it; it is refused unopened.
    ASSERT_EQ(mkfifo(Path("fifo.kesta").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ProblemOf("fifo.kesta"), "it is a named pipe");
    WriteFile("nul.kesta", QByteArray("[values]\nspeed=300\n\0\n", 21));
    EXPECT_EQ(ProblemOf("nul.kesta"), "it holds binary data (NUL bytes), not text");
    WriteFile("latin1.kesta", "[values]\nspeed=300\nBH0=K\xf6rper\n");
    EXPECT_EQ(ProblemOf("latin1.kesta"), "it is not UTF-8 text");
    WriteFile("other.kesta", "[value]\nspeed=300\n[Values]\nmass=400\nvalues=1\n");
    EXPECT_EQ(ProblemOf("other.kesta"), "it is not a set-up: it has no [values] group");
    WriteFile("empty.kesta", "");
    EXPECT_EQ(ProblemOf("empty.kesta"), "it is not a set-up: it has no [values] group");

    QByteArray large = "[values]\nspeed=300\nmass=";
    large += QByteArray(kMaxSetupFileBytes, '4');
    WriteFile("large.kesta", large);
    EXPECT_EQ(ProblemOf("large.kesta"),
              QStringLiteral("it is larger than 1 MB (%1 bytes), too large for a set-up")
                  .arg(large.size()));
    // Exactly 1 MB is still read.
    WriteFile("limit.kesta", large.left(kMaxSetupFileBytes));
    EXPECT_TRUE(ReadSetupFile(Path("limit.kesta")).contents.has_value());
}

TEST_F(SetupFileTest, UnknownKeysAreListedAndIgnored) {
    WriteFile("keys.kesta", "top=1\n[values]\nspeed=250\nSpeed=1\nsped=2\nmass=\"a,b\"\n"
                            "[other]\nspeed=3\n[recent]\nfile1=/x.kesta\n");
    const SetupFileRead read = ReadSetupFile(Path("keys.kesta"));
    ASSERT_TRUE(read.contents.has_value());
    EXPECT_EQ(read.contents->unknownKeys,
              (std::vector<std::string>{"Speed", "other/speed", "sped", "top"}));
    EXPECT_EQ(read.contents->values,
              (std::map<std::string, std::string>{{"speed", "250"}, {"mass", "a,b"}}));
    // Loading them is loading the store: absent keys take their defaults.
    FormState form;
    read.contents->LoadInto(form);
    FormState expected;
    SettingsStore(Path("keys.kesta")).Load(expected);
    EXPECT_TRUE(form == expected);
    EXPECT_EQ(form.Text("InArrowSpeed"), "250");
    EXPECT_EQ(form.Text("GPI"), "0");
}

// The format version: absent or 1 reads as it is; a newer one, or one that is no version,
// still opens, with a warning naming it; other keys of [kesta] are no set-up keys to list.
TEST_F(SetupFileTest, TheFormatGroupIsReadAndANewerVersionWarns) {
    const std::pair<QByteArray, QString> rows[] = {
        {"", ""},
        {"[kesta]\nformat=1\n", ""},
        {"[kesta]\nformat=2\nwind=yes\n",
         "it is in set-up format 2, newer than this program's (1); what this program does not "
         "know of it is ignored"},
        {"[kesta]\nformat=one\n",
         "its set-up format \"one\" is not one this program knows (1); it is read as format 1"}};
    for (const auto& [group, warning] : rows) {
        WriteFile("versioned.kesta", group + "[values]\nspeed=250\n");
        const SetupFileRead read = ReadSetupFile(Path("versioned.kesta"));
        ASSERT_TRUE(read.contents.has_value()) << group.toStdString();
        EXPECT_EQ(read.contents->formatWarning, warning) << group.toStdString();
        EXPECT_TRUE(read.contents->unknownKeys.empty()) << group.toStdString();
        EXPECT_EQ(read.contents->values.at("speed"), "250");
        // kesta-report --settings reads the file as a settings store, and warns the same.
        EXPECT_EQ(SettingsStore(Path("versioned.kesta")).FormatWarning(), warning);
    }
    // The user's store never carries a version.
    SettingsStore store(Path("store.ini"));
    store.Save(FormState());
    EXPECT_FALSE(Bytes("store.ini").contains(QByteArray("[") + kFormatGroup + "]"));
}

// Saves that cannot succeed, even for the superuser: a folder where the file should go, a
// plain file where its folder should be, and a disk that fills up half way (a file size
// limit, which binds root too). Each says why; none of them touches the old file.
TEST_F(SetupFileTest, FailedSavesLeaveTheOldFileWhole) {
    const FormState form = OddForm(0);
    const auto reasonOf = [&form](const QString& path) {
        try {
            WriteSetupFile(path, form);
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), path);
            return e.reason();
        }
        return QStringLiteral("<saved>");
    };
    ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.kesta"));
    EXPECT_EQ(reasonOf(Path("taken.kesta")), "it is a folder");
    WriteFile("plain", "not a folder");
    EXPECT_EQ(reasonOf(Path("plain/s.kesta")), "a part of the path is not a folder");
    EXPECT_EQ(Bytes("plain"), "not a folder");

    const QByteArray old = "[values]\nspeed=123\n";
    WriteFile("old.kesta", old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not the process
    rlimit small = saved;
    small.rlim_cur = 100; // the set-up needs several hundred bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString reason = reasonOf(Path("old.kesta"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(reason, "the file would grow past the size allowed");
    EXPECT_EQ(Bytes("old.kesta"), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"old.kesta", "plain"}))
        << "no temporary file is left behind";

    // And with room again the same save replaces the file.
    EXPECT_EQ(reasonOf(Path("old.kesta")), "<saved>");
    const SetupFileRead read = ReadSetupFile(Path("old.kesta"));
    ASSERT_TRUE(read.contents.has_value());
    FormState loaded;
    read.contents->LoadInto(loaded);
    EXPECT_TRUE(loaded == form);
}

} // namespace
} // namespace kesta
