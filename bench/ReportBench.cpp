// Time of one full press of the report button, inputs already in the form: the worked
// imperial example, a worst case that keeps every simulation stepping as long as it can, the
// slowest report fuzzing found and an arrow too long for the balance search to step.
// Then "what would it take" for the worked example: the whole table, and one animal's chart;
// the slowest tables found; and the worked example's downrange figures: the distance table and
// every animal's ranges.
#include "ballistics/GameList.h"
#include "ballistics/GameTable.h"
#include "downrange/Downrange.h"
#include "form/Examples.h"
#include "form/SettingsKeys.h"
#include "report/Calculator.h"
#include "tools/Errors.h"
#include "whatif/Needs.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using kesta::FormState;

// The worked example of the imperial report, with the accuracy inputs filled in.
FormState ExampleForm() {
    return kesta::ExampleForm(kesta::Examples().front());
}

// The slowest arrow the deflection model still simulates (its stroke time must stay within one
// second, about 3.58 fps) makes the deflection run close to its 100,000 time steps; an arrow
// of 100 million grains loses speed so slowly in tissue that every penetration run goes all the
// way through the slab and the 0.75 m of shaft behind the point.
FormState WorstForm() {
    FormState form = ExampleForm();
    form.SetText("InArrowSpeed", "3.6");
    form.SetText("InArrowMass", "100000000");
    return form;
}

// The slowest report ReportFuzz found in ten minutes: the worst case with the "0%" safety
// factor and the shaft larger than the ferrule.
FormState SlowestFuzzedForm() {
    FormState form = WorstForm();
    form.SetSelected("Safety_0", true);
    form.SetShaftDiameter(2);
    return form;
}

// An arrow of 1e14 inches: adding 0.01 mm no longer moves the balance search's pivot, which
// once stepped through 20 million passes that changed nothing.
FormState LongArrowForm() {
    FormState form = ExampleForm();
    form.SetText("InArrowLength", "1e14");
    return form;
}

void RunReport(benchmark::State& state, const FormState& form) {
    kesta::Calculator calculator(form);
    try {
        calculator.WriteReport();
    } catch (const kesta::RuntimeError& e) {
        state.SkipWithError(e.what());
        return;
    }
    for (auto _ : state) {
        calculator.WriteReport();
        benchmark::DoNotOptimize(calculator.BoxText().data());
    }
    state.counters["lines"] = static_cast<double>(
        std::count(calculator.BoxText().begin(), calculator.BoxText().end(), '\n'));
}

void BM_ImperialExample(benchmark::State& state) {
    RunReport(state, ExampleForm());
}
void BM_WorstCase(benchmark::State& state) {
    RunReport(state, WorstForm());
}
void BM_SlowestFuzzed(benchmark::State& state) {
    RunReport(state, SlowestFuzzedForm());
}
void BM_LongArrow(benchmark::State& state) {
    RunReport(state, LongArrowForm());
}

void BM_NeedsTable(benchmark::State& state) {
    const FormState form = ExampleForm();
    kesta::whatif::NeedsCalculator needs(form);
    for (auto _ : state)
        benchmark::DoNotOptimize(needs.Table().rows.data());
}

// The slowest table found: an arrow of 1e308 grains. The same bow would send every lighter
// arrow so fast that its run overflows, for every animal; each such search then tries its whole
// range number by number.
void BM_NeedsHeaviestArrow(benchmark::State& state) {
    FormState form = ExampleForm();
    form.SetText("InArrowMass", "1e308");
    kesta::whatif::NeedsCalculator needs(form);
    for (auto _ : state)
        benchmark::DoNotOptimize(needs.Table().rows.data());
}

// The slowest tables a random search of extreme inputs found, as `kesta-report --needs
// mass=1e306 speed=1000 BH0=50 BH1=50` makes them, with each built-in game table (the
// argument is its position in the list). The same bow would send every arrow of 1 to 3000
// grains so fast that the very first step of its run overflows, for every animal.
void BM_NeedsHeavyArrowBigBlade(benchmark::State& state) {
    FormState form;
    kesta::LoadSettings(form, kesta::ReaderOf({{"mass", "1e306"},
                                               {"speed", "1000"},
                                               {"BH0", "50"},
                                               {"BH1", "50"}}));
    const auto& game = kesta::game::BuiltInTables().at(static_cast<std::size_t>(state.range(0)));
    kesta::whatif::NeedsCalculator needs(form, game);
    for (auto _ : state)
        benchmark::DoNotOptimize(needs.Table().rows.data());
    state.SetLabel(game.name);
}

// The longest own list, 1001 animals a few kilograms apart, with the worked example's arrow
// (argument 0) and with one of 1e308 grains (argument 1): the slowest own lists found. Wall
// time, the parts of the table being searched side by side.
void BM_NeedsLongestOwnList(benchmark::State& state) {
    FormState form = ExampleForm();
    if (state.range(0) == 1) form.SetText("InArrowMass", "1e308");
    kesta::game::GameTable own{"own", "", {}};
    for (int i = 0; i < 1001; ++i)
        own.animals.push_back({"Animal " + std::to_string(i), 1 + i * 4.999});
    kesta::whatif::NeedsCalculator needs(form, own);
    for (auto _ : state)
        benchmark::DoNotOptimize(needs.Table().rows.data());
    state.SetLabel(state.range(0) == 1 ? "1e308 grains" : "worked example");
}

// The chart of the animal at this table position (0 Black Wildebeest, 13 Elephant, 15 fox).
void BM_NeedsChart(benchmark::State& state) {
    const FormState form = ExampleForm();
    kesta::whatif::NeedsCalculator needs(form);
    const auto position = static_cast<std::size_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(needs.Chart(position).points.data());
    state.SetLabel(kesta::game::Animals().at(position).name);
}

// The downrange distance table of the worked example out to 100 yards, and every animal's
// ranges over the same distances.
void BM_DownrangeTable(benchmark::State& state) {
    const FormState form = ExampleForm();
    for (auto _ : state)
        benchmark::DoNotOptimize(kesta::downrange::DistanceTableOf(form, {}).rows.data());
}

void BM_DownrangeRanges(benchmark::State& state) {
    const FormState form = ExampleForm();
    for (auto _ : state)
        benchmark::DoNotOptimize(kesta::downrange::RangesOf(form, {}).rows.data());
}

BENCHMARK(BM_ImperialExample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorstCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlowestFuzzed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongArrow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NeedsTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeedsHeaviestArrow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeedsHeavyArrowBigBlade)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeedsLongestOwnList)->DenseRange(0, 1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NeedsChart)->Arg(0)->Arg(13)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownrangeTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DownrangeRanges)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
