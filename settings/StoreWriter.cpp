#include "settings/StoreWriter.h"

#include "settings/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace kesta {

namespace {

// The file a link leads to, else the path itself.
QString Target(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

// A name beside `target` that nothing holds, or empty when the folder takes no new files (with
// the reason in `problem`); QSettings creates the file itself, so that it gets the usual
// permissions.
QString FreeNameBeside(const QString& target, QString& problem) {
    QTemporaryFile reserve(target + QStringLiteral(".XXXXXX"));
    if (!reserve.open()) {
        problem = QStringLiteral("no new file could be made beside it: ") + reserve.errorString();
        return {};
    }
    return reserve.fileName(); // free again once `reserve` is gone
}

// A file is read-only when nobody may write it, as `chmod a-w` leaves it: the user's wish,
// which the superuser, whom no permission stops, respects too.
bool ReadOnly(const QString& file) {
    struct stat info = {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool WriteFresh(const QString& file, const StoredValues& kept, const StoredValues& saved) {
    QSettings fresh(file, QSettings::IniFormat);
    // The saved values last: QSettings folds odd keys of a hand-edited file ("values/\\speed")
    // into the same name as a saved one, and the saved value must win.
    for (const StoredValues* values : {&kept, &saved})
        for (const auto& [key, value] : *values)
            fresh.setValue(key, value);
    fresh.sync();
    return fresh.status() == QSettings::NoError;
}

// Whether `file` holds the saved texts when read afresh. QSettings (Qt 6.4) reports a write
// that a full disk cut short as a success, so the new file is checked before it may replace
// the old one; and since QSettings keeps what it once read of a path for the whole process, a
// copy under a new name is what is read. Only the saved values count: kept keys of a
// hand-edited file may come back under another name, or with a format error.
bool HoldsSaved(const QString& file, const StoredValues& saved) {
    QString problem;
    const QString copy = FreeNameBeside(file, problem);
    bool holds = !copy.isEmpty() && QFile::copy(file, copy);
    if (holds) {
        const QSettings check(copy, QSettings::IniFormat);
        for (const auto& [key, value] : saved)
            holds = holds && check.value(key) == value;
    }
    QFile::remove(copy);
    return holds;
}

} // namespace

QString WriteStoreFile(const QString& path, const StoredValues& kept, const StoredValues& saved) {
    // A pipe, device or folder put at the path is not ours to replace.
    const StoreFile found = CheckStoreFile(path);
    if (found.state == StoreFile::State::Unreadable) return found.why;
    const QString target = Target(path);
    if (ReadOnly(target)) return QStringLiteral("the file is read-only");
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                                        made);
    if (made)
        return QStringLiteral("its folder could not be made: ") +
               QString::fromLocal8Bit(made.message().c_str());
    QString problem;
    const QString fresh = FreeNameBeside(target, problem);
    if (fresh.isEmpty()) return problem;
    if (!WriteFresh(fresh, kept, saved))
        problem = QStringLiteral("the new file could not be written (is the disk full?)");
    else if (!HoldsSaved(fresh, saved))
        problem = QStringLiteral("the new file did not read back whole (is the disk full?)");
    else if (QFile::exists(target) && !QFile::setPermissions(fresh, QFile::permissions(target)))
        problem = QStringLiteral("the new file could not take the old one's permissions");
    else if (std::rename(QFile::encodeName(fresh).constData(),
                         QFile::encodeName(target).constData()) != 0)
        problem = QStringLiteral("the new file could not replace the old one: ") +
                  QString::fromLocal8Bit(std::strerror(errno));
    if (!problem.isEmpty()) QFile::remove(fresh);
    return problem;
}

} // namespace kesta
