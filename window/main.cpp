// kesta [FILE]: the calculator window. The inputs of the last session are restored before the
// window shows and saved when it closes, or when a signal ends the session; a set-up FILE is
// opened over them.
#include "settings/SettingsStore.h"
#include "window/Form1.h"
#include "window/SetupMenus.h"
#include "window/SignalQuit.h"
#include "window/StartChecks.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    // --help, --version and a bad option are answered before any signal handling or display.
    if (const auto status = kesta::AnswerWithoutWindow(argc, argv)) return *status;
    // A signal that ends the session before the window can save waits until it can (the
    // threads Qt starts inherit the mask, so the signal is this thread's to take).
    kesta::SignalQuit::HoldEndingSignals();
    // Over a file size limit (ulimit -f) a write fails with EFBIG and the save says so, instead
    // of the default SIGXFSZ ending the window mid-save with the inputs lost.
    std::signal(SIGXFSZ, SIG_IGN);

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
    // an open dialog's included, then end. Later signals find the inputs saved and change
    // nothing.
    kesta::SignalQuit quitOnSignal([&window](int) {
        window.SetNotifier([](QMessageBox::Icon, const QString& text) {
            std::fprintf(stderr, "kesta: %s\n", qPrintable(text));
        });
        window.Form_Unload();
        QCoreApplication::exit(0);
    });
    kesta::SignalQuit::ReleaseEndingSignals();
    window.show();
    // `kesta FILE`, as the desktop opens a set-up file with the program. Opened from the event
    // loop: a dialog it shows runs inside that loop, so a signal that ends the dialog's loop
    // ends the program's too, rather than leaving a window whose close no longer saves.
    const QStringList arguments = QApplication::arguments().mid(1);
    QTimer::singleShot(0, &window, [&window, arguments] {
        window.Setups().OpenFromArguments(arguments);
    });
    const int status = QApplication::exec();
    // The inputs are saved (on the signal, or as the application quit).
    quitOnSignal.IgnoreFromNowOn();
    return status;
}
