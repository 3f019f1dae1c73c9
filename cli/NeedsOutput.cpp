#include "cli/NeedsOutput.h"

#include "cli/KeyValues.h"
#include "cli/Output.h"
#include "cli/WarningLines.h"
#include "tools/Errors.h"
#include "tools/Text.h"

namespace kesta::cli {

namespace {

std::string Formatted(const whatif::NeedsTable& table, CommandLine::Format format) {
    switch (format) {
    case CommandLine::Format::Csv:
        return NeedsCsv(table);
    case CommandLine::Format::Json:
        return NeedsJson(table);
    case CommandLine::Format::Text:
        break;
    }
    return NeedsText(table);
}

} // namespace

int WriteNeeds(const FormState& form, const CommandLine& line, const game::GameTable& game) {
    if (!line.quiet) Write(stderr, WarningLines(form));
    whatif::NeedsCalculator needs(form, game);
    whatif::NeedsTable table;
    try {
        table = needs.Table();
    } catch (const RuntimeError& e) {
        return Fail(std::string(e.what()) + " (" + PlaceWithKey(e.place()) + ")");
    }
    return WriteOut(text::ToCrLf(Formatted(table, line.format)), line.crlf);
}

} // namespace kesta::cli
