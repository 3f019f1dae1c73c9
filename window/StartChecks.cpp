#include "window/StartChecks.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef KESTA_VERSION
#define KESTA_VERSION "unknown"
#endif

namespace kesta {

namespace {

constexpr const char* kUsage =
    "usage: kesta [FILE]\n"
    "\n"
    "The KESTA calculator window: type a hunting set-up, press Report. The inputs of the last\n"
    "session come back when it opens; FILE, a set-up file (.kesta), is opened over them.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Without a display, kesta-report writes the same report to standard output\n"
    "(kesta-report --help).\n";

bool Given(int argc, char** argv, const char* option) {
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], option) == 0) return true;
    return false;
}

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// The toolkit's first complaint while it opens the display ("could not connect to display
// :7"); its final fatal message only repeats advice that does not apply.
QString& FirstComplaint() {
    static QString first;
    return first;
}

void NoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (FirstComplaint().isEmpty()) FirstComplaint() = message.section(QLatin1Char('\n'), 0, 0);
        return;
    }
    const QString why = FirstComplaint().isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                   : FirstComplaint();
    std::fprintf(stderr, "kesta: the window cannot open: %s\n", qPrintable(why));
    std::_Exit(1);
}

} // namespace

std::optional<int> AnswerWithoutWindow(int argc, char** argv) {
    if (Given(argc, argv, "--help") || Given(argc, argv, "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (Given(argc, argv, "--version")) {
        std::fputs("kesta " KESTA_VERSION "\n", stdout);
        return 0;
    }
    // A platform chosen by hand (offscreen, vnc, ...) needs no display of its own.
    if (Set("QT_QPA_PLATFORM") || Given(argc, argv, "-platform")) return std::nullopt;
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
        std::fputs("kesta: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "kesta-report writes the report without one\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}

void ExitIfDisplayFails() {
    qInstallMessageHandler(NoDisplay);
}

} // namespace kesta
