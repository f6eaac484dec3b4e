#include "framework/FileOpening.h"

#include "framework/Settings.h"

#include <QFileDialog>

namespace framework {

QString openFileName(QWidget* parent, const QString& title, const QStringList& nameFilters) {
    // Qt's own dialog, as for saving: French on every desktop, and a window the keyboard and the tests
    // reach.
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QString::fromLatin1(openDialogName));
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters + QStringList{QStringLiteral("Tous les fichiers (*)")});
    dialog.setDirectory(lastFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace framework
