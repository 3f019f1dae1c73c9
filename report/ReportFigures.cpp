#include "report/ReportFigures.h"

#include "tools/Errors.h"

namespace kesta {

namespace {

Figure Offset(Figure first, int category) {
    if (category < 1 || category > game::kCategories)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return static_cast<Figure>(static_cast<int>(first) + category - 1);
}

} // namespace

Figure HuntingDistanceFigure(int category) {
    return Offset(Figure::HuntingDistance1, category);
}

Figure BothRibsFigure(int category) {
    return Offset(Figure::BothRibs1, category);
}

} // namespace kesta
