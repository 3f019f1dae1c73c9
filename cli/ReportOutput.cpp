#include "cli/ReportOutput.h"

#include "cli/KeyValues.h"
#include "cli/Output.h"
#include "cli/WarningLines.h"
#include "report/Calculator.h"
#include "tools/Errors.h"

#include <string>

namespace kesta::cli {

int WriteReport(const FormState& form, const CommandLine& line, const game::GameTable& game) {
    if (!line.quiet) Write(stderr, WarningLines(form));
    Calculator calculator(form, game);
    std::string error;
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        // The input by its key, as given on the command line: "input length", "report line 27, ...".
        error = e.what() + std::string(" (") + PlaceWithKey(e.place()) + ")";
    }
    // After a failure the box holds the lines written before it; after a Setup failure it
    // holds the previous report, which for this fresh calculator is nothing.
    if (const int status = WriteOut(calculator.BoxText(), line.crlf); status != 0) return status;
    if (!error.empty()) return Fail(error);
    return 0;
}

} // namespace kesta::cli
