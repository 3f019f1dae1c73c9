#include "downrange/DownrangeFormats.h"

#include "tools/JsonOrNull.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>

namespace kesta::downrange {

namespace {

using Json = nlohmann::ordered_json;

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

template <class T> std::string CsvOptional(const std::optional<T>& value) {
    return value ? ShortestText(static_cast<double>(*value)) : std::string();
}


// Rounded to a fixed count of decimals, trailing zeros kept, so that a column lines up.
std::string Fixed(double x, int decimals) {
    std::string text = Rounded(x, decimals);
    if (decimals == 0 || text.find_first_of("E") != std::string::npos) return text;
    const auto point = text.find('.');
    if (point == std::string::npos) return text + "." + std::string(decimals, '0');
    const std::size_t shown = text.size() - point - 1;
    return text + std::string(static_cast<std::size_t>(decimals) - shown, '0');
}

std::string Yards(const std::optional<int>& yards) {
    return yards ? std::to_string(*yards) : std::string("-");
}

std::string Yards(const std::optional<double>& yards) {
    return yards ? NumberText(*yards) : std::string("-");
}

const char* FletchingName(Fletching fletching) {
    return fletching == Fletching::Small ? "small vanes" : "large vanes or feathers";
}

const char* HeadName(Head head) {
    switch (head) {
    case Head::Field:
        return "a field point";
    case Head::Mechanical:
        return "a mechanical broadhead";
    case Head::Fixed:
        break;
    }
    return "a fixed-blade broadhead";
}

Json ModelJson(const DragModel& model) {
    return {{"rho", model.rho}, {"cd", model.cd}, {"k", model.k}};
}

std::string SetUpLine(const SetUp& s) {
    return "Arrow " + NumberText(s.grains) + " grains at " + NumberText(s.fps) + " fps";
}

} // namespace

std::string ModelText(const Inputs& in, const DragModel& model) {
    std::string text = "Flat fire, no wind. ";
    if (in.chronograph) {
        const Chronograph& c = *in.chronograph;
        text += "Drag measured by chronograph:\n" + NumberText(c.nearFps) + " fps at " +
                NumberText(c.nearYards) + " yards, " + NumberText(c.farFps) + " fps at " +
                NumberText(c.farYards) + " yards";
    } else {
        text += std::string("Drag estimated: ") + FletchingName(in.fletching) + " and " +
                HeadName(in.head) + " (Cd " + Rounded(model.cd, 3) + ")\non a " +
                NumberText(in.shaftOdInches) + " inch shaft in air of " + Fixed(model.rho, 4) +
                " kg/m\xC2\xB3 (" + NumberText(in.altitudeM) + " m, " +
                NumberText(in.temperatureC) + " \xC2\xB0" "C)";
    }
    return text + ": k = " + Rounded(model.k, 6) + " per metre.";
}

Cells DistanceCells(const DistanceTable& t) {
    Cells cells;
    for (const DistanceRow& r : t.rows) {
        if (r.yards % 5 != 0 && r.yards != t.inputs.maxDistance) continue;
        cells.push_back({std::to_string(r.yards), Fixed(r.speedFps, 1), Fixed(r.energyFtLb, 1),
                         Fixed(r.momentumSlugFtS, 3), Fixed(r.timeS, 3), Fixed(r.pathInches, 1)});
    }
    return cells;
}

Cells ReactionCells(const DistanceTable& t) {
    Cells cells;
    for (const ReactionRow& r : t.reaction)
        cells.push_back({NumberText(r.reactionS),
                         r.yardsConstantSpeed ? Rounded(*r.yardsConstantSpeed, 0) : "-",
                         std::to_string(r.yardsWithDrag)});
    return cells;
}

std::string DistanceText(const DistanceTable& t) {
    std::string out = "Downrange: " + SetUpLine(t.setUp) + ", sighted in at " +
                      NumberText(t.inputs.zeroYards) + " yards\n" + ModelText(t.inputs, t.model) +
                      "\n\n";
    out += "Yards  Speed  Energy  Momentum   Time    Path\n";
    out += "       (fps) (ft-lb) (slug-ft/s)  (s)   (inch)\n";
    for (const std::vector<std::string>& c : DistanceCells(t))
        out += PadLeft(c[0], 5) + PadLeft(c[1], 7) + PadLeft(c[2], 8) + PadLeft(c[3], 10) +
               PadLeft(c[4], 7) + PadLeft(c[5], 8) + "\n";
    out += "Path: inches above (+) or below (-) the line of sight.\n\n";
    out += "Max distance in relation to reaction time (yards)\n";
    out += "Second  Constant speed  With drag\n";
    for (const std::vector<std::string>& c : ReactionCells(t)) {
        const std::string constant = c[1] == "-" ? c[1] : c[1] + " Y";
        out += PadRight(c[0], 6) + PadLeft(constant, 16) + PadLeft(c[2] + " Y", 11) + "\n";
    }
    return out;
}

std::string DistanceCsv(const DistanceTable& t) {
    std::string out = "yards,speed_fps,energy_ftlb,momentum_slugfts,time_s,path_in\n";
    for (const DistanceRow& r : t.rows)
        out += std::to_string(r.yards) + "," + ShortestText(r.speedFps) + "," +
               ShortestText(r.energyFtLb) + "," + ShortestText(r.momentumSlugFtS) + "," +
               ShortestText(r.timeS) + "," + ShortestText(r.pathInches) + "\n";
    return out;
}

std::string DistanceJson(const DistanceTable& t) {
    Json distances = Json::array();
    for (const DistanceRow& r : t.rows)
        distances.push_back({{"yards", r.yards},
                             {"speed_fps", r.speedFps},
                             {"energy_ftlb", r.energyFtLb},
                             {"momentum_slugfts", r.momentumSlugFtS},
                             {"time_s", r.timeS},
                             {"path_in", r.pathInches}});
    Json reaction = Json::array();
    for (const ReactionRow& r : t.reaction)
        reaction.push_back({{"reaction_s", r.reactionS},
                            {"yards_constant_speed", JsonOrNull(r.yardsConstantSpeed)},
                            {"yards_with_drag", r.yardsWithDrag}});
    const Json json = {
        {"model", ModelJson(t.model)}, {"distances", distances}, {"reaction", reaction}};
    return json.dump(2) + "\n";
}

Cells RangesCells(const Ranges& r) {
    Cells cells;
    for (const AnimalRange& row : r.rows)
        cells.push_back({row.animal, NumberText(row.massKg), std::to_string(row.category),
                         game::VerdictName(row.atBow), Yards(row.sufficientTo),
                         Yards(row.marginalTo), NumberText(row.accuracy), Yards(row.ethical)});
    return cells;
}

std::string RangesText(const Ranges& r) {
    const Cells cells = RangesCells(r);
    std::size_t nameWidth = 6;
    for (const std::vector<std::string>& c : cells)
        nameWidth = std::max(nameWidth, c[0].size());
    std::string out = "Ethical range per animal: " + SetUpLine(r.setUp) + ", up to " +
                      std::to_string(r.inputs.maxDistance) + " yards\n" +
                      ModelText(r.inputs, r.model) + "\n";
    out += "Sufficient to / marginal to: the farthest distance up to which the slowing arrow\n"
           "is sufficient (marginal or better) at every yard from the bow. Accuracy: the\n"
           "report's maximum hunting distance of the category. Ethical: the nearer of the two.\n\n";
    out += PadRight("Animal", nameWidth) +
           "   Mass  Cat  At the bow       Sufficient  Marginal  Accuracy  Ethical\n";
    out += PadRight("", nameWidth) +
           "   (kg)                        to (yd)     to (yd)   (yd)      (yd)\n";
    for (const std::vector<std::string>& c : cells)
        // A hunter's mass in pounds reads back as a long kg figure: keep it off the name.
        out += PadRight(c[0], nameWidth) + PadLeft(c[1], std::max<std::size_t>(7, c[1].size() + 1)) +
               PadLeft(c[2], 5) + "  " +
               PadRight(c[3], 15) + PadLeft(c[4], 10) + PadLeft(c[5], 10) + PadLeft(c[6], 10) +
               PadLeft(c[7], 9) + "\n";
    return out;
}

std::string RangesCsv(const Ranges& r) {
    std::string out =
        "position,animal,mass_kg,category,sufficient_to_yd,marginal_to_yd,accuracy_yd,ethical_yd\n";
    for (const AnimalRange& row : r.rows)
        out += std::to_string(row.position) + "," + text::CsvField(row.animal) + "," +
               ShortestText(row.massKg) + "," + std::to_string(row.category) + "," +
               CsvOptional(row.sufficientTo) + "," + CsvOptional(row.marginalTo) + "," +
               ShortestText(row.accuracy) + "," + CsvOptional(row.ethical) + "\n";
    return out;
}

std::string RangesJson(const Ranges& r) {
    Json animals = Json::array();
    for (const AnimalRange& row : r.rows)
        animals.push_back({{"position", row.position},
                           {"animal", row.animal},
                           {"mass_kg", row.massKg},
                           {"category", row.category},
                           {"verdict_at_bow", game::VerdictName(row.atBow)},
                           {"sufficient_to_yd", JsonOrNull(row.sufficientTo)},
                           {"marginal_to_yd", JsonOrNull(row.marginalTo)},
                           {"accuracy_yd", row.accuracy},
                           {"ethical_yd", JsonOrNull(row.ethical)}});
    const Json json = {{"model", ModelJson(r.model)},
                       {"max_distance_yd", r.inputs.maxDistance},
                       {"animals", animals}};
    return json.dump(2) + "\n";
}

} // namespace kesta::downrange
