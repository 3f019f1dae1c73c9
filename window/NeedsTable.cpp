// The needs table of the "What would it take?" window: one row per animal, the verdict
// coloured and spelled out, each least answer also in metric units.
#include "window/NeedsParts.h"

#include "ballistics/GameTable.h"
#include "tools/NumberText.h"
#include "tools/Units.h"
#include "window/TableItems.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kesta {

namespace {

using whatif::NeedsRow;

QString Figure(double x, int decimals) {
    return QString::fromStdString(Rounded(x, decimals));
}

double MetresPerSecond(double fps) {
    return ((fps * 12) * 2.54) / 100;
}

// One decimal always, so that the metric figures line up ("28.0 g", not "28 g").
QString OneDecimal(double x) {
    return QString::number(RoundHalfEven(x, 1), 'f', 1);
}

QTableWidgetItem* Least(const std::optional<int>& n, const QString& unit, double metric,
                        const QString& metricUnit) {
    if (!n) return new FigureItem(QObject::tr("none"), kNoneSortsLast);
    return new FigureItem(QStringLiteral("%1 %2 (%3 %4)")
                              .arg(QString::number(*n), unit, OneDecimal(metric), metricUnit),
                          *n);
}

QTableWidgetItem* SameBow(const NeedsRow& row) {
    if (!row.sameEnergyGrains) return new FigureItem(QObject::tr("none"), kNoneSortsLast);
    return new FigureItem(
        QObject::tr("%1 gr at %2 fps")
            .arg(QString::number(*row.sameEnergyGrains), Figure(*row.sameEnergyFps, 0)),
        *row.sameEnergyGrains);
}

void FillRow(QTableWidget& table, int at, const NeedsRow& row) {
    QTableWidgetItem* cells[kNeedsColumns] = {
        new FigureItem(QString::number(row.position), static_cast<double>(row.position)),
        new QTableWidgetItem(QString::fromStdString(row.animal)),
        new FigureItem(Figure(row.massKg, 1), row.massKg),
        new FigureItem(QString::number(row.category), row.category),
        VerdictItem(row.verdict),
        Least(row.leastGrains, QObject::tr("gr"), row.leastGrains.value_or(0) * kGramsPerGrain,
              QObject::tr("g")),
        Least(row.leastFps, QObject::tr("fps"), MetresPerSecond(row.leastFps.value_or(0)),
              QObject::tr("m/s")),
        SameBow(row)};
    for (int column = 0; column < kNeedsColumns; ++column) {
        cells[column]->setData(kPositionRole, static_cast<qulonglong>(row.position));
        cells[column]->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table.setItem(at, column, cells[column]);
    }
}

} // namespace

void FillNeedsTable(QTableWidget& table, const whatif::NeedsTable& needs) {
    const bool sorted = table.isSortingEnabled();
    table.setSortingEnabled(false); // rows would move while they are filled
    table.clearContents();
    table.setColumnCount(kNeedsColumns);
    table.setHorizontalHeaderLabels({QObject::tr("#"), QObject::tr("Animal"),
                                     QObject::tr("Body mass (kg)"), QObject::tr("Category"),
                                     QObject::tr("Verdict now"), QObject::tr("Least grains"),
                                     QObject::tr("Least fps"), QObject::tr("Same bow")});
    table.setRowCount(static_cast<int>(needs.rows.size()));
    for (std::size_t i = 0; i < needs.rows.size(); ++i)
        FillRow(table, static_cast<int>(i), needs.rows[i]);
    table.setSortingEnabled(sorted);
    table.resizeColumnsToContents();
}

QString NeedsExplanation(const whatif::SetUp& s) {
    const QString grains = Figure(s.grains, 1);
    const QString fps = Figure(s.fps, 1);
    return QObject::tr("<b>Set-up:</b> %1 grains at %2 fps, Ro %3 lbs.<br>"
                       "<b>Least grains:</b> the lightest arrow sufficient at %2 fps.&nbsp; "
                       "<b>Least fps:</b> the slowest a %1-grain arrow may fly.&nbsp; "
                       "<b>Same bow:</b> the lightest arrow sufficient at the speed the same bow "
                       "gives it with the set-up's kinetic energy, fps = %2 &times; (%1 / "
                       "grains)<sup>0.5</sup>.&nbsp; None: not within %4 grains or %5 fps.")
        .arg(grains, fps, Figure(s.ro, 1), QString::number(whatif::kMostGrains),
             QString::number(whatif::kMostFps));
}

} // namespace kesta
