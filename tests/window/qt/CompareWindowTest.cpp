// Tools > Compare set-ups: the window's summary and side-by-side reports show the comparison
// of the chosen set-ups, lines aligned and differing lines marked.
#include "WindowTestSupport.h"

#include "compare/CompareFormats.h"
#include "compare/SideBySide.h"
#include "settings/SetupFile.h"
#include "window/CompareWindow.h"
#include "window/FormBinding.h"
#include "window/SetupMenus.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace kesta;

namespace {

int MarkedLines(QPlainTextEdit& pane) {
    return static_cast<int>(pane.extraSelections().size());
}

} // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    std::unique_ptr<test::Session> run_;
    QString answer_;

    CompareWindow& OpenCompare() {
        run_->window().findChild<QAction*>("actionCompareSetups")->trigger();
        CompareWindow* window = run_->window().Setups().Comparison();
        Q_ASSERT(window != nullptr);
        return *window;
    }

    QString Write(const QString& name, const FormState& form) {
        return test::WriteSetup(dir_.Path(name), form);
    }

  private slots:
    void init() {
        run_ = std::make_unique<test::Session>(dir_.Path("store.ini"));
        run_->window().Setups().SetFileChooser(
            [this](FileChoice, const QString&) { return answer_; });
        CopyFormToWidgets(test::ExampleForm(), run_->window());
    }
    void cleanup() { run_.reset(); }

    static double KineticEnergyA(const CompareWindow& window) {
        for (const FigureRow& row : window.Shown().figures)
            if (row.figure == FigureId::KineticEnergy) return row.a ? row.a->value : -1;
        return -1;
    }

    void inputsAgainstAFileSideBySide() {
        const FormState heavy = ExampleForm(*FindExample("heavy-buffalo"));
        answer_ = Write("heavy.kesta", heavy);
        CompareWindow& window = OpenCompare();
        QVERIFY(window.isVisible());
        QCOMPARE(window.SideName(0), QString("Current inputs"));
        QCOMPARE(window.SideName(1), QString("heavy.kesta"));

        // The summary is the comparison of the inputs with the file.
        const Comparison expected = Compare(test::ExampleForm(), heavy);
        auto* table = window.findChild<QTableWidget*>("CompareSummary");
        // The inputs that differ head the table, then every figure with the better side.
        const int inputs = static_cast<int>(expected.inputs.size());
        QVERIFY(inputs > 0);
        QCOMPARE(table->rowCount(), inputs + static_cast<int>(expected.figures.size()));
        QCOMPARE(table->item(0, 0)->text(),
                 "Input: " + QString::fromStdString(expected.inputs[0].input));
        QCOMPARE(table->item(0, 2)->text(), QString::fromStdString(expected.inputs[0].b));
        for (int row = inputs; row < table->rowCount(); ++row) {
            const FigureRow& figure = expected.figures[row - inputs];
            QCOMPARE(table->item(row, 0)->text(), QString::fromStdString(FigureLabel(figure.figure)));
            QCOMPARE(table->item(row, 1)->text(),
                     QString::fromStdString(ShownText(figure.figure, figure.a)));
            QCOMPARE(table->item(row, 2)->text(),
                     QString::fromStdString(ShownText(figure.figure, figure.b)));
            QCOMPARE(table->item(row, 3)->text(),
                     QString::fromStdString(DifferenceText(figure.difference)));
            QCOMPARE(table->item(row, 4)->text(), QString::fromStdString(BetterText(figure.better)));
        }
        auto* verdicts = window.findChild<QListWidget*>("CompareVerdicts");
        QCOMPARE(verdicts->count(), static_cast<int>(expected.verdictChanges.size()));
        QCOMPARE(verdicts->item(0)->text(),
                 QString::fromStdString(VerdictChangeText(expected.verdictChanges.front())));

        // The reports line for line: as many lines each, marks on the rows that differ.
        auto* a = window.findChild<QPlainTextEdit*>("CompareReportA");
        auto* b = window.findChild<QPlainTextEdit*>("CompareReportB");
        const auto rows = AlignLines(SplitLines(expected.a.text), SplitLines(expected.b.text));
        QCOMPARE(a->blockCount(), static_cast<int>(rows.size()));
        QCOMPARE(b->blockCount(), static_cast<int>(rows.size()));
        const int differing = static_cast<int>(
            std::count_if(rows.begin(), rows.end(), [](const AlignedRow& r) { return r.differs; }));
        QVERIFY(differing > 0);
        QCOMPARE(MarkedLines(*a), differing);
        QCOMPARE(MarkedLines(*b), differing);
        QVERIFY(a->toPlainText().startsWith("Arrow\n   Speed:  300 fps\n"));
        QVERIFY(b->toPlainText().startsWith("Arrow\n   Speed:  240 fps\n"));
    }

    void sidesChangeAndAStoppedReportShowsItsError() {
        answer_.clear(); // no file picked: the first example stands against the inputs
        CompareWindow& window = OpenCompare();
        QCOMPARE(window.SideName(1), QString("worked-example (example)"));
        for (const FigureRow& row : window.Shown().figures) // the inputs are that example
            QCOMPARE(*row.difference, 0.0);

        FormState noHead = test::ExampleForm();
        noHead.SetText("BroadheadWeight", "0");
        QVERIFY(window.SetFile(1, Write("nohead.kesta", noHead)));
        auto* header = window.findChild<QLabel*>("CompareHeaderB");
        QVERIFY2(header->text().contains(
                     "Set-up B stopped: Division by zero (report line 17, Dynamic Spine)"),
                 qPrintable(header->text()));
        QVERIFY(!window.findChild<QLabel*>("CompareHeaderA")->text().contains("stopped"));
        auto* b = window.findChild<QPlainTextEdit*>("CompareReportB");
        QVERIFY(b->toPlainText().contains("   Fc% : 73%\n"));
        QVERIFY(!b->toPlainText().contains("FOC"));
        auto* verdicts = window.findChild<QListWidget*>("CompareVerdicts");
        QCOMPARE(verdicts->item(verdicts->count() - 1)->text(),
                 QString("Verdicts not compared: report B does not list the game."));

        // Side A from the list: an example; the current inputs are read anew on "again".
        auto* sourceA = window.findChild<QComboBox*>("CompareSourceA");
        const int deer = sourceA->findText("Example: light-deer");
        QVERIFY(deer > 0);
        sourceA->setCurrentIndex(deer);
        emit sourceA->activated(deer);
        QCOMPARE(window.SideName(0), QString("light-deer (example)"));
        QVERIFY(window.Shown().a.text.find("   Speed:  295 fps") != std::string::npos);
        // The file stays on offer on both sides.
        QVERIFY(sourceA->findText("nohead.kesta") > 0);

        // A file that is no set-up is reported and leaves the side as it was.
        const QString notes = dir_.Path("notes.kesta");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("speed=1\n");
        file.close();
        QVERIFY(!window.SetFile(0, notes));
        QCOMPARE(window.SideName(0), QString("light-deer (example)"));
        QVERIFY(run_->messages.back().text.contains("no [values] group"));
    }

    void currentInputsAreReadAgain() {
        answer_.clear();
        CompareWindow& window = OpenCompare();
        run_->control<QLineEdit>("InArrowMass")->setText("500");
        OpenCompare(); // the menu again: the same window, compared anew
        QCOMPARE(run_->window().findChildren<CompareWindow*>().size(), 1);
        QCOMPARE(KineticEnergyA(window), 99.9);
    }

    void followsTheInputsAsTheyChange() {
        answer_.clear();
        CompareWindow& window = OpenCompare();
        QCOMPARE(KineticEnergyA(window), 80.0);
        // Typed, not opened again: the comparison follows once typing pauses.
        QTest::keyClick(run_->control<QLineEdit>("InArrowMass"), Qt::Key_End);
        QTest::keyClicks(run_->control<QLineEdit>("InArrowMass"), "0");
        QCOMPARE(KineticEnergyA(window), 80.0); // not on every key
        QTRY_COMPARE_WITH_TIMEOUT(KineticEnergyA(window), 799.6, 3000);
    }

    void keepAsBComparesAgainstASnapshot() {
        answer_.clear();
        CompareWindow& window = OpenCompare();
        QTest::mouseClick(window.findChild<QPushButton*>("CompareKeep"), Qt::LeftButton);
        QVERIFY(window.SideName(1).startsWith("Kept at "));
        QVERIFY(window.Shown().inputs.empty());
        // A change in the window moves A only; B keeps what was kept.
        run_->control<QLineEdit>("InArrowMass")->setText("500");
        window.Refresh();
        QCOMPARE(window.Shown().inputs.size(), std::size_t(1));
        QCOMPARE(window.Shown().inputs[0].a, std::string("500 grains"));
        QCOMPARE(window.Shown().inputs[0].b, std::string("400 grains"));
        // The kept set-up stays on offer in both lists.
        auto* sourceA = window.findChild<QComboBox*>("CompareSourceA");
        QVERIFY(sourceA->findText(window.SideName(1)) > 0);
    }

    void escCtrlWAndCloseCloseIt() {
        answer_.clear();
        run_->window().show(); // only the compare window closes
        for (int way = 0; way < 3; ++way) {
            CompareWindow& window = OpenCompare();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (way == 0) QTest::keyClick(&window, Qt::Key_Escape);
            if (way == 1) QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
            if (way == 2)
                QTest::mouseClick(window.findChild<QPushButton*>("CompareClose"), Qt::LeftButton);
            QVERIFY2(!window.isVisible(), qPrintable(QString::number(way)));
            QVERIFY(run_->window().isVisible());
        }
    }
};

QTEST_MAIN(CompareWindowTest)
#include "CompareWindowTest.moc"
