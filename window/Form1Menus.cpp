// The window's menus: File (printing, PDF export, quitting), Tools (the features that work on
// the set-up in the form) and Help (what the report means, about the program). Features add
// their own actions to FileMenu() and ToolsMenu().
#include "window/Form1.h"

#include "window/DownrangeStore.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"
#include "window/DownrangeWindow.h"
#include "window/FormBinding.h"
#include "window/GameMenu.h"
#include "window/NeedsWindow.h"
#include "window/ReportPrinter.h"
#include "window/ScreenFit.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#ifndef KESTA_VERSION
#define KESTA_VERSION "unknown"
#endif

namespace kesta {

namespace {

constexpr const char* kHelpPage = "qrc:/kesta/help/report-help.html";

} // namespace

void Form1::BuildMenus() {
    fileMenu_ = menuBar_->addMenu(tr("&File"));
    toolsMenu_ = menuBar_->addMenu(tr("&Tools"));
    helpMenu_ = menuBar_->addMenu(tr("&Help"));

    QAction* print = fileMenu_->addAction(tr("&Print"), this, &Form1::doPrint_Click);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    fileMenu_->addAction(tr("&Export report as PDF..."), this, &Form1::ExportPdf);
    fileMenu_->addSeparator();
    QAction* quit = fileMenu_->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QAction* needs =
        toolsMenu_->addAction(tr("What would it &take?"), this, &Form1::ShowNeedsWindow);
    // Ctrl+W closes a window wherever people use it, so this one opens with Ctrl+T ("take").
    needs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    toolsMenu_->addAction(tr("&Downrange..."), this, &Form1::ShowDownrangeWindow);

    QAction* help = helpMenu_->addAction(tr("&What the report means"), this, &Form1::ShowHelp);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    helpMenu_->addAction(tr("&About KESTA"), this, &Form1::ShowAbout);

    // The shortcuts work wherever the focus is in the window, the report box included.
    for (QAction* action : {print, quit, needs, help})
        action->setShortcutContext(Qt::WindowShortcut);
}

void Form1::BuildGameMenu() {
    // An unreadable store is neither read nor written over, for the game as for the inputs.
    game_ = new GameMenu(*menuBar_, helpMenu_->menuAction(),
                         store_.Unreadable().isEmpty() ? store_.FileName() : QString(), this);
    calculator_.SetGame(game_->Table());
    connect(game_, &GameMenu::Changed, this, [this] {
        calculator_.SetGame(game_->Table());
        if (needsWindow_ != nullptr && needsWindow_->isVisible()) needsWindow_->Recalculate();
        if (downrangeWindow_ != nullptr && downrangeWindow_->isVisible())
            downrangeWindow_->Recalculate();
    });
}

void Form1::ShowNeedsWindow() {
    if (needsWindow_ == nullptr) {
        needsWindow_ = new NeedsWindow(
            [this] { return CurrentInputs(); },
            [this](const QString& error, const std::string& place) {
                NotifyStopped(error, place, CurrentInputs());
            },
            this);
        needsWindow_->SetGameReader([this] { return game_->Table(); });
        connect(this, &Form1::InputsChanged, needsWindow_, &NeedsWindow::InputsChanged);
    }
    needsWindow_->Recalculate();
    if (needsWindow_->isHidden()) FitWindowOnScreen(*needsWindow_, *this);
    needsWindow_->show();
    needsWindow_->raise();
    needsWindow_->activateWindow();
}

void Form1::ShowDownrangeWindow() {
    if (downrangeWindow_ == nullptr) {
        downrangeWindow_ = new DownrangeWindow(
            [this] {
                FormState now;
                CopyWidgetsToForm(*this, now);
                return now;
            },
            [this](const QString& error, const std::string& place) {
                QString text = tr("The downrange figures stopped: %1.").arg(error);
                if (!place.empty()) text += tr("\nWhere: %1").arg(QString::fromStdString(place));
                Notify(QMessageBox::Critical, text);
            },
            this);
        downrangeWindow_->SetAnimalsReader(
            [this]() -> const std::vector<game::Animal>& { return game_->Table().animals; });
        downrangeWindow_->ShowInputs(LoadDownrangeInputs(store_));
        // Remembered as soon as they have worked; an input that was refused never replaces
        // a good one.
        downrangeWindow_->SetInputsKeeper([this](const downrange::Inputs& inputs) {
            try {
                SaveDownrangeInputs(store_, inputs);
            } catch (const RuntimeError&) {
                // The store cannot be written: the inputs stay in the window for this run.
            }
        });
    }
    downrangeWindow_->Recalculate();
    downrangeWindow_->show();
    downrangeWindow_->raise();
    downrangeWindow_->activateWindow();
}

void Form1::ExportPdf() {
    const QString suggested = QDir::home().filePath(QStringLiteral("kesta-report.pdf"));
    const QString path = choosePdfPath_
                             ? choosePdfPath_(suggested)
                             : QFileDialog::getSaveFileName(this, tr("Export report as PDF"),
                                                            suggested, tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    try {
        WritePdf(BoxTextToCrLf(txtReport_->toPlainText()), path);
    } catch (const RuntimeError& e) {
        Notify(QMessageBox::Critical, tr("The report could not be exported: %1.\nFile: %2")
                                          .arg(QString::fromUtf8(e.what()), path));
    }
}

void Form1::ShowHelp() {
    // One help window, kept open beside the calculator while the user reads the report.
    if (helpWindow_ == nullptr) {
        helpWindow_ = new QWidget(this, Qt::Window);
        helpWindow_->setObjectName(QStringLiteral("HelpWindow"));
        helpWindow_->setWindowTitle(tr("What the report means - KESTA"));
        auto* browser = new QTextBrowser(helpWindow_);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        browser->setAccessibleName(tr("What the report means"));
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl(QString::fromLatin1(kHelpPage)));
        auto* layout = new QVBoxLayout(helpWindow_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        helpWindow_->resize(720, 640);
        AddCloseKeys(*helpWindow_);
    }
    if (helpWindow_->isHidden()) FitWindowOnScreen(*helpWindow_, *this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Form1::ShowAbout() {
    QMessageBox::about(
        this, tr("About KESTA"),
        tr("<h3>KESTA %1</h3>"
           "<p>Minimum bowhunting recommendations: momentum and energy, broadhead cutting "
           "resistance and penetration, dynamic spine, balance, accuracy and the game a set-up "
           "is sufficient for.</p>"
           "<p>Licence: GNU General Public License, version 3 or later "
           "(GPL-3.0-or-later).</p>"
           "<p>Disclaimer: Nobody takes responsibility for your actions but you, and this "
           "report, althought we strive to provide it as reliable as we can, must never "
           "replace your judgement...</p>")
            .arg(QStringLiteral(KESTA_VERSION)));
}

} // namespace kesta
