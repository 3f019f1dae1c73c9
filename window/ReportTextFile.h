// The report saved as a text file: the printed title line, an empty line and the report box,
// exactly the lines a print sends, in UTF-8 with "\n" line ends.
#pragma once

#include <QByteArray>

#include <string>

namespace kesta {

// The file's bytes for a report box text (lines ended by CR LF, as the report writes them).
QByteArray ReportFileText(const std::string& boxText);

} // namespace kesta
