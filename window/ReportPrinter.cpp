#include "window/ReportPrinter.h"

#include "tools/Errors.h"
#include "window/ReportFont.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>

namespace kesta {

namespace {

constexpr double kLeftTwips = 1500;
constexpr double kTopTwips = 500;
constexpr double kTwipsPerInch = 1440;
constexpr double kSmallestPointSize = 6;

} // namespace

std::vector<QString> PrintedLines(const std::string& boxText) {
    std::vector<QString> lines = {QStringLiteral("KESTA Bowhunter's Calculator Report"), QString()};
    // The box text followed by one more line break: "a\r\nb\r\n" prints "a", "b" and an empty
    // line; an empty box prints one empty line.
    const QStringList parts = QString::fromStdString(boxText).split(QStringLiteral("\r\n"));
    for (const QString& part : parts)
        lines.push_back(part);
    return lines;
}

void PaintReport(QPrinter& printer, const std::string& boxText) {
    QPainter painter;
    if (!painter.begin(&printer)) throw RuntimeError(ErrorKind::PathFileAccess);

    // The painter's origin is the printable area's corner (the page corner with full-page
    // printing); output starts 1500 twips right and 500 twips down from it. A full page has no
    // unprintable edge of its own, so the same margin is kept at its right and bottom.
    const double dpi = printer.resolution();
    const double left = kLeftTwips * dpi / kTwipsPerInch;
    const double top = kTopTwips * dpi / kTwipsPerInch;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const double right = printer.fullPage() ? area.width() - top : area.width();
    const double bottom = printer.fullPage() ? area.height() - top : area.height();

    const std::vector<QString> lines = PrintedLines(boxText);
    QFont font = ReportFont();
    const double pointSize = font.pointSizeF();
    // A line that runs off the paper loses its end (the disclaimer is 92 characters wide): the
    // type shrinks until the widest line fits, but not below a size that stays readable.
    double widest = 0;
    const QFontMetricsF full(font, &printer);
    for (const QString& line : lines)
        widest = std::max(widest, full.horizontalAdvance(line));
    if (widest > right - left)
        font.setPointSizeF(std::max(kSmallestPointSize, pointSize * (right - left) / widest));
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &printer);
    const double lineHeight = metrics.lineSpacing();

    double y = top;
    for (const QString& line : lines) {
        if (y + lineHeight > bottom && y > top) {
            if (!printer.newPage()) throw RuntimeError(ErrorKind::PathFileAccess);
            y = top;
        }
        if (!line.isEmpty()) painter.drawText(QPointF(left, y + metrics.ascent()), line);
        y += lineHeight;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw RuntimeError(ErrorKind::PathFileAccess);
}

QString PdfFilePath(const QString& folder, const QDateTime& now) {
    const QString stem =
        QDir(folder).filePath(QStringLiteral("kesta-report-") + now.toString("yyyyMMdd-HHmmss"));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("-%1.pdf").arg(n);
    return path;
}

QString PrintReport(const std::string& boxText, const QString& pdfFolder) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (!target.isNull()) {
        QPrinter printer(target, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("KESTA Bowhunter's Calculator Report"));
        // The printable area is the page less the printer's own unprintable margins.
        printer.setFullPage(false);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        PaintReport(printer, boxText);
        return QString();
    }

    QString folder = pdfFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) throw RuntimeError(ErrorKind::PathFileAccess);
    const QString path = PdfFilePath(folder, QDateTime::currentDateTime());
    WritePdf(boxText, path);
    return path;
}

void WritePdf(const std::string& boxText, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QStringLiteral("KESTA Bowhunter's Calculator Report"));
    printer.setFullPage(true);
    PaintReport(printer, boxText);
}

} // namespace kesta
