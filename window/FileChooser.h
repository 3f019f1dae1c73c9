// Where the window asks the user for a file: a file dialog by default. Tests set a function
// that returns the path instead (an empty path cancels), so no dialog ever blocks them.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kesta {

enum class FileChoice {
    OpenSetup,      // a set-up file to open
    SaveSetup,      // where to save the set-up
    SaveReportText, // where to save the report as text
    CompareSetup,   // a set-up file to compare
};

// The chosen path, or empty when the user cancelled. `suggested` is the file or folder the
// dialog starts at.
using FileChooser = std::function<QString(FileChoice choice, const QString& suggested)>;

// The file dialogs for each choice, over `parent`.
QString ChooseWithDialog(QWidget* parent, FileChoice choice, const QString& suggested);

} // namespace kesta
