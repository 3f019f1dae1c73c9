// Table cells shared by the tool windows: a cell that sorts by its figure, and a verdict cell
// whose colour only repeats the word it always writes.
#pragma once

#include "ballistics/GameTable.h"

#include <QTableWidgetItem>

#include <limits>

namespace kesta {

constexpr int kSortRole = Qt::UserRole + 1;
// The sort figure of a cell that has no figure ("none"), so that it sorts after every figure.
constexpr double kNoneSortsLast = std::numeric_limits<double>::infinity();

class FigureItem : public QTableWidgetItem {
  public:
    FigureItem(const QString& text, double figure);
    bool operator<(const QTableWidgetItem& other) const override;
};

// "sufficient" on green, "marginal" on amber, "not recommended" on red; sorts in that order.
QTableWidgetItem* VerdictItem(game::Verdict verdict);

} // namespace kesta
