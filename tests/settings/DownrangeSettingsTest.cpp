// The downrange inputs in the per-user store and in set-up files: a group [downrange] of their
// own, [values] untouched, a cleared calibration gone, a hand-edited bad value taking its
// default alone, and a set-up file with the group read without unknown keys.
#include "settings/DownrangeSettings.h"

#include "form/Examples.h"
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

downrange::Inputs Calibrated() {
    downrange::Inputs in;
    in.shaftOdInches = 0.246;
    in.fletching = downrange::Fletching::Small;
    in.head = downrange::Head::Mechanical;
    in.altitudeM = 1650.5;
    in.temperatureC = -7;
    in.zeroYards = 30;
    in.maxDistance = 80;
    in.chronograph = downrange::Chronograph{301.2, 3, 284.9, 33};
    return in;
}

TEST(DownrangeSettings, TheStoreKeepsTheInputsInAGroupOfTheirOwn) {
    QTemporaryDir dir;
    const QString file = dir.filePath("KESTA.ini");
    const FormState example = ExampleForm(Examples().front());
    {
        SettingsStore store(file);
        store.Save(example);
        EXPECT_EQ(LoadDownrangeInputs(store), downrange::Inputs()); // none stored yet
        SaveDownrangeInputs(store, Calibrated());
        EXPECT_EQ(LoadDownrangeInputs(store), Calibrated());
    }
    const QByteArray text = Slurp(file);
    EXPECT_TRUE(text.contains("[downrange]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("ShaftOD=0.246\n")) << text.toStdString();
    const QByteArray values = text.mid(text.indexOf("[values]"));
    EXPECT_FALSE(values.contains("ShaftOD")) << "a downrange key in [values]";

    SettingsStore again(file);
    EXPECT_EQ(LoadDownrangeInputs(again), Calibrated());
    FormState loaded;
    again.Load(loaded);
    EXPECT_EQ(loaded, example);
    // The calibration cleared: its four keys leave the file.
    downrange::Inputs estimated = Calibrated();
    estimated.chronograph.reset();
    SaveDownrangeInputs(again, estimated);
    EXPECT_FALSE(Slurp(file).contains("Chrono"));
    EXPECT_EQ(LoadDownrangeInputs(SettingsStore(file)), estimated);
    // The window's own save keeps the group.
    again.Save(example);
    EXPECT_EQ(LoadDownrangeInputs(SettingsStore(file)), estimated);
}

TEST(DownrangeSettings, AHandEditedBadValueTakesItsDefaultAlone) {
    const std::map<std::string, std::string> stored = {
        {"ShaftOD", "thin"},     {"Head", "field"},          {"Altitude", "900"},
        {"ChronoNear", "280"},   {"ChronoNearYards", "10"},  {"ChronoFar", "290"},
        {"ChronoFarYards", "40"}, {"MaxDistance", "250"}};
    const downrange::Inputs in = DownrangeInputsOf(stored);
    EXPECT_EQ(in.shaftOdInches, 0.3);
    EXPECT_EQ(in.head, downrange::Head::Field);
    EXPECT_EQ(in.altitudeM, 900);
    EXPECT_EQ(in.maxDistance, 100);
    EXPECT_FALSE(in.chronograph); // a pair that speeds up is no calibration
}

TEST(DownrangeSettings, ASetUpFileWithTheGroupIsReadWithoutUnknownKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath("elk.kesta");
    const FormState example = ExampleForm(Examples().front());
    WriteSetupFile(path, example, Calibrated());
    EXPECT_TRUE(Slurp(path).contains("[downrange]\n"));
    const SetupFileRead read = ReadSetupFile(path);
    ASSERT_TRUE(read.contents) << read.problem.toStdString();
    EXPECT_TRUE(read.contents->unknownKeys.empty());
    FormState loaded;
    read.contents->LoadInto(loaded);
    EXPECT_EQ(loaded, example);
    EXPECT_EQ(DownrangeInputsOf(read.contents->downrange), Calibrated());
    // Without downrange inputs a set-up file has no such group.
    WriteSetupFile(path, example);
    EXPECT_FALSE(Slurp(path).contains("downrange"));
}

} // namespace
} // namespace kesta
