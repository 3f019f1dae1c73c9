// Reads the figures back out of a report's printed lines, independently of how the report
// noted them: the text of each figure line and the list each animal was printed in. The
// report and comparison tests hold the noted figures against these.
#pragma once

#include "ballistics/GameTable.h"
#include "report/ReportFigures.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kesta::test {

struct PrintedFigures {
    std::map<FigureId, std::string> numbers;      // figure -> its number as printed
    std::map<std::string, std::string> verdict; // animal -> "sufficient", "marginal", ...
};

namespace printed {

// The text between `prefix` and `suffix` of a line, or nothing when the line does not fit.
inline bool Between(const std::string& line, std::string_view prefix, std::string_view suffix,
                    std::string& out) {
    if (line.size() < prefix.size() + suffix.size() || line.rfind(prefix, 0) != 0 ||
        line.compare(line.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    out = line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
    return true;
}

inline std::string LastWordBefore(const std::string& line, std::string_view suffix) {
    const std::string body = line.substr(0, line.size() - suffix.size());
    return body.substr(body.find_last_of(' ') + 1);
}

inline void ReadList(const std::vector<std::string>& lines, std::size_t& i, const char* verdict,
                     PrintedFigures& out) {
    for (++i; i < lines.size() && !lines[i].empty() && lines[i][0] == ' '; ++i) {
        std::string rest = lines[i].substr(3);
        for (std::size_t at; (at = rest.find(",  ")) != std::string::npos; rest.erase(0, at + 3))
            out.verdict[rest.substr(0, at)] = verdict;
    }
    --i;
}

} // namespace printed

inline PrintedFigures ReadPrintedFigures(const std::vector<std::string>& lines) {
    using printed::Between;
    PrintedFigures out;
    const std::vector<std::pair<FigureId, std::pair<const char*, const char*>>> simple = {
        {FigureId::ArrowSpeed, {"   Speed:  ", " fps"}},
        {FigureId::ArrowMass, {"   Mass :  ", " grains"}},
        {FigureId::Momentum, {"   Momentum        : ", " slug-foot seconds"}},
        {FigureId::KineticEnergy, {"   Kinetic Energy  : ", " foot-pounds"}},
        {FigureId::Ro, {"   Ro               : ", " lbs"}},
        {FigureId::SoftTissue, {" Potential Soft Tissue Penetration: ", " inch"}},
        {FigureId::DynamicSpine, {"   Dynamic Buckling Spine: ", ""}},
        {FigureId::Foc, {"   FOC : ", "%"}},
        {FigureId::DamageArea, {"Potential Damage Area: ", " sqr.inches"}},
        {FigureId::MomentumNs, {"Momentum = ", " Newton seconds"}},
        {FigureId::KineticEnergyJ, {"Kinetic Energy = ", " Joule"}},
        {FigureId::RoKg, {"Ro = ", " kg"}},
    };
    bool inDistances = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string text;
        for (const auto& [figure, affixes] : simple)
            if (Between(line, affixes.first, affixes.second, text)) out.numbers[figure] = text;
        if (line == "Category  (inch)  (yards)") inDistances = true;
        if (inDistances && line.rfind("    #", 0) == 0 && line.size() > 5)
            out.numbers[HuntingDistanceFigure(line[5] - '0')] =
                printed::LastWordBefore(line, " Y");
        if (line.rfind("   Category ", 0) == 0 && line.size() >= 17) {
            std::string both = line.substr(line.size() - 8, 5);
            both.erase(0, both.find_first_not_of(' '));
            out.numbers[BothRibsFigure(line[12] - '0')] = both;
        }
        if (line == "Sufficient for:") printed::ReadList(lines, i, "sufficient", out);
        if (line == "Marginal for:") printed::ReadList(lines, i, "marginal", out);
        if (line == "NOT Recomended for:") printed::ReadList(lines, i, "not recommended", out);
        if (line.empty()) inDistances = false; // the reaction table's rows look alike
    }
    return out;
}

} // namespace kesta::test
