// libFuzzer target for set-up files: the input is the file's bytes. Reading must end (run with
// -timeout=1) and either refuse the file with a reason or give its contents, never both; bytes
// with a NUL or that are not UTF-8 are always refused. Loaded, the contents give every control
// a state it can hold; the form's own set-up file then reads back as exactly that form, with
// no unknown keys. The files live in a private folder, on /dev/shm where there is one.
#include "form/FormState.h"
#include "fuzz/FuzzInput.h"
#include "settings/SetupFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtGlobal>

#include <exception>
#include <string>

using namespace kesta;
using fuzz::Check;

namespace {

// Qt's warnings about damaged files are expected here, and slow the fuzzer down.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

const QString& Folder() {
    static QTemporaryDir folder(QDir("/dev/shm").exists()
                                    ? "/dev/shm/kesta-setup-fuzz-XXXXXX"
                                    : QDir::tempPath() + "/kesta-setup-fuzz-XXXXXX");
    static const QString path = folder.path();
    return path;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(bytes) == bytes.size());
}

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

void CheckHoldable(const FormState& form) {
    for (const std::string& box : FormState::TextBoxes())
        Check(IsUtf8(QByteArray::fromStdString(form.Text(box))));
    for (const auto& group : FormState::OptionGroups()) {
        int selected = 0;
        for (const std::string& option : group)
            selected += form.Selected(option) ? 1 : 0;
        Check(selected <= 1);
    }
    Check(form.ShaftDiameter() >= -1 && form.ShaftDiameter() <= 2);
    Check(form.CutOnContact() == 0 || form.CutOnContact() == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto handler = qInstallMessageHandler(Quiet);
    (void)handler;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = Folder() + "/fuzzed.kesta";
    WriteFile(path, bytes);
    try {
        const SetupFileRead read = ReadSetupFile(path);
        Check(read.contents.has_value() == read.problem.isEmpty());
        if (bytes.contains('\0') || !IsUtf8(bytes)) Check(!read.contents);
        if (!read.contents) return 0;
        FormState form;
        read.contents->LoadInto(form);
        CheckHoldable(form);

        const QString again = Folder() + "/again.kesta";
        WriteSetupFile(again, form);
        const SetupFileRead back = ReadSetupFile(again);
        Check(back.contents.has_value());
        Check(back.contents->unknownKeys.empty());
        FormState reloaded;
        back.contents->LoadInto(reloaded);
        Check(reloaded == form);
    } catch (...) {
        std::terminate(); // reading reports, it never throws; a private folder takes a write
    }
    return 0;
}
