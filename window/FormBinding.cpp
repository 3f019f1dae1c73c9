#include "window/FormBinding.h"

#include "tools/Errors.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace kesta {

namespace {

template <typename W> W& Control(const QWidget& window, const std::string& name) {
    W* widget = window.findChild<W*>(QString::fromStdString(name));
    // A name missing from the window is a programming fault, not a user error; name it the
    // way the form state does.
    if (widget == nullptr) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return *widget;
}

} // namespace

void CopyWidgetsToForm(const QWidget& window, FormState& form) {
    for (const auto& name : FormState::TextBoxes())
        form.SetText(name, Control<QLineEdit>(window, name).text().toStdString());
    for (const auto& group : FormState::OptionGroups()) {
        for (const auto& name : group)
            form.SetSelected(name, false);
        for (const auto& name : group)
            if (Control<QRadioButton>(window, name).isChecked()) form.SetSelected(name, true);
    }
    form.SetShaftDiameter(Control<QComboBox>(window, "ShaftDiameter").currentIndex());
    form.SetCutOnContact(Control<QCheckBox>(window, "inCOC").isChecked() ? 1 : 0);
}

void CopyFormToWidgets(const FormState& form, QWidget& window) {
    for (const auto& name : FormState::TextBoxes())
        Control<QLineEdit>(window, name).setText(QString::fromStdString(form.Text(name)));
    for (const auto& group : FormState::OptionGroups()) {
        // Clear first so that selecting never fights the group's exclusivity.
        for (const auto& name : group)
            if (!form.Selected(name)) SetOptionSelected(Control<QRadioButton>(window, name), false);
        for (const auto& name : group)
            if (form.Selected(name)) SetOptionSelected(Control<QRadioButton>(window, name), true);
    }
    Control<QComboBox>(window, "ShaftDiameter").setCurrentIndex(form.ShaftDiameter());
    Control<QCheckBox>(window, "inCOC").setChecked(form.CutOnContact() == 1);
}

void SetOptionSelected(QRadioButton& option, bool selected) {
    if (option.isChecked() == selected) return;
    QButtonGroup* group = option.group();
    // An exclusive group refuses to clear its checked button; lift that for this one change.
    if (!selected && group != nullptr && group->exclusive()) {
        group->setExclusive(false);
        option.setChecked(false);
        group->setExclusive(true);
        return;
    }
    option.setChecked(selected);
}

std::string BoxTextToCrLf(const QString& shown) {
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

QString CrLfToBoxText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace kesta
