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
        const QString path = dir_.Path(name);
        try {
            WriteSetupFile(path, form);
        } catch (const RuntimeError&) {
            return QString();
        }
        return path;
    }

  private slots:
    void init() {
        run_ = std::make_unique<test::Session>(dir_.Path("store.ini"));
        run_->window().Setups().SetFileChooser(
            [this](FileChoice, const QString&) { return answer_; });
        CopyFormToWidgets(test::ExampleForm(), run_->window());
    }
    void cleanup() { run_.reset(); }

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
        QCOMPARE(table->rowCount(), static_cast<int>(expected.figures.size()));
        for (int row = 0; row < table->rowCount(); ++row) {
            const FigureRow& figure = expected.figures[row];
            QCOMPARE(table->item(row, 0)->text(), QString::fromStdString(FigureLabel(figure.figure)));
            QCOMPARE(table->item(row, 1)->text(), QString::fromStdString(ShownText(figure.a)));
            QCOMPARE(table->item(row, 2)->text(), QString::fromStdString(ShownText(figure.b)));
            QCOMPARE(table->item(row, 3)->text(),
                     QString::fromStdString(DifferenceText(figure.difference)));
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
        QCOMPARE(window.Shown().figures.front().a->value, 99.9);
    }
};

QTEST_MAIN(CompareWindowTest)
#include "CompareWindowTest.moc"
