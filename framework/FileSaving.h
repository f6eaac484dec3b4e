#pragma once
// Saving a document the user asked for: a file dialog proposing a name, the usual confirmation before an
// existing file is replaced, and a write that never leaves half a file behind. Failures are thrown with
// a French message, so that the handler that asked stops and the error box tells why.

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>

class QIODevice;
class QWidget;

namespace framework {

// Writes the document into the open file. path is the file's final name (its suffix tells the format
// the user chose). A writer that throws abandons the file.
using DocumentWriter = std::function<void(QIODevice& file, const QString& path)>;

class FileSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a document is proposed at first: the user's documents folder, or the home folder when the
// desktop has none.
QString documentsFolder();

// Writes path through a temporary file in the same folder that replaces path only once the writer has
// finished and every byte reached the disk: a failure (read-only folder, full disk, a writer that throws)
// leaves the former file exactly as it was. Throws FileSaveError with a French message.
void writeFileSafely(const QString& path, const DocumentWriter& writer);

// Asks where to save, proposing proposedName in the user's documents folder, with nameFilters such as
// "Fichier CSV (*.csv)"; the suffix of the chosen filter is added to a name typed without one. An
// existing file is replaced only after the user confirmed it; answering no returns to the dialog.
// Returns the path written, or an empty string when the user cancelled.
QString saveFileAs(QWidget* parent, const QString& title, const QString& proposedName,
                   const QStringList& nameFilters, const DocumentWriter& writer);

// The dialogs' object names, by which tests and the random-input storm find them.
inline constexpr const char* saveDialogName = "SaveFileDialog";
inline constexpr const char* replaceQuestionName = "ReplaceFileQuestion";

} // namespace framework
