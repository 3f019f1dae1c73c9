// The "Report" button: the window's box holds exactly the text the report engine writes for
// the same inputs, once per report, and a failing report keeps what the engine kept.
#include "WindowTestSupport.h"

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/FormBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <clocale>

using namespace kesta;

namespace {

// Types the example into the window as a user would.
void EnterExample(test::Session& run) {
    for (const auto& name : FormState::TextBoxes())
        run.control<QLineEdit>(name.c_str())->clear();
    for (const auto& [name, text] : test::WorkedExampleTexts())
        run.control<QLineEdit>(name.c_str())->setText(QString::fromStdString(text));
    run.Click(test::kWorkedExampleSafety);
    run.control<QComboBox>("ShaftDiameter")->setCurrentIndex(0);
}

// What the engine writes for `form` starting from an empty box, and whether it failed.
std::pair<std::string, bool> EngineReport(const FormState& form) {
    Calculator engine(form);
    try {
        engine.WriteReport();
    } catch (const RuntimeError&) {
        return {engine.BoxText(), true};
    }
    return {engine.BoxText(), false};
}

std::string PressReport(test::Session& run) {
    QTest::mouseClick(run.control<QPushButton>("doReport"), Qt::LeftButton);
    return BoxTextToCrLf(run.control<QPlainTextEdit>("txtReport")->toPlainText());
}

} // namespace

class Form1ReportTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;

  private slots:
    void initTestCase() {
        // Under a comma-decimal locale, check that QApplication really took it.
        if (qEnvironmentVariable("LC_ALL").startsWith("de_DE"))
            QCOMPARE(QString::fromLatin1(localeconv()->decimal_point), QString(","));
    }

    void reportIsTheEngineText_data() {
        QTest::addColumn<QString>("control"); // changed from the example: an option to click,
        QTest::addColumn<QString>("text");    // or a text box and its text
        QTest::addColumn<QString>("error");   // the message of a failing report
        QTest::newRow("example") << QString() << QString() << QString();
        QTest::newRow("metric") << "ChosenMetric" << QString() << QString();
        // A distance of 0 passes Setup and divides by zero in the accuracy section.
        QTest::newRow("distance 0") << "Distance"
                                    << "0"
                                    << "Division by zero";
    }
    void reportIsTheEngineText() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, error);
        FormState form = test::ExampleForm();
        test::Session run(dir_.Path(QString(QTest::currentDataTag()) + ".ini"));
        EnterExample(run);
        run.control<QPlainTextEdit>("txtReport")->setPlainText("an old report\n");
        if (!text.isNull()) {
            run.control<QLineEdit>(qPrintable(control))->setText(text);
            form.SetText(control.toStdString(), text.toStdString());
        } else if (!control.isEmpty()) {
            run.Click(qPrintable(control));
            form.SetSelected(control.toStdString(), true);
        }
        const auto [engineText, failed] = EngineReport(form);
        QCOMPARE(failed, !error.isEmpty());
        QVERIFY(!engineText.empty()); // a failing report shows the lines written before it
        QCOMPARE(PressReport(run), engineText);
        QCOMPARE(PressReport(run), engineText); // pressing again gives the same report, never two
        QCOMPARE(run.messages.size(), std::size_t(error.isEmpty() ? 0 : 2));
        for (const auto& message : run.messages)
            QVERIFY2(message.text.contains(error) && message.text.contains("Where: report line"),
                     qPrintable(message.text));
    }

    void setupFailureKeepsThePreviousReport() {
        test::Session run(dir_.Path("setup.ini"));
        EnterExample(run);
        PressReport(run);
        // The user's own edit of the box counts as the previous report.
        auto* box = run.control<QPlainTextEdit>("txtReport");
        box->appendPlainText("my note");
        const QString previous = box->toPlainText();
        run.control<QLineEdit>("InArrowLength")->setText("");
        PressReport(run);
        QCOMPARE(box->toPlainText(), previous);
        QCOMPARE(run.messages.size(), std::size_t(1));
        QCOMPARE(run.messages[0].icon, QMessageBox::Critical);
        // The input by the name the user knows it by.
        QVERIFY2(run.messages[0].text.contains("Type mismatch") &&
                     run.messages[0].text.contains("Where: Arrow length"),
                 qPrintable(run.messages[0].text));
        // The window stays usable: mend the input and report again.
        run.control<QLineEdit>("InArrowLength")->setText("28");
        QCOMPARE(PressReport(run), EngineReport(test::ExampleForm()).first);
        QCOMPARE(run.messages.size(), std::size_t(1));
    }
};

QTEST_MAIN(Form1ReportTest)
#include "Form1ReportTest.moc"
