// The page speaks in settings pairs (key -> stored text, as the store and kesta-report's
// KEY=VALUE use them); the engine reads a FormState. Conversions between the two, loading
// exactly as the window's load event and kesta-report do.
#pragma once

#include "form/FormState.h"

#include <emscripten/val.h>

namespace kesta::web {

// A fresh form with the pairs' texts loaded; keys the object lacks (or holds null for) take
// their defaults. Values are read as JavaScript's String() of them; other keys are ignored.
FormState FormFromPairs(const emscripten::val& pairs);

// The same, loaded on top of an existing form (a key it lacks keeps what the form holds where
// the store's rule says so: inEdge, inCOC, inTip).
void LoadPairs(FormState& form, const emscripten::val& pairs);

// Every key with the text the window would save for the form, in table order.
emscripten::val PairsOf(const FormState& form);

} // namespace kesta::web
