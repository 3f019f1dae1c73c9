// The list of recent set-up files lives beside the inputs in the store's file, never among them.
#include "settings/RecentSetups.h"

#include "settings/SettingsStore.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include "tests/common/TestFiles.h"

namespace kesta {
namespace {

TEST(RecentSetups, MostRecentFirstAtMostEightOnceEach) {
    const test::TempFolder dir;
    const QString ini = dir.Path("KESTA.ini");
    RecentSetups recent(ini);
    EXPECT_TRUE(recent.Files().isEmpty());
    for (int k = 1; k <= 10; ++k)
        recent.Add(dir.Path(QStringLiteral("s%1.kesta").arg(k)));
    QStringList expected;
    for (int k = 10; k >= 3; --k)
        expected << dir.Path(QStringLiteral("s%1.kesta").arg(k));
    EXPECT_EQ(recent.Files(), expected);

    // Opening one again moves it first; relative paths are made absolute.
    QDir::setCurrent(dir.path());
    recent.Add(QStringLiteral("s5.kesta"));
    EXPECT_EQ(recent.Files().front(), dir.Path("s5.kesta"));
    EXPECT_EQ(recent.Files().size(), 8);
    EXPECT_EQ(recent.Files().count(dir.Path("s5.kesta")), 1);
    recent.Remove(dir.Path("s5.kesta"));
    expected.removeAll(dir.Path("s5.kesta"));
    EXPECT_EQ(recent.Files(), expected);
    EXPECT_EQ(RecentSetups(ini).Files(), expected); // kept in the file
}

TEST(RecentSetups, KeptOutOfTheInputsAndKeptBySavingThem) {
    const test::TempFolder dir;
    const QString ini = dir.Path("KESTA.ini");
    RecentSetups(ini).Add(dir.Path("elk.kesta"));
    FormState form;
    form.SetText("InArrowSpeed", "280");
    SettingsStore(ini).Save(form);
    EXPECT_EQ(RecentSetups(ini).Files(), QStringList{dir.Path("elk.kesta")});
    QSettings settings(ini, QSettings::IniFormat);
    settings.beginGroup("values");
    EXPECT_EQ(settings.childKeys().size(), 46);
    EXPECT_EQ(settings.value("speed").toString(), "280");
}

} // namespace
} // namespace kesta
