// kesta_needs_screenshot OUTPUT.png: starts the window as kesta does (settings from the
// per-user store), opens Tools > What would it take? (the first animal is selected) and
// saves what the screen shows of that window.
#include "ScreenshotSupport.h"
#include "window/Form1.h"
#include "window/NeedsWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: kesta_needs_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    if (!run.Show()) return 1;
    // The menu's action, as a click on it would: a virtual display without a window manager
    // does not make the window active, so its shortcuts cannot be pressed.
    for (QAction* action : window.ToolsMenu().actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_T)) action->trigger();
    auto* needs = window.findChild<kesta::NeedsWindow*>(QStringLiteral("NeedsWindow"));
    if (needs == nullptr || !QTest::qWaitForWindowExposed(needs)) return 1;
    needs->move(0, 0);
    return kesta::test::ScreenshotSession::Save(*needs, argv[1], 400); // table and chart paint
}
