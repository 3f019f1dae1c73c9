#include "settings/StoreWriter.h"

#include "settings/StoreFile.h"
#include "tools/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
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

using FinalValues = QMap<QString, QVariant>; // a later value of a key replaces an earlier one

bool WriteFresh(const QString& file, const FinalValues& values) {
    QSettings fresh(file, QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        fresh.setValue(it.key(), it.value());
    fresh.sync();
    return fresh.status() == QSettings::NoError;
}

// Whether `file` holds every text of `values` when read afresh. QSettings (Qt 6.4) reports a
// write that a full disk cut short as a success, so the new file is checked before it may
// replace the old one; and since QSettings keeps what it once read of a path for the whole
// process, a copy under a new name is what is read.
bool HoldsTexts(const QString& file, const FinalValues& values) {
    const QString copy = FreeNameBeside(file);
    bool holds = QFile::copy(file, copy);
    if (holds) {
        const QSettings check(copy, QSettings::IniFormat);
        for (auto it = values.begin(); holds && it != values.end(); ++it)
            if (it.value().typeId() == QMetaType::QString)
                holds = check.value(it.key()) == it.value();
        holds = holds && check.status() == QSettings::NoError;
    }
    QFile::remove(copy);
    return holds;
}

} // namespace

void WriteStoreFile(const QString& path, const StoredValues& values) {
    // A pipe, device or folder put at the path is not ours to replace.
    if (CheckStoreFile(path).state == StoreFile::State::Unreadable) CannotWrite();
    const QString target = Target(path);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) CannotWrite();
    FinalValues final;
    for (const auto& [key, value] : values)
        final.insert(key, value);
    const QString fresh = FreeNameBeside(target);
    bool written = WriteFresh(fresh, final) && HoldsTexts(fresh, final);
    if (written && QFile::exists(target))
        written = QFile::setPermissions(fresh, QFile::permissions(target));
    if (!written || std::rename(QFile::encodeName(fresh).constData(),
                                QFile::encodeName(target).constData()) != 0) {
        QFile::remove(fresh);
        CannotWrite();
    }
}

} // namespace kesta
