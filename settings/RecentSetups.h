// The set-up files opened or saved last, most recent first, kept in the settings store's file
// in a group of their own ([recent]) so that they never mix with the inputs in [values].
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kesta {

class RecentSetups {
  public:
    static constexpr int kMaxFiles = 8;

    // The list in this settings file (the store's FileName()).
    explicit RecentSetups(const QString& iniFile) : iniFile_(iniFile) {}

    QStringList Files() const;
    // Puts the file first (once, by its absolute path), keeping at most kMaxFiles.
    void Add(const QString& path);
    void Remove(const QString& path);

  private:
    void Change(const std::function<void(QStringList&)>& change);

    QString iniFile_;
};

} // namespace kesta
