// The Game menu: choosing a table changes the report, the What would it take window and the
// heading at the right of the menu bar; "My game..." edits the hunter's own list; the choice
// and the list come back in the next run from the store's own [game] group.
#include "WindowTestSupport.h"

#include "ballistics/GameList.h"
#include "ballistics/GameListText.h"
#include "report/Calculator.h"
#include "tools/Text.h"
#include "window/FormBinding.h"
#include "window/GameMenu.h"
#include "window/MyGameDialog.h"
#include "window/NeedsWindow.h"
#include "window/SetupMenus.h"
#include "window/SetupSession.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableWidget>

using namespace kesta;

namespace {

QString Box(test::Session& run) {
    return run.control<QPlainTextEdit>("txtReport")->toPlainText();
}

// The report box the engine writes for the worked example with this table.
QString EngineBox(const game::GameTable& table) {
    const FormState form = test::ExampleForm();
    Calculator calc(form, table);
    calc.WriteReport();
    return QString::fromStdString(text::CrLfToLf(calc.BoxText()));
}

void Trigger(test::Session& run, const char* action) {
    auto* found = run.window().Game().Menu().findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY2(found != nullptr, action);
    found->trigger();
}

void FillRow(MyGameDialog& dialog, int row, const QString& name, const QString& mass) {
    while (dialog.Rows().rowCount() <= row)
        dialog.AddRow();
    dialog.Rows().item(row, 0)->setText(name);
    dialog.Rows().item(row, 1)->setText(mass);
}

} // namespace

class GameMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString Store() const { return dir_.filePath("game.ini"); }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QFile::remove(Store());
    }

    void choosingATableChangesTheReportAndIsRemembered() {
        {
            test::Session run(Store());
            CopyFormToWidgets(test::ExampleForm(), run.window());
            QCOMPARE(run.window().Game().Table().name, std::string("africa"));
            QCOMPARE(run.window().Game().Shown().text(), QString("Game: Africa (48 animals)"));
            run.window().doReport_Click();
            QCOMPARE(Box(run), EngineBox(game::DefaultTable()));

            Trigger(run, "Game_europe");
            const game::GameTable& europe = *game::FindBuiltInTable("europe");
            QCOMPARE(run.window().Game().Shown().text(), QString("Game: Europe (18 animals)"));
            QVERIFY(run.window().Game().Menu().findChild<QAction*>("Game_europe")->isChecked());
            QVERIFY(!run.window().Game().Menu().findChild<QAction*>("Game_africa")->isChecked());
            run.window().doReport_Click();
            QCOMPARE(Box(run), EngineBox(europe));
            QVERIFY(Box(run).contains("Roe doe"));

            // The What would it take window judges the same table.
            run.window().ShowNeedsWindow();
            auto* needs = run.window().findChild<NeedsWindow*>("NeedsWindow");
            QVERIFY(needs != nullptr);
            QCOMPARE(needs->Table().rowCount(), static_cast<int>(europe.animals.size()));
            Trigger(run, "Game_north-america");
            QCOMPARE(needs->Table().rowCount(), 27);
            run.Close();
            QVERIFY(run.messages.empty());
        }
        const QSettings saved(Store(), QSettings::IniFormat);
        QCOMPARE(saved.value("game/table").toString(), QString("north-america"));
        for (const QString& key : saved.allKeys())
            QVERIFY2(!key.startsWith("values/") || !key.contains("game"), qPrintable(key));
        test::Session again(Store());
        QCOMPARE(again.window().Game().Table().name, std::string("north-america"));
        again.Close();
    }

    void myGameIsEditedChosenAndKept() {
        {
            test::Session run(Store());
            CopyFormToWidgets(test::ExampleForm(), run.window());
            const game::GameTable mine{
                "My game", "", {{"Whitetail", 72.5}, {"Elk", 320}, {"Wild turkey", 8.2}}};
            int edits = 0;
            run.window().Game().SetEditor([&](const game::GameTable&) {
                ++edits;
                return edits == 1 ? std::optional<game::GameTable>() : std::optional(mine);
            });
            Trigger(run, "Game_my-game"); // cancelled: the table stays
            QCOMPARE(run.window().Game().Table().name, std::string("africa"));
            QVERIFY(run.window().Game().Menu().findChild<QAction*>("Game_africa")->isChecked());
            Trigger(run, "Game_my-game");
            QCOMPARE(run.window().Game().Table(), mine);
            QCOMPARE(run.window().Game().Shown().text(), QString("Game: My game (3 animals)"));
            run.window().doReport_Click();
            QCOMPARE(Box(run), EngineBox(mine));
            run.Close();
        }
        test::Session again(Store());
        QCOMPARE(again.window().Game().Stored().table, std::string(kMyGame));
        QCOMPARE(again.window().Game().Table().animals.size(), std::size_t{3});
        QCOMPARE(again.window().Game().Table().animals[0].massKg, 72.5);
        again.Close();
    }

    void aSetUpFileKeepsItsGameBesideItsValues() {
        test::Session run(Store());
        CopyFormToWidgets(test::ExampleForm(), run.window());
        Trigger(run, "Game_europe");
        const QString file = dir_.filePath("roe.kesta");
        QVERIFY(run.window().Setups().Session().SaveAs(file));
        const QSettings saved(file, QSettings::IniFormat);
        QCOMPARE(saved.value("game/table").toString(), QString("europe"));
        QCOMPARE(saved.value("values/mass").toString(), QString("400"));
        Trigger(run, "Game_africa");
        QVERIFY(run.window().Setups().Session().Open(file));
        QCOMPARE(run.window().Game().Table().name, std::string("europe"));
        QVERIFY(Box(run).contains("Roe doe"));
        QVERIFY(run.messages.empty()); // the [game] keys are no unknown keys

        // An own list the file holds but that cannot be read is said, with the table in use.
        QSettings edited(file, QSettings::IniFormat);
        edited.setValue("game/table", "my-game");
        edited.setValue("game/my_game", "animal,mass_kg\nElk,0\n");
        edited.sync();
        QVERIFY(run.window().Setups().Session().Open(file));
        QCOMPARE(run.window().Game().Table().name, std::string("africa"));
        QCOMPARE(int(run.messages.size()), 1);
        QCOMPARE(run.messages.back().icon, QMessageBox::Warning);
        QVERIFY2(run.messages.back().text.contains("own game list was left out: the mass 0 kg is not "
                                              "above 0 ([game] my_game, line 2); the game table "
                                              "in use is africa"),
                 qPrintable(run.messages.back().text));
        run.Close();
    }

    void theEditorTakesOnlyAListAFileCouldHold() {
        MyGameDialog dialog(game::GameTable{"My game", "", {{"Roe doe", 22}}});
        QCOMPARE(dialog.Rows().rowCount(), 1);
        QCOMPARE(dialog.Rows().item(0, 1)->text(), QString("22"));
        FillRow(dialog, 1, "Red stag", "352.5");
        FillRow(dialog, 2, "", "");       // an empty row is no animal
        dialog.Unit().setCurrentIndex(1); // lb
        const std::optional<game::GameTable> pounds = dialog.List();
        QVERIFY(pounds.has_value());
        QCOMPARE(pounds->animals.size(), std::size_t{2});
        QCOMPARE(pounds->animals[1].massKg, 352.5 * game::kKgPerPound);

        struct Bad {
            QString name, mass, problem;
        };
        for (const Bad& bad : {Bad{"Kudu:male", "300", "Row 4: the animal's name holds ':'"},
                               Bad{"Kudu, male", "300", "Row 4: the animal's name holds ','"},
                               Bad{"", "300", "Row 4: the animal's name is empty"},
                               Bad{"Kudu", "heavy",
                                   "Row 4: the mass 'heavy' is not a number (a "
                                   "mass in lb, a point before any decimals)"},
                               Bad{"Kudu", "0", "Row 4: the mass 0 lb is not above 0"}}) {
            FillRow(dialog, 3, bad.name, bad.mass);
            QVERIFY(!dialog.List().has_value());
            QCOMPARE(dialog.Problem().text(), bad.problem);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open
        }
        dialog.Rows().setCurrentCell(3, 0);
        dialog.RemoveRow();
        QVERIFY(dialog.List().has_value());
        QCOMPARE(dialog.Problem().text(), QString());
    }
};

QTEST_MAIN(GameMenuTest)
#include "GameMenuTest.moc"
