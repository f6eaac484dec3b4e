#pragma once
// Saving a document the user asked for: a file dialog proposing a name in the folder last saved into,
// the usual confirmation before an existing file is replaced, and a write that never leaves half a file
// behind. Failures are thrown with a French message, so that the handler that asked stops and the error
// box tells why.

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

// Writes path through a temporary file in the same folder that replaces path only once the writer has
// finished and every byte reached the disk: a failure (read-only folder, full disk, file size limit, a
// writer that throws, the user's "Annuler") leaves the former file exactly as it was. A path that names
// something other than a file (a device, a pipe) is refused. Throws FileSaveError with a French message.
void writeFileSafely(const QString& path, const DocumentWriter& writer);

// name shortened before its suffix to what the file system of folder accepts (a length in bytes of
// UTF-8), so that a name made from long formulas can still be proposed.
QString boundedFileName(const QString& folder, const QString& name);

// Asks where to save, proposing proposedName in the folder last saved into, with nameFilters such as
// "Fichier CSV (*.csv)"; the suffix of the chosen filter is added to a name typed without one. A name
// typed with double quotes names one file, as typed. An existing file is replaced only after the user
// confirmed it; answering no returns to the dialog. Returns the path written, or an empty string when
// the user cancelled.
QString saveFileAs(QWidget* parent, const QString& title, const QString& proposedName,
                   const QStringList& nameFilters, const DocumentWriter& writer);

// The dialogs' object names, by which tests and the random-input storm find them.
inline constexpr const char* saveDialogName = "SaveFileDialog";
inline constexpr const char* replaceQuestionName = "ReplaceFileQuestion";

} // namespace framework
