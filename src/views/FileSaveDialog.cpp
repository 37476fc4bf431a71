#include "views/FileSaveDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

std::optional<QString> FileSaveDialog::chooseLocation(const SaveRequest& request) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QFileDialog dialog(QApplication::activeWindow(), request.title,
                       QDir(folder).filePath(request.proposedName), request.fileFilter);
    dialog.setObjectName(QStringLiteral("exportSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // The dialog has no line for a message; screen readers still get it.
    dialog.setAccessibleDescription(request.message);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
