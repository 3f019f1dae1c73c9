// The functions the page and its tests call (window.kesta wraps them, see site/app.js). Each
// works on a fresh form and calculator, as kesta-report does, so the same pairs always give the
// same text whatever was reported before.
#include "web/PairsForm.h"

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

// {text, error, place}: error and place null when nothing failed.
val Outcome(std::string text, const char* error, const std::string& place) {
    val result = val::object();
    result.set("text", std::move(text));
    result.set("error", error ? val(std::string(error)) : val::null());
    result.set("place", error ? val(place) : val::null());
    return result;
}

// The report box's lines, each followed by "\n"; after a failure the lines written before it.
val Report(const val& pairs) {
    const FormState form = FormFromPairs(pairs);
    Calculator calculator(form);
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        return Outcome(text::CrLfToLf(calculator.BoxText()), e.what(), e.place());
    }
    return Outcome(text::CrLfToLf(calculator.BoxText()), nullptr, {});
}

template <typename T> val Field(const std::optional<T>& n) {
    if (!n) return val(std::string());
    if constexpr (std::is_integral_v<T>)
        return val(std::to_string(*n));
    else
        return val(ShortestText(*n));
}

// The what-if table: {rows, error, place}, each row the fields of kesta-report --needs
// --format csv by their column names, as the CSV's texts ("" for none).
val Needs(const val& pairs) {
    const FormState form = FormFromPairs(pairs);
    whatif::NeedsCalculator needs(form);
    val rows = val::array();
    val result = val::object();
    try {
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
        result.set("error", val::null());
        result.set("place", val::null());
    } catch (const RuntimeError& e) {
        rows = val::array();
        result.set("error", std::string(e.what()));
        result.set("place", e.place());
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
}

} // namespace kesta::web
