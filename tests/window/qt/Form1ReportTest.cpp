// The "Report" button: the window's box holds exactly the text the report engine writes for
// the same inputs, once per report, and a failing report keeps what the engine kept.
#include "ExampleSetup.h"
#include "WindowTestSupport.h"

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/FormBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <clocale>

using namespace kesta;

namespace {

// Types the example into the window as a user would.
void EnterExample(test::Session& run) {
    for (const auto& name : FormState::TextBoxes())
        run.control<QLineEdit>(name.c_str())->clear();
    for (const auto& [name, text] : test::ExampleTexts())
        run.control<QLineEdit>(name.c_str())->setText(QString::fromStdString(text));
    QTest::mouseClick(run.control<QRadioButton>("Safety_2"), Qt::LeftButton, {}, QPoint(6, 6));
    run.control<QComboBox>("ShaftDiameter")->setCurrentIndex(0);
}

// What the engine writes for `form` starting from an empty box, and whether it failed.
std::pair<std::string, bool> EngineReport(const FormState& form) {
    Calculator engine(form);
    try {
        engine.doReport_Click();
    } catch (const RuntimeError&) {
        return {engine.BoxText(), true};
    }
    return {engine.BoxText(), false};
}

QString Shown(test::Session& run) {
    return run.control<QPlainTextEdit>("txtReport")->toPlainText();
}

void PressReport(test::Session& run) {
    QTest::mouseClick(run.control<QPushButton>("doReport"), Qt::LeftButton);
}

} // namespace

class Form1ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // Under a comma-decimal locale, check that QApplication really took it.
        if (qEnvironmentVariable("LC_ALL").startsWith("de_DE"))
            QCOMPARE(QString::fromLatin1(localeconv()->decimal_point), QString(","));
    }

    void init() { QVERIFY(dir_.isValid()); }

    void exampleGivesTheEngineText() {
        test::Session run(dir_.filePath("example.ini"));
        EnterExample(run);
        PressReport(run);
        const auto [engineText, failed] = EngineReport(test::ExampleForm());
        QVERIFY(!failed);
        QVERIFY(run.messages.empty());
        QCOMPARE(BoxTextToCrLf(Shown(run)), engineText);
        const QStringList lines = Shown(run).split('\n');
        const QStringList opening = test::ExampleOpening();
        QCOMPARE(lines.mid(0, opening.size()), opening);
        QCOMPARE(lines.last(), QString()); // the last line ends with a line break

        // Pressing again gives the same report, never two.
        PressReport(run);
        QCOMPARE(BoxTextToCrLf(Shown(run)), engineText);
    }

    void metricGivesThreeLines() {
        test::Session run(dir_.filePath("metric.ini"));
        EnterExample(run);
        QTest::mouseClick(run.control<QRadioButton>("ChosenMetric"), Qt::LeftButton, {},
                          QPoint(6, 6));
        PressReport(run);
        const QStringList lines = Shown(run).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString("Momentum = 2.38 Newton seconds"));
        QCOMPARE(lines[1], QString("Kinetic Energy = 109 Joule"));
        QVERIFY(lines[2].startsWith("Ro = ") && lines[2].endsWith(" kg"));
    }

    void setupFailureKeepsThePreviousReport() {
        test::Session run(dir_.filePath("setup.ini"));
        EnterExample(run);
        PressReport(run);
        auto* box = run.control<QPlainTextEdit>("txtReport");
        // The user's own edit of the box counts as the previous report.
        box->appendPlainText("my note");
        const QString previous = box->toPlainText();

        run.control<QLineEdit>("InArrowLength")->setText("");
        PressReport(run);
        QCOMPARE(box->toPlainText(), previous);
        QCOMPARE(run.messages.size(), std::size_t(1));
        QCOMPARE(run.messages[0].icon, QMessageBox::Critical);
        QVERIFY2(run.messages[0].text.contains("Type mismatch"), qPrintable(run.messages[0].text));
        QVERIFY2(run.messages[0].text.contains("InArrowLength"), qPrintable(run.messages[0].text));

        // The window stays usable: mend the input and report again.
        run.control<QLineEdit>("InArrowLength")->setText("28");
        PressReport(run);
        QCOMPARE(BoxTextToCrLf(Shown(run)), EngineReport(test::ExampleForm()).first);
        QCOMPARE(run.messages.size(), std::size_t(1));
    }

    void laterFailureShowsTheLinesWrittenBeforeIt() {
        // A distance of 0 passes Setup and divides by zero in the accuracy section.
        FormState form = test::ExampleForm();
        form.SetText("Distance", "0");
        const auto [engineText, failed] = EngineReport(form);
        QVERIFY(failed);
        QVERIFY(QString::fromStdString(engineText).contains("Potential Damage Area"));

        test::Session run(dir_.filePath("later.ini"));
        EnterExample(run);
        run.control<QPlainTextEdit>("txtReport")->setPlainText("an old report\n");
        run.control<QLineEdit>("Distance")->setText("0");
        PressReport(run);
        QCOMPARE(BoxTextToCrLf(Shown(run)), engineText);
        QVERIFY(!Shown(run).contains("an old report"));
        QCOMPARE(run.messages.size(), std::size_t(1));
        QVERIFY2(run.messages[0].text.contains("Division by zero"),
                 qPrintable(run.messages[0].text));
        QVERIFY2(run.messages[0].text.contains("Where: report line"),
                 qPrintable(run.messages[0].text));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(Form1ReportTest)
#include "Form1ReportTest.moc"
