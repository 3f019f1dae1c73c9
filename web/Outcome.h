// The fields every page call answers with besides its figures: error, place and where, all null
// when nothing failed.
#pragma once

#include "tools/Errors.h"

#include <emscripten/val.h>

namespace kesta::web {

// error: the message ("Division by zero"); place: where it arose by settings key, as
// kesta-report names it ("input length"), for scripts; where: as the window names it to the
// user ("Arrow length"), for the page. A place that is no input ("report line 18, Dynamic
// Spine", "mygame.csv, line 3") is the same in both.
void SetFailure(emscripten::val& result, const RuntimeError& error);
void SetNoFailure(emscripten::val& result);

} // namespace kesta::web
