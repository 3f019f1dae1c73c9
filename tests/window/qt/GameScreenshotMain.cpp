// kesta_game_screenshot OUTPUT.png: starts the window as kesta does, fills "My game..." with a
// hunter's own list (in pounds), chooses it, presses "Report" and saves the window, then the
// editor open over it (OUTPUT-editor.png).
#include "ScreenshotSupport.h"
#include "window/Form1.h"
#include "window/GameMenu.h"
#include "window/MyGameDialog.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: kesta_game_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    kesta::test::ScreenshotSession run(argc, argv);
    kesta::Form1& window = run.window();
    if (!run.Show()) return 1;
    kesta::MyGameDialog* shown = nullptr;
    window.Game().SetEditor([&](const kesta::game::GameTable& list) {
        auto* dialog = new kesta::MyGameDialog(list, &window);
        const char* rows[][2] = {{"White-tailed deer buck", "220"},
                                 {"Mule deer doe", "150"},
                                 {"Black bear boar", "243"},
                                 {"Elk bull", "705"},
                                 {"Wild turkey gobbler", "22"}};
        for (int k = 0; k < 5; ++k) {
            if (k > 0) dialog->AddRow();
            dialog->Rows().item(k, 0)->setText(QString::fromLatin1(rows[k][0]));
            dialog->Rows().item(k, 1)->setText(QString::fromLatin1(rows[k][1]));
        }
        dialog->Unit().setCurrentIndex(1); // lb
        shown = dialog;
        return dialog->List();
    });
    window.Game().Menu().findChild<QAction*>(QStringLiteral("Game_my-game"))->trigger();
    window.doReport_Click();
    if (shown == nullptr) return 1;
    const int status = kesta::test::ScreenshotSession::Save(window, argv[1], 300);
    if (status != 0) return status;
    shown->move(window.width() - 480, 120); // over the report's upper lines
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown)) return 1;
    QString editor = QString::fromLocal8Bit(argv[1]);
    editor.replace(QStringLiteral(".png"), QStringLiteral("-editor.png"));
    return kesta::test::ScreenshotSession::Save(*shown, editor.toLocal8Bit().constData(), 300);
}
