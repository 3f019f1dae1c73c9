#include "ballistics/GameTable.h"

#include "tools/Checked.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <array>
#include <cstdint>

namespace kesta::game {

namespace {

constexpr std::array<double, kCategories> kCategoryMassLimit = {60, 200, 800, 1000, 1500, 5000};
constexpr std::array<double, kCategories> kCategoryMinArrowMass = {300, 400, 500, 800, 900, 1000};

// The game animals, "name:mass in kg", in their fixed order. Names are the hunters' own
// spellings and stay as they are.
constexpr const char* kAnimalTable =
    "Black Wildebeest:120, Blesbuck:70, Blue Wildebeest:220, Buffalo male:1000,"
    "Buffalo female:650, Bushbuck:65, bushpig:65, caracal:8, cheetah:63, crocodile:900, "
    "Duiker:12,Eland bull:750, Eland cow:460, Elephant:5000, Fallow Deer:68, fox:3, "
    "Oryx:200, Giraffe male:1500, Giraffe female:850,Rhebuck:25, Grysbok:10, Hartbees:165, "
    "Hippo:2000, Hayena:70, Impala female:40, Impala male:70, Jackals:6, Klipspringer:12, "
    "Kudu female:150, Kudu male:300, Leopard:82, Lion:200, Nyala female:90, Nyala male:130, "
    "Oribi:16, Puku:65, Reedbuck:60, Rhino:3000, Roan Antelope/Baster gemsbok:250, "
    "Sable Antelope:200, Sitatunga:70, Suni:5, Springbuck:35, Steenbuck:10, Tsessebe:130, "
    "Warthog:80, Waterbuck:250, Zebra:300";

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
    static const std::vector<Animal> animals = [] {
        std::vector<Animal> table;
        for (const std::string& entry : text::SplitAll(kAnimalTable, ",")) {
            const auto fields = text::SplitAll(entry, ":");
            table.push_back({text::TrimSpaces(text::PieceOrEmpty(fields, 0)),
                             ToNumber(text::PieceOrEmpty(fields, 1))});
        }
        return table;
    }();
    return animals;
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
