#include "settings/SettingsStore.h"

#include "form/SettingsKeys.h"
#include "settings/FileError.h"
#include "tests/common/TestFiles.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace kesta {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.Path(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const {
        test::WriteFile(Path(name), bytes);
    }

    test::TempFolder dir_;
};

TEST_F(SettingsStoreTest, RoundTripOfEveryKeyThroughAFile) {
    const std::vector<std::string> odd = {"",
                                          " lead and trail ",
                                          "a,b",
                                          "a, b",
                                          "@Variant(x)",
                                          "\"quoted\"",
                                          "x=y;z#w",
                                          "[values]",
                                          "back\\slash",
                                          "\xC3\xBC\xC3\x9F",
                                          "tab\there",
                                          "300",
                                          "1e999",
                                          "-0",
                                          ";"};
    FormState form;
    std::size_t i = 0;
    for (const auto& box : FormState::TextBoxes())
        form.SetText(box, odd[i++ % odd.size()]);
    for (const auto& group : FormState::OptionGroups())
        form.SetSelected(group.back(), true);
    form.SetShaftDiameter(0);
    form.SetCutOnContact(1);

    SettingsStore(Path("s.ini")).Save(form);

    FormState loaded;
    SettingsStore(Path("s.ini")).Load(loaded);
    EXPECT_EQ(loaded, form);
    for (const auto& [key, text] : SaveSettings(form))
        EXPECT_EQ(SettingsStore(Path("s.ini")).Read(key), text) << key;
}

TEST_F(SettingsStoreTest, AMissingFileIsAFirstRun) {
    SettingsStore store(Path("none.ini"));
    FormState form;
    store.Load(form);
    FormState expected;
    LoadSettings(expected, [](const std::string&) { return std::nullopt; });
    EXPECT_EQ(form, expected);
    EXPECT_EQ(store.Read("speed"), std::nullopt);
}

TEST_F(SettingsStoreTest, HandEditedValues) {
    WriteFile("h.ini", "[values]\nspeed=a,b\nmass=\"a,b\"\nlength=  12  \nDist=20\nspeedf=yes\n"
                       "speedm=TRUE\nShaftDia=7\ninCOC=1\nBH0=@Rect(1 2 3 4)\n[other]\nCirc12=6\n");
    SettingsStore store(Path("h.ini"));
    // An unquoted comma makes a list in this format: it is joined back with ",".
    EXPECT_EQ(store.Read("speed"), "a,b");
    EXPECT_EQ(store.Read("mass"), "a,b");
    FormState form;
    store.Load(form);
    EXPECT_EQ(form.Text("InArrowSpeed"), "a,b");
    EXPECT_EQ(form.Text("Distance"), "0");
    EXPECT_EQ(form.Text("GroupingCirc"), "0"); // only the "values" group counts
    EXPECT_FALSE(form.Selected("ArrowSpeedFPS"));
    EXPECT_TRUE(form.Selected("ArrowSpeedM"));
    EXPECT_EQ(form.ShaftDiameter(), 1);
    EXPECT_EQ(form.CutOnContact(), 1);
    EXPECT_EQ(form.Text("InBroadhead_0"), "0"); // not a text: as if absent
}

TEST_F(SettingsStoreTest, SetValueOverridesAndIsSaved) {
    SettingsStore store(Path("o.ini"));
    store.SetValue("Dist12", "20");
    store.SetValue("Safety2", "True");
    FormState form;
    store.Load(form);
    EXPECT_EQ(form.Text("Distance"), "20");
    EXPECT_TRUE(form.Selected("Safety_2"));
    store.Save(form);
    EXPECT_EQ(SettingsStore(Path("o.ini")).Read("Safety0"), "False");
    EXPECT_EQ(SettingsStore(Path("o.ini")).Read("Safety2"), "True");
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenRaisesPathFileAccess) {
    FormState form;
    // A folder where the file should be, and a file where its folder should be: neither can
    // be written, even by the superuser. Each says why, and names the file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.ini"));
    WriteFile("plain", "x");
    const std::pair<QString, QString> rows[] = {{"taken.ini", "it is a folder"},
                                                {"plain/s.ini", "a part of the path is not a folder"}};
    for (const auto& [name, reason] : rows) {
        SettingsStore store(Path(name));
        try {
            store.Save(form);
            ADD_FAILURE() << name.toStdString() << " saved";
        } catch (const FileError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::PathFileAccess) << name.toStdString();
            EXPECT_EQ(FileMessage("The inputs could not be saved", e, "Settings file"),
                      "The inputs could not be saved: " + reason + ".\nSettings file: " +
                          Path(name));
        }
    }
    if (geteuid() != 0) { // permissions bind only ordinary users
        WriteFile("ro.ini", "[values]\nspeed=1\n");
        QFile::setPermissions(Path("ro.ini"), QFile::ReadOwner);
        EXPECT_THROW(SettingsStore(Path("ro.ini")).Save(form), RuntimeError);
    }
}

TEST(SettingsStoreUser, PerUserFileUnderTheConfigFolder) {
    const test::TempFolder home;
    const test::ConfigHomeAt config(home.path());
    {
        SettingsStore store;
        EXPECT_EQ(store.FileName(), home.Path("KESTA/KESTA.ini"));
        FormState form;
        form.SetText("InArrowSpeed", "300");
        store.Save(form);
    }
    FormState loaded;
    SettingsStore().Load(loaded);
    EXPECT_EQ(loaded.Text("InArrowSpeed"), "300");
}

} // namespace
} // namespace kesta
