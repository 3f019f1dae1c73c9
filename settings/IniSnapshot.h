// The keys of an INI file as read once, from bytes already read (ReadUserFile): QSettings
// parses a private copy of exactly those bytes, so that the file itself is never opened by
// QSettings (which would wait on a pipe put there meanwhile) and each read sees the file as it
// is now (QSettings keeps what it once read of a path for the whole process).
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace kesta {

class IniSnapshot {
  public:
    explicit IniSnapshot(const QByteArray& bytes);

    // False when no private copy could be made; the snapshot then holds no keys.
    bool Valid() const { return settings_ != nullptr; }
    // The parsed keys ("values/speed", "recent/file1", ...); changes stay in the copy.
    QSettings* Settings() const { return settings_.get(); }

  private:
    QTemporaryDir folder_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace kesta
