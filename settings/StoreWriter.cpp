#include "settings/StoreWriter.h"

#include "settings/StoreFile.h"
#include "tools/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>

namespace kesta {

namespace {

[[noreturn]] void CannotWrite() {
    throw RuntimeError(ErrorKind::PathFileAccess);
}

// The file a link leads to, else the path itself.
QString Target(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

// A name beside `target` that nothing holds; QSettings creates the file itself, so that it
// gets the usual permissions.
QString FreeNameBeside(const QString& target) {
    QTemporaryFile reserve(target + QStringLiteral(".XXXXXX"));
    if (!reserve.open()) CannotWrite(); // the folder takes no new files
    return reserve.fileName();          // free again once `reserve` is gone
}

bool WriteFresh(const QString& file, const StoredValues& values) {
    QSettings fresh(file, QSettings::IniFormat);
    for (const auto& [key, value] : values)
        fresh.setValue(key, value);
    fresh.sync();
    return fresh.status() == QSettings::NoError;
}

} // namespace

void WriteStoreFile(const QString& path, const StoredValues& values) {
    // A pipe, device or folder put at the path is not ours to replace.
    if (CheckStoreFile(path).state == StoreFile::State::Unreadable) CannotWrite();
    const QString target = Target(path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) CannotWrite();
    const QString fresh = FreeNameBeside(target);
    bool written = WriteFresh(fresh, values);
    if (written && QFile::exists(target))
        written = QFile::setPermissions(fresh, QFile::permissions(target));
    if (!written || std::rename(QFile::encodeName(fresh).constData(),
                                QFile::encodeName(target).constData()) != 0) {
        QFile::remove(fresh);
        CannotWrite();
    }
}

} // namespace kesta
