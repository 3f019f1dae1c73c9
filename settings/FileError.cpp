#include "settings/FileError.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace kesta {

QString NotARegularFileReason(unsigned mode) {
    if (S_ISDIR(mode)) return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("it is a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("it is a device");
    if (S_ISSOCK(mode)) return QStringLiteral("it is a socket");
    return QStringLiteral("it is not a regular file");
}

QString ReasonOf(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EFBIG:
        return QStringLiteral("the file would grow past the size allowed");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case ENOTDIR:
        return QStringLiteral("a part of the path is not a folder");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case ELOOP:
        return QStringLiteral("it is a link that loops");
    default:
        break;
    }
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty()) text[0] = text[0].toLower();
    return text;
}

QString FileMessage(const QString& what, const QString& path, const QString& reason,
                    const QString& label) {
    return QStringLiteral("%1: %2.\n%3: %4").arg(what, reason, label, path);
}

QString FileMessage(const QString& what, const FileError& error, const QString& label) {
    return FileMessage(what, error.path(), error.reason(), label);
}

} // namespace kesta
