#include "window/SetupSession.h"

#include "downrange/StoredInputs.h"
#include "settings/AtomicFile.h"
#include "settings/FileError.h"
#include "settings/GameStore.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFile.h"
#include "tools/Errors.h"
#include "window/DownrangeStore.h"
#include "window/DownrangeWindow.h"
#include "window/Form1.h"
#include "window/FormBinding.h"
#include "window/GameMenu.h"
#include "window/ReportTextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace kesta {

SetupSession::SetupSession(Form1& window, const QString& storeFile)
    : QObject(&window), window_(window), caption_(window.windowTitle()), recent_(storeFile) {
    WatchInputs();
}

FormState SetupSession::Inputs() const {
    return window_.CurrentInputs();
}

bool SetupSession::Modified() const {
    return baseline_.has_value() && Inputs() != *baseline_;
}

bool SetupSession::Open(const QString& path) {
    if (!Load(ReadSetupFile(path), path)) {
        if (!QFileInfo::exists(path)) recent_.Remove(path); // gone for good: off the list
        emit RecentChanged();
        return false;
    }
    Adopt(path, QFileInfo(path).fileName());
    recent_.Add(path);
    emit RecentChanged();
    window_.doReport_Click();
    return true;
}

bool SetupSession::OpenExample(const ExampleSetup& example) {
    // The examples are compiled into the engine: every key is given, nothing can fail.
    CopyFormToWidgets(ExampleForm(example), window_);
    Adopt(QString(), tr("%1 (example)").arg(QString::fromStdString(example.name)));
    window_.doReport_Click();
    return true;
}

bool SetupSession::Load(const SetupFileRead& read, const QString& path) {
    if (!read.contents) {
        window_.Notify(QMessageBox::Critical,
                       FileMessage(tr("The set-up could not be opened"), path, read.problem));
        return false;
    }
    // Exactly as the window's load event: keys the file lacks, or holds unfit values for,
    // take their defaults, and inEdge, inCOC and inTip default to what the window shows.
    FormState loaded = Inputs();
    read.contents->LoadInto(loaded);
    CopyFormToWidgets(loaded, window_);
    if (!read.contents->downrange.empty()) AdoptDownrange(read.contents->downrange);
    // A set-up saved with a game table brings it back; one saved without keeps the choice.
    if (read.contents->game) window_.Game().Adopt(*read.contents->game);
    if (!read.contents->gameProblem.isEmpty()) {
        // Never a silent change of the animals judged: say which table the verdicts now use.
        const QString table = QString::fromStdString(window_.Game().Table().name);
        window_.Notify(QMessageBox::Warning,
                       FileMessage(tr("The set-up's own game list was left out"), path,
                                   tr("%1; the game table in use is %2")
                                       .arg(read.contents->gameProblem, table)));
    }
    if (!read.contents->formatWarning.isEmpty())
        window_.Notify(QMessageBox::Warning,
                       FileMessage(tr("The set-up may not read as it was meant"), path,
                                   read.contents->formatWarning));
    if (!read.contents->unknownKeys.empty()) {
        QStringList keys;
        for (const std::string& key : read.contents->unknownKeys)
            keys << QString::fromStdString(key);
        window_.Notify(QMessageBox::Warning,
                       tr("These keys are not settings keys and were ignored: %1.\nFile: %2")
                           .arg(keys.join(QStringLiteral(", ")), path));
    }
    return true;
}

bool SetupSession::SaveAs(const QString& chosen) {
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".kesta");
    const FormState inputs = Inputs();
    // The downrange inputs go with the set-up once the user has worked with them.
    const auto downrange = window_.Store().ReadGroup(kDownrangeGroup);
    try {
        // The default game, with no list of one's own, writes no [game] group: such a file is
        // byte for byte what it always was.
        const StoredGame& game = window_.Game().Stored();
        WriteSetupFile(path, inputs,
                       downrange.empty()
                           ? std::vector<std::pair<std::string, std::string>>()
                           : downrange::InputTexts(downrange::StoredInputs(downrange)),
                       game == StoredGame() ? StoredValues() : GameValues(game));
    } catch (const FileError& e) {
        window_.Notify(QMessageBox::Critical, FileMessage(tr("The set-up could not be saved"), e));
        return false;
    }
    Adopt(path, QFileInfo(path).fileName());
    recent_.Add(path);
    emit RecentChanged();
    return true;
}

bool SetupSession::SaveReportText(const QString& path) {
    const auto* box = window_.findChild<QPlainTextEdit*>(QStringLiteral("txtReport"));
    try {
        WriteFileAtomically(path, ReportFileText(BoxTextToCrLf(box->toPlainText())));
    } catch (const FileError& e) {
        window_.Notify(QMessageBox::Critical, FileMessage(tr("The report could not be saved"), e));
        return false;
    }
    return true;
}

void SetupSession::AdoptDownrange(const std::map<std::string, std::string>& texts) {
    const downrange::Inputs inputs = downrange::StoredInputs(texts);
    try {
        SaveDownrangeInputs(window_.Store(), inputs);
    } catch (const RuntimeError&) {
        // The store cannot be written: the inputs still reach an open Downrange window.
    }
    if (auto* open = window_.findChild<DownrangeWindow*>(QStringLiteral("DownrangeWindow"))) {
        open->ShowInputs(inputs);
        open->Recalculate();
    }
}

void SetupSession::Adopt(const QString& file, const QString& shownName) {
    currentFile_ = file;
    shownName_ = shownName;
    baseline_ = Inputs();
    UpdateTitle();
}

void SetupSession::WatchInputs() {
    // Every change of an input may make the inputs differ from the file, or agree again.
    const QWidget& client = window_.ClientArea();
    for (auto* box : client.findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &SetupSession::UpdateTitle);
    for (auto* option : client.findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, &SetupSession::UpdateTitle);
    for (auto* list : client.findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, &SetupSession::UpdateTitle);
    for (auto* check : client.findChildren<QCheckBox*>())
        connect(check, &QCheckBox::toggled, this, &SetupSession::UpdateTitle);
}

void SetupSession::UpdateTitle() {
    if (shownName_.isEmpty()) return; // no file yet: the caption alone, as always
    const QString mark = Modified() ? QStringLiteral("*") : QString();
    window_.setWindowTitle(caption_ + QStringLiteral(" \u2014 ") + mark + shownName_);
}

} // namespace kesta
