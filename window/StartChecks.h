// What kesta answers before any window exists: --help and --version, and a missing display,
// which the toolkit would otherwise meet with an abort and advice to reinstall.
#pragma once

#include <optional>

namespace kesta {

// The exit status when the command line asks for no window (--help, -h, --version: printed
// on standard output, 0) or no display can be reached (one line on standard error, 1);
// nullopt when the window should open.
std::optional<int> AnswerWithoutWindow(int argc, char** argv);

// Until the application object exists, a display the toolkit cannot open ends the program
// with one line on standard error and exit status 1 instead of an abort. The toolkit's other
// messages meanwhile are held back (only the first one is kept, for that line).
void ExitIfDisplayFails();

} // namespace kesta
