// The downrange inputs the window remembers: the [downrange] group of the per-user store,
// beside [values], whose 46 keys stay exactly as they are.
#pragma once

#include "downrange/DownrangeInputs.h"

namespace kesta {

class SettingsStore;

// The stored inputs; a stored text the model cannot use takes its default alone.
downrange::Inputs LoadDownrangeInputs(const SettingsStore& store);

// Replaces the store's [downrange] group with these inputs. Raises what SaveGroup raises.
void SaveDownrangeInputs(SettingsStore& store, const downrange::Inputs& inputs);

} // namespace kesta
