// The downrange inputs' texts in the per-user store and in set-up files: a group [downrange]
// of their own, [values] untouched, a cleared calibration gone, and a set-up file with the
// group read without unknown keys.
#include "form/Examples.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFile.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace kesta {
namespace {

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Texts = std::map<std::string, std::string>;

const Texts& Calibrated() {
    static const Texts texts = {
        {"ShaftOD", "0.246"},  {"Fletching", "small"},      {"Head", "mechanical"},
        {"Altitude", "1650.5"}, {"Temperature", "-7"},      {"Zero", "30"},
        {"MaxDistance", "80"},  {"ChronoNear", "301.2"},    {"ChronoNearYards", "3"},
        {"ChronoFar", "284.9"}, {"ChronoFarYards", "33"}};
    return texts;
}

std::vector<std::pair<std::string, std::string>> Listed(const Texts& texts) {
    return {texts.begin(), texts.end()};
}

Texts Load(const SettingsStore& store) {
    return store.ReadGroup(kDownrangeGroup);
}

void Save(SettingsStore& store, const Texts& texts) {
    store.SaveGroup(kDownrangeGroup, Listed(texts));
}

TEST(DownrangeSettings, TheStoreKeepsTheInputsInAGroupOfTheirOwn) {
    QTemporaryDir dir;
    const QString file = dir.filePath("KESTA.ini");
    const FormState example = ExampleForm(Examples().front());
    {
        SettingsStore store(file);
        store.Save(example);
        EXPECT_TRUE(Load(store).empty()); // none stored yet
        Save(store, Calibrated());
        EXPECT_EQ(Load(store), Calibrated());
    }
    const QByteArray text = Slurp(file);
    EXPECT_TRUE(text.contains("[downrange]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("ShaftOD=0.246\n")) << text.toStdString();
    const QByteArray values = text.mid(text.indexOf("[values]"));
    EXPECT_FALSE(values.contains("ShaftOD")) << "a downrange key in [values]";

    SettingsStore again(file);
    EXPECT_EQ(Load(again), Calibrated());
    FormState loaded;
    again.Load(loaded);
    EXPECT_EQ(loaded, example);
    // The calibration cleared: its four keys leave the file.
    Texts estimated = Calibrated();
    for (const char* key : {"ChronoNear", "ChronoNearYards", "ChronoFar", "ChronoFarYards"})
        estimated.erase(key);
    Save(again, estimated);
    EXPECT_FALSE(Slurp(file).contains("Chrono"));
    EXPECT_EQ(Load(SettingsStore(file)), estimated);
    // The window's own save keeps the group.
    again.Save(example);
    EXPECT_EQ(Load(SettingsStore(file)), estimated);
}

TEST(DownrangeSettings, ASetUpFileWithTheGroupIsReadWithoutUnknownKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath("elk.kesta");
    const FormState example = ExampleForm(Examples().front());
    WriteSetupFile(path, example, Listed(Calibrated()));
    EXPECT_TRUE(Slurp(path).contains("[downrange]\n"));
    const SetupFileRead read = ReadSetupFile(path);
    ASSERT_TRUE(read.contents) << read.problem.toStdString();
    EXPECT_TRUE(read.contents->unknownKeys.empty());
    FormState loaded;
    read.contents->LoadInto(loaded);
    EXPECT_EQ(loaded, example);
    EXPECT_EQ(read.contents->downrange, Calibrated());
    // Without downrange inputs a set-up file has no such group.
    WriteSetupFile(path, example);
    EXPECT_FALSE(Slurp(path).contains("downrange"));
}

} // namespace
} // namespace kesta
