// The one way a file of the user's is read: the settings store, `kesta-report --settings`, the
// window's Open and --compare. The path is opened first, without waiting (O_NONBLOCK: a named
// pipe with no writer does not hold the open up), and the opened descriptor is what is judged
// (fstat) and read, so a path swapped between a look and the open can neither block nor slip
// anything but a regular file through.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kesta {

struct FileBytes {
    std::optional<QByteArray> bytes; // the whole file, when it could be read
    bool absent = false;             // nothing at the path (nor a link): no bytes, no problem
    QString problem;                 // otherwise why there are no bytes, for the user
};

// Larger files are refused unread: a set-up is about 700 bytes, the store a little more.
inline constexpr qint64 kMaxUserFileBytes = 1024 * 1024;

// Reads the regular file at `path` (a link is followed), at most kMaxUserFileBytes. A folder,
// a named pipe, a device or a socket, a link to nothing or one that loops, a larger file or
// one that cannot be opened or read give the reason ("it is a named pipe", "Permission
// denied", "it is larger than 1 MB (N bytes)", ...). Qt resource paths (":/...") are read as
// Qt reads them.
FileBytes ReadUserFile(const QString& path);

} // namespace kesta
