#include "settings/StoreFile.h"

#include "settings/FileError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesta {

namespace {

StoreFile Unreadable(const QString& why) {
    return {StoreFile::State::Unreadable, why};
}

StoreFile FromErrno(int error) {
    return Unreadable(ReasonOf(error));
}

// The target of a link, or why there is none to read.
StoreFile FollowLink(const QByteArray& name, struct stat& target) {
    if (::stat(name.constData(), &target) == 0) return {StoreFile::State::Readable, {}};
    if (errno == ENOENT || errno == ENOTDIR)
        return Unreadable(QStringLiteral("it is a link to nothing"));
    if (errno == ELOOP) return Unreadable(QStringLiteral("it is a link that loops"));
    return FromErrno(errno);
}

} // namespace

StoreFile CheckStoreFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return FromErrno(errno); // a folder on the way that may not be searched, a name too long
    }
    if (S_ISLNK(info.st_mode)) {
        const StoreFile link = FollowLink(name, info);
        if (link.state == StoreFile::State::Unreadable) return link;
    }
    if (!S_ISREG(info.st_mode)) return Unreadable(NotARegularFileReason(info.st_mode));
    // Opening is the only sure test of permission (the superuser reads any file). O_NONBLOCK
    // keeps even a file swapped for a pipe since the check above from blocking here.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return FromErrno(errno);
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) return Unreadable(NotARegularFileReason(info.st_mode));
    return {StoreFile::State::Readable, {}};
}

} // namespace kesta
