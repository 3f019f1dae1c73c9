// The format version of set-up files, kept in a group of its own ([kesta], format=1) so that
// the inputs in [values] stay exactly as the settings store holds them. A file without the
// group is format 1, as every file saved before it was. The store carries no version.
#pragma once

#include "settings/IniWriter.h"

#include <QString>

class QSettings;

namespace kesta {

inline constexpr int kSetupFormat = 1; // what this program writes and reads

// The [kesta] group as a set-up file is saved with it.
StoredValues FormatValues();

// The warning a file's version gives, empty for one this program reads as it is: absent or
// 1. A newer version, or one that is no version at all, opens as far as the keys are known,
// with a warning naming it.
QString FormatWarning(const QSettings& file);

} // namespace kesta
