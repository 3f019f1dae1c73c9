// Writing a settings file so that a failure leaves the old one as it was.
#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace kesta {

// Full key ("values/speed") and value, in the order they are set.
using StoredValues = std::vector<std::pair<QString, QVariant>>;

// Replaces the INI file at `path` with one holding the `saved` values and, as far as they
// come back, the `kept` ones (the other keys the old file held): a fresh QSettings writes them
// to a new file beside it (a temporary file, flushed with fdatasync, renamed into place), which
// is read back and then renamed over the old one. The write is judged by its own outcome, that
// QSettings' status and the saved values read back, never by what a read before found: a QSettings
// that has read a damaged file keeps reporting the damage after a good write, and instead of a
// failed one. A link is followed, so that the link stays. A file nobody may write (chmod a-w) is
// the user's to keep and is not replaced. Returns empty when written, else the reason it was not
// ("the file is read-only", "it is a named pipe", ...); the old file is then untouched.
QString WriteStoreFile(const QString& path, const StoredValues& kept, const StoredValues& saved);

} // namespace kesta
