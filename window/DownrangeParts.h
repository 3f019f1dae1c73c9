// Internal to the Downrange window: filling its tables and building its charts.
#pragma once

#include "downrange/Downrange.h"

class QChart;
class QTableWidget;

namespace kesta {

// Every 5 yards (and the last distance): yards and metres, fps and m/s, foot-pounds and joules,
// slug-foot seconds and newton seconds, seconds, path in inches and centimetres.
void FillDistanceTable(QTableWidget& table, const downrange::DistanceTable& figures);
// One row per reaction time: the report's constant-speed yards beside the slowing arrow's.
void FillReactionTable(QTableWidget& table, const downrange::DistanceTable& figures);

// The columns of the animal table, in order.
enum AnimalColumn {
    kAnimalNameColumn,
    kAnimalMassColumn,
    kAnimalCategoryColumn,
    kAnimalVerdictColumn,
    kSufficientToColumn,
    kMarginalToColumn,
    kAccuracyColumn,
    kEthicalColumn,
    kAnimalColumns
};
// One row per animal, sortable by every column; "none" sorts last.
void FillAnimalTable(QTableWidget& table, const downrange::Ranges& ranges);

// Energy (left axis) and momentum (right axis) against distance.
QChart* BuildEnergyChart(const downrange::DistanceTable& figures);
// The path against the line of sight, and the sight line itself.
QChart* BuildPathChart(const downrange::DistanceTable& figures);

} // namespace kesta
