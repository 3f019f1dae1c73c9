// kesta_compare_screenshot OUTPUT.png: starts the window as kesta does (settings from the
// per-user store), opens Tools > Compare set-ups with the current inputs against the
// heavy-buffalo example, and saves what the screen shows of the compare window.
#include "form/Examples.h"
#include "settings/SettingsStore.h"
#include "window/CompareWindow.h"
#include "window/Form1.h"
#include "window/SetupMenus.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTA"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    if (argc != 2) {
        std::fputs("usage: kesta_compare_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::SettingsStore store;
    kesta::Form1 window(store, [](QMessageBox::Icon, const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    // No file dialog: with no file chosen the compare window starts on an example.
    window.Setups().SetFileChooser([](kesta::FileChoice, const QString&) { return QString(); });
    window.Setups().CompareSetups();
    kesta::CompareWindow* compare = window.Setups().Comparison();
    compare->SetExample(1, *kesta::FindExample("heavy-buffalo"));
    if (!QTest::qWaitForWindowExposed(compare)) return 1;
    QTest::qWait(300); // let both reports repaint
    const QPixmap shot = compare->screen()->grabWindow(compare->winId());
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]))) return 1;
    std::printf("%dx%d\n", shot.width(), shot.height());
    return 0;
}
