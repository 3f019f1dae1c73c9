// The Downrange window's tables: the distance table in imperial and metric units, the reaction
// distances with and without drag, and each animal's ranges with its verdict at the bow.
#include "window/DownrangeParts.h"

#include "tools/NumberText.h"
#include "window/TableItems.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kesta {

namespace {

// Fixed decimals, so that a column lines up ("300.0", not "300"); never the locale's comma.
QString Fixed(double x, int decimals) {
    return QString::number(RoundHalfEven(x, decimals), 'f', decimals);
}

QTableWidgetItem* Number(double x, int decimals) {
    return new FigureItem(Fixed(x, decimals), x);
}

QTableWidgetItem* Yards(const std::optional<double>& yards) {
    if (!yards) return new FigureItem(QObject::tr("none"), kNoneSortsLast);
    return new FigureItem(QString::fromStdString(NumberText(*yards)), *yards);
}

QTableWidgetItem* Yards(const std::optional<int>& yards) {
    return Yards(yards ? std::optional<double>(*yards) : std::nullopt);
}

void Fill(QTableWidget& table, int row, std::initializer_list<QTableWidgetItem*> cells) {
    int column = 0;
    for (QTableWidgetItem* cell : cells) {
        cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table.setItem(row, column++, cell);
    }
}

// Starts filling: sorting off (rows would move), the old rows gone, the new headers.
void Begin(QTableWidget& table, const QStringList& headers, int rows) {
    table.setSortingEnabled(false);
    table.clearContents();
    table.setColumnCount(static_cast<int>(headers.size()));
    table.setHorizontalHeaderLabels(headers);
    table.setRowCount(rows);
}

constexpr double kMetresPerYard = 0.9144;
constexpr double kJoulesPerFootPound = 1.3558179483314004;
constexpr double kNewtonSecondsPerSlugFootSecond = 4.4482216152605;

} // namespace

void FillDistanceTable(QTableWidget& table, const downrange::DistanceTable& figures) {
    std::vector<const downrange::DistanceRow*> shown;
    for (const downrange::DistanceRow& r : figures.rows)
        if (r.yards % 5 == 0 || r.yards == figures.inputs.maxDistance) shown.push_back(&r);
    Begin(table,
          {QObject::tr("Yards"), QObject::tr("m"), QObject::tr("fps"), QObject::tr("m/s"),
           QObject::tr("ft\u00B7lb"), QObject::tr("J"), QObject::tr("slug\u00B7ft/s"),
           QObject::tr("N\u00B7s"), QObject::tr("Time (s)"), QObject::tr("Path (in)"),
           QObject::tr("Path (cm)")},
          static_cast<int>(shown.size()));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const downrange::DistanceRow& r = *shown[i];
        Fill(table, static_cast<int>(i),
             {Number(r.yards, 0), Number(r.yards * kMetresPerYard, 1), Number(r.speedFps, 1),
              Number(r.speedFps * 0.3048, 1), Number(r.energyFtLb, 1),
              Number(r.energyFtLb * kJoulesPerFootPound, 1), Number(r.momentumSlugFtS, 3),
              Number(r.momentumSlugFtS * kNewtonSecondsPerSlugFootSecond, 2), Number(r.timeS, 3),
              Number(r.pathInches, 1), Number(r.pathInches * 2.54, 1)});
    }
    table.resizeColumnsToContents();
}

void FillReactionTable(QTableWidget& table, const downrange::DistanceTable& figures) {
    Begin(table,
          {QObject::tr("Reaction (s)"), QObject::tr("Constant speed (yd)"),
           QObject::tr("With drag (yd)"), QObject::tr("With drag (m)")},
          static_cast<int>(figures.reaction.size()));
    for (std::size_t i = 0; i < figures.reaction.size(); ++i) {
        const downrange::ReactionRow& r = figures.reaction[i];
        QTableWidgetItem* constant =
            r.yardsConstantSpeed ? Number(*r.yardsConstantSpeed, 0)
                                 : new FigureItem(QObject::tr("none"), kNoneSortsLast);
        Fill(table, static_cast<int>(i),
             {Number(r.reactionS, 2), constant, Number(r.yardsWithDrag, 0),
              Number(r.yardsWithDrag * kMetresPerYard, 1)});
    }
    table.resizeColumnsToContents();
}

void FillAnimalTable(QTableWidget& table, const downrange::Ranges& ranges) {
    Begin(table,
          {QObject::tr("Animal"), QObject::tr("Mass (kg)"), QObject::tr("Category"),
           QObject::tr("At the bow"), QObject::tr("Sufficient to (yd)"),
           QObject::tr("Marginal to (yd)"), QObject::tr("Accuracy limit (yd)"),
           QObject::tr("Ethical range (yd)")},
          static_cast<int>(ranges.rows.size()));
    for (std::size_t i = 0; i < ranges.rows.size(); ++i) {
        const downrange::AnimalRange& r = ranges.rows[i];
        auto* name = new QTableWidgetItem(QString::fromStdString(r.animal));
        Fill(table, static_cast<int>(i),
             {name, Number(r.massKg, 1), Number(r.category, 0), VerdictItem(r.atBow),
              Yards(r.sufficientTo), Yards(r.marginalTo),
              new FigureItem(QString::fromStdString(NumberText(r.accuracy)), r.accuracy),
              Yards(r.ethical)});
    }
    table.setSortingEnabled(true);
    table.resizeColumnsToContents();
}

} // namespace kesta
