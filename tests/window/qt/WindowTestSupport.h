// Shared by the window tests: a window on a settings file in a private temporary folder, with
// its messages captured instead of shown in dialogs, and the worked example.
#pragma once

#include "form/FormState.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFile.h"
#include "tests/common/TestFiles.h"
#include "tests/common/WorkedExampleForm.h"
#include "window/Form1.h"

#include <QMenuBar>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kesta::test {

struct Message {
    QMessageBox::Icon icon;
    QString text;
};

// One run of the program: a store on `iniFile` and the window built on it.
class Session {
  public:
    explicit Session(const QString& iniFile)
        : store_(std::make_unique<SettingsStore>(iniFile)),
          window_(
              std::make_unique<Form1>(*store_, [this](QMessageBox::Icon icon, const QString& text) {
                  messages.push_back({icon, text});
              })) {}

    Form1& window() { return *window_; }

    template <typename W = QWidget> W* control(const char* name) {
        return window_->findChild<W*>(QString::fromLatin1(name));
    }

    // Clicks an option on its indicator, as a user does.
    void Click(const char* option) {
        QTest::mouseClick(control<QRadioButton>(option), Qt::LeftButton, {}, QPoint(6, 6));
    }

    // Ends the run the way the user does: closing the window.
    void Close() { window_->close(); }

    std::vector<Message> messages;

  private:
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Form1> window_;
};

using kesta::test::WorkedExampleTexts;

// The example as the form state the report reads.
inline FormState ExampleForm() {
    return WorkedExampleForm();
}

// Writes the form as a set-up file at `path`; the path, or an empty text when it could not be
// written (the caller's QVERIFY then names the case).
inline QString WriteSetup(const QString& path, const FormState& form) {
    try {
        WriteSetupFile(path, form);
    } catch (const RuntimeError&) {
        return QString();
    }
    return path;
}

} // namespace kesta::test
