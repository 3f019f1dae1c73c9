// Writes a whole file or nothing, the one way every settings file, set-up file and saved report
// reaches the disk: the bytes go to a temporary file beside the target, are flushed with
// fdatasync and read back, and only then replace the target in one rename. A failed write
// leaves any old file at the path as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace kesta {

// Raises FileError with the reason when anything fails. A link at the path is followed, so
// that the link stays; the file keeps the permissions of the one it replaces. A folder, pipe
// or device at the path is never replaced.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kesta
