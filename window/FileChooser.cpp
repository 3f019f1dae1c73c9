#include "window/FileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace kesta {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("FileChooser", text);
}

} // namespace

QString ChooseWithDialog(QWidget* parent, FileChoice choice, const QString& suggested) {
    const QString setups = Tr("KESTA set-ups (*.kesta);;All files (*)");
    QFileDialog dialog(parent);
    const QFileInfo start(suggested);
    if (start.isDir()) {
        dialog.setDirectory(suggested);
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    switch (choice) {
    case FileChoice::OpenSetup:
    case FileChoice::CompareSetup:
        dialog.setWindowTitle(choice == FileChoice::OpenSetup ? Tr("Open set-up")
                                                              : Tr("Compare with set-up"));
        dialog.setNameFilter(setups);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileChoice::SaveSetup:
        dialog.setWindowTitle(Tr("Save set-up as"));
        dialog.setNameFilter(setups);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("kesta"));
        break;
    case FileChoice::SaveReportText:
        dialog.setWindowTitle(Tr("Save report as text"));
        dialog.setNameFilter(Tr("Text files (*.txt);;All files (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace kesta
