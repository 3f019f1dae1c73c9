#include "settings/AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace kesta {

QString WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // Replacing a folder by a file is never what the user meant.
    if (QFileInfo(path).isDir()) return QStringLiteral("a folder has that name");
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile flushes in commit(), which (Qt 6.4, measured) takes a
    // short write for success and would put a cut-off file in place of the old one. Written
    // straight through, a full disk or a file size limit shows in write()'s count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason =
            file.error() != QFileDevice::NoError
                ? file.errorString()
                : QStringLiteral("only %1 of %2 bytes could be written (is the disk full?)")
                      .arg(std::max<qint64>(written, 0))
                      .arg(bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

} // namespace kesta
