// Files for the Qt-side tests: a private temporary folder, whole-file reads and writes, and
// the per-user configuration folder pointed elsewhere for one scope.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

namespace kesta::test {

// The bytes of a file, or "<unreadable>" when it cannot be opened.
inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Replaces the file's contents. A file that cannot be written ends the test (both test
// frameworks report an escaping exception as a failure).
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A folder of one's own, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

// XDG_CONFIG_HOME, where the per-user store lives, set to `folder` until the end of the scope.
class ConfigHomeAt {
  public:
    explicit ConfigHomeAt(const QString& folder) : old_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    }
    ~ConfigHomeAt() {
        if (old_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", old_);
    }
    ConfigHomeAt(const ConfigHomeAt&) = delete;
    ConfigHomeAt& operator=(const ConfigHomeAt&) = delete;

  private:
    QByteArray old_;
};

} // namespace kesta::test
