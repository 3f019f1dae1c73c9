// Writes a whole file or nothing: the bytes go to a temporary file beside the target, which
// replaces the target only once everything is written and flushed (QSaveFile). A failed
// write leaves any old file at the path as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace kesta {

// Empty when written; otherwise the reason it could not be, for the user.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kesta
