// kesta [FILE]: the calculator window. The inputs of the last session are restored before the
// window shows and saved when it closes, or when a signal ends the session; a set-up FILE is
// opened over them.
#include "settings/SettingsStore.h"
#include "window/Form1.h"
#include "window/SetupMenus.h"
#include "window/SignalQuit.h"
#include "window/StartChecks.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const auto status = kesta::AnswerWithoutWindow(argc, argv)) return *status;
    // QApplication takes the C locale from the environment; the report's number text does
    // not depend on it.
    kesta::ExitIfDisplayFails();
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr); // the display is open: Qt's own handling from here on
    QApplication::setApplicationName(QStringLiteral("KESTA"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    // Ties the window to its desktop entry (icon, name) on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kesta.Kesta"));

    kesta::SettingsStore store;
    kesta::Form1 window(store);
    // SIGTERM, SIGHUP and SIGINT save the inputs and quit as a close does. Nobody may be left
    // to answer a dialog, so a save that fails is told on standard error; the event loops,
    // an open dialog's included, then end.
    const kesta::SignalQuit quitOnSignal([&window](int) {
        window.SetNotifier([](QMessageBox::Icon, const QString& text) {
            std::fprintf(stderr, "kesta: %s\n", qPrintable(text));
        });
        window.Form_Unload();
        QCoreApplication::exit(0);
    });
    window.show();
    // `kesta FILE`, as the desktop opens a set-up file with the program.
    window.Setups().OpenFromArguments(QApplication::arguments().mid(1));
    return QApplication::exec();
}
