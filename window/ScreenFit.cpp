#include "window/ScreenFit.h"

#include <QAction>
#include <QKeySequence>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kesta {

namespace {

// A window's frame is known only once the window manager has drawn it. Until then keep the
// room a usual title bar and border take.
QSize FrameRoom(const QWidget& window, const QWidget& near) {
    if (window.isVisible() || window.testAttribute(Qt::WA_WState_Created)) {
        const QSize own = window.frameGeometry().size() - window.geometry().size();
        if (!own.isEmpty()) return own;
    }
    const QSize known = near.frameGeometry().size() - near.geometry().size();
    if (!known.isEmpty()) return known;
    return {0, 0};
}

} // namespace

void FitWindowOnScreen(QWidget& window, const QWidget& near) {
    const QScreen* screen = near.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize frame = FrameRoom(window, near);
    const QSize room = available.size() - frame;
    window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize().boundedTo(room)));
    // Centred on the window it opens from, then moved back inside the screen.
    const QSize outer = window.size() + frame;
    const QPoint centre = near.frameGeometry().center();
    const int x = std::clamp(centre.x() - outer.width() / 2, available.left(),
                             std::max(available.left(), available.right() + 1 - outer.width()));
    const int y = std::clamp(centre.y() - outer.height() / 2, available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height()));
    window.move(x, y);
}

void AddCloseKeys(QWidget& window) {
    auto* close = new QAction(&window);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);
}

} // namespace kesta
