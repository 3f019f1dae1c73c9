// Writing a settings file so that a failure leaves the old one as it was.
#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace kesta {

// Full key ("values/speed") and value, in the order they are set.
using StoredValues = std::vector<std::pair<QString, QVariant>>;

// Replaces the INI file at `path` with one holding exactly `values`: a fresh QSettings writes
// them to a new file beside it (a temporary file, flushed with fdatasync, renamed into place)
// and that file is renamed over the old one. The write is judged by that QSettings' own
// status: one that has read a damaged file keeps reporting the damage after a good write, and
// keeps reporting it instead of a failed one. A link is followed, so that the link stays.
// Raises RuntimeError(PathFileAccess) when anything fails; the old file is then untouched.
void WriteStoreFile(const QString& path, const StoredValues& values);

} // namespace kesta
