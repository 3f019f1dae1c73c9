#include "settings/SettingsStore.h"

#include "form/SettingsKeys.h"
#include "settings/FileError.h"
#include "settings/FileReader.h"
#include "settings/IniGroups.h"
#include "settings/IniSnapshot.h"
#include "settings/IniWriter.h"
#include "settings/SetupFormat.h"
#include "tools/Errors.h"

#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace kesta {

namespace {

QString StoredName(const QString& key) {
    return GroupKey(kValuesGroup, key);
}

// The stored text of `name` in `settings`: a hand-edited unquoted "a,b" reads back as a list
// and is joined again; a value that is no text at all counts as absent.
std::optional<std::string> TextOf(const QSettings& settings, const QString& name) {
    if (!settings.contains(name)) return std::nullopt;
    const QVariant value = settings.value(name);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    if (!value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

} // namespace

// Where QSettings keeps the user-scope INI file of organization and application "KESTA".
// Named here rather than asked of a QSettings, which would read the file on the way.
QString SettingsStore::UserFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/KESTA/KESTA.ini");
}

SettingsStore::SettingsStore() : SettingsStore(UserFile()) {}

SettingsStore::SettingsStore(const QString& iniFile) : file_(iniFile) {
    const FileBytes read = ReadUserFile(file_);
    if (!read.absent && !read.bytes) {
        unreadable_ = read.problem;
        return;
    }
    snapshot_ = std::make_unique<IniSnapshot>(read.bytes.value_or(QByteArray()));
}

SettingsStore::~SettingsStore() = default;

std::optional<std::string> SettingsStore::Read(const std::string& key) const {
    if (!snapshot_ || !snapshot_->Valid()) return std::nullopt;
    return TextOf(*snapshot_->Settings(), StoredName(QString::fromStdString(key)));
}

QString SettingsStore::FormatWarning() const {
    return snapshot_ && snapshot_->Valid() ? kesta::FormatWarning(*snapshot_->Settings())
                                           : QString();
}

void SettingsStore::Load(FormState& form) const {
    LoadSettings(form, [this](const std::string& key) { return Read(key); });
    baseline_.clear();
    for (const auto& [key, text] : SaveSettings(form))
        baseline_[key] = text;
}

[[noreturn]] void SettingsStore::Refuse(const QString& why) const {
    throw FileError(file_, why);
}

void SettingsStore::Save(const FormState& form) {
    if (!snapshot_) Refuse(unreadable_);
    // What is on disk now: another window may have saved since this one loaded.
    const FileBytes now = ReadUserFile(file_);
    if (!now.absent && !now.bytes) Refuse(now.problem);
    const IniSnapshot disk(now.bytes.value_or(QByteArray()));
    if (!disk.Valid()) Refuse(QStringLiteral("no temporary copy could be made to read it"));
    StoredValues kept, saved;
    for (const QString& key : disk.Settings()->allKeys())
        kept.emplace_back(key, disk.Settings()->value(key));
    // Every key is written, the saved values last: those this window changed (or that the file
    // lacks) as the window has them, the others as the file has them now.
    for (const auto& [key, text] : SaveSettings(form)) {
        const QString name = StoredName(QString::fromStdString(key));
        const auto loaded = baseline_.find(key);
        const bool changed = loaded == baseline_.end() || loaded->second != text ||
                             setKeys_.count(key) != 0;
        const std::optional<std::string> onDisk = TextOf(*disk.Settings(), name);
        const std::string& written = changed || !onDisk ? text : *onDisk;
        saved.emplace_back(name, QString::fromStdString(written));
    }
    WriteIniFile(file_, kept, saved);
    baseline_.clear();
    for (const auto& [key, text] : SaveSettings(form))
        baseline_[key] = text;
    setKeys_.clear();
    // Read() answers from the file as written.
    const FileBytes written = ReadUserFile(file_);
    snapshot_ = std::make_unique<IniSnapshot>(written.bytes.value_or(QByteArray()));
}

std::map<std::string, std::string> SettingsStore::ReadGroup(const std::string& group) const {
    std::map<std::string, std::string> texts;
    if (!snapshot_ || !snapshot_->Valid()) return texts;
    const QString prefix = GroupKey(group.c_str(), {});
    for (const QString& key : snapshot_->Settings()->allKeys()) {
        if (!key.startsWith(prefix)) continue;
        if (auto text = TextOf(*snapshot_->Settings(), key))
            texts[key.mid(prefix.size()).toStdString()] = std::move(*text);
    }
    return texts;
}

void SettingsStore::SaveGroup(const std::string& group,
                              const std::vector<std::pair<std::string, std::string>>& texts) {
    if (!snapshot_) Refuse(unreadable_);
    // What is on disk now: another window may have saved its values since this one loaded, and
    // they stay as the file has them.
    const FileBytes now = ReadUserFile(file_);
    if (!now.absent && !now.bytes) Refuse(now.problem);
    const IniSnapshot disk(now.bytes.value_or(QByteArray()));
    if (!disk.Valid()) Refuse(QStringLiteral("no temporary copy could be made to read it"));
    const QString prefix = GroupKey(group.c_str(), {});
    StoredValues kept, saved;
    // The group's old keys go: a key the new texts leave out is no longer set.
    for (const QString& key : disk.Settings()->allKeys())
        if (!key.startsWith(prefix)) kept.emplace_back(key, disk.Settings()->value(key));
    for (const auto& [key, text] : texts)
        saved.emplace_back(prefix + QString::fromStdString(key), QString::fromStdString(text));
    WriteIniFile(file_, kept, saved);
    // Read() and ReadGroup() answer from the file as written; values set but not yet saved
    // (SetValue) are set again on the fresh copy.
    std::map<QString, QVariant> pending;
    if (snapshot_->Valid())
        for (const std::string& key : setKeys_) {
            const QString name = StoredName(QString::fromStdString(key));
            pending[name] = snapshot_->Settings()->value(name);
        }
    const FileBytes written = ReadUserFile(file_);
    snapshot_ = std::make_unique<IniSnapshot>(written.bytes.value_or(QByteArray()));
    if (snapshot_->Valid())
        for (const auto& [name, value] : pending) snapshot_->Settings()->setValue(name, value);
}

void SettingsStore::SetValue(const QString& key, const QString& text) {
    if (!snapshot_) Refuse(unreadable_);
    if (snapshot_->Valid()) snapshot_->Settings()->setValue(StoredName(key), text);
    setKeys_.insert(key.toStdString());
}

} // namespace kesta
