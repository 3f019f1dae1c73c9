#include "settings/RecentSetups.h"

#include "settings/IniGroups.h"
#include "settings/StoreFile.h"

#include <QFileInfo>
#include <QSettings>

namespace kesta {

namespace {

QString Key(int k) {
    return GroupKey(kRecentGroup, QStringLiteral("file%1").arg(k + 1));
}

// The store's file as QSettings may open it: never a named pipe, a device or a folder, where
// opening would block or fail; the list is then simply empty and not kept.
bool Usable(const QString& iniFile) {
    return CheckStoreFile(iniFile).state != StoreFile::State::Unreadable;
}

} // namespace

QStringList RecentSetups::Files() const {
    QStringList files;
    if (!Usable(iniFile_)) return files;
    const QSettings settings(iniFile_, QSettings::IniFormat);
    for (int k = 0; k < kMaxFiles; ++k) {
        const QString file = settings.value(Key(k)).toString();
        if (!file.isEmpty() && !files.contains(file)) files.append(file);
    }
    return files;
}

void RecentSetups::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    Store(files.mid(0, kMaxFiles));
}

void RecentSetups::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    Store(files);
}

void RecentSetups::Store(const QStringList& files) {
    if (!Usable(iniFile_)) return;
    QSettings settings(iniFile_, QSettings::IniFormat);
    for (int k = 0; k < kMaxFiles; ++k) {
        if (k < files.size())
            settings.setValue(Key(k), files[k]);
        else
            settings.remove(Key(k));
    }
    // The list is a convenience: a store that cannot be written loses it silently, and the
    // inputs' own save on close reports the store's trouble.
    settings.sync();
}

} // namespace kesta
