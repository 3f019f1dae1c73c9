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
    const QString copy = FreeNameBeside(file);
    bool holds = QFile::copy(file, copy);
    if (holds) {
        const QSettings check(copy, QSettings::IniFormat);
        for (const auto& [key, value] : saved)
            holds = holds && check.value(key) == value;
    }
    QFile::remove(copy);
    return holds;
}

} // namespace

void WriteStoreFile(const QString& path, const StoredValues& kept, const StoredValues& saved) {
    // A pipe, device or folder put at the path is not ours to replace.
    if (CheckStoreFile(path).state == StoreFile::State::Unreadable) CannotWrite();
    const QString target = Target(path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) CannotWrite();
    const QString fresh = FreeNameBeside(target);
    bool written = WriteFresh(fresh, kept, saved) && HoldsSaved(fresh, saved);
    if (written && QFile::exists(target))
        written = QFile::setPermissions(fresh, QFile::permissions(target));
    if (!written || std::rename(QFile::encodeName(fresh).constData(),
                                QFile::encodeName(target).constData()) != 0) {
        QFile::remove(fresh);
        CannotWrite();
    }
}

} // namespace kesta
