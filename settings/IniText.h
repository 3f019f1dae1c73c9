// The text of one value in the INI format QSettings reads, written the way QSettings itself
// writes a string, so that any text a user types comes back unchanged: quotes around values
// with ',', ';', '=' or blanks at either end, backslash escapes for quotes, backslashes and
// control characters, "@" doubled at the start, and "@String(...)" around texts with NULs.
#pragma once

#include <QByteArray>
#include <QString>

namespace kesta {

QByteArray IniValueText(const QString& value);

} // namespace kesta
