#include "cli/ReportOutput.h"

#include "cli/Output.h"
#include "report/Calculator.h"
#include "tools/Errors.h"

#include <string>

namespace kesta::cli {

int WriteReport(const FormState& form, const CommandLine& line, const game::GameTable& game) {
    Calculator calculator(form, game);
    std::string error;
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        // The place is the one the window's dialog names: "input GPI", "report line 27, ...".
        error = e.what() + std::string(" (") + e.place() + ")";
    }
    // After a failure the box holds the lines written before it; after a Setup failure it
    // holds the previous report, which for this fresh calculator is nothing.
    if (const int status = WriteOut(calculator.BoxText(), line.crlf); status != 0) return status;
    if (!error.empty()) return Fail(error);
    return 0;
}

} // namespace kesta::cli
