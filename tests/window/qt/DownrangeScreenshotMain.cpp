// kesta_downrange_screenshot OUTPUT.png [TAB]: starts the window as kesta does (settings from
// the per-user store), opens Tools > Downrange..., shows its tab TAB (0 the distances and
// charts, the default; 2 the ethical range per animal) and saves what the screen shows of it.
#include "ScreenshotSupport.h"
#include "window/DownrangeWindow.h"
#include "window/Form1.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fputs("usage: kesta_downrange_screenshot OUTPUT.png [TAB]\n", stderr);
        return 2;
    }
    const int tab = argc == 3 ? std::atoi(argv[2]) : 0;
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    if (!run.Show()) return 1;
    // The menu's action, as a click on it would.
    for (QAction* action : window.ToolsMenu().actions())
        if (action->text() == QStringLiteral("&Downrange...")) action->trigger();
    auto* downrange = window.findChild<kesta::DownrangeWindow*>(QStringLiteral("DownrangeWindow"));
    if (downrange == nullptr || !QTest::qWaitForWindowExposed(downrange)) return 1;
    downrange->Tabs().setCurrentIndex(tab);
    downrange->move(0, 0);
    return kesta::test::ScreenshotSession::Save(*downrange, argv[1], 600);
}
