#include "settings/StaleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesta {

namespace {

// A save takes well under a second; a minute leaves room for a slow disk.
constexpr std::time_t kStaleSeconds = 60;

// Removes `path` if it is a regular file (never a link) older than kStaleSeconds that nobody
// holds locked. The lock is taken on the opened file, and the file checked through it, so a
// file swapped in meanwhile is not the one judged.
bool RemoveIfStale(const QString& path, std::time_t now) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info = {};
    bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                 now - info.st_mtime >= kStaleSeconds;
    // QLockFile holds an flock on its file for as long as it is locked.
    stale = stale && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = stale && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

} // namespace

int RemoveStaleWriterFiles(const QString& storeFile) {
    const QFileInfo link(storeFile);
    const QFileInfo store(link.isSymLink() ? link.symLinkTarget() : storeFile);
    // The store's name, up to two six-character suffixes of QTemporaryFile (the new file, its
    // read-back copy) and a ".lock" of QSettings; never the store itself.
    const QRegularExpression left(
        QStringLiteral("^%1(\\.[A-Za-z0-9]{6}){0,2}(\\.lock)?$")
            .arg(QRegularExpression::escape(store.fileName())));
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    const QDir folder = store.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name == store.fileName() || !left.match(name).hasMatch()) continue;
        if (RemoveIfStale(folder.filePath(name), now)) ++removed;
    }
    return removed;
}

} // namespace kesta
