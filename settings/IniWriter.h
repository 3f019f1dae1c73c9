// The one writer of INI files, for the settings store and set-up files alike: QSettings
// encodes the values (so that any text comes back as QSettings reads it), and the bytes reach
// the disk whole or not at all (WriteFileAtomically).
#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace kesta {

// Full key ("values/speed") and value, in the order they are set.
using StoredValues = std::vector<std::pair<QString, QVariant>>;

// Replaces the INI file at `path` with one holding the `saved` values and, as far as they
// come back, the `kept` ones (the other keys the old file held). The bytes are checked before
// they may replace the old file: QSettings (Qt 6.4) reports a write that a full disk cut short
// as a success, so the saved values must read back from them. Raises FileError with the
// reason when anything fails; the old file is then untouched.
void WriteIniFile(const QString& path, const StoredValues& kept, const StoredValues& saved);

} // namespace kesta
