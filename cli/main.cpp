// kesta-report: a headless press of the "Report" button, for scripts, testing and users
// without a display. It loads settings into a fresh form exactly as the window's load event
// does, runs one report and writes the report box text to standard output.
#include "cli/CommandLine.h"
#include "form/SettingsKeys.h"
#include "report/Calculator.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

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

// The window's own store. One that cannot be read (a folder, a named pipe, no permission) is
// an error here, as the same file given to --settings is; the window starts with the defaults
// and says so. `path` is set for the message either way.
StoredTexts ReadUserStore(std::string& path) {
    const kesta::SettingsStore store;
    path = QFile::encodeName(store.FileName()).toStdString();
    if (!store.Unreadable().isEmpty()) throw RuntimeError(ErrorKind::PathFileAccess);
    return ReadStore(store);
}

StoredTexts ReadSettingsFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    // QSettings would quietly treat a mistyped path as an empty store, that is a first run.
    if (!info.exists()) throw RuntimeError(ErrorKind::FileNotFound);
    if (!info.isFile() || !info.isReadable()) throw RuntimeError(ErrorKind::PathFileAccess);
    return ReadStore(kesta::SettingsStore(info.filePath()));
}

bool g_showQtMessages = false;

// The Qt library writes its own warnings to standard error (QSettings does for some damaged
// files); beside this tool's one "error:" line they only confuse, so they wait for --verbose.
void QtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_showQtMessages)
        Write(stderr, qFormatLogMessage(type, context, message).toLocal8Bit().toStdString() + "\n");
}

int Fail(const std::string& message) {
    Write(stderr, "error: " + message + "\n");
    return 3;
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QtMessages);
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

    g_showQtMessages = line->verbose;

    StoredTexts stored; // empty: a first run
    std::string storePath = line->settingsFile;
    try {
        if (line->store == kesta::CommandLine::Store::User)
            stored = ReadUserStore(storePath);
        else if (line->store == kesta::CommandLine::Store::File)
            stored = ReadSettingsFile(line->settingsFile);
    } catch (const RuntimeError& e) {
        return Fail(e.what() + std::string(": ") + storePath);
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
        error = e.what();
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
