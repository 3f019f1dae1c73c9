#include "window/TableItems.h"

#include <QBrush>
#include <QColor>

namespace kesta {

FigureItem::FigureItem(const QString& text, double figure) : QTableWidgetItem(text) {
    setData(kSortRole, figure);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool FigureItem::operator<(const QTableWidgetItem& other) const {
    return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
}

QTableWidgetItem* VerdictItem(game::Verdict verdict) {
    auto* item =
        new FigureItem(QString::fromUtf8(game::VerdictName(verdict)), static_cast<double>(verdict));
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QColor colour(200, 230, 201);                                                 // green
    if (verdict == game::Verdict::Marginal) colour = QColor(255, 224, 150);       // amber
    if (verdict == game::Verdict::NotRecommended) colour = QColor(255, 190, 190); // red
    item->setBackground(colour);
    item->setForeground(QBrush(Qt::black));
    return item;
}

} // namespace kesta
