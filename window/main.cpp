// kesta: the calculator window. The inputs of the last session are restored before the
// window shows and saved when it closes.
#include "settings/SettingsStore.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // QApplication takes the C locale from the environment; the report's number text does
    // not depend on it.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTA"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    // Ties the window to its desktop entry (icon, name) on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kesta.Kesta"));

    kesta::SettingsStore store;
    kesta::Form1 window(store);
    window.show();
    return QApplication::exec();
}
