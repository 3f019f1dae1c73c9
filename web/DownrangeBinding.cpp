// The downrange figures for the page: the same figures, JSON and text as kesta-report
// --downrange and --ranges, and the text tables' rounded cells for the page's own tables. The
// downrange inputs travel in the same pairs object as the form's, under their own keys
// (ShaftOD, Head, ...), as they do on kesta-report's command line.
#include "downrange/Downrange.h"
#include "downrange/DownrangeFormats.h"
#include "downrange/DownrangeInputs.h"
#include "downrange/StoredInputs.h"
#include "web/GameChoice.h"
#include "web/Outcome.h"
#include "web/PairsForm.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <string>

namespace kesta::web {

namespace {

using emscripten::val;

// The pairs' downrange keys with their texts.
std::map<std::string, std::string> DownrangeTextsOf(const val& pairs) {
    const val toText = val::global("String");
    std::map<std::string, std::string> texts;
    if (!pairs.isUndefined() && !pairs.isNull())
        for (const std::string& key : downrange::InputKeys()) {
            const val value = pairs[key];
            if (!value.isUndefined() && !value.isNull()) texts[key] = toText(value).as<std::string>();
        }
    return texts;
}

// The pairs' downrange texts, read as kesta-report reads its KEY=VALUE pairs.
downrange::Inputs DownrangeInputsOf(const val& pairs) {
    return downrange::InputsOfTexts(DownrangeTextsOf(pairs));
}

val CellsOf(const downrange::Cells& cells) {
    val rows = val::array();
    for (const std::vector<std::string>& row : cells) {
        val r = val::array();
        for (const std::string& cell : row)
            r.call<void>("push", cell);
        rows.call<void>("push", r);
    }
    return rows;
}

// The fields of kesta-report's JSON (`names`) copied onto the result, parsed by the browser's
// own JSON reader: the numbers are the JSON's, to the last digit.
void SetJson(val& result, const std::string& json, std::initializer_list<const char*> names) {
    result.set("json", json);
    const val parsed = val::global("JSON").call<val>("parse", json);
    for (const char* name : names)
        result.set(name, parsed[name]);
}

void SetNone(val& result, std::initializer_list<const char*> names) {
    result.set("json", std::string());
    result.set("text", std::string());
    result.set("modelText", std::string());
    for (const char* name : names)
        result.set(name, val::null());
}

// {json, model, distances, reaction, text, modelText, cells: {distances, reaction}, error,
// place, where}: kesta-report --downrange's JSON text and its fields, its text, and the text
// tables' cells; on a failure the figures are null and the texts empty.
val Downrange(const val& pairs) {
    val result = val::object();
    try {
        const downrange::DistanceTable table =
            downrange::DistanceTableOf(FormFromPairs(pairs), DownrangeInputsOf(pairs));
        SetJson(result, downrange::DistanceJson(table), {"model", "distances", "reaction"});
        result.set("text", downrange::DistanceText(table));
        result.set("modelText", downrange::ModelText(table.inputs, table.model));
        val cells = val::object();
        cells.set("distances", CellsOf(downrange::DistanceCells(table)));
        cells.set("reaction", CellsOf(downrange::ReactionCells(table)));
        result.set("cells", cells);
        SetNoFailure(result);
    } catch (const RuntimeError& e) {
        SetNone(result, {"model", "distances", "reaction", "cells"});
        SetFailure(result, e);
    }
    return result;
}

// {json, model, max_distance_yd, animals, text, modelText, game, cells: {animals}, error,
// place, where}: kesta-report --ranges for the chosen game table (see GameOf).
val Ranges(const val& pairs, const val& game) {
    val result = val::object();
    try {
        const game::GameTable table = GameOf(game);
        const downrange::Ranges ranges =
            downrange::RangesOf(FormFromPairs(pairs), DownrangeInputsOf(pairs), table.animals);
        SetJson(result, downrange::RangesJson(ranges), {"model", "max_distance_yd", "animals"});
        result.set("text", downrange::RangesText(ranges));
        result.set("modelText", downrange::ModelText(ranges.inputs, ranges.model));
        result.set("game", table.name);
        val cells = val::object();
        cells.set("animals", CellsOf(downrange::RangesCells(ranges)));
        result.set("cells", cells);
        SetNoFailure(result);
    } catch (const RuntimeError& e) {
        SetNone(result, {"model", "max_distance_yd", "animals", "game", "cells"});
        SetFailure(result, e);
    }
    return result;
}

// The downrange keys with the texts of their defaults ("" for the chronograph readings, which
// have none), in the order the window shows them.
val DownrangeDefaults() {
    val pairs = val::object();
    for (const std::string& key : downrange::InputKeys())
        pairs.set(key, std::string());
    for (const auto& [key, text] : downrange::InputTexts(downrange::Inputs{}))
        pairs.set(key, text);
    return pairs;
}

// The texts a set-up file keeps for the pairs' downrange inputs, as the desktop program saves
// them: a text the model cannot use takes its default, numbers their shortest exact text, the
// chronograph keys only when there are readings; in the files' order of the keys.
val StoredDownrange(const val& pairs) {
    val stored = val::array();
    const downrange::Inputs inputs = downrange::StoredInputs(DownrangeTextsOf(pairs));
    for (const auto& [key, text] : downrange::InputTexts(inputs)) {
        val pair = val::array();
        pair.call<void>("push", key);
        pair.call<void>("push", text);
        stored.call<void>("push", pair);
    }
    return stored;
}

} // namespace

EMSCRIPTEN_BINDINGS(kesta_downrange) {
    emscripten::function("downrange", &Downrange);
    emscripten::function("ranges", &Ranges);
    emscripten::function("downrangeDefaults", &DownrangeDefaults);
    emscripten::function("storedDownrange", &StoredDownrange);
}

} // namespace kesta::web
