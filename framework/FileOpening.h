#pragma once
// Asking which file to open, in the program's own French file dialog, from the folder where documents
// are proposed. Returns the chosen path, or an empty string when the user cancelled.

#include <QString>
#include <QStringList>

class QWidget;

namespace framework {

QString openFileName(QWidget* parent, const QString& title, const QStringList& nameFilters);

// The dialog's object name, by which tests and the random-input storm find it.
inline constexpr const char* openDialogName = "OpenFileDialog";

} // namespace framework
