// The Game menu: the four built-in tables and "My game...", the hunter's own list. The choice
// and the list are kept in the per-user store's [game] group and shown at the right of the
// menu bar, so the user always sees which game the verdicts judge.
#pragma once

#include "settings/GameStore.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;

namespace kesta {

class MyGameDialog;

class GameMenu : public QObject {
    Q_OBJECT

  public:
    // Edits the list in a dialog; returns the new list, or nullopt when cancelled. The window
    // shows MyGameDialog; tests answer without one.
    using Editor = std::function<std::optional<game::GameTable>(const game::GameTable& list)>;

    // Adds the menu before `before` in the bar. `storeFile` is the per-user store, empty when
    // it cannot be read (nothing is then read from it or written to it).
    GameMenu(QMenuBar& bar, QAction* before, const QString& storeFile, QWidget* window);

    void SetEditor(Editor editor) { editor_ = std::move(editor); }

    const StoredGame& Stored() const { return stored_; }
    const game::GameTable& Table() const { return stored_.Chosen(); }
    QMenu& Menu() const { return *menu_; }
    QLabel& Shown() const { return *shown_; }

    // Chooses a built-in table or kMyGame (an empty "My game" opens the editor first).
    void Choose(const std::string& table);
    // The choice and list of a set-up file, as they were saved with it.
    void Adopt(const StoredGame& stored);
    // Writes the [game] group of the per-user store when the choice or the list changed since
    // it was read; false when it cannot be written.
    bool Save() const;

  signals:
    void Changed();

  public slots:
    void EditMyGame();

  private:
    void Show();

    QString storeFile_;
    QWidget* window_;
    StoredGame stored_;
    StoredGame read_; // as the store held it
    Editor editor_;
    QMenu* menu_ = nullptr;
    QActionGroup* group_ = nullptr;
    QLabel* shown_ = nullptr;
};

// The title of a table in the menu and the heading: "Europe (18 animals)".
QString GameTitle(const game::GameTable& table);

} // namespace kesta
