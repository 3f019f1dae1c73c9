#include "settings/GameStore.h"

#include "ballistics/GameListText.h"
#include "settings/IniGroups.h"
#include "tools/Errors.h"

#include <QSettings>

namespace kesta {

namespace {

QString Key(const char* name) {
    return GroupKey(kGameGroup, QLatin1String(name));
}

} // namespace

const game::GameTable& StoredGame::Chosen() const {
    if (table == kMyGame && !myGame.animals.empty()) return myGame;
    const game::GameTable* builtIn = game::FindBuiltInTable(table);
    return builtIn != nullptr ? *builtIn : game::DefaultTable();
}

StoredGame ReadStoredGame(const QString& iniFile, QString* problem) {
    return ReadGameGroup(iniFile, problem).value_or(StoredGame());
}

std::optional<StoredGame> ReadGameGroup(const QString& iniFile, QString* problem) {
    const QSettings settings(iniFile, QSettings::IniFormat);
    std::map<std::string, std::string> texts;
    for (const char* name : {"table", "my_game"})
        if (settings.contains(Key(name)))
            texts[name] = settings.value(Key(name)).toString().toStdString();
    return GameOfGroup(texts, problem);
}

std::optional<StoredGame> GameOfGroup(const std::map<std::string, std::string>& texts,
                                      QString* problem) {
    const auto text = [&texts](const char* name) {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    };
    if (texts.count("table") == 0 && texts.count("my_game") == 0) return std::nullopt;
    StoredGame stored;
    const std::string list = text("my_game");
    if (!list.empty()) {
        try {
            stored.myGame = game::ReadGameList(list, "[game] my_game");
            stored.myGame.name = "My game";
        } catch (const RuntimeError& e) {
            if (problem != nullptr)
                *problem = QString::fromUtf8(e.what()) + QStringLiteral(" (") +
                           QString::fromStdString(e.place()) + QLatin1Char(')');
        }
    }
    const std::string table = text("table");
    if (table == kMyGame ? !stored.myGame.animals.empty()
                         : game::FindBuiltInTable(table) != nullptr)
        stored.table = table;
    return stored;
}

StoredValues GameValues(const StoredGame& stored) {
    StoredValues values{{Key("table"), QString::fromStdString(stored.table)}};
    if (!stored.myGame.animals.empty())
        values.emplace_back(Key("my_game"),
                            QString::fromStdString(game::GameListCsv(stored.myGame)));
    return values;
}

void WriteStoredGame(const QString& iniFile, const StoredGame& stored) {
    StoredValues kept;
    {
        const QSettings settings(iniFile, QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            if (!key.startsWith(GroupKey(kGameGroup, QString())))
                kept.emplace_back(key, settings.value(key));
    }
    WriteIniFile(iniFile, kept, GameValues(stored));
}

} // namespace kesta
