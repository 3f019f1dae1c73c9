// Prints the report box: the title, an empty line and the box text line by line, in
// "Courier New", 1500 twips right of and 500 twips below the printable area's top-left corner
// (for a PDF file, whose whole page is printable, the page corner).
#pragma once

#include <QString>

#include <string>
#include <vector>

class QDateTime;
class QPrinter;

namespace kesta {

// The lines a print sends, in order: the title, the empty line, then the box text broken at
// its CR LF pairs, the final line break giving one more (empty) line.
std::vector<QString> PrintedLines(const std::string& boxText);

// Paints the lines onto `printer`, starting a new page whenever the next line would pass the
// bottom of the page, and ends the job. A printer that cannot start or fails raises
// RuntimeError(PathFileAccess).
void PaintReport(QPrinter& printer, const std::string& boxText);

// Prints on the system's default printer, without a dialog. Where the system has no printer,
// writes a PDF file into `pdfFolder` (empty: the user's documents folder, created if needed)
// and returns its path; returns an empty text when it went to a printer.
QString PrintReport(const std::string& boxText, const QString& pdfFolder = QString());

// Writes the printed page as a PDF file at `path`: the same title, font and margins as a
// print. A file that cannot be written raises RuntimeError(PathFileAccess).
void WritePdf(const std::string& boxText, const QString& path);

// A time-stamped PDF file name in `folder` that does not exist yet.
QString PdfFilePath(const QString& folder, const QDateTime& now);

} // namespace kesta
