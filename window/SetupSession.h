// The set-up the window holds as a file: opening one fills the inputs exactly as loading the
// settings store does and runs the report; saving writes the whole file atomically. The
// window's title names the file and marks it "*" while the inputs differ from it.
#pragma once

#include "form/Examples.h"
#include "form/FormState.h"
#include "settings/RecentSetups.h"

#include <QObject>
#include <QString>

#include <map>
#include <optional>

namespace kesta {

class Form1;
struct SetupFileRead;

class SetupSession : public QObject {
    Q_OBJECT

  public:
    // `storeFile` is the settings store's file, which also keeps the recent set-ups.
    SetupSession(Form1& window, const QString& storeFile);

    // Each tells the user through the window's notifier when it fails, and then changes
    // nothing in the window. True when done.
    bool Open(const QString& path);
    bool OpenExample(const ExampleSetup& example);
    bool SaveAs(const QString& path);
    bool SaveReportText(const QString& path);

    // The file the inputs came from or went to last (empty: none, or an example).
    const QString& CurrentFile() const { return currentFile_; }
    // Whether the inputs differ from that file (or example).
    bool Modified() const;
    // The inputs as the window holds them now.
    FormState Inputs() const;
    RecentSetups& Recent() { return recent_; }

  signals:
    void RecentChanged();

  private:
    bool Load(const SetupFileRead& read, const QString& path);
    void Adopt(const QString& file, const QString& shownName);
    // The downrange inputs of an opened set-up become the remembered ones.
    void AdoptDownrange(const std::map<std::string, std::string>& texts);
    void WatchInputs();
    void UpdateTitle();

    Form1& window_;
    QString caption_;
    QString currentFile_;
    QString shownName_; // after the caption: "elk.kesta", "light-deer (example)"
    std::optional<FormState> baseline_;
    RecentSetups recent_;
};

} // namespace kesta
