// kesta_screenshot OUTPUT.png: starts the window as kesta does (settings from the per-user
// store), presses "Report" once the window is on screen, and saves what the screen shows.
#include "settings/SettingsStore.h"
#include "window/Form1.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTA"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    if (argc != 2) {
        std::fputs("usage: kesta_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::SettingsStore store;
    kesta::Form1 window(store, [](QMessageBox::Icon, const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("doReport")), Qt::LeftButton);
    QTest::qWait(200); // let the report box repaint
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
    std::printf("%dx%d\n", shot.width(), shot.height());
    return 0;
}
