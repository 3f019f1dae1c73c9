#include "report/ReportFigures.h"

#include "tools/Errors.h"

namespace kesta {

namespace {

FigureId Offset(FigureId first, int category) {
    if (category < 1 || category > game::kCategories)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return static_cast<FigureId>(static_cast<int>(first) + category - 1);
}

} // namespace

FigureId HuntingDistanceFigure(int category) {
    return Offset(FigureId::HuntingDistance1, category);
}

FigureId BothRibsFigure(int category) {
    return Offset(FigureId::BothRibs1, category);
}

} // namespace kesta
