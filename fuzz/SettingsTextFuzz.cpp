// libFuzzer target for the settings store: the input is the text of a settings file. Loading
// it must end (run with -timeout=1) and give every control a state it can hold: a text box
// valid UTF-8, at most one option of each group, a list position from -1 to 2, a check state
// of 0 or 1. Saving that form must succeed, and loading again must give back exactly the form
// that was saved. The files live in a private folder, on /dev/shm where there is one.
#include "form/FormState.h"
#include "fuzz/FuzzInput.h"
#include "settings/SettingsStore.h"
#include "tools/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <exception>
#include <string>

using namespace kesta;
using fuzz::Check;

namespace {

bool ValidUtf8(const std::string& text) {
    return QString::fromStdString(text).toStdString() == text;
}

void CheckHoldable(const FormState& form) {
    for (const std::string& box : FormState::TextBoxes())
        Check(ValidUtf8(form.Text(box)));
    for (const auto& group : FormState::OptionGroups()) {
        int selected = 0;
        for (const std::string& option : group)
            selected += form.Selected(option) ? 1 : 0;
        Check(selected <= 1);
    }
    Check(form.ShaftDiameter() >= -1 && form.ShaftDiameter() <= 2);
    Check(form.CutOnContact() == 0 || form.CutOnContact() == 1);
}

// Qt's warnings about damaged files are expected here, and slow the fuzzer down.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

const QString& Folder() {
    static QTemporaryDir folder(QDir("/dev/shm").exists()
                                    ? "/dev/shm/kesta-fuzz-XXXXXX"
                                    : QDir::tempPath() + "/kesta-fuzz-XXXXXX");
    static const QString path = folder.path();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto handler = qInstallMessageHandler(Quiet);
    (void)handler;
    const QString ini = Folder() + "/KESTA.ini";
    {
        QFile file(ini);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
              static_cast<qint64>(size));
    }
    try {
        FormState loaded;
        SettingsStore store(ini);
        Check(store.Unreadable().isEmpty());
        store.Load(loaded);
        CheckHoldable(loaded);
        store.Save(loaded);
        FormState again;
        SettingsStore(ini).Load(again);
        Check(again == loaded);
    } catch (...) {
        std::terminate(); // a save into a private folder must not fail, nor anything else throw
    }
    return 0;
}
