// The desktop program's side of a set-up file, for the page's tests: writes one as the window's
// Save as does and says what the window's Open reads from one, through the settings layer itself.
//
//   setup_file_probe write FILE EXAMPLE [--table NAME] [--my-game CSV_FILE] [KEY=TEXT ...]
//       the example's form, the downrange texts KEY=TEXT (as the store would hold them), and
//       the game choice; no [game] group for the default one, as Save as writes it.
//   setup_file_probe read FILE
//       JSON: {problem} for a file that is no set-up, else {values, downrange, game, warning}:
//       downrange the inputs the window adopts (null when the file has no [downrange] group),
//       game null when the file has no [game] group, else {table, chosen, my_game, problem}
//       (my_game as the desktop keeps the list, "" for none; problem as GameStore gives it).
#include "ballistics/GameListText.h"
#include "downrange/StoredInputs.h"
#include "form/Examples.h"
#include "settings/FileError.h"
#include "settings/GameFile.h"
#include "settings/GameStore.h"
#include "settings/SetupFile.h"
#include "tools/Errors.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace kesta;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QJsonObject ObjectOf(const std::map<std::string, std::string>& texts) {
    QJsonObject object;
    for (const auto& [key, text] : texts)
        object.insert(Q(key), Q(text));
    return object;
}

int Write(const QStringList& args) {
    if (args.size() < 4) return 2;
    const ExampleSetup* example = FindExample(args[3].toStdString());
    if (example == nullptr) return 2;
    StoredGame game;
    std::map<std::string, std::string> downrange;
    for (int i = 4; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--table") && i + 1 < args.size()) {
            game.table = args[++i].toStdString();
        } else if (args[i] == QLatin1String("--my-game") && i + 1 < args.size()) {
            game.myGame = ReadGameFile(args[++i].toStdString());
            game.myGame.name = "My game";
        } else if (args[i].contains(QLatin1Char('='))) {
            downrange[args[i].section(QLatin1Char('='), 0, 0).toStdString()] =
                args[i].section(QLatin1Char('='), 1).toStdString();
        } else {
            return 2;
        }
    }
    WriteSetupFile(args[2], ExampleForm(*example),
                   downrange.empty()
                       ? std::vector<std::pair<std::string, std::string>>()
                       : downrange::InputTexts(downrange::StoredInputs(downrange)),
                   game == StoredGame() ? StoredValues() : GameValues(game));
    return 0;
}

QJsonObject Read(const QString& path) {
    const SetupFileRead read = ReadSetupFile(path);
    QJsonObject result;
    if (!read.contents) {
        result.insert(QStringLiteral("problem"), read.problem);
        return result;
    }
    result.insert(QStringLiteral("values"), ObjectOf(read.contents->values));
    const auto& stored = read.contents->downrange;
    std::map<std::string, std::string> adopted;
    for (const auto& [key, text] : downrange::InputTexts(downrange::StoredInputs(stored)))
        adopted[key] = text;
    result.insert(QStringLiteral("downrange"),
                  stored.empty() ? QJsonValue() : QJsonValue(ObjectOf(adopted)));
    QString problem;
    const std::optional<StoredGame> game = ReadGameGroup(path, &problem);
    if (game) {
        QJsonObject g;
        g.insert(QStringLiteral("table"), Q(game->table));
        g.insert(QStringLiteral("chosen"), Q(game->Chosen().name));
        g.insert(QStringLiteral("my_game"),
                 game->myGame.animals.empty() ? QString() : Q(game::GameListCsv(game->myGame)));
        g.insert(QStringLiteral("problem"), problem);
        result.insert(QStringLiteral("game"), g);
    } else {
        result.insert(QStringLiteral("game"), QJsonValue());
    }
    result.insert(QStringLiteral("warning"), read.contents->formatWarning);
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    try {
        if (args.size() >= 3 && args[1] == QLatin1String("write")) return Write(args);
        if (args.size() == 3 && args[1] == QLatin1String("read")) {
            const QByteArray json = QJsonDocument(Read(args[2])).toJson(QJsonDocument::Compact);
            std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
            return 0;
        }
    } catch (const FileError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(e.path()), qPrintable(e.reason()));
        return 3;
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "%s (%s)\n", e.what(), e.place().c_str());
        return 3;
    }
    std::fprintf(stderr, "usage: setup_file_probe write FILE EXAMPLE [--table NAME] "
                         "[--my-game CSV_FILE] [KEY=TEXT ...] | read FILE\n");
    return 2;
}
