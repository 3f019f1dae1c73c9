// kesta-report: a headless press of the "Report" button, for scripts, testing and users
// without a display. It loads settings into a fresh form exactly as the window's load event
// does, runs one report and writes the report box text to standard output.
#include "cli/CommandLine.h"
#include "cli/SetupCommands.h"
#include "form/SettingsKeys.h"
#include "report/Calculator.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using kesta::ErrorKind;
using kesta::RuntimeError;
using StoredTexts = std::map<std::string, std::string>;

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Every key the store holds. Copying them out keeps the store itself untouched: overrides
// given on the command line are never written back to the user's settings.
StoredTexts ReadStore(const kesta::SettingsStore& store) {
    StoredTexts texts;
    for (const auto& row : kesta::SettingsKeys())
        if (auto text = store.Read(row.key)) texts[row.key] = *text;
    return texts;
}

StoredTexts ReadSettingsFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    // QSettings would quietly treat a mistyped path as an empty store, that is a first run.
    if (!info.exists()) throw RuntimeError(ErrorKind::FileNotFound);
    if (!info.isFile() || !info.isReadable()) throw RuntimeError(ErrorKind::PathFileAccess);
    return ReadStore(kesta::SettingsStore(info.filePath()));
}

int Fail(const std::string& message) {
    Write(stderr, "error: " + message + "\n");
    return 3;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string problem;
    const auto line = kesta::ParseCommandLine(args, problem);
    if (!line) {
        Write(stderr, "kesta-report: " + problem + "\n" + kesta::UsageText());
        return 2;
    }
    if (line->help) {
        Write(stdout, kesta::UsageText());
        return 0;
    }
    if (line->version) {
        Write(stdout, "kesta-report " KESTA_VERSION "\n");
        return 0;
    }
    if (line->listExamples || !line->compareA.empty()) {
        const kesta::CommandOutput output =
            line->listExamples ? kesta::ListExamples() : kesta::RunCompare(*line);
        Write(stdout, output.out);
        Write(stderr, output.err);
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            return Fail(kesta::ErrorMessage(ErrorKind::PathFileAccess));
        return output.status;
    }

    StoredTexts stored; // empty: a first run
    try {
        if (line->store == kesta::CommandLine::Store::User)
            stored = ReadStore(kesta::SettingsStore());
        else if (line->store == kesta::CommandLine::Store::File)
            stored = ReadSettingsFile(line->settingsFile);
        else if (line->store == kesta::CommandLine::Store::Example)
            stored = kesta::ExampleTexts(line->exampleName);
    } catch (const RuntimeError& e) {
        return Fail(e.what() + std::string(": ") + line->settingsFile);
    }
    for (const auto& [key, text] : line->overrides)
        stored[key] = text;

    kesta::FormState form;
    kesta::LoadSettings(form, [&stored](const std::string& key) -> std::optional<std::string> {
        auto it = stored.find(key);
        if (it == stored.end()) return std::nullopt;
        return it->second;
    });

    kesta::Calculator calculator(form);
    std::string error;
    try {
        calculator.WriteReport();
    } catch (const RuntimeError& e) {
        // The place is the one the window's dialog names: "input GPI", "report line 27, ...".
        error = e.what() + std::string(" (") + calculator.FailurePlace() + ")";
    }
    // After a failure the box holds the lines written before it; after a Setup failure it
    // holds the previous report, which for this fresh calculator is nothing.
    const std::string& box = calculator.BoxText();
    Write(stdout, line->crlf ? box : kesta::text::CrLfToLf(box));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail(kesta::ErrorMessage(ErrorKind::PathFileAccess));
    if (!error.empty()) return Fail(error);
    return 0;
}
