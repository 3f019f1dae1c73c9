// kesta_screen_fit [SHOTS-FOLDER]: on whatever screen it runs on, opens the window as kesta
// does, presses Report, then opens What would it take?, Compare set-ups and the help window,
// and checks that each window's whole frame lies inside the screen's available area; the
// form, when it does not fit, scrolls at its design size. With a folder, saves what the
// screen shows after each window opens (first-run.png when the store is empty, else main.png,
// then needs.png, compare.png, help.png).
#include "ScreenshotSupport.h"
#include "window/CompareWindow.h"
#include "window/Form1.h"
#include "window/Form1Layout.h"
#include "window/NeedsWindow.h"
#include "window/SetupMenus.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

#include <cstdio>

namespace {

int failures = 0;

void Check(bool ok, const char* what, const QWidget& window) {
    if (ok) return;
    ++failures;
    const QRect frame = window.frameGeometry();
    const QRect screen = window.screen()->availableGeometry();
    std::fprintf(stderr, "FAIL %s: %s frame %d,%d %dx%d, screen %d,%d %dx%d\n", what,
                 qPrintable(window.objectName()), frame.x(), frame.y(), frame.width(),
                 frame.height(), screen.x(), screen.y(), screen.width(), screen.height());
}

void Shot(const QString& folder, const char* name) {
    if (folder.isEmpty()) return;
    QTest::qWait(400); // tables and charts paint
    QScreen* screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(QDir(folder).filePath(QString::fromLatin1(name)));
}

bool Opened(QWidget* window) {
    return window != nullptr && QTest::qWaitForWindowExposed(window);
}

void CheckOnScreen(QWidget& window) {
    QTest::qWait(100); // the main window fits itself once shown
    const QRect screen = window.screen()->availableGeometry();
    Check(screen.contains(window.frameGeometry()), "frame inside the screen", window);
}

} // namespace

int main(int argc, char* argv[]) {
    const QString shots = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    window.setObjectName(QStringLiteral("Form1"));
    if (!run.Show()) return 1;
    CheckOnScreen(window);
    const QSize design(kesta::TwipsToPixels(kesta::kFormRightTwips),
                       kesta::TwipsToPixels(kesta::kFormBottomTwips));
    const QSize client = window.ClientArea().size();
    // Every control of the form can be reached: on the window, or by scrolling.
    Check(client.width() >= design.width() && client.height() >= design.height(),
          "form at its design size", window);
    const bool fits = window.height() >= design.height() + window.MenuBar().height() &&
                      window.width() >= design.width();
    Check(fits == (window.FormScroller() == nullptr), "scrolls exactly when it does not fit",
          window);
    const bool firstRun = !window.findChild<QPlainTextEdit*>(QStringLiteral("txtReport"))
                               ->placeholderText()
                               .isEmpty();
    if (firstRun) {
        Shot(shots, "first-run.png");
        return failures == 0 ? 0 : 1;
    }
    window.findChild<QPushButton*>(QStringLiteral("doReport"))->click();
    Shot(shots, "main.png");

    for (QAction* action : window.ToolsMenu().actions())
        if (action->objectName().isEmpty() && action->text().contains(QStringLiteral("take")))
            action->trigger();
    auto* needs = window.findChild<kesta::NeedsWindow*>(QStringLiteral("NeedsWindow"));
    if (!Opened(needs)) return 1;
    CheckOnScreen(*needs);
    Shot(shots, "needs.png");
    needs->close();

    window.Setups().SetFileChooser([](kesta::FileChoice, const QString&) { return QString(); });
    window.findChild<QAction*>(QStringLiteral("actionCompareSetups"))->trigger();
    kesta::CompareWindow* compare = window.Setups().Comparison();
    if (!Opened(compare)) return 1;
    CheckOnScreen(*compare);
    Shot(shots, "compare.png");
    compare->close();

    window.ShowHelp();
    auto* help = window.findChild<QWidget*>(QStringLiteral("HelpWindow"));
    if (!Opened(help)) return 1;
    CheckOnScreen(*help);
    Shot(shots, "help.png");

    if (failures == 0) std::printf("every window inside %dx%d\n", window.screen()->size().width(),
                                   window.screen()->size().height());
    return failures == 0 ? 0 : 1;
}
