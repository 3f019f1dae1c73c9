#include "settings/SettingsStore.h"

#include "form/SettingsKeys.h"
#include "tools/Errors.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace kesta {

namespace {

QString StoredName(const QString& key) {
    return QStringLiteral("values/") + key;
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("KESTA"), QStringLiteral("KESTA"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

std::optional<std::string> SettingsStore::Read(const std::string& key) const {
    const QString name = StoredName(QString::fromStdString(key));
    if (!settings_->contains(name)) return std::nullopt;
    const QVariant value = settings_->value(name);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    if (!value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

void SettingsStore::Load(FormState& form) const {
    LoadSettings(form, [this](const std::string& key) { return Read(key); });
}

void SettingsStore::Save(const FormState& form) {
    for (const auto& [key, text] : SaveSettings(form))
        settings_->setValue(StoredName(QString::fromStdString(key)), QString::fromStdString(text));
    // QSettings writes the file atomically on sync; a read-only file or folder, or a full disk,
    // shows only in the status, and the user must hear of it rather than lose the settings.
    settings_->sync();
    if (settings_->status() != QSettings::NoError) throw RuntimeError(ErrorKind::PathFileAccess);
}

void SettingsStore::SetValue(const QString& key, const QString& text) {
    settings_->setValue(StoredName(key), text);
}

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

} // namespace kesta
