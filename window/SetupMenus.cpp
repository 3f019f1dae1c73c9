#include "window/SetupMenus.h"

#include "window/CompareWindow.h"
#include "window/ScreenFit.h"
#include "window/Form1.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>

namespace kesta {

SetupMenus::SetupMenus(Form1& window, const QString& storeFile)
    : QObject(&window), window_(window), session_(window, storeFile) {
    AddFileActions(window.FileMenu());
    QAction* compare =
        window.ToolsMenu().addAction(tr("&Compare set-ups..."), this, &SetupMenus::CompareSetups);
    compare->setObjectName(QStringLiteral("actionCompareSetups"));
    connect(&session_, &SetupSession::RecentChanged, this, &SetupMenus::FillRecentMenu);
}

void SetupMenus::AddFileActions(QMenu& file) {
    // Ahead of the menu's own actions (printing, quitting), as files come first in a File menu.
    QAction* first = file.actions().isEmpty() ? nullptr : file.actions().constFirst();
    auto add = [&](const QString& text, const char* name, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(text, &file);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        file.insertAction(first, action);
        return action;
    };
    add(tr("&Open set-up..."), "actionOpenSetup", QKeySequence(Qt::CTRL | Qt::Key_O),
        &SetupMenus::OpenSetup);
    recentMenu_ = new QMenu(tr("Open &recent"), &file);
    file.insertMenu(first, recentMenu_);
    exampleMenu_ = new QMenu(tr("Open e&xample"), &file);
    file.insertMenu(first, exampleMenu_);
    add(tr("&Save set-up as..."), "actionSaveSetupAs",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &SetupMenus::SaveSetupAs);
    file.insertSeparator(first);
    add(tr("Save report as &text..."), "actionSaveReportText", QKeySequence(),
        &SetupMenus::SaveReportAsText);
    FillRecentMenu();
    FillExampleMenu();
}

void SetupMenus::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = session_.Recent().Files();
    for (const QString& path : files) {
        // "&" would mark the next letter as the menu key.
        QString text = QFileInfo(path).fileName();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = recentMenu_->addAction(text, this, [this, path] { session_.Open(path); });
        action->setToolTip(path);
        action->setStatusTip(path);
        action->setData(path);
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

void SetupMenus::FillExampleMenu() {
    for (const ExampleSetup& example : Examples()) {
        // The description in the item itself: a first-time user picks by what the set-up is.
        QAction* action = exampleMenu_->addAction(
            QStringLiteral("%1 \u2014 %2").arg(QString::fromStdString(example.name),
                                              QString::fromStdString(example.description)),
            this, [this, &example] { session_.OpenExample(example); });
        action->setToolTip(QString::fromStdString(example.description));
        action->setStatusTip(QString::fromStdString(example.description));
    }
}

QString SetupMenus::Choose(FileChoice choice, const QString& suggested) {
    return choose_ ? choose_(choice, suggested) : ChooseWithDialog(&window_, choice, suggested);
}

QString SetupMenus::SuggestedFolder() const {
    const QString current = session_.CurrentFile();
    return current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
}

void SetupMenus::OpenFromArguments(const QStringList& arguments) {
    if (!arguments.isEmpty() && !arguments.constFirst().isEmpty())
        session_.Open(arguments.constFirst());
}

void SetupMenus::OpenSetup() {
    const QString path = Choose(FileChoice::OpenSetup, SuggestedFolder());
    if (!path.isEmpty()) session_.Open(path);
}

void SetupMenus::SaveSetupAs() {
    const QString current = session_.CurrentFile();
    const QString suggested =
        current.isEmpty() ? QDir(SuggestedFolder()).filePath(QStringLiteral("set-up.kesta")) : current;
    const QString path = Choose(FileChoice::SaveSetup, suggested);
    if (!path.isEmpty()) session_.SaveAs(path);
}

void SetupMenus::SaveReportAsText() {
    const QString suggested = QDir(SuggestedFolder()).filePath(QStringLiteral("kesta-report.txt"));
    const QString path = Choose(FileChoice::SaveReportText, suggested);
    if (!path.isEmpty()) session_.SaveReportText(path);
}

void SetupMenus::CompareSetups() {
    if (compare_ == nullptr) {
        compare_ = new CompareWindow(
            [this] { return session_.Inputs(); },
            [this] { return Choose(FileChoice::CompareSetup, SuggestedFolder()); },
            [this](QMessageBox::Icon icon, const QString& text) { window_.Notify(icon, text); },
            &window_);
        // The inputs against a file: the one the window came from, else one the user picks.
        const QString against =
            session_.CurrentFile().isEmpty() ? Choose(FileChoice::CompareSetup, SuggestedFolder())
                                             : session_.CurrentFile();
        compare_->StartWith(against);
        connect(&window_, &Form1::InputsChanged, compare_, &CompareWindow::InputsChanged);
        FitWindowOnScreen(*compare_, window_);
    } else {
        compare_->Refresh(); // the inputs may have changed since
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

} // namespace kesta
