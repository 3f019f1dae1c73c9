// Penetration ability and game recommendations: how deep the arrow goes into each game
// category with and without broken ribs, then every animal of the built-in table sorted into
// the sufficient, marginal and not-recommended lists, and the closing disclaimer.
#include "report/ReportSections.h"

#include "stringstack/StringStack.h"
#include "tools/Checked.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Tools.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kesta {

namespace {

// Game categories 1 to 6: the upper body-mass limit (kg) and the least arrow mass (grains).
constexpr std::array<double, 6> kCategoryMassLimit = {60, 200, 800, 1000, 1500, 5000};
constexpr std::array<double, 6> kCategoryMinArrowMass = {300, 400, 500, 800, 900, 1000};

// The game animals, "name:mass in kg", in their fixed order. Names are the hunters' own
// spellings and stay as they are.
constexpr std::string_view kAnimalTable =
    "Black Wildebeest:120, Blesbuck:70, Blue Wildebeest:220, Buffalo male:1000,"
    "Buffalo female:650, Bushbuck:65, bushpig:65, caracal:8, cheetah:63, crocodile:900, "
    "Duiker:12,Eland bull:750, Eland cow:460, Elephant:5000, Fallow Deer:68, fox:3, "
    "Oryx:200, Giraffe male:1500, Giraffe female:850,Rhebuck:25, Grysbok:10, Hartbees:165, "
    "Hippo:2000, Hayena:70, Impala female:40, Impala male:70, Jackals:6, Klipspringer:12, "
    "Kudu female:150, Kudu male:300, Leopard:82, Lion:200, Nyala female:90, Nyala male:130, "
    "Oribi:16, Puku:65, Reedbuck:60, Rhino:3000, Roan Antelope/Baster gemsbok:250, "
    "Sable Antelope:200, Sitatunga:70, Suni:5, Springbuck:35, Steenbuck:10, Tsessebe:130, "
    "Warthog:80, Waterbuck:250, Zebra:300";

// One mark per table position; the table never holds more animals than this.
constexpr std::size_t kMaxAnimals = 1001;

// A list line is closed once it runs past this many characters.
constexpr std::size_t kListLineLength = 80;

constexpr const char* kListIndent = "   ";

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

struct Animal {
    std::string name;
    double massKg = 0;
    // Figures of the current set-up, computed once in the sufficient pass.
    int category = 0; // 1 to 6
    double chestDepth = 0;
    double penetration = 0;
};

std::vector<Animal> ReadAnimalTable() {
    std::vector<Animal> animals;
    for (std::string_view entry : SplitAt(kAnimalTable, ',')) {
        const auto fields = SplitAt(entry, ':');
        Animal animal;
        animal.name = std::string(TrimBlanks(fields[0]));
        animal.massKg = ToNumber(fields.size() > 1 ? fields[1] : std::string_view{});
        animals.push_back(std::move(animal));
    }
    return animals;
}

// The first category whose limit is not below the mass, the mass taken as a signed 16-bit
// whole number (halves to even). Every mass of the table is whole and at most 5000 kg.
int CategoryOf(double massKg) {
    const double whole = RoundHalfEven(massKg, 0);
    if (whole < INT16_MIN || whole > INT16_MAX) throw RuntimeError(ErrorKind::Overflow);
    for (std::size_t k = 0; k < kCategoryMassLimit.size(); ++k) {
        if (whole <= kCategoryMassLimit[k]) return static_cast<int>(k) + 1;
    }
    throw RuntimeError(ErrorKind::SubscriptOutOfRange); // heavier than any category
}

// The energy (foot-pounds) that breaking one rib takes from the arrow, for a body mass in kg.
double RibResistance(double massKg) {
    return Num(4.5) * Pow(massKg, 0.25);
}

// The arrow of this report, with the losses and thickness of one case.
double PenetrationOf(Calculator& c, double entryLoss, double thickness, double exitLoss) {
    const InputRecord& record = ReportSections::Record(c);
    return ReportSections::Penetrations(c).Penetration(ReportSections::RoLbs(c), record.massGrains,
                                                       record.speedFps, 0.3, record.bladeAreaSum,
                                                       0.001, entryLoss, thickness, exitLoss);
}

// A result right-justified in five characters (a longer text loses its leading characters),
// then three blanks.
std::string PenetrationCell(double inches) {
    const std::string padded = "     " + Rounded(inches, 0);
    return padded.substr(padded.size() - 5) + "   ";
}

void WritePenetrationAbility(Calculator& c) {
    ReportSections::Enter(c, "Penetration Ability");
    ReportSections::AddLine(c, "Penetration Ability per category");
    ReportSections::AddLine(c, "   rib breakage:  none     entry   exit    both");
    for (std::size_t k = 0; k < kCategoryMassLimit.size(); ++k) {
        // A category row uses its own chest-depth formula, not the animals' one.
        const double chestDepth = Num(Pow(kCategoryMassLimit[k], 0.4)) + 4;
        const double rib = RibResistance(kCategoryMassLimit[k]);
        const double none = PenetrationOf(c, 0, chestDepth, 0);
        const double entry = PenetrationOf(c, rib, chestDepth, 0);
        const double exit = PenetrationOf(c, 0, chestDepth, rib);
        const double both = PenetrationOf(c, rib, chestDepth, rib);
        ReportSections::AddLine(c, "   Category " + std::to_string(k + 1) + ":   " +
                                       PenetrationCell(none) + PenetrationCell(entry) +
                                       PenetrationCell(exit) + PenetrationCell(both));
    }
    ReportSections::AddLine(c, "");
}

// The mass in a fixed eight-character field makes plain text order the order of mass, and
// equal masses the order of name.
std::string ListEntry(const Animal& animal) {
    return Tools::FormatFixed(animal.massKg, 1, 8) + ":" + animal.name;
}

// Sorts the queued entries and drains them into lines of names, each line closed once it
// runs past 80 characters.
void WriteList(Calculator& c, StringStack& list) {
    list.Sort(false);
    std::string line = kListIndent;
    while (list.Depth > 0) {
        if (line.size() > kListLineLength) {
            ReportSections::AddLine(c, line);
            line = kListIndent;
        }
        int16_t howMany = 1;
        const Item entry = list.Pop(howMany);
        const std::string_view text = entry ? std::string_view(*entry) : std::string_view{};
        line += TrimBlanks(text.size() > 9 ? text.substr(9) : std::string_view{});
        line += ",  ";
    }
    ReportSections::AddLine(c, line);
}

void WriteGameLists(Calculator& c) {
    ReportSections::Enter(c, "Game Recommendations");
    std::vector<Animal> animals = ReadAnimalTable();
    if (animals.size() > kMaxAnimals) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    std::vector<bool> classified(kMaxAnimals, false);
    const double arrowMass = ReportSections::Record(c).massGrains;
    StringStack list;

    ReportSections::AddLine(c, "Sufficient for:");
    for (std::size_t i = 0; i < animals.size(); ++i) {
        Animal& animal = animals[i];
        animal.category = CategoryOf(animal.massKg);
        animal.chestDepth = (Num(8) * Pow(animal.massKg, 0.2)) - 8;
        const double rib = RibResistance(animal.massKg);
        // Both ribs broken.
        animal.penetration = PenetrationOf(c, rib, animal.chestDepth, rib);
        const double minArrowMass = kCategoryMinArrowMass[animal.category - 1];
        if (arrowMass >= minArrowMass && animal.penetration > animal.chestDepth) {
            list.Queue(ListEntry(animal));
            classified[i] = true;
        }
    }
    WriteList(c, list);

    ReportSections::AddLine(c, "");
    ReportSections::AddLine(c, "Marginal for:");
    for (std::size_t i = 0; i < animals.size(); ++i) {
        if (classified[i]) continue;
        const Animal& animal = animals[i];
        const double minArrowMass = kCategoryMinArrowMass[animal.category - 1];
        if (arrowMass >= Num(0.8) * minArrowMass &&
            animal.penetration > Num(animal.chestDepth) / 2) {
            list.Queue(ListEntry(animal));
            classified[i] = true;
        }
    }
    WriteList(c, list);

    ReportSections::AddLine(c, "");
    ReportSections::AddLine(c, "NOT Recomended for:");
    for (std::size_t i = 0; i < animals.size(); ++i) {
        if (classified[i]) continue;
        list.Queue(ListEntry(animals[i]));
        classified[i] = true;
    }
    WriteList(c, list);
}

} // namespace

void ReportSections::GameSection(Calculator& c) {
    WritePenetrationAbility(c);
    WriteGameLists(c);
    AddLine(c, std::string(83, '-'));
    AddLine(c, "Disclaimer: Nobody takes responsibility for your actions but you, and this "
               "report, althought");
    AddLine(c, "we strive to provide it as reliable as we can, must never replace your "
               "judgement...");
}

} // namespace kesta
