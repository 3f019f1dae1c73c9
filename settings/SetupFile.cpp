#include "settings/SetupFile.h"

#include "form/SettingsKeys.h"
#include "settings/AtomicFile.h"
#include "settings/IniText.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <set>

namespace kesta {

namespace {

SetupFileRead Problem(const QString& reason) {
    return {std::nullopt, reason};
}

QString TooLarge(qint64 size) {
    return QStringLiteral("it is larger than 1 MB (%1 bytes), too large for a set-up").arg(size);
}

// The bytes of a regular file of acceptable size, or the reason there are none. The type and
// size are judged before the file is opened: opening a FIFO would wait for a writer.
std::optional<QByteArray> ReadBytes(const QString& path, QString& problem) {
    const QFileInfo info(path);
    if (!info.exists()) {
        problem = QString::fromUtf8(ErrorMessage(ErrorKind::FileNotFound));
    } else if (info.isDir()) {
        problem = QStringLiteral("it is a folder");
    } else if (!info.isFile()) {
        problem = QStringLiteral("it is not a regular file");
    } else if (info.size() > kMaxSetupFileBytes) {
        problem = TooLarge(info.size());
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = file.errorString();
            return std::nullopt;
        }
        QByteArray bytes = file.read(kMaxSetupFileBytes + 1); // it may have grown since
        if (file.error() != QFileDevice::NoError) {
            problem = file.errorString();
        } else if (bytes.size() > kMaxSetupFileBytes) {
            problem = TooLarge(bytes.size());
        } else {
            return bytes;
        }
    }
    return std::nullopt;
}

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

bool HasValuesGroup(const QByteArray& bytes) {
    for (const QByteArray& line : bytes.split('\n'))
        if (line.trimmed() == "[values]") return true;
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
            known.insert("values/" + row.key);
            if (auto text = store.Read(row.key)) contents.values[row.key] = *text;
        }
    }
    QSettings all(copy, QSettings::IniFormat);
    if (all.status() == QSettings::FormatError)
        return Problem(QStringLiteral("it is not in the saved-settings (INI) format"));
    const QString values = QStringLiteral("values/");
    for (const QString& key : all.allKeys()) {
        // The settings store keeps its list of recent set-ups beside its values.
        // The downrange inputs have a group of their own.
        const QString downrange = QStringLiteral("downrange/");
        if (key.startsWith(downrange)) {
            contents.downrange[key.mid(downrange.size()).toStdString()] =
                all.value(key).toString().toStdString();
            continue;
        }
        if (known.count(key.toStdString()) || key.startsWith(QStringLiteral("recent/"))) continue;
        // Keys of [values] by their own name, others with their group's.
        const QString shown = key.startsWith(values) ? key.mid(values.size()) : key;
        contents.unknownKeys.push_back(shown.toStdString());
    }
    std::sort(contents.unknownKeys.begin(), contents.unknownKeys.end());
    return {std::move(contents), {}};
}

} // namespace

void SetupFileContents::LoadInto(FormState& form) const {
    LoadSettings(form, [this](const std::string& key) -> std::optional<std::string> {
        const auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    });
}

SetupFileRead ReadSetupFile(const QString& path) {
    QString problem;
    const std::optional<QByteArray> bytes = ReadBytes(path, problem);
    if (!bytes) return Problem(problem);
    problem = ContentProblem(*bytes);
    if (!problem.isEmpty()) return Problem(problem);
    return Parse(*bytes);
}

QByteArray SetupFileText(const FormState& form) {
    QByteArray text = "[values]\n";
    for (const auto& [key, value] : SaveSettings(form))
        text += QByteArray::fromStdString(key) + '=' +
                IniValueText(QString::fromStdString(value)) + '\n';
    return text;
}

QString WriteSetupFile(const QString& path, const FormState& form) {
    return WriteFileAtomically(path, SetupFileText(form));
}

} // namespace kesta
