// What a save of the store leaves beside it when the program is killed in the middle: the new
// file not yet renamed into place ("KESTA.ini.Ab12Cd"), its read-back copy, and the lock files
// QSettings takes ("KESTA.ini.lock", "KESTA.ini.Ab12Cd.lock"). Nothing else ever removes them.
#pragma once

#include <QString>

namespace kesta {

// Removes those files beside the store `storeFile` (beside the file a link leads to) that are
// older than a minute and that no process holds locked: a running save, in this program or
// another, is never touched. Returns how many were removed.
int RemoveStaleWriterFiles(const QString& storeFile);

} // namespace kesta
