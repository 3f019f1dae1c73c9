#include "settings/FileReader.h"

#include "settings/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesta {

namespace {

QString TooLargeText(qint64 size) {
    return QStringLiteral("it is larger than 1 MB (%1 bytes)").arg(size);
}

FileBytes Problem(const QString& why) {
    return {std::nullopt, false, why};
}

QString ErrnoText(int error) {
    return ReasonOf(error);
}

// Why the open failed, in the user's words: a link to nothing is no missing file.
FileBytes OpenFailed(const QByteArray& name, int error) {
    if (error == ELOOP) return Problem(QStringLiteral("it is a link that loops"));
    if (error == ENOENT) {
        struct stat info = {};
        if (::lstat(name.constData(), &info) == 0 && S_ISLNK(info.st_mode))
            return Problem(QStringLiteral("it is a link to nothing"));
        return {std::nullopt, true, {}};
    }
    if (error == ENOTDIR) return {std::nullopt, true, {}}; // a "folder" on the way is a file
    if (error == ENXIO) return Problem(NotARegularFileReason(S_IFSOCK)); // only a socket says so
    return Problem(ErrnoText(error));
}

FileBytes ReadResource(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, !file.exists(), file.errorString()};
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) return Problem(TooLargeText(bytes.size()));
    return {std::move(bytes), false, {}};
}

// Reads the opened regular file to its end, at most `maxBytes` (and one more to tell).
FileBytes ReadOpened(int fd, qint64 maxBytes) {
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Problem(ErrnoText(errno));
        }
        if (got == 0) return {std::move(bytes), false, {}};
        bytes.append(buffer, got);
    }
    return Problem(TooLargeText(bytes.size()));
}

} // namespace

FileBytes ReadUserFile(const QString& path) {
    constexpr qint64 maxBytes = kMaxUserFileBytes;
    if (path.startsWith(QLatin1Char(':'))) return ReadResource(path, maxBytes);
    if (path.isEmpty()) return {std::nullopt, true, {}};
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a named pipe returns at once instead of waiting for a writer; a
    // regular file reads as ever. O_NOCTTY: a terminal never becomes ours.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return OpenFailed(name, errno);
    struct stat info = {};
    FileBytes read;
    if (::fstat(fd, &info) != 0)
        read = Problem(ErrnoText(errno));
    else if (!S_ISREG(info.st_mode))
        read = Problem(NotARegularFileReason(info.st_mode));
    else if (info.st_size > maxBytes)
        read = Problem(TooLargeText(info.st_size));
    else
        read = ReadOpened(fd, maxBytes);
    ::close(fd);
    return read;
}

} // namespace kesta
