#include "window/FormBinding.h"

#include "form/ControlNames.h"
#include "tools/Text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <stdexcept>
#include <string_view>

namespace kesta {

namespace {

template <typename W> W& Control(const QWidget& window, std::string_view name) {
    W* widget = window.findChild<W*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    // A name missing from the window is a fault of the program, not of the user's input.
    if (widget == nullptr)
        throw std::logic_error("no such control in the window: " + std::string(name));
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
    form.SetShaftDiameter(Control<QComboBox>(window, control::ShaftDiameter).currentIndex());
    form.SetCutOnContact(Control<QCheckBox>(window, control::inCOC).isChecked() ? 1 : 0);
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
    Control<QComboBox>(window, control::ShaftDiameter).setCurrentIndex(form.ShaftDiameter());
    Control<QCheckBox>(window, control::inCOC).setChecked(form.CutOnContact() == 1);
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
    return text::ToCrLf(shown.toStdString());
}

QString CrLfToBoxText(const std::string& report) {
    return QString::fromStdString(text::CrLfToLf(report));
}

} // namespace kesta
