// The window's load and unload against the settings store: first run, a close and restart
// round trip of every key, damaged and unwritable stores, and the option groups.
#include "WindowTestSupport.h"

#include "window/FormBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

using namespace kesta;

namespace {

// Each pair's first option is the one a first run selects.
const char* const kPairs[][2] = {
    {"ChosenImperic", "ChosenMetric"},  {"ArrowSpeedFPS", "ArrowSpeedM"},
    {"ArrowMassGr", "ArrowMassGram"},   {"ArrowLengthInInches", "ArrowLengthInMM"},
    {"BroadheadInch", "BroadheadMM"},   {"BroadheadweightGr", "BroadheadweightInG"},
    {"DistanceInyards", "DistanceInM"}, {"GroupingCircInI", "GroupingCircInMM"}};

using test::WriteFile;

QString Stored(const QString& ini, const QString& key) {
    return QSettings(ini, QSettings::IniFormat).value("values/" + key).toString();
}

// The selected states of the listed options, as "0100".
QString States(test::Session& run, const QStringList& options) {
    QString states;
    for (const QString& name : options)
        states += run.control<QRadioButton>(qPrintable(name))->isChecked() ? '1' : '0';
    return states;
}

const QStringList kSafety = {"Safety_0", "Safety_1", "Safety_2", "Safety_3", "Safety_4"};

} // namespace

class Form1SettingsTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;

  private slots:
    void firstRunShowsTheDefaults() {
        const QString ini = dir_.Path("first.ini");
        test::Session run(ini);
        for (const auto& name : FormState::TextBoxes())
            QCOMPARE(run.control<QLineEdit>(name.c_str())->text(),
                     QString(name == "inEdge"  ? "25"
                             : name == "inTip" ? "60"
                                               : "0"));
        for (const auto& pair : kPairs)
            QCOMPARE(States(run, {pair[0], pair[1]}), QString("10"));
        QCOMPARE(States(run, kSafety), QString("00000"));
        QCOMPARE(run.control<QComboBox>("ShaftDiameter")->currentText(),
                 QString("same sise as ferrule"));
        QVERIFY(!run.control<QCheckBox>("inCOC")->isChecked());
        // Closing an untouched first run stores no safety selection, and the next run shows none.
        run.Close();
        QVERIFY(run.messages.empty());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(Stored(ini, QString("Safety%1").arg(k)), QString("False"));
        test::Session again(ini);
        QCOMPARE(States(again, kSafety), QString("00000"));
    }

    void everyKeySurvivesCloseAndRestart() {
        const QString ini = dir_.Path("roundtrip.ini");
        const QStringList odd = {"",
                                 " spaced out ",
                                 "a=b",
                                 "x;y",
                                 "K\u00f6rper \u00b5m \u2013 \u65e5\u672c",
                                 "\"quoted\"",
                                 "back\\slash",
                                 "1,5",
                                 "[values]",
                                 "#hash",
                                 "300abc"};
        FormState expected;
        {
            test::Session run(ini);
            int i = 0;
            for (const auto& name : FormState::TextBoxes()) {
                // Every odd text once, then again with a distinguishing number.
                QString text = odd[i % odd.size()];
                if (i >= odd.size()) text += QString::number(i);
                run.control<QLineEdit>(name.c_str())->setText(text);
                ++i;
            }
            for (const auto& pair : kPairs)
                run.Click(pair[1]);
            run.Click("Safety_2");
            run.control<QComboBox>("ShaftDiameter")->setCurrentIndex(0);
            run.control<QCheckBox>("inCOC")->setChecked(true);
            CopyWidgetsToForm(run.window(), expected);
            run.Close();
            QVERIFY(run.messages.empty());
        }
        QCOMPARE(Stored(ini, "Safety2"), QString("True"));
        for (const char* key : {"Safety0", "Safety1", "Safety3", "Safety4"})
            QCOMPARE(Stored(ini, key), QString("False"));
        QCOMPARE(Stored(ini, "ShaftDia"), QString("0"));
        QCOMPARE(Stored(ini, "inCOC"), QString("1"));
        QCOMPARE(Stored(ini, "Dist12"), QString::fromStdString(expected.Text("Distance")));
        QCOMPARE(Stored(ini, "Circ12"), QString::fromStdString(expected.Text("GroupingCirc")));
        QCOMPARE(QSettings(ini, QSettings::IniFormat).allKeys().size(), 46);

        test::Session restarted(ini);
        FormState shown;
        CopyWidgetsToForm(restarted.window(), shown);
        QVERIFY(shown == expected);
        QCOMPARE(States(restarted, {"ChosenMetric", "Safety_2"}), QString("11"));
    }

    void damagedStoreFallsBackPerKey() {
        const QString ini = dir_.Path("damaged.ini");
        QByteArray damaged("[values]\nspeed=212\nmassgr=perhaps\nShaftDia=7\ninCOC=x\n"
                           "inTip=\"unterminated\nlength=");
        damaged.append("\x01\x02\xff\xfe\0\n", 6);
        damaged.append("[other\nImperial=maybe\n");
        WriteFile(ini, damaged);
        test::Session run(ini);
        QCOMPARE(run.control<QLineEdit>("InArrowSpeed")->text(), QString("212"));
        QCOMPARE(States(run, {"ArrowMassGr", "ChosenImperic"}), QString("11"));
        QCOMPARE(run.control<QComboBox>("ShaftDiameter")->currentIndex(), 1);
        QVERIFY(!run.control<QCheckBox>("inCOC")->isChecked());

        const QString pairs = dir_.Path("pairs.ini");
        WriteFile(pairs, "[values]\nmassgr=True\nmassg=True\nspeedf=False\nspeedm=False\n"
                         "Dist=20\nCirc=8\nDistY=false\nDistM=1\n");
        // Stored option pairs decide in table order.
        test::Session stored(pairs);
        QCOMPARE(States(stored, {"ArrowMassGr", "ArrowMassGram", "ArrowSpeedFPS", "ArrowSpeedM",
                                 "DistanceInyards", "DistanceInM"}),
                 QString("010001"));
        // Only Dist12 and Circ12 fill the distance and grouping boxes.
        QCOMPARE(stored.control<QLineEdit>("Distance")->text(), QString("0"));
        QCOMPARE(stored.control<QLineEdit>("GroupingCirc")->text(), QString("0"));

        // Pure garbage is no store at all: a first run, and the window still works.
        const QString junk = dir_.Path("junk.ini");
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(char((i * 7919) % 256));
        WriteFile(junk, bytes);
        test::Session garbage(junk);
        QCOMPARE(garbage.control<QLineEdit>("inEdge")->text(), QString("25"));
        garbage.Close();
        QVERIFY(garbage.messages.empty() ||
                garbage.messages.front().text.contains(junk)); // told, if it could not rewrite
    }

    void unwritableStoreIsReportedOnClose() {
        // A settings "folder" that is a plain file cannot hold the store, even for root.
        WriteFile(dir_.Path("blocker"), "not a folder");
        QStringList stores = {dir_.Path("blocker/KESTA.ini")};
        if (geteuid() != 0) { // root writes through file permissions
            stores << dir_.Path("readonly.ini");
            WriteFile(stores[1], "[values]\nspeed=1\n");
            QFile::setPermissions(stores[1], QFile::ReadOwner);
        }
        for (const QString& ini : stores) {
            test::Session run(ini);
            run.control<QLineEdit>("InArrowSpeed")->setText("250");
            run.Close();
            QCOMPARE(run.messages.size(), std::size_t(1));
            QCOMPARE(run.messages[0].icon, QMessageBox::Critical);
            QVERIFY2(run.messages[0].text.startsWith("The inputs could not be saved: ") &&
                         run.messages[0].text.endsWith(".\nSettings file: " + ini),
                     qPrintable(run.messages[0].text));
            // The reason is the system's, in words: here a "folder" on the way is a file.
            if (ini == stores[0])
                QCOMPARE(run.messages[0].text, "The inputs could not be saved: a part of the path "
                                               "is not a folder.\nSettings file: " + ini);
        }
    }

    void damagedStoreClosesWithoutAFalseAlarm() {
        // Reading this file leaves a format error in QSettings' status, which a good save
        // does not clear.
        const QString ini = dir_.Path("cut.ini");
        WriteFile(ini, "[values]\nspeed=300\nstaticsp");
        test::Session run(ini);
        QCOMPARE(run.control<QLineEdit>("InArrowSpeed")->text(), QString("300"));
        run.control<QLineEdit>("InArrowMass")->setText("400");
        run.Close();
        QVERIFY2(run.messages.empty(),
                 run.messages.empty() ? "" : qPrintable(run.messages[0].text));
        QSettings saved(ini, QSettings::IniFormat);
        saved.beginGroup("values");
        QCOMPARE(saved.childKeys().size(), 46);
        QCOMPARE(saved.value("speed").toString(), QString("300"));
        QCOMPARE(saved.value("mass").toString(), QString("400"));
    }

    void unreadableStoreIsToldAtStartUpAndLeftAlone() {
        alarm(20); // a store that blocks the start ends the test here, not at the time limit
        const QString pipe = dir_.Path("pipe.ini"), folder = dir_.Path("folder.ini");
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        QVERIFY(QDir(dir_.path()).mkdir("folder.ini"));
        for (const auto& [ini, why] : {std::pair{pipe, "named pipe"}, {folder, "folder"}}) {
            test::Session run(ini);
            QVERIFY(run.messages.empty()); // not while the window is being built
            QTRY_COMPARE(run.messages.size(), std::size_t(1));
            const test::Message told = run.messages[0];
            QCOMPARE(told.icon, QMessageBox::Warning);
            QVERIFY2(told.text.contains(ini) && told.text.contains(why) &&
                         told.text.contains("Path/File access error"),
                     qPrintable(told.text));
            QCOMPARE(run.control<QLineEdit>("inEdge")->text(), QString("25")); // the defaults
            run.control<QLineEdit>("InArrowSpeed")->setText("250");
            run.Close(); // the save is refused and said so; the pipe or folder stays
            QCOMPARE(run.messages.size(), std::size_t(2));
            QVERIFY(run.messages[1].text.contains("could not be saved"));
            QCOMPARE(QFileInfo(ini).isDir(), ini == folder);
            QCOMPARE(QFileInfo(ini).isFile(), false);
        }
        alarm(0);
    }

    void unloadRunsOnceWhetherClosedOrQuit() {
        const QString ini = dir_.Path("once.ini");
        test::Session run(ini);
        run.control<QLineEdit>("InArrowSpeed")->setText("111");
        // The application ends without a close.
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
        QCOMPARE(Stored(ini, "speed"), QString("111"));
        run.control<QLineEdit>("InArrowSpeed")->setText("222");
        run.Close(); // the unload has run already
        QCOMPARE(Stored(ini, "speed"), QString("111"));
    }

    void optionGroupsBelongToTheirContainers() {
        test::Session run(dir_.Path("groups.ini"));
        run.control<QLineEdit>("InArrowSpeed")->setText("300");
        for (const auto& pair : kPairs) {
            run.Click(pair[1]);
            QCOMPARE(States(run, {pair[0], pair[1]}), QString("01"));
            run.Click(pair[0]);
            run.Click(pair[0]); // clicking the selected option keeps it selected
            QCOMPARE(States(run, {pair[0], pair[1]}), QString("10"));
        }
        QCOMPARE(run.control<QLineEdit>("InArrowSpeed")->text(), QString("300"));
        // The safety factors share Frame6 with neither unit pair of the accuracy frame, and
        // the broadhead weight pair (Frame5) is apart from the blade unit pair (Frame3).
        for (const char* option : {"DistanceInM", "Safety_1", "Safety_3", "BroadheadweightInG"})
            run.Click(option);
        QCOMPARE(States(run, kSafety), QString("00010"));
        QCOMPARE(States(run, {"DistanceInM", "GroupingCircInI", "BroadheadInch"}), QString("111"));

        // Loading can leave a group with no selection, and a click selects again.
        SetOptionSelected(*run.control<QRadioButton>("Safety_3"), false);
        QCOMPARE(States(run, kSafety), QString("00000"));
        run.Click("Safety_0");
        QCOMPARE(States(run, kSafety), QString("10000"));
    }
};

QTEST_MAIN(Form1SettingsTest)
#include "Form1SettingsTest.moc"
