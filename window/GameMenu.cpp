#include "window/GameMenu.h"

#include "settings/FileError.h"
#include "window/MyGameDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace kesta {

namespace {

QString RegionName(const std::string& table) {
    if (table == "africa") return QObject::tr("Africa");
    if (table == "north-america") return QObject::tr("North America");
    if (table == "europe") return QObject::tr("Europe");
    if (table == "australia-new-zealand") return QObject::tr("Australia and New Zealand");
    if (table == kMyGame) return QObject::tr("My game");
    return QString::fromStdString(table);
}

} // namespace

QString GameTitle(const game::GameTable& table) {
    const std::string key = game::FindBuiltInTable(table.name) != nullptr ? table.name : kMyGame;
    return QObject::tr("%1 (%n animals)", nullptr, static_cast<int>(table.animals.size()))
        .arg(RegionName(key));
}

GameMenu::GameMenu(QMenuBar& bar, QAction* before, const QString& storeFile, QWidget* window)
    : QObject(window), storeFile_(storeFile), window_(window) {
    if (!storeFile_.isEmpty()) stored_ = ReadStoredGame(storeFile_);
    read_ = stored_;
    editor_ = [this](const game::GameTable& list) -> std::optional<game::GameTable> {
        MyGameDialog dialog(list, window_);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.List();
    };
    menu_ = new QMenu(tr("&Game"), window);
    menu_->setObjectName(QStringLiteral("GameMenu"));
    bar.insertMenu(before, menu_);
    group_ = new QActionGroup(this);
    for (const game::GameTable& table : game::BuiltInTables()) {
        QAction* action = menu_->addAction(GameTitle(table));
        action->setObjectName(QString::fromStdString("Game_" + table.name));
        action->setCheckable(true);
        action->setActionGroup(group_);
        connect(action, &QAction::triggered, this, [this, name = table.name] { Choose(name); });
    }
    menu_->addSeparator();
    QAction* mine = menu_->addAction(tr("&My game..."));
    mine->setObjectName(QStringLiteral("Game_my-game"));
    mine->setCheckable(true);
    mine->setActionGroup(group_);
    connect(mine, &QAction::triggered, this, &GameMenu::EditMyGame);
    shown_ = new QLabel(window);
    // No object name: it is part of the menu bar, not one of the form's named controls.
    shown_->setContentsMargins(0, 0, 8, 0);
    // Room for the longest heading, so the bar need not lay itself out again on a change.
    shown_->setMinimumWidth(
        shown_->fontMetrics().horizontalAdvance(
            tr("Game: %1").arg(tr("Australia and New Zealand (1001 animals)"))) +
        12);
    shown_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar.setCornerWidget(shown_, Qt::TopRightCorner);
    Show();
}

void GameMenu::Choose(const std::string& table) {
    if (table == kMyGame && stored_.myGame.animals.empty()) {
        EditMyGame();
        return;
    }
    stored_.table = table;
    Show();
    emit Changed();
}

void GameMenu::EditMyGame() {
    const std::optional<game::GameTable> edited = editor_(stored_.myGame);
    if (edited && !edited->animals.empty()) {
        stored_.myGame = *edited;
        stored_.myGame.name = "My game";
        stored_.table = kMyGame;
        emit Changed();
    }
    Show(); // a cancelled edit leaves the check mark where it was
}

void GameMenu::Adopt(const StoredGame& stored) {
    stored_ = stored;
    Show();
    emit Changed();
}

bool GameMenu::Save() const {
    // A store is not given a [game] group for a choice the user never changed.
    if (storeFile_.isEmpty() || stored_ == read_) return true;
    try {
        WriteStoredGame(storeFile_, stored_);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

void GameMenu::Show() {
    const game::GameTable& table = Table();
    const std::string key = &table == &stored_.myGame ? std::string(kMyGame) : table.name;
    for (QAction* action : group_->actions())
        action->setChecked(action->objectName() == QString::fromStdString("Game_" + key));
    shown_->setText(tr("Game: %1").arg(GameTitle(table)));
    shown_->setAccessibleName(shown_->text());
}

} // namespace kesta
