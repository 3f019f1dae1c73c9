// Set-up files: the INI text QSettings reads back unchanged, the files that are no set-up,
// unknown keys, saves that fail without harming the old file, and the shipped example files.
#include "settings/SetupFile.h"

#include "form/Examples.h"
#include "form/SettingsKeys.h"
#include "settings/IniText.h"
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

// Each odd text is written exactly as QSettings writes it, line for line.
TEST_F(SetupFileTest, ValuesAreWrittenAsQSettingsWritesThem) {
    {
        QSettings settings(Path("qt.ini"), QSettings::IniFormat);
        for (std::size_t i = 0; i < OddTexts().size(); ++i)
            settings.setValue(QStringLiteral("v/k%1").arg(i), QString::fromStdString(OddTexts()[i]));
    }
    const QList<QByteArray> lines = Bytes("qt.ini").split('\n');
    for (std::size_t i = 0; i < OddTexts().size(); ++i) {
        const QByteArray prefix = "k" + QByteArray::number(qulonglong(i)) + "=";
        QByteArray written = "<missing>";
        for (const QByteArray& line : lines)
            if (line.startsWith(prefix)) written = line.mid(prefix.size());
        EXPECT_EQ(IniValueText(QString::fromStdString(OddTexts()[i])).toStdString(),
                  written.toStdString())
            << "text " << i;
    }
}

TEST_F(SetupFileTest, EveryKeyRoundTripsWithOddTexts) {
    // Shifted twice so that every odd text lands in boxes of different kinds.
    for (std::size_t shift : {0u, 7u, 19u}) {
        const FormState form = OddForm(shift);
        ASSERT_EQ(WriteSetupFile(Path("odd.kesta"), form), QString());
        const QByteArray text = Bytes("odd.kesta");
        EXPECT_TRUE(text.startsWith("[values]\nspeed="));
        EXPECT_EQ(text.count('\n'), 47); // the group line and the 46 keys

        const SetupFileRead read = ReadSetupFile(Path("odd.kesta"));
        ASSERT_TRUE(read.contents.has_value()) << read.problem.toStdString();
        EXPECT_TRUE(read.contents->unknownKeys.empty());
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
    EXPECT_EQ(ProblemOf("fifo.kesta"), "it is not a regular file");
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

// Saves that cannot succeed, even for the superuser: a folder where the file should go, a
// plain file where its folder should be, and a disk that fills up half way (a file size
// limit, which binds root too). None of them touches the old file.
TEST_F(SetupFileTest, FailedSavesLeaveTheOldFileWhole) {
    const FormState form = OddForm(0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.kesta"));
    EXPECT_EQ(WriteSetupFile(Path("taken.kesta"), form), "a folder has that name");
    WriteFile("plain", "not a folder");
    EXPECT_FALSE(WriteSetupFile(Path("plain/s.kesta"), form).isEmpty());
    EXPECT_EQ(Bytes("plain"), "not a folder");

    const QByteArray old = "[values]\nspeed=123\n";
    WriteFile("old.kesta", old);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, not the process
    rlimit small = saved;
    small.rlim_cur = 100; // the set-up needs several hundred bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString reason = WriteSetupFile(Path("old.kesta"), form);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(reason.toStdString(), "only 100 of " + std::to_string(SetupFileText(form).size()) +
                                        " bytes could be written (is the disk full?)");
    EXPECT_EQ(Bytes("old.kesta"), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"old.kesta", "plain"}))
        << "no temporary file is left behind";

    // And with room again the same save replaces the file.
    EXPECT_EQ(WriteSetupFile(Path("old.kesta"), form), QString());
    EXPECT_EQ(Bytes("old.kesta"), SetupFileText(form));
}

// The example files shipped in data/examples are exactly the program's own examples.
TEST(ExampleFiles, EachLoadsToItsExampleForm) {
    for (const ExampleSetup& example : Examples()) {
        const QString path =
            QStringLiteral(KESTA_EXAMPLES_DIR "/%1.kesta").arg(QString::fromStdString(example.name));
        const SetupFileRead read = ReadSetupFile(path);
        ASSERT_TRUE(read.contents.has_value()) << example.name << read.problem.toStdString();
        EXPECT_TRUE(read.contents->unknownKeys.empty()) << example.name;
        FormState loaded;
        read.contents->LoadInto(loaded);
        EXPECT_TRUE(loaded == ExampleForm(example)) << example.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), SetupFileText(ExampleForm(example))) << example.name;
    }
    EXPECT_EQ(QDir(KESTA_EXAMPLES_DIR).entryList({"*.kesta"}, QDir::Files).size(),
              static_cast<int>(Examples().size()));
}

} // namespace
} // namespace kesta
