// Printing, read back from the PDF files it writes: the title, an empty line and the box
// lines in order, the 1500 and 500 twip offsets, the fixed-pitch face, and the paging.
#include "ExampleSetup.h"
#include "WindowTestSupport.h"

#include "report/Calculator.h"
#include "tools/Errors.h"
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

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Normalised(const QString& text) {
    return text.simplified();
}

struct Word {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The words of a PDF with their boxes, in points from the page's top-left corner.
std::vector<Word> Words(const QString& pdf, double* pageWidth, double* pageHeight) {
    const QString html = Run("pdftotext", {"-bbox", pdf, "-"});
    std::vector<Word> words;
    int page = 0;
    static const QRegularExpression pageRe(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression wordRe(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QString& line : html.split('\n')) {
        if (auto m = pageRe.match(line); m.hasMatch()) {
            ++page;
            *pageWidth = m.captured(1).toDouble();
            *pageHeight = m.captured(2).toDouble();
        } else if (auto w = wordRe.match(line); w.hasMatch()) {
            words.push_back({page, w.captured(1).toDouble(), w.captured(2).toDouble(),
                             w.captured(3).toDouble(), w.captured(4).toDouble(), w.captured(5)});
        }
    }
    return words;
}

// Checks the pages of a printed PDF of `lineCount` lines: each page starts at the top offset,
// no line passes the bottom margin, and a page ends only when the next line would not fit.
// Returns the page count.
int CheckPaging(const QString& pdf, int lineCount) {
    double pageWidth = 0, pageHeight = 0;
    const auto words = Words(pdf, &pageWidth, &pageHeight);
    std::map<int, std::vector<double>> rows; // distinct line tops per page, top first
    for (const Word& w : words) {
        auto& tops = rows[w.page];
        if (std::none_of(tops.begin(), tops.end(),
                         [&](double y) { return qAbs(y - w.yMin) < 0.5; }))
            tops.push_back(w.yMin);
        if (w.yMax > pageHeight - 25.0 + 0.1) return -1;
    }
    for (auto& [page, tops] : rows)
        std::sort(tops.begin(), tops.end());
    if (rows.empty() || rows.begin()->second.size() < 2) return -1;
    double step = pageHeight; // the line pitch: the smallest gap between two line tops
    for (const auto& [page, tops] : rows)
        for (std::size_t k = 1; k < tops.size(); ++k)
            step = std::min(step, tops[k] - tops[k - 1]);
    const int perPage = int((pageHeight - 25.0 - 25.0) / step);
    const int pages = (lineCount + perPage - 1) / perPage;
    const QString info = Run("pdfinfo", {pdf});
    if (!info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages)))) return -1;
    for (const auto& [page, tops] : rows)
        if (qAbs(tops.front() - 25.0) > 1.5) return -1;
    return pages;
}

std::string ExampleReport() {
    const FormState form = test::ExampleForm();
    Calculator engine(form);
    engine.doReport_Click();
    return engine.BoxText();
}

void PrintToPdf(const QString& path, const std::string& box) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setFullPage(true);
    PaintReport(printer, box);
}

} // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void linesAreTitleEmptyLineAndTheBox() {
        const auto lines = PrintedLines("a\r\n  b  \r\n\r\n");
        QCOMPARE(lines.size(), std::size_t(6));
        QCOMPARE(lines[0], QString("KESTA Bowhunter's Calculator Report"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QString("a"));
        QCOMPARE(lines[3], QString("  b  "));
        QCOMPARE(lines[4], QString());
        QCOMPARE(lines[5], QString());
        // An empty box prints the title, an empty line and one more empty line.
        QCOMPARE(PrintedLines("").size(), std::size_t(3));
    }

    void fullReportOnPdfPages() {
        const std::string box = ExampleReport();
        const QString pdf = dir_.filePath("full.pdf");
        PrintToPdf(pdf, box);

        // Every line in order, column spacing aside.
        QString expected = "KESTA Bowhunter's Calculator Report\n";
        for (const QString& line : QString::fromStdString(box).split("\r\n"))
            expected += line + "\n";
        QCOMPARE(Normalised(Run("pdftotext", {"-layout", pdf, "-"})), Normalised(expected));

        // A Courier-metric fixed-pitch face is embedded.
        const QString fonts = Run("pdffonts", {pdf});
        QVERIFY2(fonts.contains("LiberationMono") || fonts.contains("Courier"), qPrintable(fonts));

        double pageWidth = 0, pageHeight = 0;
        const auto words = Words(pdf, &pageWidth, &pageHeight);
        QVERIFY(!words.empty());
        // The title starts 1500 twips (75 pt) from the left edge and 500 twips (25 pt) down.
        QCOMPARE(words[0].text, QString("KESTA"));
        QVERIFY2(qAbs(words[0].xMin - 75.0) < 0.5, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - 25.0) < 1.5, qPrintable(QString::number(words[0].yMin)));
        // "Arrow" follows after one empty line: two line steps below the title.
        const auto arrow = std::find_if(words.begin(), words.end(),
                                        [](const Word& w) { return w.text == "Arrow"; });
        const auto speed = std::find_if(words.begin(), words.end(),
                                        [](const Word& w) { return w.text == "Speed:"; });
        QVERIFY(arrow != words.end() && speed != words.end());
        const double step = speed->yMin - arrow->yMin;
        QVERIFY(qAbs((arrow->yMin - words[0].yMin) - 2 * step) < 0.1);
        // Fixed pitch: three blanks before "Speed:" are three title characters wide.
        const double pitch = (words[0].xMax - words[0].xMin) / 5;
        QVERIFY(qAbs(speed->xMin - (75.0 + 3 * pitch)) < 0.2);
        // The 92-character disclaimer line fits the page: the type is a little under 10 pt
        // (6 pt a character), and no word passes the right margin.
        QVERIFY2(pitch < 6.0 && pitch > 5.0, qPrintable(QString::number(pitch)));
        for (const Word& w : words)
            QVERIFY2(w.xMax <= pageWidth - 25.0 + 0.1, qPrintable(w.text));

        QCOMPARE(CheckPaging(pdf, int(PrintedLines(box).size())), 1); // A4 holds the report
    }

    void longBoxContinuesOnNewPages() {
        // The user may have pasted more into the box; three reports need more than one page.
        const std::string one = ExampleReport();
        const std::string box = one + one + one;
        const QString pdf = dir_.filePath("long.pdf");
        PrintToPdf(pdf, box);
        QVERIFY(CheckPaging(pdf, int(PrintedLines(box).size())) >= 3);
        QString expected = "KESTA Bowhunter's Calculator Report\n";
        for (const QString& line : QString::fromStdString(box).split("\r\n"))
            expected += line + "\n";
        QCOMPARE(Normalised(Run("pdftotext", {"-layout", pdf, "-"})), Normalised(expected));
    }

    void emptyBoxPrintsTheTitle() {
        const QString pdf = dir_.filePath("empty.pdf");
        PrintToPdf(pdf, "");
        QCOMPARE(Normalised(Run("pdftotext", {"-layout", pdf, "-"})),
                 QString("KESTA Bowhunter's Calculator Report"));
    }

    void aPrinterThatCannotStartIsAnError() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath("no/such/folder/x.pdf"));
        try {
            PaintReport(printer, "line\r\n");
            QFAIL("printing into a missing folder succeeded");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.kind(), ErrorKind::PathFileAccess);
        }
    }

    void pdfNamesAreTimeStampedAndNew() {
        const QDateTime at(QDate(2024, 5, 1), QTime(14, 3, 9));
        const QString first = PdfFilePath(dir_.path(), at);
        QCOMPARE(first, dir_.filePath("kesta-report-20240501-140309.pdf"));
        QFile(first).open(QIODevice::WriteOnly);
        QCOMPARE(PdfFilePath(dir_.path(), at), dir_.filePath("kesta-report-20240501-140309-2.pdf"));
    }

    void printButtonWithoutAPrinterWritesAPdf() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this system has a printer; the button would print on it");
        test::Session run(dir_.filePath("print.ini"));
        auto* box = run.control<QPlainTextEdit>("txtReport");
        box->setPlainText("first line\n   second line\n");
        run.window().SetPdfFolder(dir_.filePath("Documents/new"));
        QTest::mouseClick(run.control<QPushButton>("doPrint"), Qt::LeftButton);
        QCOMPARE(run.messages.size(), std::size_t(1));
        QCOMPARE(run.messages[0].icon, QMessageBox::Information);
        const QString path = run.messages[0].text.section('\n', -1);
        QVERIFY2(path.startsWith(dir_.filePath("Documents/new/kesta-report-")), qPrintable(path));
        QVERIFY(QFile::exists(path));
        QCOMPARE(Normalised(Run("pdftotext", {"-layout", path, "-"})),
                 QString("KESTA Bowhunter's Calculator Report first line second line"));
        QCOMPARE(box->toPlainText(), QString("first line\n   second line\n"));

        // A folder that cannot be made is reported, and the box stays as it was.
        QFile blocker(dir_.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        run.window().SetPdfFolder(dir_.filePath("blocker/sub"));
        QTest::mouseClick(run.control<QPushButton>("doPrint"), Qt::LeftButton);
        QCOMPARE(run.messages.size(), std::size_t(2));
        QCOMPARE(run.messages[1].icon, QMessageBox::Critical);
        QVERIFY(run.messages[1].text.contains("Path/File access error"));
        QCOMPARE(box->toPlainText(), QString("first line\n   second line\n"));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_MAIN(ReportPrinterTest)
#include "ReportPrinterTest.moc"
