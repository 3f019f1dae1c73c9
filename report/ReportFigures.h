// The figures a report printed, kept as numbers beside its text so that a comparison of two
// set-ups shows exactly what each report says. Each figure is noted by the line that prints
// it, rounded as that line rounds it; a report that stops holds only the figures printed
// before the stop.
#pragma once

#include "ballistics/GameTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace kesta {

enum class FigureId {
    ArrowSpeed,      // fps
    ArrowMass,       // grains
    KineticEnergy,   // foot-pounds
    KineticEnergyJ,  // Joule (metric summary)
    Momentum,        // slug-foot seconds
    MomentumNs,      // Newton seconds (metric summary)
    Ro,              // lbs
    RoKg,            // kg (metric summary)
    SoftTissue,      // inches
    DynamicSpine,    // as printed: the rounded spine with a "0" appended
    Foc,             // percent
    DamageArea,      // square inches
    HuntingDistance1, // yards, categories 1 to 6 in order
    HuntingDistance2,
    HuntingDistance3,
    HuntingDistance4,
    HuntingDistance5,
    HuntingDistance6,
    BothRibs1, // inches of penetration with both ribs broken, categories 1 to 6 in order
    BothRibs2,
    BothRibs3,
    BothRibs4,
    BothRibs5,
    BothRibs6,
};

constexpr std::size_t kFigureCount = static_cast<std::size_t>(FigureId::BothRibs6) + 1;

// Category k (1 to 6) of the two per-category figures.
FigureId HuntingDistanceFigure(int category);
FigureId BothRibsFigure(int category);

// A figure as its line shows it: the value rounded half to even to `decimals` decimals.
struct ShownFigure {
    double value;
    int decimals;
};

class ReportFigures {
  public:
    void Clear() { *this = ReportFigures(); }

    void Note(FigureId figure, ShownFigure shown) { shown_[Index(figure)] = shown; }
    const std::optional<ShownFigure>& Get(FigureId figure) const { return shown_[Index(figure)]; }

    // The verdict on every animal of the report's game table, in table order, once the game
    // lists are written.
    void NoteVerdicts(std::vector<game::Verdict> verdicts) { verdicts_ = std::move(verdicts); }
    const std::optional<std::vector<game::Verdict>>& Verdicts() const { return verdicts_; }

  private:
    static std::size_t Index(FigureId figure) { return static_cast<std::size_t>(figure); }

    std::array<std::optional<ShownFigure>, kFigureCount> shown_{};
    std::optional<std::vector<game::Verdict>> verdicts_;
};

} // namespace kesta
