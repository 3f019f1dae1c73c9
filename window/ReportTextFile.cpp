#include "window/ReportTextFile.h"

#include "window/ReportPrinter.h"

namespace kesta {

QByteArray ReportFileText(const std::string& boxText) {
    QString text;
    for (const QString& line : PrintedLines(boxText))
        text += line + QLatin1Char('\n');
    // A box that ends with a line break prints one more, empty, line; the file ends with the
    // line break instead. A box the user left without one still gets one.
    if (text.endsWith(QStringLiteral("\n\n"))) text.chop(1);
    return text.toUtf8();
}

} // namespace kesta
