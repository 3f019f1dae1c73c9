// One animal's chart: the both-ribs penetration of arrows from 150 to 1500 grains, at the
// set-up's speed and with the same bow (the set-up's kinetic energy).
#include "whatif/AnimalTrial.h"
#include "whatif/Needs.h"

#include "tools/Errors.h"

namespace kesta::whatif {

namespace {

// A run that raises leaves a gap in its curve.
template <typename Run> std::optional<double> DepthOrGap(Run&& run) {
    try {
        return run();
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

NeedsChart NeedsCalculator::Chart(std::size_t position) {
    const SetUp s = ReadSetUp();
    const std::vector<game::Animal>& animals = game_.animals;
    if (position >= animals.size()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    const game::AnimalFigures figures = game::FiguresOf(animals[position]);
    AnimalTrial trial(s.ro, s.bladeAreaSum, figures);

    NeedsChart chart{s, animals[position].name, figures.chestDepth, figures.minArrowMass, {}, {}};
    chart.setUpDepth = DepthOrGap([&] { return trial.Depth(s.grains, s.fps); });
    for (int grains = kChartFirstGrains; grains <= kChartLastGrains; grains += kChartStepGrains) {
        ChartPoint point{grains, {}, 0, {}};
        point.atSetUpSpeed = DepthOrGap([&] { return trial.Depth(grains, s.fps); });
        try {
            point.sameEnergyFps = SameEnergyFps(s, grains);
            point.withSameBow =
                DepthOrGap([&] { return trial.Depth(grains, point.sameEnergyFps); });
        } catch (const RuntimeError&) {
            // No such speed (a negative set-up mass): no point on the same-bow curve.
        }
        chart.points.push_back(point);
    }
    return chart;
}

} // namespace kesta::whatif
