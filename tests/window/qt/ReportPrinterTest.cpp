// Printing, read back from the PDF files it writes: the title, an empty line and the box
// lines in order, the 1500 and 500 twip offsets, the fixed-pitch face, and the paging.
#include "WindowTestSupport.h"

#include "report/Calculator.h"
#include "tools/Errors.h"
#include "window/ReportFont.h"
#include "window/ReportPrinter.h"

#include <QDateTime>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <map>

using namespace kesta;

namespace {

const QString kTitle = "KESTA Bowhunter's Calculator Report";

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF, column spacing aside.
QString PdfText(const QString& pdf) {
    return Run("pdftotext", {"-layout", pdf, "-"}).simplified();
}

struct Word {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The words of a PDF with their boxes, in points from the page's top-left corner.
std::vector<Word> Words(const QString& pdf, QSizeF* pageSize) {
    static const QRegularExpression pageRe(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression wordRe(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    std::vector<Word> words;
    int page = 0;
    for (const QString& line : Run("pdftotext", {"-bbox", pdf, "-"}).split('\n')) {
        if (auto m = pageRe.match(line); m.hasMatch()) {
            ++page;
            *pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else if (auto w = wordRe.match(line); w.hasMatch()) {
            words.push_back({page, w.captured(1).toDouble(), w.captured(2).toDouble(),
                             w.captured(3).toDouble(), w.captured(4).toDouble(), w.captured(5)});
        }
    }
    return words;
}

std::string ExampleReport() {
    const FormState form = test::ExampleForm(); // the engine keeps a reference to it
    Calculator engine(form);
    engine.WriteReport();
    return engine.BoxText();
}

QStringList Printed(const std::string& box) {
    const std::vector<QString> lines = PrintedLines(box);
    return QStringList(lines.begin(), lines.end());
}

} // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;

  private slots:

    void linesAreTitleEmptyLineAndTheBox() {
        QCOMPARE(Printed("a\r\n  b  \r\n\r\n"), QStringList({kTitle, "", "a", "  b  ", "", ""}));
        QCOMPARE(Printed(""), QStringList({kTitle, "", ""}));
    }

    void printsOnPdfPages_data() {
        QTest::addColumn<int>("reports"); // copies of the example report in the box
        QTest::addColumn<int>("minPages");
        QTest::addColumn<int>("maxPages");
        QTest::newRow("empty box") << 0 << 1 << 1;
        QTest::newRow("example") << 1 << 1 << 1; // A4 holds the report
        // The user may have pasted more into the box.
        QTest::newRow("three reports") << 3 << 3 << 99;
    }
    void printsOnPdfPages() {
        QFETCH(int, reports);
        QFETCH(int, minPages);
        QFETCH(int, maxPages);
        std::string box;
        for (int k = 0; k < reports; ++k)
            box += ExampleReport();
        const QString pdf = dir_.Path(QString(QTest::currentDataTag()) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFullPage(true);
        PaintReport(printer, box);

        QCOMPARE(PdfText(pdf), (kTitle + "\n" + QString::fromStdString(box)).simplified());
        const QString fonts = Run("pdffonts", {pdf}); // a Courier-metric fixed-pitch face
        QVERIFY2(fonts.contains("LiberationMono") || fonts.contains("Courier"), qPrintable(fonts));

        QSizeF page;
        const auto words = Words(pdf, &page);
        // The title starts 1500 twips (75 pt) from the left edge and 500 twips (25 pt) down.
        QCOMPARE(words.at(0).text, QString("KESTA"));
        QVERIFY2(qAbs(words[0].xMin - 75.0) < 0.5, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - 25.0) < 1.5, qPrintable(QString::number(words[0].yMin)));
        std::map<int, std::vector<double>> tops; // distinct line tops per page
        for (const Word& w : words) {
            QVERIFY2(w.xMax <= page.width() - 24.9 && w.yMax <= page.height() - 24.9,
                     qPrintable(w.text)); // inside the right and bottom margins
            auto& t = tops[w.page];
            if (std::none_of(t.begin(), t.end(), [&](double y) { return qAbs(y - w.yMin) < 0.5; }))
                t.push_back(w.yMin);
        }
        double step = 0; // the line pitch: the smallest gap between two line tops
        for (auto& [p, t] : tops) {
            std::sort(t.begin(), t.end());
            QVERIFY2(qAbs(t.front() - 25.0) < 1.5, qPrintable(QString("page %1").arg(p)));
            for (std::size_t k = 1; k < t.size(); ++k)
                step = step == 0 ? t[k] - t[k - 1] : std::min(step, t[k] - t[k - 1]);
        }
        // A page ends only when the next line would pass the bottom margin.
        const int lines = int(PrintedLines(box).size());
        const int perPage = step > 0 ? int((page.height() - 50.0) / step) : lines;
        const int pages = (lines + perPage - 1) / perPage;
        QVERIFY2(pages >= minPages && pages <= maxPages, qPrintable(QString::number(pages)));
        QVERIFY(Run("pdfinfo", {pdf})
                    .contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages))));
        if (reports == 0) return;

        // "Arrow" follows after one empty line: two line steps below the title.
        auto find = [&](const QString& text) {
            return std::find_if(words.begin(), words.end(),
                                [&](auto& w) { return w.text == text; });
        };
        const auto arrow = find("Arrow"), speed = find("Speed:");
        QVERIFY(arrow != words.end() && speed != words.end());
        QVERIFY(qAbs(arrow->yMin - words[0].yMin - 2 * step) < 0.1);
        // Fixed pitch: three blanks before "Speed:" are three title characters wide. The page
        // is printed in the report's own type (ReportFont: 8.25 pt, a typewriter face of 0.6
        // em a character), in which the 92-character disclaimer line fits the page.
        const double pitch = (words[0].xMax - words[0].xMin) / 5;
        QVERIFY(qAbs(speed->xMin - (75.0 + 3 * pitch)) < 0.2);
        QVERIFY2(qAbs(pitch - 0.6 * ReportFont().pointSizeF()) < 0.1,
                 qPrintable(QString::number(pitch)));
    }

    void aPrinterThatCannotStartIsAnError() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.Path("no/such/folder/x.pdf"));
        try {
            PaintReport(printer, "line\r\n");
            QFAIL("printing into a missing folder succeeded");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.kind(), ErrorKind::PathFileAccess);
        }
    }

    void pdfNamesAreTimeStampedAndNew() {
        const QDateTime at(QDate(2024, 5, 1), QTime(14, 3, 9));
        QCOMPARE(PdfFilePath(dir_.path(), at), dir_.Path("kesta-report-20240501-140309.pdf"));
        QFile(PdfFilePath(dir_.path(), at)).open(QIODevice::WriteOnly);
        QCOMPARE(PdfFilePath(dir_.path(), at), dir_.Path("kesta-report-20240501-140309-2.pdf"));
    }

    void printButtonWithoutAPrinterWritesAPdf() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this system has a printer; the button would print on it");
        test::Session run(dir_.Path("print.ini"));
        auto* box = run.control<QPlainTextEdit>("txtReport");
        const QString text = "first line\n   second line\n";
        box->setPlainText(text);
        run.window().SetPdfFolder(dir_.Path("Documents/new"));
        QTest::mouseClick(run.control<QPushButton>("doPrint"), Qt::LeftButton);
        QCOMPARE(run.messages.size(), std::size_t(1));
        QCOMPARE(run.messages[0].icon, QMessageBox::Information);
        const QString path = run.messages[0].text.section('\n', -1);
        QVERIFY2(path.startsWith(dir_.Path("Documents/new/kesta-report-")), qPrintable(path));
        QCOMPARE(PdfText(path), kTitle + " first line second line");

        // A folder that cannot be made is reported, and the box stays as it was.
        QVERIFY(QFile(dir_.Path("blocker")).open(QIODevice::WriteOnly));
        run.window().SetPdfFolder(dir_.Path("blocker/sub"));
        QTest::mouseClick(run.control<QPushButton>("doPrint"), Qt::LeftButton);
        QCOMPARE(run.messages.size(), std::size_t(2));
        QCOMPARE(run.messages[1].icon, QMessageBox::Critical);
        QVERIFY(run.messages[1].text.contains("Path/File access error"));
        QCOMPARE(box->toPlainText(), text);
    }
};

QTEST_MAIN(ReportPrinterTest)
#include "ReportPrinterTest.moc"
