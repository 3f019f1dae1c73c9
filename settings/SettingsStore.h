// The per-user settings store on the Qt side: QSettings in INI format, group "values", in the
// file $XDG_CONFIG_HOME/KESTA/KESTA.ini (by default ~/.config/KESTA/KESTA.ini).
// It only moves texts between QSettings and the toolkit-free key table (SettingsKeys.h).
#pragma once

#include "form/FormState.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QSettings;

namespace kesta {

class SettingsStore {
  public:
    SettingsStore();                                // the per-user store
    explicit SettingsStore(const QString& iniFile); // a file in the same format
    ~SettingsStore();

    // Why the store could not be read when it was opened ("it is a named pipe", "permission
    // denied", ...); empty when it was read or does not exist yet. Such a store is never
    // handed to QSettings, which would block on a pipe: it loads as a first run, takes no
    // values and is never written over, since what it holds may still be wanted.
    const QString& Unreadable() const { return unreadable_; }

    // Loads every key into the form (absent or unfit values take the key's default).
    void Load(FormState& form) const;
    // Writes every key, keeping the other keys the file held, and replaces the file with the
    // result in one rename. Raises FileError (a RuntimeError(PathFileAccess)) with the reason
    // when the store cannot be written; the old file is then left as it was and nothing is claimed saved.
    void Save(const FormState& form);
    // The texts of one group beside [values] (e.g. "downrange"), by key; empty when the store
    // holds none or cannot be read.
    std::map<std::string, std::string> ReadGroup(const std::string& group) const;

    // Replaces the keys of that group with these, keeping every other key, and writes the file
    // as Save does. Raises FileError as Save does.
    void SaveGroup(const std::string& group,
                   const std::vector<std::pair<std::string, std::string>>& texts);

    // Sets one stored value (used by tests); written with the next Save or when the store
    // is destroyed. An unreadable store raises FileError.
    void SetValue(const QString& key, const QString& text);
    // The stored text of one key, nullopt when absent. A hand-edited unquoted "a,b" reads back
    // as a list in QSettings' INI format; it is joined again with "," so the text survives.
    // A value that is no text at all (an "@Rect(...)" and the like) counts as absent.
    std::optional<std::string> Read(const std::string& key) const;
    QString FileName() const { return file_; }
    // What the file's format version warns of, when it is a set-up file read as a settings
    // file (SetupFormat.h); empty for the per-user store, which carries no version.
    QString FormatWarning() const;
    // The per-user store's file, named without reading it.
    static QString UserFile();

  private:
    QString file_;
    QString unreadable_;
    std::unique_ptr<QSettings> settings_; // null when unreadable
};

} // namespace kesta
