// The "What would it take?" window on the worked example: Ctrl+T opens it, its table holds the
// engine's answers, its chart the selected animal's curves, and inputs that cannot be read
// give the report's own error dialog.
#include "WindowTestSupport.h"

#include "ballistics/GameTable.h"
#include "tools/NumberText.h"
#include "whatif/Needs.h"
#include "window/FormBinding.h"
#include "window/NeedsWindow.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>

using namespace kesta;

namespace {

// The table's row that shows the animal at this game-table position.
int RowOf(QTableWidget& table, std::size_t position) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == QString::number(position)) return row;
    return -1;
}

QString Cell(QTableWidget& table, int row, int column) {
    return table.item(row, column)->text();
}

QString Figure(double x, int decimals) {
    return QString::fromStdString(Rounded(x, decimals));
}

} // namespace

class NeedsWindowTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    std::unique_ptr<test::Session> run_;

    NeedsWindow* Open() {
        QTest::keyClick(&run_->window(), Qt::Key_T, Qt::ControlModifier);
        return run_->window().findChild<NeedsWindow*>("NeedsWindow");
    }

  private slots:
    void init() {
        run_ = std::make_unique<test::Session>(dir_.Path("needs.ini"));
        CopyFormToWidgets(test::ExampleForm(), run_->window());
        run_->window().show();
        run_->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&run_->window()));
    }
    void cleanup() { run_.reset(); }

    void ctrlTOpensItFromTheToolsMenu() {
        QAction* action = nullptr;
        for (QAction* a : run_->window().ToolsMenu().actions())
            if (a->shortcut() == QKeySequence("Ctrl+T")) action = a;
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QString("What would it &take?"));
        NeedsWindow* needs = Open();
        QVERIFY(needs != nullptr);
        QVERIFY(needs->isVisible());
        QVERIFY(needs->isWindow());
        QVERIFY(!needs->isModal());
        // Opening it again brings the same window back.
        QCOMPARE(Open(), needs);
    }

    void theTableHoldsTheEnginesAnswers() {
        const FormState form = test::ExampleForm();
        whatif::NeedsCalculator engine(form);
        const whatif::NeedsTable expected = engine.Table();
        QTableWidget& table = Open()->Table();
        QCOMPARE(table.rowCount(), 48);
        QCOMPARE(table.horizontalHeaderItem(4)->text(), QString("Verdict now"));
        // Each cell leads with the engine's answer, or says there is none.
        auto leads = [](const QString& cell, const std::optional<int>& answer, const char* unit) {
            return answer ? cell.startsWith(QString("%1 %2").arg(*answer).arg(unit))
                          : cell == "none";
        };
        std::map<game::Verdict, QColor> colours;
        for (const whatif::NeedsRow& row : expected.rows) {
            const int at = RowOf(table, row.position);
            QVERIFY(at >= 0);
            QCOMPARE(Cell(table, at, 1), QString::fromStdString(row.animal));
            QCOMPARE(Cell(table, at, 4), QString(game::VerdictName(row.verdict)));
            colours[row.verdict] = table.item(at, 4)->background().color();
            QVERIFY2(leads(Cell(table, at, 5), row.leastGrains, "gr"), row.animal.c_str());
            QVERIFY2(leads(Cell(table, at, 6), row.leastFps, "fps"), row.animal.c_str());
            QVERIFY2(leads(Cell(table, at, 7), row.sameEnergyGrains, "gr at"), row.animal.c_str());
        }
        // One row in full: the metric figures with one decimal, the same bow's speed whole.
        const int wildebeest = RowOf(table, 0);
        QCOMPARE(Cell(table, wildebeest, 2), QString("120"));
        QCOMPARE(Cell(table, wildebeest, 3), QString("2"));
        QCOMPARE(Cell(table, wildebeest, 5), QString("535 gr (34.8 g)"));
        QCOMPARE(Cell(table, wildebeest, 6), QString("503 fps (153.3 m/s)"));
        QCOMPARE(Cell(table, wildebeest, 7), QString("630 gr at 239 fps"));
        QCOMPARE(Cell(table, RowOf(table, 8), 5), QString("431 gr (28.0 g)")); // cheetah
        // The worked example has all three verdicts, each in a colour of its own.
        QCOMPARE(colours.size(), std::size_t(3));
        QVERIFY(colours[game::Verdict::Sufficient] != colours[game::Verdict::Marginal]);
        QVERIFY(colours[game::Verdict::Marginal] != colours[game::Verdict::NotRecommended]);
        QVERIFY(colours[game::Verdict::Sufficient].green() >
                colours[game::Verdict::Sufficient].red());
        QVERIFY(colours[game::Verdict::NotRecommended].red() >
                colours[game::Verdict::NotRecommended].green());
    }

    void sortingByAFigurePutsNoneLast() {
        QTableWidget& table = Open()->Table();
        table.sortByColumn(6, Qt::AscendingOrder);   // least fps
        QCOMPARE(Cell(table, 0, 1), QString("fox")); // 99 fps
        QCOMPARE(Cell(table, 47, 6), QString("none"));
        table.sortByColumn(5, Qt::DescendingOrder);       // least grains, the heaviest first
        QCOMPARE(Cell(table, 0, 1), QString("Elephant")); // 1527 grains
        QCOMPARE(Cell(table, 1, 1), QString("Rhino"));
    }

    void theChartShowsTheSelectedAnimal() {
        NeedsWindow* needs = Open();
        QTableWidget& table = needs->Table();
        table.selectRow(RowOf(table, 13)); // Elephant
        QChart* chart = needs->ChartView().chart();
        QVERIFY(chart->title().startsWith("Elephant"));
        QCOMPARE(chart->series().size(), 5);
        QVERIFY(chart->legend()->isVisible());

        const FormState form = test::ExampleForm();
        whatif::NeedsCalculator engine(form);
        const whatif::NeedsChart expected = engine.Chart(13);
        auto* atSpeed = qobject_cast<QLineSeries*>(chart->series().at(0));
        auto* sameBow = qobject_cast<QLineSeries*>(chart->series().at(1));
        QCOMPARE(atSpeed->name(), QString("At 300 fps"));
        QCOMPARE(atSpeed->count(), int(expected.points.size()));
        QCOMPARE(sameBow->count(), int(expected.points.size()));
        for (int i = 0; i < atSpeed->count(); ++i) {
            QCOMPARE(atSpeed->at(i),
                     QPointF(expected.points[i].grains, *expected.points[i].atSetUpSpeed));
            QCOMPARE(sameBow->at(i),
                     QPointF(expected.points[i].grains, *expected.points[i].withSameBow));
        }
        QCOMPARE(chart->series().at(2)->name(),
                 QString("Chest depth %1 in").arg(Figure(expected.chestDepth, 1)));
        QCOMPARE(chart->series().at(3)->name(), QString("Least arrow mass 1000 gr"));
        auto* setUp = qobject_cast<QScatterSeries*>(chart->series().at(4));
        QVERIFY(setUp != nullptr);
        QCOMPARE(setUp->count(), 1);
        QCOMPARE(setUp->at(0), QPointF(400, *expected.setUpDepth));

        const auto axes = chart->axes();
        QStringList titles;
        for (QAbstractAxis* axis : axes)
            titles << axis->titleText();
        QVERIFY(titles.contains("Arrow mass (grains)"));
        QVERIFY(titles.contains("Penetration, both ribs broken (inches)"));

        // Another animal redraws the chart.
        table.selectRow(RowOf(table, 15));
        QVERIFY(needs->ChartView().chart()->title().startsWith("fox"));
    }

    void recalculateReadsTheFormAgain() {
        NeedsWindow* needs = Open();
        QTableWidget& table = needs->Table();
        const int wildebeest = RowOf(table, 0);
        QCOMPARE(Cell(table, wildebeest, 4), QString("marginal"));
        run_->control<QLineEdit>("InArrowMass")->setText("600");
        QTest::mouseClick(needs->findChild<QPushButton*>("NeedsRecalculate"), Qt::LeftButton);
        QCOMPARE(Cell(table, RowOf(table, 0), 4), QString("sufficient"));
        QVERIFY(needs->findChild<QLabel*>("NeedsSetUp")->text().contains("600 grains at 300 fps"));
    }

    void unreadableInputsGiveTheReportsDialogAndLeaveTheReportBox() {
        NeedsWindow* needs = Open();
        const QString before = needs->Table().item(0, 1)->text();
        run_->control<QLineEdit>("InArrowLength")->setText("");
        QTest::mouseClick(needs->findChild<QPushButton*>("NeedsRecalculate"), Qt::LeftButton);
        QCOMPARE(run_->messages.size(), std::size_t(1));
        QCOMPARE(run_->messages[0].icon, QMessageBox::Critical);
        QCOMPARE(run_->messages[0].text,
                 QString("The report stopped: Type mismatch.\nWhere: Arrow length"));
        // The report shows the same dialog for the same inputs.
        QTest::mouseClick(run_->control<QPushButton>("doReport"), Qt::LeftButton);
        QCOMPARE(run_->messages.size(), std::size_t(2));
        QCOMPARE(run_->messages[1].text, run_->messages[0].text);
        QCOMPARE(run_->control<QPlainTextEdit>("txtReport")->toPlainText(), QString());
        QCOMPARE(needs->Table().item(0, 1)->text(), before);
    }

    void followsTheInputsOrSaysTheyAreOlder() {
        NeedsWindow* needs = Open();
        auto* setUp = needs->findChild<QLabel*>("NeedsSetUp");
        QVERIFY(setUp->text().contains("400 grains at 300 fps"));
        QVERIFY(needs->StaleNote().isHidden());
        run_->control<QLineEdit>("InArrowMass")->setText("600");
        QTRY_VERIFY_WITH_TIMEOUT(setUp->text().contains("600 grains at 300 fps"), 3000);
        // Inputs that cannot be worked out: the older figures stay, plainly marked, and no
        // dialog interrupts the typing.
        const QString before = needs->Table().item(0, 5)->text();
        run_->control<QLineEdit>("InArrowLength")->setText("");
        QTRY_VERIFY_WITH_TIMEOUT(!needs->StaleNote().isHidden(), 3000);
        QCOMPARE(needs->StaleNote().text(),
                 QString("These figures are for earlier inputs: the inputs now in the calculator "
                         "stop at Type mismatch (Arrow length)."));
        QVERIFY(run_->messages.empty());
        QCOMPARE(needs->Table().item(0, 5)->text(), before);
        run_->control<QLineEdit>("InArrowLength")->setText("28");
        QTRY_VERIFY_WITH_TIMEOUT(needs->StaleNote().isHidden(), 3000);
    }

    void escCtrlWAndCloseCloseIt() {
        for (int way = 0; way < 3; ++way) {
            NeedsWindow* needs = Open();
            // As a click into it would: the window the keys go to.
            QApplication::setActiveWindow(needs);
            QTRY_COMPARE(QApplication::activeWindow(), needs);
            if (way == 0) QTest::keyClick(needs, Qt::Key_Escape);
            if (way == 1) QTest::keyClick(needs, Qt::Key_W, Qt::ControlModifier);
            if (way == 2)
                QTest::mouseClick(needs->findChild<QPushButton*>("NeedsClose"), Qt::LeftButton);
            QVERIFY2(!needs->isVisible(), qPrintable(QString::number(way)));
            QVERIFY(run_->window().isVisible());
        }
    }
};

QTEST_MAIN(NeedsWindowTest)
#include "NeedsWindowTest.moc"
