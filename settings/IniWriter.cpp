#include "settings/IniWriter.h"

#include "settings/AtomicFile.h"
#include "settings/FileError.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kesta {

namespace {

// Why QSettings could not write `file` in full (it may have left a part, or nothing): growing
// it to the size the values need meets the same limit (a full disk, a file size limit) and
// tells which.
QString WhyCutShort(const QString& file, qint64 needed) {
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return ReasonOf(errno);
    const QByteArray filler(4096, '\n');
    int error = 0;
    for (qint64 size = ::lseek(fd, 0, SEEK_END); size >= 0 && size <= needed && error == 0;) {
        const ssize_t n = ::write(fd, filler.constData(), filler.size());
        if (n > 0) size += n;
        else if (n < 0 && errno != EINTR) error = errno;
        else if (n == 0) error = ENOSPC;
    }
    ::close(fd);
    return error != 0 ? ReasonOf(error) : QStringLiteral("the file could not be written in full");
}

// At least as many bytes as QSettings writes for these values.
qint64 Needed(const StoredValues& kept, const StoredValues& saved) {
    qint64 bytes = 0;
    for (const StoredValues* values : {&kept, &saved})
        for (const auto& [key, value] : *values)
            bytes += key.size() + value.toString().toUtf8().size() + 2;
    return bytes;
}

// Whether `file` holds the saved values when read afresh. QSettings keeps what it once read
// of a path for the whole process, so a copy under a new name is what is read. Only the saved
// values count: kept keys of a hand-edited file may come back under another name, or with a
// format error.
bool HoldsSaved(const QTemporaryDir& dir, const QString& file, const StoredValues& saved) {
    const QString copy = dir.filePath(QStringLiteral("check.ini"));
    if (!QFile::copy(file, copy)) return false;
    const QSettings check(copy, QSettings::IniFormat);
    for (const auto& [key, value] : saved)
        if (check.value(key) != value) return false;
    return true;
}

// The bytes QSettings writes for these values, made in a private folder.
QByteArray Encoded(const QString& path, const StoredValues& kept, const StoredValues& saved) {
    const QTemporaryDir dir;
    if (!dir.isValid())
        throw FileError(path, QStringLiteral("no temporary folder could be made (%1)")
                                  .arg(dir.errorString()));
    const QString file = dir.filePath(QStringLiteral("encoded.ini"));
    {
        QSettings fresh(file, QSettings::IniFormat);
        // The saved values last: QSettings folds odd keys of a hand-edited file
        // ("values/\\speed") into the same name as a saved one, and the saved value must win.
        for (const StoredValues* values : {&kept, &saved})
            for (const auto& [key, value] : *values)
                fresh.setValue(key, value);
        fresh.sync();
        if (fresh.status() != QSettings::NoError || !HoldsSaved(dir, file, saved))
            throw FileError(path, WhyCutShort(file, Needed(kept, saved)));
    }
    QFile encoded(file);
    errno = 0;
    if (!encoded.open(QIODevice::ReadOnly))
        throw FileError(path, errno != 0 ? ReasonOf(errno) : encoded.errorString());
    return encoded.readAll();
}

} // namespace

void WriteIniFile(const QString& path, const StoredValues& kept, const StoredValues& saved) {
    WriteFileAtomically(path, Encoded(path, kept, saved));
}

} // namespace kesta
