// The downrange inputs kept between runs: in the per-user store and in set-up files, in a group
// [downrange] of their own beside [values], whose 46 keys stay exactly as they are.
#pragma once

#include "downrange/DownrangeInputs.h"

#include <map>
#include <string>

namespace kesta {

class SettingsStore;

// The stored inputs. A stored text the model cannot use (a hand-edited file) takes its
// default, as an unfit value of [values] does; the others are kept.
downrange::Inputs DownrangeInputsOf(const std::map<std::string, std::string>& stored);
downrange::Inputs LoadDownrangeInputs(const SettingsStore& store);

// Replaces the store's [downrange] group (IniGroups.h) with these inputs. Raises what
// SaveGroup raises.
void SaveDownrangeInputs(SettingsStore& store, const downrange::Inputs& inputs);

} // namespace kesta
