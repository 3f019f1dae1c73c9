#include "settings/SetupFile.h"

#include "form/SettingsKeys.h"
#include "settings/FileError.h"
#include "settings/FileReader.h"
#include "settings/IniGroups.h"
#include "settings/IniWriter.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFormat.h"
#include "tools/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <set>

namespace kesta {

namespace {

SetupFileRead Problem(const QString& reason) {
    return {std::nullopt, reason};
}

// The bytes of a regular file of acceptable size, or the reason there are none.
std::optional<QByteArray> ReadBytes(const QString& path, QString& problem) {
    FileBytes read = ReadUserFile(path);
    if (read.absent) problem = QString::fromUtf8(ErrorMessage(ErrorKind::FileNotFound));
    else problem = read.problem;
    return std::move(read.bytes);
}

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

bool HasValuesGroup(const QByteArray& bytes) {
    for (const QByteArray& line : bytes.split('\n'))
        if (line.trimmed() == '[' + QByteArray(kValuesGroup) + ']') return true;
    return false;
}

// Why these bytes are no set-up file; empty when they may be one.
QString ContentProblem(const QByteArray& bytes) {
    if (bytes.contains('\0')) return QStringLiteral("it holds binary data (NUL bytes), not text");
    if (!IsUtf8(bytes)) return QStringLiteral("it is not UTF-8 text");
    if (!HasValuesGroup(bytes)) return QStringLiteral("it is not a set-up: it has no [values] group");
    return {};
}

// QSettings parses a private copy of exactly the bytes that were checked: the file may change
// meanwhile, and QSettings keeps what it once read of a path for the whole process.
SetupFileRead Parse(const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("setup.ini"));
    QFile out(copy);
    if (!dir.isValid() || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
        !out.flush())
        return Problem(QStringLiteral("no temporary copy could be made to read it"));
    out.close();

    SetupFileContents contents;
    std::set<std::string> known;
    {
        const SettingsStore store(copy);
        for (const SettingsKey& row : SettingsKeys()) {
            known.insert(GroupKey(kValuesGroup, QString::fromStdString(row.key)).toStdString());
            if (auto text = store.Read(row.key)) contents.values[row.key] = *text;
        }
    }
    QSettings all(copy, QSettings::IniFormat);
    if (all.status() == QSettings::FormatError)
        return Problem(QStringLiteral("it is not in the saved-settings (INI) format"));
    contents.formatWarning = FormatWarning(all);
    const QString values = GroupKey(kValuesGroup, {});
    // The groups kept beside the values, as texts by key: the downrange inputs and the game
    // table chosen with the set-up.
    std::map<std::string, std::string> gameTexts;
    const QString downrange = GroupKey(kDownrangeGroup, {});
    const QString game = GroupKey(kGameGroup, {});
    const auto take = [&all](const QString& key, const QString& group,
                             std::map<std::string, std::string>& texts) {
        if (!key.startsWith(group)) return false;
        texts[key.mid(group.size()).toStdString()] = all.value(key).toString().toStdString();
        return true;
    };
    for (const QString& key : all.allKeys()) {
        if (take(key, downrange, contents.downrange) || take(key, game, gameTexts)) continue;
        if (known.count(key.toStdString())) continue;
        // Keys of [values] by their own name; other groups are read by their own readers (the
        // format version, the store's list of recent set-ups) or are no set-up's at all.
        if (key.startsWith(values)) {
            contents.unknownKeys.push_back(key.mid(values.size()).toStdString());
        } else if (!key.contains(QLatin1Char('/')) ||
                   !KnownGroups().contains(key.section(QLatin1Char('/'), 0, 0))) {
            contents.unknownKeys.push_back(key.toStdString());
        }
    }
    std::sort(contents.unknownKeys.begin(), contents.unknownKeys.end());
    contents.game = GameOfGroup(gameTexts, &contents.gameProblem);
    return {std::move(contents), {}};
}

} // namespace

void SetupFileContents::LoadInto(FormState& form) const {
    LoadSettings(form, ReaderOf(values));
}

SetupFileRead ReadSetupFile(const QString& path) {
    QString problem;
    const std::optional<QByteArray> bytes = ReadBytes(path, problem);
    if (!bytes) return Problem(problem);
    problem = ContentProblem(*bytes);
    if (!problem.isEmpty()) return Problem(problem);
    return Parse(*bytes);
}

void WriteSetupFile(const QString& path, const FormState& form,
                    const std::vector<std::pair<std::string, std::string>>& downrange,
                    const StoredValues& more) {
    StoredValues saved = FormatValues();
    for (const auto& [key, value] : SaveSettings(form))
        saved.emplace_back(GroupKey(kValuesGroup, QString::fromStdString(key)),
                           QString::fromStdString(value));
    for (const auto& [key, value] : downrange)
        saved.emplace_back(GroupKey(kDownrangeGroup, QString::fromStdString(key)),
                           QString::fromStdString(value));
    saved.insert(saved.end(), more.begin(), more.end());
    WriteIniFile(path, {}, saved);
}

} // namespace kesta
