// Shared by the screenshot programs: the window started as kesta starts it (settings from the
// per-user store, messages on standard error instead of dialogs), and a shown window saved as
// a PNG.
#pragma once

#include "settings/SettingsStore.h"
#include "window/Form1.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <memory>

namespace kesta::test {

class ScreenshotSession {
  public:
    ScreenshotSession(int& argc, char** argv) : app_(argc, argv) {
        QApplication::setApplicationName(QStringLiteral("KESTA"));
        QApplication::setOrganizationName(QStringLiteral("KESTA"));
        window_ = std::make_unique<Form1>(store_, [](QMessageBox::Icon, const QString& text) {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
        });
    }

    Form1& window() { return *window_; }

    // Shows the window; false when it never appears on the screen.
    bool Show() {
        window_->show();
        return QTest::qWaitForWindowExposed(window_.get());
    }

    // Saves what the screen shows of `shown` (after `settleMs` to let it paint); the exit
    // status of the program.
    static int Save(QWidget& shown, const char* path, int settleMs) {
        QTest::qWait(settleMs);
        const QPixmap shot = shown.screen()->grabWindow(shown.winId());
        if (shot.isNull() || !shot.save(QString::fromLocal8Bit(path))) return 1;
        std::printf("%dx%d\n", shot.width(), shot.height());
        return 0;
    }

  private:
    QApplication app_;
    SettingsStore store_;
    std::unique_ptr<Form1> window_;
};

} // namespace kesta::test
