// The downrange inputs from texts by key: the [downrange] group of the per-user store or of a
// set-up file, and kesta-report's KEY=VALUE pairs. The files keep texts only; what they mean
// is decided here, beside the model that uses them.
#pragma once

#include "downrange/DownrangeInputs.h"

#include <map>
#include <string>

namespace kesta::downrange {

// Reads the texts as ReadInputs does: an absent key takes its default, a text that cannot be
// used raises with its place "input <Key>".
Inputs InputsOfTexts(const std::map<std::string, std::string>& texts);

// The inputs kept in a file. A stored text the model cannot use (a hand-edited file) takes its
// default, as an unfit value of [values] does; the others are kept. A chronograph reading
// refused takes the other three with it: one reading alone is no calibration.
Inputs StoredInputs(const std::map<std::string, std::string>& stored);

} // namespace kesta::downrange
