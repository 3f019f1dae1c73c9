#include "cli/SettingsInput.h"

#include "cli/Output.h"
#include "cli/SetupCommands.h"
#include "form/SettingsKeys.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFile.h"
#include "tools/Errors.h"

#include <QFile>
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

StoredTexts ReadUserStore(std::string& reason, StoredGroups& groups) {
    const SettingsStore store;
    if (!store.Unreadable().isEmpty()) {
        reason = store.Unreadable().toStdString();
        throw RuntimeError(ErrorKind::PathFileAccess);
    }
    groups.downrange = store.ReadGroup(kDownrangeGroup);
    QString problem;
    groups.game = GameOfGroup(store.ReadGroup(kGameGroup), &problem);
    groups.gameProblem = problem.toStdString();
    return ReadStore(store);
}

// A file given with --settings is read as Open reads a set-up file, with the same checks: a
// mistyped path, a binary or empty file or one without a [values] group is refused with the
// reason, never taken for a first run.
StoredTexts ReadSettingsFile(const std::string& path, std::string& reason,
                             StoredGroups& groups) {
    const SetupFileRead read = ReadSetupFile(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!read.contents) {
        if (read.problem == QString::fromUtf8(ErrorMessage(ErrorKind::FileNotFound)))
            throw RuntimeError(ErrorKind::FileNotFound);
        reason = read.problem.toStdString();
        throw RuntimeError(ErrorKind::PathFileAccess);
    }
    if (!read.contents->formatWarning.isEmpty())
        Write(stderr, "warning: " + Echoed(path) + ": " +
                          read.contents->formatWarning.toStdString() + "\n");
    groups.downrange = read.contents->downrange;
    groups.game = read.contents->game;
    groups.gameProblem = read.contents->gameProblem.toStdString();
    return read.contents->values;
}

} // namespace

FormState FormOf(const CommandLine& line, std::string& reason, StoredGroups& groups) {
    StoredTexts stored; // empty: a first run
    groups = StoredGroups();
    if (line.store == CommandLine::Store::User)
        stored = ReadUserStore(reason, groups);
    else if (line.store == CommandLine::Store::File)
        stored = ReadSettingsFile(line.settingsFile, reason, groups);
    else if (line.store == CommandLine::Store::Example)
        stored = ExampleTexts(line.exampleName);
    for (const auto& [key, text] : line.overrides)
        stored[key] = text;

    FormState form;
    LoadSettings(form, ReaderOf(stored));
    return form;
}

std::string StorePath(const CommandLine& line) {
    if (line.store == CommandLine::Store::User)
        return QFile::encodeName(SettingsStore::UserFile()).toStdString();
    return Echoed(line.settingsFile);
}

} // namespace kesta::cli
