// The KEY=VALUE arguments of kesta-report checked before they reach the form: a key that is
// not a settings key gets the nearest one suggested, and a value its key cannot hold is
// refused instead of quietly taking the key's default (as a hand-edited store would).
#pragma once

#include <string>

namespace kesta {

// The problem with `key`=`value`, or "" when the window could have stored it: an option key
// takes True or False, ShaftDia 0, 1 or 2, inCOC 0 or 1; a text key takes any text.
std::string KeyValueProblem(const std::string& key, const std::string& value);

// The settings key nearest to `key` (by edits, case ignored), or "" when none is near.
std::string NearestKey(const std::string& key);

// A failure's place as kesta-report names it: the input by its settings key, as it is given
// on the command line ("input InArrowLength" becomes "input length"); others as they are.
std::string PlaceWithKey(const std::string& place);

} // namespace kesta
