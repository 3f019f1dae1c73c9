// The example set-ups as the build compiles them in from data/examples (cmake/ExampleTable.cmake),
// in the order of the list in form/CMakeLists.txt. Read through Examples().
#pragma once

#include "form/Examples.h"

#include <vector>

namespace kesta {

std::vector<ExampleSetup> ExampleTable();

} // namespace kesta
