// The game the report judges a set-up against: six categories by body mass, each animal's chest
// depth and rib resistance from its mass alone, and the one rule that decides whether a set-up
// is sufficient, marginal or not recommended for an animal. The tables of animals are in
// GameList.h; because everything follows from the mass, any animal with a known mass is judged
// exactly as the built-in ones. The report's game
// lists and the what-would-it-take search both decide through VerdictOf, so they can never
// disagree.
#pragma once

#include <string>
#include <vector>

namespace kesta::game {

constexpr int kCategories = 6;

// Category 1 to 6: the upper body-mass limit (kg) and the least arrow mass (grains).
double CategoryMassLimit(int category);
double CategoryMinArrowMass(int category);

// The chest depth (inches) a category row of the penetration table uses; animals use their own
// formula (AnimalFigures).
double CategoryChestDepth(int category);

// The energy (foot-pounds) that breaking one rib takes from the arrow, for a body mass in kg.
double RibResistance(double massKg);

// The first category whose limit is not below the mass, the mass taken as a signed 16-bit whole
// number (halves to even). Overflow beyond 16 bits; Subscript out of range above 5000 kg.
int CategoryOf(double massKg);

struct Animal {
    std::string name; // the hunters' own spelling, as the report prints it
    double massKg;
    std::string rangeKg = {}; // the published range of adult masses, e.g. "68-136"; may be empty
    std::string source = {};  // where the mass comes from; empty in a hunter's own list

    bool operator==(const Animal&) const = default;
};

// The animals of the default table (the 48 African animals) in their fixed order.
const std::vector<Animal>& Animals();

// What the rule needs to know of one animal.
struct AnimalFigures {
    int category;         // 1 to 6
    double chestDepth;    // inches: 8 * mass^0.2 - 8
    double ribResistance; // foot-pounds, charged on entry and on exit (both ribs broken)
    double minArrowMass;  // grains: the category's least arrow mass
};

// Computed in the order the report computes them: category, chest depth, rib resistance.
AnimalFigures FiguresOf(const Animal& animal);

enum class Verdict { Sufficient, Marginal, NotRecommended };

// Sufficient: the arrow weighs at least the category's minimum and its both-ribs penetration
// passes the chest depth. Marginal, when not sufficient: at least 80% of the minimum and more
// than half the chest depth. Otherwise not recommended. Comparisons are as written: a
// penetration equal to the depth is not enough.
Verdict VerdictOf(const AnimalFigures& animal, double arrowGrains, double bothRibsPenetration);

// "sufficient", "marginal" or "not recommended".
const char* VerdictName(Verdict verdict);

} // namespace kesta::game
