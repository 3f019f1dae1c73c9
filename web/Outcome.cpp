#include "web/Outcome.h"

#include "form/InputLabels.h"
#include "form/SettingsKeys.h"

#include <string>

namespace kesta::web {

using emscripten::val;

void SetFailure(val& result, const RuntimeError& error) {
    result.set("error", std::string(error.what()));
    result.set("place", PlaceWithKey(error.place()));
    result.set("where", PlaceForUser(error.place()));
}

void SetNoFailure(val& result) {
    result.set("error", val::null());
    result.set("place", val::null());
    result.set("where", val::null());
}

} // namespace kesta::web
