#include "settings/SetupFormat.h"

#include "settings/IniGroups.h"

#include <QSettings>

namespace kesta {

namespace {

QString FormatKey() {
    return GroupKey(kFormatGroup, QStringLiteral("format"));
}

} // namespace

StoredValues FormatValues() {
    return {{FormatKey(), QString::number(kSetupFormat)}};
}

QString FormatWarning(const QSettings& file) {
    if (!file.contains(FormatKey())) return {};
    const QString text = file.value(FormatKey()).toString();
    bool number = false;
    const int version = text.trimmed().toInt(&number);
    if (number && version == kSetupFormat) return {};
    if (number && version > kSetupFormat)
        return QStringLiteral("it is in set-up format %1, newer than this program's (%2); what "
                              "this program does not know of it is ignored")
            .arg(version)
            .arg(kSetupFormat);
    return QStringLiteral("its set-up format \"%1\" is not one this program knows (%2); it is "
                          "read as format %2")
        .arg(text)
        .arg(kSetupFormat);
}

} // namespace kesta
