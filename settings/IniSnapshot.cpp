#include "settings/IniSnapshot.h"

#include <QFile>

namespace kesta {

IniSnapshot::IniSnapshot(const QByteArray& bytes) {
    if (!folder_.isValid()) return;
    const QString copy = folder_.filePath(QStringLiteral("snapshot.ini"));
    QFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return;
    out.close();
    settings_ = std::make_unique<QSettings>(copy, QSettings::IniFormat);
}

} // namespace kesta
