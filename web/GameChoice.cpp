#include "web/GameChoice.h"

#include "ballistics/GameListText.h"
#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "web/Outcome.h"

#include <string>

namespace kesta::web {

using emscripten::val;

game::GameTable GameOf(const val& choice) {
    if (choice.isUndefined() || choice.isNull()) return game::DefaultTable();
    if (choice.isString()) {
        const std::string name = choice.as<std::string>();
        if (const game::GameTable* table = game::FindBuiltInTable(name)) return *table;
        throw RuntimeError(ErrorKind::InvalidProcedureCall, "no game table '" + name + "'",
                           "game table");
    }
    const val name = choice["name"];
    const std::string file =
        name.isUndefined() || name.isNull() ? std::string("My game") : name.as<std::string>();
    return game::ReadGameList(choice["csv"].as<std::string>(), file);
}

val BuiltInGames() {
    val list = val::array();
    for (const game::GameTable& table : game::BuiltInTables()) {
        val t = val::object();
        t.set("name", table.name);
        t.set("description", table.description);
        t.set("count", static_cast<double>(table.animals.size()));
        list.call<void>("push", t);
    }
    return list;
}

val ReadOwnGame(const val& csv, const std::string& name) {
    val result = val::object();
    val animals = val::array();
    result.set("name", name);
    try {
        val choice = val::object();
        choice.set("name", name);
        choice.set("csv", csv);
        const game::GameTable table = GameOf(choice);
        result.set("csv", game::GameListCsv(table));
        for (const game::Animal& animal : table.animals) {
            val a = val::object();
            a.set("animal", animal.name);
            a.set("mass_kg", ShortestText(animal.massKg));
            animals.call<void>("push", a);
        }
        SetNoFailure(result);
    } catch (const RuntimeError& e) {
        animals = val::array();
        result.set("csv", std::string());
        SetFailure(result, e);
    }
    result.set("animals", animals);
    return result;
}

} // namespace kesta::web
