// The --needs table for other programs: CSV (RFC 4180) and JSON, every figure in full
// (the shortest text that reads back as the same double), none as an empty cell or null.
#include "cli/NeedsOutput.h"

#include "ballistics/GameTable.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <nlohmann/json.hpp>

namespace kesta::cli {

namespace {

using whatif::NeedsRow;

template <typename T> std::string CsvNumber(const std::optional<T>& n) {
    if (!n) return "";
    if constexpr (std::is_integral_v<T>)
        return std::to_string(*n);
    else
        return ShortestText(*n);
}

template <typename T> nlohmann::ordered_json JsonNumber(const std::optional<T>& n) {
    if (!n) return nullptr;
    return *n;
}

} // namespace

std::string NeedsCsv(const whatif::NeedsTable& table) {
    std::string out = "position,animal,mass_kg,category,verdict,least_grains,least_fps,"
                      "same_energy_grains,same_energy_fps\n";
    for (const NeedsRow& row : table.rows) {
        out += std::to_string(row.position) + "," + text::CsvField(row.animal) + "," +
               ShortestText(row.massKg) + "," + std::to_string(row.category) + "," +
               text::CsvField(game::VerdictName(row.verdict)) + "," + CsvNumber(row.leastGrains) + "," +
               CsvNumber(row.leastFps) + "," + CsvNumber(row.sameEnergyGrains) + "," +
               CsvNumber(row.sameEnergyFps) + "\n";
    }
    return out;
}

std::string NeedsJson(const whatif::NeedsTable& table) {
    nlohmann::ordered_json animals = nlohmann::ordered_json::array();
    for (const NeedsRow& row : table.rows) {
        animals.push_back({{"position", row.position},
                           {"animal", row.animal},
                           {"mass_kg", row.massKg},
                           {"category", row.category},
                           {"verdict", game::VerdictName(row.verdict)},
                           {"least_grains", JsonNumber(row.leastGrains)},
                           {"least_fps", JsonNumber(row.leastFps)},
                           {"same_energy_grains", JsonNumber(row.sameEnergyGrains)},
                           {"same_energy_fps", JsonNumber(row.sameEnergyFps)}});
    }
    const whatif::SetUp& s = table.setUp;
    const nlohmann::ordered_json document = {
        {"setup", {{"grains", s.grains}, {"fps", s.fps}, {"ro_lbs", s.ro}}}, {"animals", animals}};
    return document.dump(2) + "\n";
}

} // namespace kesta::cli
