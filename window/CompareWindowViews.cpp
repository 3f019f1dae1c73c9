// The compare window's two views: the summary of figures and verdict changes, and the two
// reports side by side.
#include "window/CompareWindow.h"

#include "compare/CompareFormats.h"
#include "compare/SideBySide.h"
#include "window/ReportFont.h"

#include <QHeaderView>

#include <array>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>

namespace kesta {

namespace {

// A differing line or figure: pale amber, readable under any text colour of the style.
const QColor kDiffers(255, 233, 168);
// A line that stands opposite nothing on the other side.
const QColor kMissing(232, 232, 232);

// Figure, A, B, B - A, Better.
constexpr int kSummaryColumns = 5;

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

QWidget* CompareWindow::BuildSummary() {
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QTableWidget(0, kSummaryColumns, area);
    summary_->setObjectName(QStringLiteral("CompareSummary"));
    summary_->setAccessibleName(tr("Figures of both reports"));
    summary_->setHorizontalHeaderLabels(
        {tr("Figure"), tr("A"), tr("B"), tr("B \u2212 A"), tr("Better")});
    summary_->verticalHeader()->hide();
    summary_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Equal number columns, wide enough for "+9999.99", so that A and B read as a pair.
    const int numberWidth = summary_->fontMetrics().horizontalAdvance(QStringLiteral("+9999.99")) + 16;
    for (int column = 1; column < kSummaryColumns; ++column) {
        summary_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
        summary_->horizontalHeader()->resizeSection(column, numberWidth);
    }
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_->setAlternatingRowColors(false);

    auto* verdictArea = new QWidget(area);
    auto* verdictLayout = new QVBoxLayout(verdictArea);
    verdictLayout->setContentsMargins(0, 0, 0, 0);
    verdictTitle_ = new QLabel(tr("Verdict changes (A \u2192 B):"), verdictArea);
    verdicts_ = new QListWidget(verdictArea);
    verdicts_->setObjectName(QStringLiteral("CompareVerdicts"));
    verdicts_->setAccessibleName(tr("Verdict changes"));
    verdictTitle_->setBuddy(verdicts_);
    verdictLayout->addWidget(verdictTitle_);
    verdictLayout->addWidget(verdicts_);
    layout->addWidget(summary_, 3);
    layout->addWidget(verdictArea, 2);
    return area;
}

QWidget* CompareWindow::BuildReports() {
    auto* area = new QWidget(this);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 2; ++k) {
        Side& side = sides_[k];
        auto* column = new QVBoxLayout();
        side.header = new QLabel(area);
        side.header->setObjectName(k == 0 ? QStringLiteral("CompareHeaderA")
                                          : QStringLiteral("CompareHeaderB"));
        side.header->setWordWrap(true);
        side.report = new QPlainTextEdit(area);
        side.report->setObjectName(k == 0 ? QStringLiteral("CompareReportA")
                                          : QStringLiteral("CompareReportB"));
        side.report->setAccessibleName(k == 0 ? tr("Report of set-up A") : tr("Report of set-up B"));
        side.report->setReadOnly(true);
        side.report->setLineWrapMode(QPlainTextEdit::NoWrap);
        side.report->setFont(ReportFont());
        column->addWidget(side.header);
        column->addWidget(side.report, 1);
        layout->addLayout(column, 1);
    }
    // The aligned lines stay side by side while either report scrolls.
    for (auto bar : {&QPlainTextEdit::verticalScrollBar, &QPlainTextEdit::horizontalScrollBar}) {
        QScrollBar* a = (sides_[0].report->*bar)();
        QScrollBar* b = (sides_[1].report->*bar)();
        connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
        connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
    }
    return area;
}

void CompareWindow::ShowSummary() {
    summary_->setRowCount(static_cast<int>(comparison_.inputs.size() + comparison_.figures.size()));
    int row = 0;
    auto addRow = [&](const std::array<QString, kSummaryColumns>& cells, bool differs) {
        for (int column = 0; column < kSummaryColumns; ++column) {
            QTableWidgetItem* item = Cell(cells[column], column > 0);
            if (differs) item->setBackground(kDiffers);
            item->setToolTip(cells[column]); // an input's text may be wider than its column
            summary_->setItem(row, column, item);
        }
        ++row;
    };
    // The inputs that differ first: they are why the figures below differ.
    for (const InputRow& input : comparison_.inputs)
        addRow({tr("Input: %1").arg(QString::fromStdString(input.input)),
                QString::fromStdString(input.a), QString::fromStdString(input.b), QString(),
                QString()},
               true);
    for (const FigureRow& figure : comparison_.figures) {
        const std::string a = ShownText(figure.figure, figure.a);
        const std::string b = ShownText(figure.figure, figure.b);
        addRow({QString::fromStdString(FigureLabel(figure.figure)), QString::fromStdString(a),
                QString::fromStdString(b),
                QString::fromStdString(DifferenceText(figure.difference)),
                QString::fromStdString(BetterText(figure.better))},
               a != b);
    }
    summary_->resizeRowsToContents();
    summary_->setCurrentItem(nullptr); // no row looks chosen before the user picks one

    verdicts_->clear();
    for (const VerdictChange& change : comparison_.verdictChanges)
        verdicts_->addItem(QString::fromStdString(VerdictChangeText(change)));
    const std::string note = VerdictNote(comparison_);
    if (!note.empty()) verdicts_->addItem(QString::fromStdString(note));
    verdictTitle_->setText(tr("Verdict changes (A \u2192 B): %n", nullptr,
                              static_cast<int>(comparison_.verdictChanges.size())));
}

void CompareWindow::ShowReports() {
    const SideReport* reports[2] = {&comparison_.a, &comparison_.b};
    const auto rows = AlignLines(SplitLines(reports[0]->text), SplitLines(reports[1]->text));
    for (int k = 0; k < 2; ++k) {
        Side& side = sides_[k];
        QString header = QStringLiteral("<b>%1: %2</b>").arg(k == 0 ? "A" : "B", side.name.toHtmlEscaped());
        const std::string stop = StopText(*reports[k], k == 0 ? 'A' : 'B');
        if (!stop.empty())
            header += QStringLiteral("<br><span style=\"color:#b00020\">%1</span>")
                          .arg(QString::fromStdString(stop).toHtmlEscaped());
        side.header->setText(header);

        QStringList lines;
        QList<QTextEdit::ExtraSelection> marks;
        for (const AlignedRow& row : rows)
            lines << QString::fromStdString((k == 0 ? row.a : row.b).value_or(std::string()));
        side.report->setPlainText(lines.join(QLatin1Char('\n')));
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            if (!rows[i].differs) continue;
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(side.report->document()->findBlockByNumber(i));
            mark.format.setBackground((k == 0 ? rows[i].a : rows[i].b) ? kDiffers : kMissing);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            marks << mark;
        }
        side.report->setExtraSelections(marks);
    }
}

} // namespace kesta
