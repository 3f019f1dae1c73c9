// The calculator window: the inputs of one hunting set-up, the "Report" and "Print" buttons
// and the report box. Its load restores every input from the settings store, its unload
// writes them back; the report itself is built by the toolkit-free Calculator.
#pragma once

#include "form/FormState.h"
#include "report/Calculator.h"
#include "report/InputWarnings.h"
#include "window/Form1Layout.h"

#include <QMessageBox>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QLabel;
class QScrollArea;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace kesta {

class GameMenu;
class NeedsWindow;
class DownrangeWindow;
class SettingsStore;
class SetupMenus;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    // How the window tells the user something (an error, where a PDF went). A message box by
    // default; tests capture the messages instead.
    using Notifier = std::function<void(QMessageBox::Icon, const QString& text)>;

    // Builds every control in its design state and loads the settings from `store` (which
    // must outlive the window), so the window is ready to be shown.
    explicit Form1(SettingsStore& store, Notifier notifier = {}, QWidget* parent = nullptr);

    void SetNotifier(Notifier notifier) { notify_ = std::move(notifier); }

    // Where printing puts its PDF when the system has no printer (default: the user's
    // documents folder).
    void SetPdfFolder(const QString& folder) { pdfFolder_ = folder; }

    // The client size the window opens at: the whole report box where `available` allows,
    // otherwise as much as fits, `frame` being the size the window frame (and the menu bar)
    // adds.
    static QSize OpeningSize(const QSize& available, const QSize& frame);

    // The area below the menu bar that holds the form's controls at their design places.
    QWidget& ClientArea() const { return *client_; }
    // Between the menu bar and the form: what the last report did with inputs that are not
    // what they seem. Hidden when there is nothing to say; never a dialog.
    QLabel& MessageArea() const { return *messages_; }
    // The scroll area that holds the form when the screen is smaller than its design size
    // (nullptr while the form fits).
    QScrollArea* FormScroller() const { return scroller_; }
    // The inputs as the window shows them now; every copy of them starts here.
    FormState CurrentInputs() const;
    QMenuBar& MenuBar() const { return *menuBar_; }
    // The window's menus, for the features that add their actions to them.
    QMenu& FileMenu() const { return *fileMenu_; }
    QMenu& ToolsMenu() const { return *toolsMenu_; }
    // The settings store the window loads from and saves to.
    SettingsStore& Store() const { return store_; }
    QMenu& HelpMenu() const { return *helpMenu_; }
    // Opening, saving and comparing set-up files (SetupMenus.h).
    SetupMenus& Setups() const { return *setups_; }
    // The game the report judges (GameMenu.h).
    GameMenu& Game() const { return *game_; }

    // Where "Export report as PDF..." writes; by default a file dialog asks. Tests set a
    // function that returns the path (an empty path cancels).
    using PathChooser = std::function<QString(const QString& suggested)>;
    void SetPdfExportChooser(PathChooser chooser) { choosePdfPath_ = std::move(chooser); }

    // The window's unload: saves every input. Runs on close, and when the session or the
    // application ends without a close; a store that cannot be written is reported.
    void Form_Unload();

    // Tells the user through the notifier: a message box unless tests capture it.
    void Notify(QMessageBox::Icon icon, const QString& text);

  signals:
    // Any input control changed: a text, an option, the list or the check box.
    void InputsChanged();

  public slots:
    void doReport_Click();
    void doPrint_Click();
    void ExportPdf();
    void ShowHelp();
    void ShowAbout();
    // Tools > What would it take? (Ctrl+T): opens the needs window, or brings it to the
    // front, worked out for the inputs in the form.
    void ShowNeedsWindow();
    // Tools > Downrange...: opens the downrange window, or brings it to the front, worked out
    // for the inputs in the form.
    void ShowDownrangeWindow();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void BuildGameMenu();
    QSize MenuBarSize() const;
    void Form_Load();
    void SaveInputs();
    void PlaceClientArea();
    QWidget* CreateControl(const ControlSpec& c, QWidget* container);
    void SignalChanges(QWidget* control);
    void FitToScreen();
    // The report's own error dialog: the error and where it arose, the input named by its
    // label; with every box still 0, a word on how to begin.
    void NotifyStopped(const QString& error, const std::string& place, const FormState& form);
    void ShowInputWarnings(const std::vector<InputWarning>& warnings);
    // With no saved inputs: how to begin, in the empty report box.
    void ShowFirstRunHint();
    void ScrollFormIfNeeded(const QSize& clientSize);

    SettingsStore& store_;
    FormState form_;
    Calculator calculator_{form_};
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QWidget* client_ = nullptr;
    QLabel* messages_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QWidget* helpWindow_ = nullptr;
    SetupMenus* setups_ = nullptr;
    GameMenu* game_ = nullptr;
    NeedsWindow* needsWindow_ = nullptr;
    DownrangeWindow* downrangeWindow_ = nullptr;
    PathChooser choosePdfPath_;
    QPlainTextEdit* txtReport_ = nullptr;
    QString pdfFolder_;
    Notifier notify_;
    bool unloaded_ = false;
    bool fitted_ = false;
};

} // namespace kesta
