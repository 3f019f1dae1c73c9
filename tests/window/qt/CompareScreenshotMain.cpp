// kesta_compare_screenshot OUTPUT.png: starts the window as kesta does (settings from the
// per-user store), opens Tools > Compare set-ups with the current inputs against the
// heavy-buffalo example, and saves what the screen shows of the compare window.
#include "ScreenshotSupport.h"
#include "form/Examples.h"
#include "window/CompareWindow.h"
#include "window/Form1.h"
#include "window/SetupMenus.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: kesta_compare_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    if (!run.Show()) return 1;
    // No file dialog: with no file chosen the compare window starts on an example.
    window.Setups().SetFileChooser([](kesta::FileChoice, const QString&) { return QString(); });
    window.Setups().CompareSetups();
    kesta::CompareWindow* compare = window.Setups().Comparison();
    compare->SetExample(1, *kesta::FindExample("heavy-buffalo"));
    if (!QTest::qWaitForWindowExposed(compare)) return 1;
    return kesta::test::ScreenshotSession::Save(*compare, argv[1], 300); // both reports paint
}
