// libFuzzer target for kesta-report's command line: the input is the arguments, separated by
// NUL bytes. Checks: the line is parsed or a problem is given, never both; a problem is one
// bounded line however long the arguments (each is echoed cut to 60 characters); what was
// parsed holds together (one store, a file or name where the store needs one, only known keys:
// the settings keys and the downrange inputs; --compare with both sides).
#include "cli/CommandLine.h"
#include "downrange/DownrangeInputs.h"
#include "form/SettingsKeys.h"
#include "fuzz/FuzzInput.h"

#include <set>
#include <string>
#include <vector>

using namespace kesta;
using fuzz::Check;

namespace {

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[k]);
    }
    if (size == 0) args.clear();
    return args;
}

const std::set<std::string>& Keys() {
    static const std::set<std::string> keys = [] {
        std::set<std::string> names;
        for (const SettingsKey& row : SettingsKeys())
            names.insert(row.key);
        for (const std::string& key : downrange::InputKeys())
            names.insert(key);
        return names;
    }();
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = Arguments(data, size);
    std::string problem;
    const std::optional<CommandLine> line = ParseCommandLine(args, problem);
    Check(line.has_value() == problem.empty());
    if (!line) {
        Check(problem.find('\n') == std::string::npos);
        // A fixed text and at most two arguments echoed at 60 characters (3 bytes each).
        Check(problem.size() <= 200 + 2 * (60 * 4 + 3));
        return 0;
    }
    Check(line->store != CommandLine::Store::File || !line->settingsFile.empty());
    Check(line->store != CommandLine::Store::Example || !line->exampleName.empty());
    Check(line->compareA.empty() == line->compareB.empty());
    for (const auto& [key, value] : line->overrides)
        Check(Keys().count(key) == 1);
    for (const std::string& arg : args) {
        const std::string echoed = Echoed(arg);
        Check(echoed == arg || echoed.size() <= 60 * 4 + 3);
    }
    return 0;
}
