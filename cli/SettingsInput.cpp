#include "cli/SettingsInput.h"

#include "cli/Output.h"
#include "cli/SetupCommands.h"
#include "form/SettingsKeys.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <map>
#include <string>

namespace kesta::cli {

namespace {

using StoredTexts = std::map<std::string, std::string>;

// Every key the store holds. Copying them out keeps the store itself untouched: overrides
// given on the command line are never written back to the user's settings.
StoredTexts ReadStore(const SettingsStore& store) {
    StoredTexts texts;
    for (const auto& row : SettingsKeys())
        if (auto text = store.Read(row.key)) texts[row.key] = *text;
    return texts;
}

StoredTexts ReadUserStore() {
    const SettingsStore store;
    if (!store.Unreadable().isEmpty()) throw RuntimeError(ErrorKind::PathFileAccess);
    return ReadStore(store);
}

StoredTexts ReadSettingsFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    // QSettings would quietly treat a mistyped path as an empty store, that is a first run.
    if (!info.exists()) throw RuntimeError(ErrorKind::FileNotFound);
    if (!info.isFile() || !info.isReadable()) throw RuntimeError(ErrorKind::PathFileAccess);
    const SettingsStore file(info.filePath());
    const QString warning = file.FormatWarning();
    if (!warning.isEmpty()) Write(stderr, "warning: " + path + ": " + warning.toStdString() + "\n");
    return ReadStore(file);
}

} // namespace

FormState FormOf(const CommandLine& line) {
    StoredTexts stored; // empty: a first run
    if (line.store == CommandLine::Store::User)
        stored = ReadUserStore();
    else if (line.store == CommandLine::Store::File)
        stored = ReadSettingsFile(line.settingsFile);
    else if (line.store == CommandLine::Store::Example)
        stored = ExampleTexts(line.exampleName);
    for (const auto& [key, text] : line.overrides)
        stored[key] = text;

    FormState form;
    LoadSettings(form, ReaderOf(stored));
    return form;
}

std::map<std::string, std::string> DownrangeTextsOf(const CommandLine& line) {
    if (line.store == CommandLine::Store::User) {
        const SettingsStore store;
        if (!store.Unreadable().isEmpty()) throw RuntimeError(ErrorKind::PathFileAccess);
        return store.ReadGroup(kDownrangeGroup);
    }
    if (line.store == CommandLine::Store::File) {
        const QFileInfo info(QString::fromStdString(line.settingsFile));
        if (!info.exists()) throw RuntimeError(ErrorKind::FileNotFound);
        if (!info.isFile() || !info.isReadable()) throw RuntimeError(ErrorKind::PathFileAccess);
        return SettingsStore(info.filePath()).ReadGroup(kDownrangeGroup);
    }
    return {};
}

std::string StorePath(const CommandLine& line) {
    if (line.store == CommandLine::Store::User)
        return QFile::encodeName(SettingsStore::UserFile()).toStdString();
    return line.settingsFile;
}

} // namespace kesta::cli
