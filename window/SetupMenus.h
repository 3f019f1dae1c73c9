// The window's actions on whole set-ups, added to its File and Tools menus: Open set-up
// (Ctrl+O), Open recent, Open example, Save set-up as (Ctrl+Shift+S), Save report as text, and
// Tools > Compare set-ups.
#pragma once

#include "window/FileChooser.h"
#include "window/SetupSession.h"

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace kesta {

class CompareWindow;
class Form1;

class SetupMenus : public QObject {
    Q_OBJECT

  public:
    SetupMenus(Form1& window, const QString& storeFile);

    SetupSession& Session() { return session_; }
    // Replaces the file dialogs (tests).
    void SetFileChooser(FileChooser chooser) { choose_ = std::move(chooser); }

    // `kesta FILE`: opens the set-up named on the command line, if any (the arguments
    // without the program's name).
    void OpenFromArguments(const QStringList& arguments);

    // File > Open recent and File > Open example.
    QMenu& RecentMenu() const { return *recentMenu_; }
    QMenu& ExampleMenu() const { return *exampleMenu_; }

    // The compare window, once Compare set-ups has opened it (nullptr before).
    CompareWindow* Comparison() const { return compare_; }

  public slots:
    void OpenSetup();
    void SaveSetupAs();
    void SaveReportAsText();
    void CompareSetups();

  private:
    void AddFileActions(QMenu& file);
    void FillRecentMenu();
    void FillExampleMenu();
    QString Choose(FileChoice choice, const QString& suggested);
    QString SuggestedFolder() const;

    Form1& window_;
    SetupSession session_;
    FileChooser choose_;
    QMenu* recentMenu_ = nullptr;
    QMenu* exampleMenu_ = nullptr;
    CompareWindow* compare_ = nullptr;
};

} // namespace kesta
