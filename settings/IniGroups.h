// The groups of the INI files: the settings store's (~/.config/KESTA/KESTA.ini) and set-up
// files (".kesta"). A new group gets its name here; a set-up file's reader skips the keys of
// every group in KnownGroups() when it lists the keys it ignored, and its writer writes the
// groups beside [values] (SetupFile.cpp). The store's [values] never change: the 46 keys.
#pragma once

#include <QString>
#include <QStringList>

namespace kesta {

inline constexpr char kValuesGroup[] = "values"; // the settings keys, in store and set-up alike
inline constexpr char kRecentGroup[] = "recent"; // the store's recent set-up files
inline constexpr char kFormatGroup[] = "kesta";  // a set-up file's format version
inline constexpr char kGameGroup[] = "game";     // the game table chosen, and the own list
inline constexpr char kDownrangeGroup[] = "downrange"; // the downrange inputs, in both files

// "group/key", as QSettings names a key of a group.
inline QString GroupKey(const char* group, const QString& key) {
    return QLatin1String(group) + QLatin1Char('/') + key;
}

// The groups whose keys some reader understands.
inline QStringList KnownGroups() {
    return {QLatin1String(kValuesGroup), QLatin1String(kRecentGroup), QLatin1String(kFormatGroup),
            QLatin1String(kGameGroup), QLatin1String(kDownrangeGroup)};
}

} // namespace kesta
