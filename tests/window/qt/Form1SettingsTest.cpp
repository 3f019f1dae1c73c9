// The window's load and unload against the settings store: first run, a close and restart
// round trip of every key, damaged and unwritable stores, and the option groups.
#include "WindowTestSupport.h"

#include "window/FormBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>

#include <unistd.h>

using namespace kesta;

namespace {

const char* const kNumberBoxes[] = {
    "InArrowSpeed",  "DrawWeigth",      "InArrowMass",    "InArrowLength",  "StaticSpine",
    "GPI",           "BroadheadWeight", "InBroadhead_0",  "InBroadhead_1",  "InBroadhead_2",
    "InBroadhead_3", "InBroadhead_4",   "InBroadhead_5",  "InBroadhead_6",  "InBroadhead_7",
    "InBroadhead_8", "InBroadhead_9",   "InBroadhead_10", "InBroadhead_11", "Distance",
    "GroupingCirc"};

// Each pair's first option is the one a first run selects.
const char* const kPairs[][2] = {
    {"ChosenImperic", "ChosenMetric"},  {"ArrowSpeedFPS", "ArrowSpeedM"},
    {"ArrowMassGr", "ArrowMassGram"},   {"ArrowLengthInInches", "ArrowLengthInMM"},
    {"BroadheadInch", "BroadheadMM"},   {"BroadheadweightGr", "BroadheadweightInG"},
    {"DistanceInyards", "DistanceInM"}, {"GroupingCircInI", "GroupingCircInMM"}};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString Stored(const QString& ini, const QString& key) {
    return QSettings(ini, QSettings::IniFormat).value("values/" + key).toString();
}

} // namespace

class Form1SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void firstRunShowsTheDefaults() {
        test::Session run(dir_.filePath("first.ini"));
        for (const char* name : kNumberBoxes)
            QCOMPARE(run.control<QLineEdit>(name)->text(), QString("0"));
        QCOMPARE(run.control<QLineEdit>("inEdge")->text(), QString("25"));
        QCOMPARE(run.control<QLineEdit>("inTip")->text(), QString("60"));
        for (const auto& pair : kPairs) {
            QVERIFY2(run.control<QRadioButton>(pair[0])->isChecked(), pair[0]);
            QVERIFY2(!run.control<QRadioButton>(pair[1])->isChecked(), pair[1]);
        }
        for (int k = 0; k < 5; ++k)
            QVERIFY(
                !run.control<QRadioButton>(qPrintable(QString("Safety_%1").arg(k)))->isChecked());
        QCOMPARE(run.control<QComboBox>("ShaftDiameter")->currentText(),
                 QString("same sise as ferrule"));
        QVERIFY(!run.control<QCheckBox>("inCOC")->isChecked());
        QVERIFY(run.messages.empty());

        // Closing an untouched first run stores no safety selection, and the next run shows none.
        run.Close();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(Stored(dir_.filePath("first.ini"), QString("Safety%1").arg(k)),
                     QString("False"));
        test::Session again(dir_.filePath("first.ini"));
        for (int k = 0; k < 5; ++k)
            QVERIFY(
                !again.control<QRadioButton>(qPrintable(QString("Safety_%1").arg(k)))->isChecked());
    }

    void everyKeySurvivesCloseAndRestart() {
        const QString ini = dir_.filePath("roundtrip.ini");
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
            // The second option of every pair, and "50%", the way a user clicks them.
            for (const auto& pair : kPairs)
                QTest::mouseClick(run.control<QRadioButton>(pair[1]), Qt::LeftButton, {},
                                  QPoint(6, 6));
            QTest::mouseClick(run.control<QRadioButton>("Safety_2"), Qt::LeftButton, {},
                              QPoint(6, 6));
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
        QCOMPARE(Stored(ini, "speed"), QString());
        QCOMPARE(QSettings(ini, QSettings::IniFormat).allKeys().size(), 46);

        test::Session restarted(ini);
        FormState shown;
        CopyWidgetsToForm(restarted.window(), shown);
        QVERIFY(shown == expected);
        QVERIFY(restarted.control<QRadioButton>("ChosenMetric")->isChecked());
        QVERIFY(restarted.control<QRadioButton>("Safety_2")->isChecked());
        QCOMPARE(restarted.control<QLineEdit>("InArrowMass")->text(),
                 QString::fromStdString(expected.Text("InArrowMass")));
    }

    void storedPairsDecideInTableOrder() {
        const QString ini = dir_.filePath("pairs.ini");
        WriteFile(ini, "[values]\nmassgr=True\nmassg=True\nspeedf=False\nspeedm=False\n"
                       "Dist=20\nCirc=8\nDistY=false\nDistM=1\n");
        test::Session run(ini);
        QVERIFY(!run.control<QRadioButton>("ArrowMassGr")->isChecked());
        QVERIFY(run.control<QRadioButton>("ArrowMassGram")->isChecked());
        QVERIFY(!run.control<QRadioButton>("ArrowSpeedFPS")->isChecked());
        QVERIFY(!run.control<QRadioButton>("ArrowSpeedM")->isChecked());
        QVERIFY(run.control<QRadioButton>("DistanceInM")->isChecked());
        // Only Dist12 and Circ12 fill the distance and grouping boxes.
        QCOMPARE(run.control<QLineEdit>("Distance")->text(), QString("0"));
        QCOMPARE(run.control<QLineEdit>("GroupingCirc")->text(), QString("0"));
    }

    void damagedStoreFallsBackPerKey() {
        const QString ini = dir_.filePath("damaged.ini");
        QByteArray damaged("[values]\nspeed=212\nmassgr=perhaps\nShaftDia=7\ninCOC=x\n"
                           "inTip=\"unterminated\nlength=");
        damaged.append("\x01\x02\xff\xfe\0\n", 6);
        damaged.append("[other\nImperial=maybe\n");
        WriteFile(ini, damaged);
        test::Session run(ini);
        QCOMPARE(run.control<QLineEdit>("InArrowSpeed")->text(), QString("212"));
        QVERIFY(run.control<QRadioButton>("ArrowMassGr")->isChecked());
        QCOMPARE(run.control<QComboBox>("ShaftDiameter")->currentIndex(), 1);
        QVERIFY(!run.control<QCheckBox>("inCOC")->isChecked());
        QVERIFY(run.control<QRadioButton>("ChosenImperic")->isChecked());

        // Pure garbage is no store at all: a first run, and the window still works.
        const QString junk = dir_.filePath("junk.ini");
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i)
            bytes.append(char((i * 7919) % 256));
        WriteFile(junk, bytes);
        test::Session garbage(junk);
        QCOMPARE(garbage.control<QLineEdit>("inEdge")->text().isNull(), false);
        garbage.Close();
        QVERIFY(garbage.messages.empty() ||
                garbage.messages.front().text.contains(junk)); // told, if it could not rewrite
    }

    void unwritableStoreIsReportedOnClose() {
        // A settings "folder" that is a plain file cannot hold the store, even for root.
        WriteFile(dir_.filePath("blocker"), "not a folder");
        const QString ini = dir_.filePath("blocker/KESTA.ini");
        test::Session run(ini);
        run.control<QLineEdit>("InArrowSpeed")->setText("250");
        run.Close();
        QCOMPARE(run.messages.size(), std::size_t(1));
        QCOMPARE(run.messages[0].icon, QMessageBox::Critical);
        QVERIFY2(run.messages[0].text.contains("Path/File access error"),
                 qPrintable(run.messages[0].text));
        QVERIFY(run.messages[0].text.contains(ini));

        if (geteuid() != 0) { // root writes through file permissions
            const QString readOnly = dir_.filePath("readonly.ini");
            WriteFile(readOnly, "[values]\nspeed=1\n");
            QFile::setPermissions(readOnly, QFile::ReadOwner);
            test::Session locked(readOnly);
            locked.control<QLineEdit>("InArrowSpeed")->setText("2");
            locked.Close();
            QCOMPARE(locked.messages.size(), std::size_t(1));
            QVERIFY(locked.messages[0].text.contains(readOnly));
        }
    }

    void unloadRunsOnceWhetherClosedOrQuit() {
        const QString ini = dir_.filePath("once.ini");
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
        test::Session run(dir_.filePath("groups.ini"));
        auto click = [&](const char* name) {
            QTest::mouseClick(run.control<QRadioButton>(name), Qt::LeftButton, {}, QPoint(6, 6));
        };
        run.control<QLineEdit>("InArrowSpeed")->setText("300");
        click("ArrowSpeedM");
        QVERIFY(!run.control<QRadioButton>("ArrowSpeedFPS")->isChecked());
        QCOMPARE(run.control<QLineEdit>("InArrowSpeed")->text(), QString("300"));
        for (const auto& pair : kPairs) {
            click(pair[1]);
            QVERIFY2(!run.control<QRadioButton>(pair[0])->isChecked(), pair[0]);
            click(pair[0]);
            QVERIFY2(!run.control<QRadioButton>(pair[1])->isChecked(), pair[1]);
            click(pair[0]); // clicking the selected option keeps it selected
            QVERIFY2(run.control<QRadioButton>(pair[0])->isChecked(), pair[0]);
        }
        // The safety factors share Frame6 with neither unit pair of the accuracy frame.
        click("DistanceInM");
        click("Safety_1");
        click("Safety_3");
        QVERIFY(!run.control<QRadioButton>("Safety_1")->isChecked());
        QVERIFY(run.control<QRadioButton>("Safety_3")->isChecked());
        QVERIFY(run.control<QRadioButton>("DistanceInM")->isChecked());
        QVERIFY(run.control<QRadioButton>("GroupingCircInI")->isChecked());
        // The broadhead weight pair (Frame5) is apart from the blade unit pair (Frame3).
        click("BroadheadweightInG");
        QVERIFY(run.control<QRadioButton>("BroadheadInch")->isChecked());

        // Loading can leave a group with no selection, and a click selects again.
        SetOptionSelected(*run.control<QRadioButton>("Safety_3"), false);
        for (int k = 0; k < 5; ++k)
            QVERIFY(
                !run.control<QRadioButton>(qPrintable(QString("Safety_%1").arg(k)))->isChecked());
        click("Safety_0");
        QVERIFY(run.control<QRadioButton>("Safety_0")->isChecked());
    }

    void defaultStoreLivesUnderTheConfigFolder() {
        QCoreApplication::setOrganizationName("KESTA");
        QCoreApplication::setApplicationName("KESTA");
        SettingsStore store;
        QCOMPARE(store.FileName(),
                 QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("KESTA/KESTA.ini"));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(Form1SettingsTest)
#include "Form1SettingsTest.moc"
