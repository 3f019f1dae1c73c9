// Internal to the "What would it take?" window: filling its table and building its chart.
#pragma once

#include "whatif/Needs.h"

#include <QString>

class QChart;
class QTableWidget;

namespace kesta {

// The columns of the needs table, in order.
enum NeedsColumn {
    kPositionColumn,
    kAnimalColumn,
    kMassColumn,
    kCategoryColumn,
    kVerdictColumn,
    kLeastGrainsColumn,
    kLeastFpsColumn,
    kSameBowColumn,
    kNeedsColumns
};

// The item data role that holds a row's table position.
constexpr int kPositionRole = Qt::UserRole;

// Sets the headers and one row per animal; every column sorts by its figure, none last.
void FillNeedsTable(QTableWidget& table, const whatif::NeedsTable& needs);

// What each column assumes, for the heading above the table.
QString NeedsExplanation(const whatif::SetUp& setUp);

// The selected animal's chart: both curves, the chest depth, the category's least arrow mass
// and the set-up itself.
QChart* BuildNeedsChart(const whatif::NeedsChart& chart);

} // namespace kesta
