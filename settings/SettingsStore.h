// The per-user settings store on the Qt side: QSettings in INI format, user scope,
// organization and application "KESTA", group "values"
// (file: $XDG_CONFIG_HOME/KESTA/KESTA.ini, by default ~/.config/KESTA/KESTA.ini).
// It only moves texts between QSettings and the toolkit-free key table (SettingsKeys.h).
#pragma once

#include "form/FormState.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace kesta {

class SettingsStore {
  public:
    SettingsStore();                                // the per-user store
    explicit SettingsStore(const QString& iniFile); // a file in the same format
    ~SettingsStore();

    // Loads every key into the form (absent or unfit values take the key's default).
    void Load(FormState& form) const;
    // Writes every key and flushes; a store that cannot be written raises
    // RuntimeError(PathFileAccess) and nothing is claimed saved.
    void Save(const FormState& form);
    // Sets one stored value (used by kesta-report's KEY=VALUE overrides and by tests).
    void SetValue(const QString& key, const QString& text);
    // The stored text of one key, nullopt when absent. A hand-edited unquoted "a,b" reads back
    // as a list in QSettings' INI format; it is joined again with "," so the text survives.
    // A value that is no text at all (an "@Rect(...)" and the like) counts as absent.
    std::optional<std::string> Read(const std::string& key) const;
    QString FileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace kesta
