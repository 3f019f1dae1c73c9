#include "window/CompareWindow.h"

#include "settings/FileError.h"
#include "settings/SetupFile.h"
#include "window/ScreenFit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace kesta {

namespace {

const QString kInputs = QStringLiteral("inputs");
const QString kChoose = QStringLiteral("choose");
const QString kExamplePrefix = QStringLiteral("example:");
const QString kFilePrefix = QStringLiteral("file:");
const QString kKept = QStringLiteral("kept");
// Long enough that typing "300" compares once, short enough to feel immediate.
constexpr int kRefreshDelayMs = 250;

QString SideLetter(int side) {
    return side == 0 ? QStringLiteral("A") : QStringLiteral("B");
}

} // namespace

CompareWindow::CompareWindow(InputsSource inputs, FileAsker askFile, Notifier notify,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), inputs_(std::move(inputs)), askFile_(std::move(askFile)),
      notify_(std::move(notify)) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Compare set-ups - KESTA"));
    BuildWidgets();
    resize(1260, 900);
    AddCloseKeys(*this);
    refreshSoon_ = new QTimer(this);
    refreshSoon_->setSingleShot(true);
    refreshSoon_->setInterval(kRefreshDelayMs);
    connect(refreshSoon_, &QTimer::timeout, this, &CompareWindow::Refresh);
}

void CompareWindow::InputsChanged() {
    if (isHidden()) return; // opening it again compares afresh
    for (const Side& side : sides_)
        if (!side.form) refreshSoon_->start();
}

void CompareWindow::KeepAsB() {
    Side& side = sides_[1];
    side.form = inputs_ ? inputs_() : FormState();
    side.name = tr("Kept at %1").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    side.sourceData = kKept;
    // One kept set-up at a time: the list's entry names the latest.
    for (Side& each : sides_) {
        const int at = each.source->findData(kKept);
        if (at >= 0)
            each.source->setItemText(at, side.name);
        else
            each.source->insertItem(1, side.name, kKept);
    }
    kept_ = side.form;
    keptName_ = side.name;
    SelectSource(side);
    Refresh();
}

void CompareWindow::BuildWidgets() {
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(BuildSummary());
    splitter_->addWidget(BuildReports());
    // The summary keeps its height (FitSummary); a taller window gives the reports more lines.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSourceRow());
    layout->addWidget(splitter_, 1);
}

QWidget* CompareWindow::BuildSourceRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 2; ++k) {
        Side& side = sides_[k];
        auto* label = new QLabel(tr("Set-up %1:").arg(SideLetter(k)), row);
        side.source = new QComboBox(row);
        side.source->setObjectName(QStringLiteral("CompareSource") + SideLetter(k));
        side.source->setAccessibleName(tr("Set-up %1").arg(SideLetter(k)));
        side.source->setMinimumContentsLength(28);
        label->setBuddy(side.source);
        FillSourceList(side);
        connect(side.source, &QComboBox::activated, this,
                [this, k](int index) { SourceActivated(k, index); });
        layout->addWidget(label);
        layout->addWidget(side.source, 1);
        layout->addSpacing(12);
    }
    auto* keep = new QPushButton(tr("&Keep as B"), row);
    keep->setObjectName(QStringLiteral("CompareKeep"));
    keep->setToolTip(tr("Copies the window's inputs as they are now into set-up B; change the "
                        "inputs and A is compared with what you kept"));
    connect(keep, &QPushButton::clicked, this, &CompareWindow::KeepAsB);
    layout->addWidget(keep);
    auto* close = new QPushButton(tr("Close"), row);
    close->setObjectName(QStringLiteral("CompareClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return row;
}

void CompareWindow::FillSourceList(Side& side) {
    side.source->addItem(tr("Current inputs"), kInputs);
    for (const ExampleSetup& example : Examples())
        side.source->addItem(tr("Example: %1").arg(QString::fromStdString(example.name)),
                             kExamplePrefix + QString::fromStdString(example.name));
    side.source->addItem(tr("Set-up file..."), kChoose);
}

void CompareWindow::SourceActivated(int k, int index) {
    const QString data = sides_[k].source->itemData(index).toString();
    if (data == kInputs) {
        SetInputs(k);
    } else if (data.startsWith(kExamplePrefix)) {
        SetExample(k, *FindExample(data.mid(kExamplePrefix.size()).toStdString()));
    } else if (data == kKept && kept_) {
        Side& side = sides_[k];
        side.form = kept_;
        side.name = keptName_;
        side.sourceData = kKept;
        Refresh();
    } else if (data.startsWith(kFilePrefix)) {
        SetFile(k, data.mid(kFilePrefix.size()));
    } else {
        const QString path = askFile_ ? askFile_() : QString();
        if (path.isEmpty() || !SetFile(k, path)) SelectSource(sides_[k]); // as it was
    }
}

void CompareWindow::StartWith(const QString& fileB) {
    SetInputs(0);
    if (fileB.isEmpty() || !SetFile(1, fileB)) SetExample(1, Examples().front());
}

void CompareWindow::SetInputs(int k) {
    Side& side = sides_[k];
    side.form.reset();
    side.name = tr("Current inputs");
    side.sourceData = kInputs;
    SelectSource(side);
    Refresh();
}

void CompareWindow::SetExample(int k, const ExampleSetup& example) {
    Side& side = sides_[k];
    side.form = ExampleForm(example);
    side.name = tr("%1 (example)").arg(QString::fromStdString(example.name));
    side.sourceData = kExamplePrefix + QString::fromStdString(example.name);
    SelectSource(side);
    Refresh();
}

bool CompareWindow::SetFile(int k, const QString& path) {
    const SetupFileRead read = ReadSetupFile(path);
    if (!read.contents) {
        if (notify_)
            notify_(QMessageBox::Critical,
                    FileMessage(tr("The set-up could not be opened"), path, read.problem));
        return false;
    }
    if (notify_ && !read.contents->formatWarning.isEmpty())
        notify_(QMessageBox::Warning, FileMessage(tr("The set-up may not read as it was meant"),
                                                  path, read.contents->formatWarning));
    Side& side = sides_[k];
    side.form = FormState(); // a file alone, as kesta-report --compare loads it
    read.contents->LoadInto(*side.form);
    side.name = QFileInfo(path).fileName();
    side.sourceData = kFilePrefix + QFileInfo(path).absoluteFilePath();
    // Both lists offer the file from now on, just above "Set-up file...".
    for (Side& each : sides_) {
        if (each.source->findData(side.sourceData) >= 0) continue;
        each.source->insertItem(each.source->count() - 1, side.name, side.sourceData);
        each.source->setItemData(each.source->count() - 2, path, Qt::ToolTipRole);
    }
    SelectSource(side);
    Refresh();
    return true;
}

void CompareWindow::SelectSource(Side& side) {
    side.source->setCurrentIndex(std::max(side.source->findData(side.sourceData), 0));
}

QString CompareWindow::SideName(int side) const {
    return sides_[side].name;
}

FormState CompareWindow::FormOf(const Side& side) const {
    if (side.form) return *side.form;
    return inputs_ ? inputs_() : FormState();
}

void CompareWindow::Refresh() {
    refreshSoon_->stop();
    comparison_ = Compare(FormOf(sides_[0]), FormOf(sides_[1]));
    ShowSummary();
    ShowReports();
}

void CompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!sized_) FitSummary(); // the splitter has its height only once laid out
}

void CompareWindow::FitSummary() {
    // The whole table of figures where the window allows, at most half of it; afterwards the
    // user's own division stays.
    sized_ = true;
    summary_->resizeRowsToContents(); // now that the table has its style's fonts
    int wanted = summary_->horizontalHeader()->sizeHint().height() + 2 * summary_->frameWidth();
    for (int row = 0; row < summary_->rowCount(); ++row)
        wanted += summary_->rowHeight(row);
    const int total = splitter_->height() > 0 ? splitter_->height() : height();
    wanted = std::min(wanted, total / 2);
    splitter_->setSizes({wanted, total - wanted});
}

} // namespace kesta
