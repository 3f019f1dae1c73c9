// What lies at a settings file's path, found without opening anything in a way that could
// block: QSettings opens its file for reading with a plain open(), which never returns on a
// named pipe with no writer, and reads a device for ever.
#pragma once

#include <QString>

namespace kesta {

struct StoreFile {
    enum class State { Absent, Readable, Unreadable };
    State state = State::Absent;
    QString why; // with Unreadable: "it is a named pipe", "permission denied", ...
};

// Absent when nothing is there (nor any folder on the way): a first run. Readable only for a
// regular file (or a link to one) that this process can open for reading.
StoreFile CheckStoreFile(const QString& path);

} // namespace kesta
