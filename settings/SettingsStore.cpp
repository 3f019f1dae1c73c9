#include "settings/SettingsStore.h"

#include "form/SettingsKeys.h"
#include "settings/StoreFile.h"
#include "settings/FileError.h"
#include "settings/IniGroups.h"
#include "settings/IniWriter.h"
#include "settings/SetupFormat.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace kesta {

namespace {

QString StoredName(const QString& key) {
    return GroupKey(kValuesGroup, key);
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
    const StoreFile found = CheckStoreFile(file_);
    if (found.state == StoreFile::State::Unreadable) {
        unreadable_ = found.why;
        return;
    }
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

std::optional<std::string> SettingsStore::Read(const std::string& key) const {
    if (!settings_) return std::nullopt;
    const QString name = StoredName(QString::fromStdString(key));
    if (!settings_->contains(name)) return std::nullopt;
    const QVariant value = settings_->value(name);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    if (!value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

QString SettingsStore::FormatWarning() const {
    return settings_ ? kesta::FormatWarning(*settings_) : QString();
}

void SettingsStore::Load(FormState& form) const {
    LoadSettings(form, [this](const std::string& key) { return Read(key); });
}

void SettingsStore::Save(const FormState& form) {
    if (!settings_) throw FileError(file_, unreadable_);
    StoredValues kept, saved;
    for (const QString& key : settings_->allKeys())
        kept.emplace_back(key, settings_->value(key));
    for (const auto& [key, text] : SaveSettings(form))
        saved.emplace_back(StoredName(QString::fromStdString(key)), QString::fromStdString(text));
    WriteIniFile(file_, kept, saved);
    // The file now holds everything this QSettings had; a fresh one drops the changes it would
    // otherwise write again when destroyed.
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
}

std::map<std::string, std::string> SettingsStore::ReadGroup(const std::string& group) const {
    std::map<std::string, std::string> texts;
    if (!settings_) return texts;
    const QString prefix = GroupKey(group.c_str(), {});
    for (const QString& key : settings_->allKeys()) {
        if (!key.startsWith(prefix)) continue;
        const QVariant value = settings_->value(key);
        if (value.typeId() == QMetaType::QStringList)
            texts[key.mid(prefix.size()).toStdString()] =
                value.toStringList().join(QLatin1Char(',')).toStdString();
        else if (value.canConvert<QString>())
            texts[key.mid(prefix.size()).toStdString()] = value.toString().toStdString();
    }
    return texts;
}

void SettingsStore::SaveGroup(const std::string& group,
                              const std::vector<std::pair<std::string, std::string>>& texts) {
    if (!settings_) throw FileError(file_, unreadable_);
    const QString prefix = GroupKey(group.c_str(), {});
    StoredValues kept, saved;
    // The group's old keys go: a key the new texts leave out is no longer set.
    for (const QString& key : settings_->allKeys())
        if (!key.startsWith(prefix)) kept.emplace_back(key, settings_->value(key));
    for (const auto& [key, text] : texts)
        saved.emplace_back(prefix + QString::fromStdString(key), QString::fromStdString(text));
    WriteIniFile(file_, kept, saved);
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
}

void SettingsStore::SetValue(const QString& key, const QString& text) {
    if (!settings_) throw FileError(file_, unreadable_);
    settings_->setValue(StoredName(key), text);
}

} // namespace kesta
