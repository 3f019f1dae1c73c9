// Set-up files in the window: open (Ctrl+O), save as (Ctrl+Shift+S), recent files, examples,
// the title's file name and modified mark, files that are no set-up, failed saves, the
// report saved as text and `kesta FILE`. File dialogs are replaced by a chooser that answers
// with a path.
#include "WindowTestSupport.h"

#include "report/Calculator.h"
#include "settings/SetupFile.h"
#include "window/FormBinding.h"
#include "window/SetupMenus.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>

#include <sys/stat.h>

using namespace kesta;

namespace {

const QString kCaption = "KESTA Minimum Bowhunting Recommendations";

FormState Inputs(test::Session& run) {
    FormState form;
    CopyWidgetsToForm(run.window(), form);
    return form;
}

QString Box(test::Session& run) {
    return run.control<QPlainTextEdit>("txtReport")->toPlainText();
}

using test::Bytes;
using test::WriteFile;

// The report box text the report button gives for a form.
QString ReportOf(const FormState& form) {
    Calculator calc(form);
    try {
        calc.WriteReport();
    } catch (const RuntimeError&) {
    }
    return CrLfToBoxText(calc.BoxText());
}

QAction* Action(test::Session& run, const char* name) {
    return run.window().findChild<QAction*>(QString::fromLatin1(name));
}

// What the window shows: inputs, title and report, to see that nothing changed.
struct Shown {
    FormState inputs;
    QString title, box;
    bool operator==(const Shown&) const = default;
};

Shown Snapshot(test::Session& run) {
    return {Inputs(run), run.window().windowTitle(), Box(run)};
}

} // namespace

class SetupMenusTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    QString store_; // each test's own store, so that recent files never carry over
    std::unique_ptr<test::Session> run_;
    QString answer_;                // the chooser's next answer
    std::vector<FileChoice> asked_; // what the chooser was asked for

    QString Path(const QString& name) const { return dir_.Path(name); }

    // A session whose file dialogs answer answer_.
    std::unique_ptr<test::Session> NewSession(const QString& store) {
        auto run = std::make_unique<test::Session>(store);
        run->window().Setups().SetFileChooser([this](FileChoice choice, const QString&) {
            asked_.push_back(choice);
            return answer_;
        });
        return run;
    }

    QString WriteSetup(const QString& name, const FormState& form) {
        return test::WriteSetup(Path(name), form);
    }

  private slots:
    void init() {
        asked_.clear();
        store_ = Path(QString::fromLatin1(QTest::currentTestFunction()) + ".ini");
        run_ = NewSession(store_);
    }
    void cleanup() { run_.reset(); }

    void ctrlOOpensFillsTheInputsAndRunsTheReport() {
        FormState elk = ExampleForm(*FindExample("light-deer"));
        elk.SetText("InArrowSpeed", "301");
        answer_ = WriteSetup("elk.kesta", elk);
        run_->window().show();
        run_->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run_->window()));
        QCOMPARE(run_->window().windowTitle(), kCaption);
        QTest::keyClick(&run_->window(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(asked_, std::vector<FileChoice>{FileChoice::OpenSetup});
        QVERIFY(Inputs(*run_) == elk);
        QCOMPARE(Box(*run_), ReportOf(elk));
        QVERIFY(Box(*run_).startsWith("Arrow\n   Speed:  301 fps\n"));
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 elk.kesta");
        QVERIFY(run_->messages.empty());

        // Any change marks the title; undoing it clears the mark.
        auto* speed = run_->control<QLineEdit>("InArrowSpeed");
        speed->setText("302");
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 *elk.kesta");
        speed->setText("301");
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 elk.kesta");
        run_->Click("ArrowSpeedM");
        QVERIFY(run_->window().Setups().Session().Modified());
        QVERIFY(run_->window().windowTitle().contains("*elk.kesta"));

        // A cancelled dialog changes nothing.
        answer_.clear();
        const Shown before = Snapshot(*run_);
        run_->window().Setups().OpenSetup();
        QVERIFY(Snapshot(*run_) == before);
    }

    void openingLoadsAsTheStoreDoes() {
        // Absent keys and unfit values take their defaults, exactly as in a store.
        const QString sparse = Path("sparse.kesta");
        WriteFile(sparse, "[values]\nspeed=250\nShaftDia=9\nmassgr=maybe\nmassg=True\n");
        QVERIFY(run_->window().Setups().Session().Open(sparse));
        auto fromStore = NewSession(sparse);
        QVERIFY(Inputs(*run_) == Inputs(*fromStore));
        QCOMPARE(run_->control<QLineEdit>("InArrowSpeed")->text(), QString("250"));
        QCOMPARE(run_->control<QLineEdit>("InArrowMass")->text(), QString("0"));
        // A report that stops says so, as the report button does.
        QCOMPARE(run_->messages.size(), std::size_t(1));
        QVERIFY(run_->messages.front().text.startsWith("The report stopped:"));
    }

    void filesThatAreNoSetUpChangeNothing() {
        CopyFormToWidgets(test::ExampleForm(), run_->window());
        run_->window().doReport_Click();
        WriteFile(Path("nul.kesta"), QByteArray("[values]\nspeed=1\0\n", 18));
        WriteFile(Path("notes.kesta"), "speed=300\nmass=400\n");
        WriteFile(Path("big.kesta"), "[values]\nspeed=" + QByteArray(2 * 1024 * 1024, '1') + "\n");
        const std::vector<std::pair<QString, QString>> cases = {
            {"nul.kesta", "it holds binary data (NUL bytes), not text"},
            {"notes.kesta", "it is not a set-up: it has no [values] group"},
            {"big.kesta", "it is larger than 1 MB"},
            {"absent.kesta", "File not found"},
            {"pipe.kesta", "it is a named pipe"}};
        QVERIFY(mkfifo(Path("pipe.kesta").toLocal8Bit().constData(), 0600) == 0);
        for (const auto& [name, reason] : cases) {
            run_->messages.clear();
            const Shown before = Snapshot(*run_);
            answer_ = Path(name);
            Action(*run_, "actionOpenSetup")->trigger();
            QVERIFY2(Snapshot(*run_) == before, qPrintable(name));
            QCOMPARE(run_->messages.size(), std::size_t(1));
            const test::Message& told = run_->messages.front();
            QCOMPARE(told.icon, QMessageBox::Critical);
            QVERIFY2(told.text.contains(reason) && told.text.contains("File: " + Path(name)),
                     qPrintable(told.text));
        }
    }

    void unknownKeysAreNamedAndIgnored() {
        WriteFile(Path("keys.kesta"), "[values]\nspeed=280\nspede=1\n[other]\nx=2\n");
        QVERIFY(run_->window().Setups().Session().Open(Path("keys.kesta")));
        QCOMPARE(run_->control<QLineEdit>("InArrowSpeed")->text(), QString("280"));
        QVERIFY(!run_->messages.empty());
        const test::Message& warning = run_->messages.front();
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.text, "These keys are not settings keys and were ignored: other/x, "
                               "spede.\nFile: " + Path("keys.kesta"));
    }

    void aNewerFormatOpensWithAWarningNamingIt() {
        WriteFile(Path("newer.kesta"), "[kesta]\nformat=3\n[values]\nspeed=281\n");
        QVERIFY(run_->window().Setups().Session().Open(Path("newer.kesta")));
        QCOMPARE(run_->control<QLineEdit>("InArrowSpeed")->text(), QString("281"));
        QVERIFY(!run_->messages.empty());
        const test::Message& warning = run_->messages.front();
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QCOMPARE(warning.text, "The set-up may not read as it was meant: it is in set-up format "
                               "3, newer than this program's (1); what this program does not "
                               "know of it is ignored.\nFile: " + Path("newer.kesta"));
    }

    void ctrlShiftSSavesEveryInputThatOpensAgain() {
        const QStringList odd = {"", " spaced ", "a=b", "x;y", "1,5", "\"q\"", "back\\slash",
                                 "K\u00f6rper \u2013 \u65e5", "#hash", "[values]", "@at"};
        int i = 0;
        for (const auto& name : FormState::TextBoxes())
            run_->control<QLineEdit>(name.c_str())->setText(odd[i++ % odd.size()]);
        run_->Click("ArrowMassGram");
        run_->Click("Safety_3");
        const FormState typed = Inputs(*run_);
        answer_ = Path("odd"); // no suffix: ".kesta" is added
        run_->window().show();
        run_->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run_->window()));
        QTest::keyClick(&run_->window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(asked_, std::vector<FileChoice>{FileChoice::SaveSetup});
        QVERIFY(run_->messages.empty());
        QVERIFY(Bytes(Path("odd.kesta")).startsWith("[kesta]\nformat=1\n\n[values]\n"));
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 odd.kesta");

        auto other = NewSession(Path("other-store.ini"));
        QVERIFY(other->window().Setups().Session().Open(Path("odd.kesta")));
        QVERIFY(Inputs(*other) == typed);
        QVERIFY(!other->window().Setups().Session().Modified());
    }

    // Tests run as root, whom permissions do not stop: these saves fail by what is at the path.
    void failedSavesNameTheReasonAndTheFile() {
        QVERIFY(QDir(dir_.path()).mkdir("folder.kesta"));
        WriteFile(Path("plain"), "a file, not a folder");
        const std::pair<QString, QString> rows[] = {
            {Path("folder.kesta"), "it is a folder"},
            {Path("plain/s.kesta"), "a part of the path is not a folder"}};
        for (const auto& [target, reason] : rows) {
            run_->messages.clear();
            QVERIFY(!run_->window().Setups().Session().SaveAs(target));
            QCOMPARE(run_->messages.size(), std::size_t(1));
            QCOMPARE(run_->messages.front().icon, QMessageBox::Critical);
            QCOMPARE(run_->messages.front().text,
                     "The set-up could not be saved: " + reason + ".\nFile: " + target);
            QCOMPARE(run_->window().windowTitle(), kCaption);
        }

        // That a failed save leaves an old file whole is checked with the set-up files.
    }

    void recentSetupsAreKeptOutsideTheInputs() {
        const QString a = WriteSetup("a.kesta", ExampleForm(*FindExample("light-deer")));
        QVERIFY(run_->window().Setups().Session().Open(a));
        QVERIFY(run_->window().Setups().Session().SaveAs(Path("b.kesta")));
        auto* recent = &run_->window().Setups().RecentMenu();
        QVERIFY(recent->isEnabled());
        QStringList listed;
        for (QAction* action : recent->actions())
            listed << action->data().toString();
        QCOMPARE(listed, QStringList({Path("b.kesta"), a}));

        // Choosing one opens it.
        run_->control<QLineEdit>("InArrowSpeed")->setText("111");
        recent->actions().at(1)->trigger();
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 a.kesta");
        QCOMPARE(run_->control<QLineEdit>("InArrowSpeed")->text(), QString("295"));

        // The list outlives the run; the store's [values] keep their 46 keys.
        run_->Close();
        auto next = NewSession(store_);
        QCOMPARE(next->window().Setups().RecentMenu().actions().size(), 2);
        QSettings store(store_, QSettings::IniFormat);
        store.beginGroup("values");
        QCOMPARE(store.childKeys().size(), 46);
        QCOMPARE(store.value("speed").toString(), QString("295"));

        // A file that is gone leaves the list when it cannot be opened.
        QFile::remove(a);
        next->window().Setups().RecentMenu().actions().at(0)->trigger();
        QCOMPARE(next->window().Setups().RecentMenu().actions().size(), 1);
    }

    void examplesOpenFromTheProgramItself() {
        auto* menu = &run_->window().Setups().ExampleMenu();
        QCOMPARE(menu->actions().size(), static_cast<int>(Examples().size()));
        for (int k = 0; k < menu->actions().size(); ++k) {
            const ExampleSetup& example = Examples()[k];
            QCOMPARE(menu->actions()[k]->text(), QString::fromStdString(example.name) + " \u2014 " +
                                                      QString::fromStdString(example.description));
            QCOMPARE(menu->actions()[k]->toolTip(), QString::fromStdString(example.description));
            menu->actions()[k]->trigger();
            QVERIFY(Inputs(*run_) == ExampleForm(example));
            QCOMPARE(Box(*run_), ReportOf(ExampleForm(example)));
            QCOMPARE(run_->window().windowTitle(),
                     kCaption + " \u2014 " + QString::fromStdString(example.name) + " (example)");
            QVERIFY(run_->window().Setups().Session().CurrentFile().isEmpty());
        }
        QVERIFY(run_->messages.empty());
        QVERIFY(!run_->window().Setups().RecentMenu().isEnabled());
    }

    void reportSavedAsTextWithItsTitleLine() {
        CopyFormToWidgets(test::ExampleForm(), run_->window());
        run_->window().doReport_Click();
        answer_ = Path("report.txt");
        Action(*run_, "actionSaveReportText")->trigger();
        QCOMPARE(asked_, std::vector<FileChoice>{FileChoice::SaveReportText});
        const QByteArray text = Bytes(Path("report.txt"));
        QCOMPARE(text, "KESTA Bowhunter's Calculator Report\n\n" + Box(*run_).toUtf8());
        QVERIFY(text.endsWith("replace your judgement...\n"));
        QVERIFY(!text.contains('\r'));

        // A box the user edited is saved as shown, non-ASCII in UTF-8, ended by a line break.
        run_->control<QPlainTextEdit>("txtReport")->setPlainText("K\u00f6rper\nzwei");
        QVERIFY(run_->window().Setups().Session().SaveReportText(Path("edited.txt")));
        QCOMPARE(Bytes(Path("edited.txt")),
                 QByteArray("KESTA Bowhunter's Calculator Report\n\nK\xc3\xb6rper\nzwei\n"));

        QVERIFY(QDir(dir_.path()).mkdir("taken.txt"));
        QVERIFY(!run_->window().Setups().Session().SaveReportText(Path("taken.txt")));
        QVERIFY(run_->messages.back().text.startsWith("The report could not be saved: "));
    }

    void commandLineFileIsOpened() {
        const QString path = WriteSetup("cli.kesta", ExampleForm(*FindExample("heavy-buffalo")));
        run_->window().Setups().OpenFromArguments({});
        QCOMPARE(run_->window().windowTitle(), kCaption);
        run_->window().Setups().OpenFromArguments({path});
        QCOMPARE(run_->window().windowTitle(), kCaption + " \u2014 cli.kesta");
        QVERIFY(Inputs(*run_) == ExampleForm(*FindExample("heavy-buffalo")));
        QVERIFY(Box(*run_).startsWith("Arrow\n   Speed:  240 fps\n"));
    }
};

QTEST_MAIN(SetupMenusTest)
#include "SetupMenusTest.moc"
