// kesta_screenshot OUTPUT.png: starts the window as kesta does (settings from the per-user
// store), presses "Report" once the window is on screen, and saves what the screen shows.
#include "ScreenshotSupport.h"
#include "window/Form1.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: kesta_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    if (!run.Show()) return 1;
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("doReport")), Qt::LeftButton);
    return kesta::test::ScreenshotSession::Save(window, argv[1], 200); // the report box paints
}
