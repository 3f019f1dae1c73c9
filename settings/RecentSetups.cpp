#include "settings/RecentSetups.h"

#include "settings/FileError.h"
#include "settings/FileReader.h"
#include "settings/IniGroups.h"
#include "settings/IniSnapshot.h"
#include "settings/IniWriter.h"

#include <QFileInfo>

#include <memory>

namespace kesta {

namespace {

QString Key(int k) {
    return GroupKey(kRecentGroup, QStringLiteral("file%1").arg(k + 1));
}

// The store's file as it is now, through the one reader: never a named pipe, a device or a
// folder, where opening would block or fail; then null, and the list is simply empty and not
// kept.
std::unique_ptr<IniSnapshot> ReadStore(const QString& iniFile) {
    const FileBytes read = ReadUserFile(iniFile);
    if (!read.absent && !read.bytes) return nullptr;
    auto snapshot = std::make_unique<IniSnapshot>(read.bytes.value_or(QByteArray()));
    if (!snapshot->Valid()) return nullptr;
    return snapshot;
}

QStringList FilesIn(const IniSnapshot& store) {
    QStringList files;
    for (int k = 0; k < RecentSetups::kMaxFiles; ++k) {
        const QString file = store.Settings()->value(Key(k)).toString();
        if (!file.isEmpty() && !files.contains(file)) files.append(file);
    }
    return files;
}

} // namespace

QStringList RecentSetups::Files() const {
    const auto store = ReadStore(iniFile_);
    return store ? FilesIn(*store) : QStringList();
}

void RecentSetups::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Change([&absolute](QStringList& files) {
        files.removeAll(absolute);
        files.prepend(absolute);
    });
}

void RecentSetups::Remove(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Change([&absolute](QStringList& files) { files.removeAll(absolute); });
}

void RecentSetups::Change(const std::function<void(QStringList&)>& change) {
    // The list as the file has it now (another window may have changed it), changed, and
    // written back by the store's one writer with every other key kept.
    const auto store = ReadStore(iniFile_);
    if (!store) return;
    QStringList files = FilesIn(*store);
    change(files);
    StoredValues kept, saved;
    for (const QString& key : store->Settings()->allKeys())
        if (!key.startsWith(GroupKey(kRecentGroup, QString()))) kept.emplace_back(key, store->Settings()->value(key));
    for (int k = 0; k < files.size() && k < kMaxFiles; ++k)
        saved.emplace_back(Key(k), files[k]);
    // The list is a convenience: a store that cannot be written loses it silently, and the
    // inputs' own save on close reports the store's trouble.
    try {
        WriteIniFile(iniFile_, kept, saved);
    } catch (const FileError&) {
    }
}

} // namespace kesta
