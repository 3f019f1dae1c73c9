#include "ballistics/GameTable.h"

#include "ballistics/GameList.h"

#include "tools/Checked.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"

#include <array>
#include <cstdint>

namespace kesta::game {

namespace {

constexpr std::array<double, kCategories> kCategoryMassLimit = {60, 200, 800, 1000, 1500, 5000};
constexpr std::array<double, kCategories> kCategoryMinArrowMass = {300, 400, 500, 800, 900, 1000};

std::size_t Index(int category) {
    if (category < 1 || category > kCategories) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return static_cast<std::size_t>(category - 1);
}

} // namespace

double CategoryMassLimit(int category) {
    return kCategoryMassLimit[Index(category)];
}

double CategoryMinArrowMass(int category) {
    return kCategoryMinArrowMass[Index(category)];
}

double CategoryChestDepth(int category) {
    return Num(Pow(CategoryMassLimit(category), 0.4)) + 4;
}

double RibResistance(double massKg) {
    return Num(4.5) * Pow(massKg, 0.25);
}

int CategoryOf(double massKg) {
    const double whole = RoundHalfEven(massKg, 0);
    if (whole < INT16_MIN || whole > INT16_MAX) throw RuntimeError(ErrorKind::Overflow);
    for (int k = 1; k <= kCategories; ++k) {
        if (whole <= kCategoryMassLimit[Index(k)]) return k;
    }
    throw RuntimeError(ErrorKind::SubscriptOutOfRange); // heavier than any category
}

const std::vector<Animal>& Animals() {
    return DefaultTable().animals;
}

AnimalFigures FiguresOf(const Animal& animal) {
    AnimalFigures figures{};
    figures.category = CategoryOf(animal.massKg);
    figures.chestDepth = (Num(8) * Pow(animal.massKg, 0.2)) - 8;
    figures.ribResistance = RibResistance(animal.massKg);
    figures.minArrowMass = CategoryMinArrowMass(figures.category);
    return figures;
}

Verdict VerdictOf(const AnimalFigures& animal, double arrowGrains, double bothRibsPenetration) {
    if (arrowGrains >= animal.minArrowMass && bothRibsPenetration > animal.chestDepth)
        return Verdict::Sufficient;
    if (arrowGrains >= Num(0.8) * animal.minArrowMass &&
        bothRibsPenetration > Num(animal.chestDepth) / 2)
        return Verdict::Marginal;
    return Verdict::NotRecommended;
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Sufficient:
        return "sufficient";
    case Verdict::Marginal:
        return "marginal";
    case Verdict::NotRecommended:
        break;
    }
    return "not recommended";
}

} // namespace kesta::game
