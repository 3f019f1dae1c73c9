#include "cli/DownrangeOutput.h"

#include "cli/Output.h"
#include "downrange/Downrange.h"
#include "downrange/DownrangeFormats.h"
#include "downrange/StoredInputs.h"
#include "form/SettingsKeys.h"
#include "tools/Errors.h"
#include "tools/Text.h"

namespace kesta::cli {

namespace {

std::string TableIn(const downrange::DistanceTable& table, CommandLine::Format format) {
    switch (format) {
    case CommandLine::Format::Csv:
        return downrange::DistanceCsv(table);
    case CommandLine::Format::Json:
        return downrange::DistanceJson(table);
    case CommandLine::Format::Text:
        break;
    }
    return downrange::DistanceText(table);
}

std::string RangesIn(const downrange::Ranges& ranges, CommandLine::Format format) {
    switch (format) {
    case CommandLine::Format::Csv:
        return downrange::RangesCsv(ranges);
    case CommandLine::Format::Json:
        return downrange::RangesJson(ranges);
    case CommandLine::Format::Text:
        break;
    }
    return downrange::RangesText(ranges);
}

} // namespace

downrange::Inputs DownrangeInputsOf(const std::map<std::string, std::string>& stored,
                                    const CommandLine& line) {
    std::map<std::string, std::string> texts = stored;
    for (const auto& [key, text] : line.overrides)
        if (downrange::IsInputKey(key)) texts[key] = text;
    return downrange::InputsOfTexts(texts);
}

int WriteDownrange(const FormState& form, const std::map<std::string, std::string>& stored,
                   const CommandLine& line, const game::GameTable& game) {
    std::string out;
    try {
        const downrange::Inputs inputs = DownrangeInputsOf(stored, line);
        if (line.mode == CommandLine::Mode::Ranges)
            out = RangesIn(downrange::RangesOf(form, inputs, game.animals), line.format);
        else
            out = TableIn(downrange::DistanceTableOf(form, inputs), line.format);
    } catch (const RuntimeError& e) {
        return Fail(std::string(e.what()) + " (" + PlaceWithKey(e.place()) + ")");
    }
    return WriteOut(text::ToCrLf(out), line.crlf);
}

} // namespace kesta::cli
