#include "settings/GameStore.h"

#include "ballistics/GameListText.h"
#include "tools/Errors.h"

#include <QSettings>

namespace kesta {

namespace {

QString Key(const char* name) {
    return QString::fromLatin1(kGameGroup) + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

const game::GameTable& StoredGame::Chosen() const {
    if (table == kMyGame && !myGame.animals.empty()) return myGame;
    const game::GameTable* builtIn = game::FindBuiltInTable(table);
    return builtIn != nullptr ? *builtIn : game::DefaultTable();
}

StoredGame ReadStoredGame(const QString& iniFile, QString* problem) {
    StoredGame stored;
    const QSettings settings(iniFile, QSettings::IniFormat);
    const QString list = settings.value(Key("my_game")).toString();
    if (!list.isEmpty()) {
        try {
            stored.myGame = game::ReadGameList(list.toStdString(), "[game] my_game");
            stored.myGame.name = "My game";
        } catch (const RuntimeError& e) {
            if (problem != nullptr)
                *problem = QString::fromUtf8(e.what()) + QStringLiteral(" (") +
                           QString::fromStdString(e.place()) + QLatin1Char(')');
        }
    }
    const std::string table = settings.value(Key("table")).toString().toStdString();
    if (table == kMyGame ? !stored.myGame.animals.empty() : game::FindBuiltInTable(table) != nullptr)
        stored.table = table;
    return stored;
}

void WriteStoredGame(const QString& iniFile, const StoredGame& stored) {
    QSettings settings(iniFile, QSettings::IniFormat);
    settings.setValue(Key("table"), QString::fromStdString(stored.table));
    if (stored.myGame.animals.empty())
        settings.remove(Key("my_game"));
    else
        settings.setValue(Key("my_game"), QString::fromStdString(game::GameListCsv(stored.myGame)));
    settings.sync();
    if (settings.status() != QSettings::NoError) throw RuntimeError(ErrorKind::PathFileAccess);
}

} // namespace kesta
