// The functions the page and its tests call (window.kesta wraps them, see site/app.js). Each
// works on a fresh form and calculator, as kesta-report does, so the same pairs always give the
// same text whatever was reported before.
#include "web/GameChoice.h"
#include "web/Outcome.h"
#include "web/PairsForm.h"

#include "ballistics/GameListText.h"
#include "ballistics/GameTable.h"
#include "form/Examples.h"
#include "form/SettingsKeys.h"
#include "report/Calculator.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"
#include "whatif/Needs.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

namespace kesta::web {

namespace {

using emscripten::val;

// {text, error, place, where}: error, place and where null when nothing failed.
val Outcome(std::string text, const RuntimeError* error) {
    val result = val::object();
    result.set("text", std::move(text));
    if (error)
        SetFailure(result, *error);
    else
        SetNoFailure(result);
    return result;
}

// The report box's lines, each followed by "\n"; after a failure the lines written before it.
// `game` chooses the game table (GameOf); a hunter's list that cannot be read stops the report
// before its first line, as kesta-report --game does.
val Report(const val& pairs, const val& game) {
    const FormState form = FormFromPairs(pairs);
    std::optional<Calculator> calculator;
    try {
        calculator.emplace(form, GameOf(game));
    } catch (const RuntimeError& e) {
        return Outcome(std::string(), &e);
    }
    try {
        calculator->WriteReport();
    } catch (const RuntimeError& e) {
        return Outcome(text::CrLfToLf(calculator->BoxText()), &e);
    }
    return Outcome(text::CrLfToLf(calculator->BoxText()), nullptr);
}

template <typename T> val Field(const std::optional<T>& n) {
    if (!n) return val(std::string());
    if constexpr (std::is_integral_v<T>)
        return val(std::to_string(*n));
    else
        return val(ShortestText(*n));
}

// The what-if table for the chosen game table: {rows, error, place, where}, each row the fields of kesta-report --needs
// --format csv by their column names, as the CSV's texts ("" for none).
val Needs(const val& pairs, const val& game) {
    const FormState form = FormFromPairs(pairs);
    val rows = val::array();
    val result = val::object();
    try {
        whatif::NeedsCalculator needs(form, GameOf(game));
        const whatif::NeedsTable table = needs.Table();
        for (const whatif::NeedsRow& row : table.rows) {
            val r = val::object();
            r.set("position", std::to_string(row.position));
            r.set("animal", row.animal);
            r.set("mass_kg", ShortestText(row.massKg));
            r.set("category", std::to_string(row.category));
            r.set("verdict", std::string(game::VerdictName(row.verdict)));
            r.set("least_grains", Field(row.leastGrains));
            r.set("least_fps", Field(row.leastFps));
            r.set("same_energy_grains", Field(row.sameEnergyGrains));
            r.set("same_energy_fps", Field(row.sameEnergyFps));
            rows.call<void>("push", r);
        }
        SetNoFailure(result);
    } catch (const RuntimeError& e) {
        rows = val::array();
        SetFailure(result, e);
    }
    result.set("rows", rows);
    return result;
}

// The pairs of a first run: the design form with nothing stored.
val Defaults() {
    return PairsOf(FormFromPairs(val::null()));
}

// Every key's text after loading `pairs` on top of the form `current` holds: what the window
// shows after opening a set-up file.
val Load(const val& pairs, const val& current) {
    FormState form = FormFromPairs(current);
    LoadPairs(form, pairs);
    return PairsOf(form);
}

val ExampleList() {
    val list = val::array();
    for (const ExampleSetup& example : Examples()) {
        val e = val::object();
        e.set("name", example.name);
        e.set("description", example.description);
        e.set("pairs", PairsOf(ExampleForm(example)));
        list.call<void>("push", e);
    }
    return list;
}

val Keys() {
    val keys = val::array();
    for (const SettingsKey& row : SettingsKeys())
        keys.call<void>("push", row.key);
    return keys;
}

} // namespace

EMSCRIPTEN_BINDINGS(kesta) {
    emscripten::function("report", &Report);
    emscripten::function("needs", &Needs);
    emscripten::function("defaults", &Defaults);
    emscripten::function("load", &Load);
    emscripten::function("examples", &ExampleList);
    emscripten::function("keys", &Keys);
    emscripten::function("games", &BuiltInGames);
    emscripten::function("readGameList", &ReadOwnGame);
    emscripten::constant("mostGameListBytes", static_cast<double>(game::kMostGameListBytes));
}

} // namespace kesta::web
