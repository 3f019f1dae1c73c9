// Copies the input controls of the window into a FormState and back. The widgets are found by
// their object names, which are the FormState names ("InArrowSpeed", "InBroadhead_3", ...).
#pragma once

#include "form/FormState.h"

#include <QString>

#include <string>

class QRadioButton;
class QWidget;

namespace kesta {

// Texts, option states, the list position and the check state of every input control.
void CopyWidgetsToForm(const QWidget& window, FormState& form);
void CopyFormToWidgets(const FormState& form, QWidget& window);

// Selects or clears one option button. Selecting clears the other options of its container;
// clearing leaves its container with no selection (which a click by the user never does).
void SetOptionSelected(QRadioButton& option, bool selected);

// The report box holds "\n" line ends; the report and the printer use CR LF.
std::string BoxTextToCrLf(const QString& shown);
QString CrLfToBoxText(const std::string& text);

} // namespace kesta
