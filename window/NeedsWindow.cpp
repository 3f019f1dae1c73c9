#include "window/NeedsWindow.h"

#include "form/InputLabels.h"
#include "tools/Errors.h"
#include "window/NeedsParts.h"
#include "window/ScreenFit.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kesta {

namespace {
// The table takes a few milliseconds; wait only for a pause in typing.
constexpr int kRecalculateDelayMs = 250;
} // namespace

NeedsWindow::NeedsWindow(FormReader readForm, StopNotifier notifyStop, QWidget* parent)
    : QWidget(parent, Qt::Window), readForm_(std::move(readForm)),
      notifyStop_(std::move(notifyStop)) {
    setObjectName(QStringLiteral("NeedsWindow"));
    setWindowTitle(tr("What would it take? - KESTA"));

    setUp_ = new QLabel(this);
    setUp_->setObjectName(QStringLiteral("NeedsSetUp"));
    setUp_->setWordWrap(true);
    setUp_->setTextFormat(Qt::RichText);
    recalculate_ = new QPushButton(tr("&Recalculate"), this);
    recalculate_->setObjectName(QStringLiteral("NeedsRecalculate"));
    recalculate_->setToolTip(tr("Work the table out again for the inputs in the calculator"));
    connect(recalculate_, &QPushButton::clicked, this, &NeedsWindow::Recalculate);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("NeedsClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    AddCloseKeys(*this);

    stale_ = new QLabel(this);
    stale_->setObjectName(QStringLiteral("NeedsStale"));
    stale_->setAccessibleName(tr("Older inputs"));
    stale_->setWordWrap(true);
    stale_->setTextFormat(Qt::PlainText);
    stale_->setStyleSheet(QStringLiteral("QLabel#NeedsStale { background: #fff4c2; color: #3a2e00; padding: 4px; }"));
    stale_->hide();
    recalculateSoon_ = new QTimer(this);
    recalculateSoon_->setSingleShot(true);
    recalculateSoon_->setInterval(kRecalculateDelayMs);
    connect(recalculateSoon_, &QTimer::timeout, this, [this] { Calculate(true); });

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("NeedsTable"));
    table_->setAccessibleName(tr("What each animal needs"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSortingEnabled(true);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous, int) {
                if (row != previous) ShowChart(row);
            });

    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    chartView_ = new QChartView(this);
    chartView_->setObjectName(QStringLiteral("NeedsChart"));
    chartView_->setAccessibleName(tr("Penetration of the selected animal against arrow mass"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(320);

    auto* top = new QHBoxLayout;
    top->addWidget(setUp_, 1);
    top->addWidget(recalculate_, 0, Qt::AlignTop);
    top->addWidget(close, 0, Qt::AlignTop);
    // The table above the chart, both the window's width: the mass axis wants the width.
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(chartView_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(stale_);
    layout->addWidget(split, 1);
    resize(1120, 940);
    // Opened from the keyboard, the keys (arrows, Esc) go to the table at once.
    table_->setFocus();
}

void NeedsWindow::Recalculate() {
    Calculate(false);
}

void NeedsWindow::InputsChanged() {
    if (!isHidden()) recalculateSoon_->start(); // opening it again recalculates anyway
}

bool NeedsWindow::Calculate(bool quietly) {
    recalculateSoon_->stop();
    const std::optional<std::size_t> selected = SelectedPosition();
    FormState form = readForm_();
    game::GameTable game = readGame_ ? readGame_() : game::DefaultTable();
    whatif::NeedsCalculator needs(form, game);
    whatif::NeedsTable table;
    try {
        table = needs.Table();
    } catch (const RuntimeError& e) {
        if (table_->rowCount() > 0) {
            stale_->setText(tr("These figures are for earlier inputs: the inputs now in the "
                               "calculator stop at %1 (%2).")
                                .arg(QString::fromUtf8(e.what()),
                                     QString::fromStdString(PlaceForUser(e.place()))));
            stale_->show();
        }
        if (!quietly) notifyStop_(QString::fromUtf8(e.what()), e.place());
        return false;
    }
    // Another table's animal at the same position is another animal: start from the first.
    const bool sameGame = game == game_;
    stale_->hide();
    form_ = std::move(form);
    game_ = std::move(game);
    setUp_->setText(NeedsExplanation(table.setUp));
    FillNeedsTable(*table_, table);
    Select(sameGame ? selected.value_or(0) : 0);
    return true;
}

std::optional<std::size_t> NeedsWindow::SelectedPosition() const {
    const QTableWidgetItem* item = table_->item(table_->currentRow(), kPositionColumn);
    if (item == nullptr) return std::nullopt;
    return item->data(kPositionRole).toULongLong();
}

void NeedsWindow::Select(std::size_t position) {
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, kPositionColumn)->data(kPositionRole).toULongLong() != position)
            continue;
        // The chart follows the current row; set it afresh so that it is redrawn.
        table_->setCurrentCell(-1, -1);
        table_->setCurrentCell(row, kAnimalColumn);
        return;
    }
}

void NeedsWindow::ShowChart(int row) {
    const QTableWidgetItem* item = table_->item(row, kPositionColumn);
    if (item == nullptr) return;
    whatif::NeedsCalculator needs(form_, game_);
    try {
        QChart* old = chartView_->chart();
        chartView_->setChart(BuildNeedsChart(needs.Chart(item->data(kPositionRole).toULongLong())));
        delete old; // the view does not own a chart it is given
    } catch (const RuntimeError& e) {
        notifyStop_(QString::fromUtf8(e.what()), e.place());
    }
}

} // namespace kesta
