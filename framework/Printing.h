#pragma once
// Printing a document the user asked for through Qt's print dialog. Without any printer installed the
// dialog proposes a PDF file in the user's documents folder, so that a document can always be printed
// later or sent on.

#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace framework {

// Paints the document: painter is active on printer, on its first page; the renderer calls
// printer.newPage() between pages.
using PageRenderer = std::function<void(QPainter& painter, QPrinter& printer)>;

// Opens the print dialog for a document called documentName (the printer's job name and the proposed
// PDF file name) and prints once the user confirms. Returns false when the user cancelled. A printer or
// file that cannot be opened throws an error with a French message.
bool printWithDialog(QWidget* parent, const QString& documentName, const PageRenderer& render);

// Prints without asking, on a printer set up by the caller (a PDF file, for instance).
void printOn(QPrinter& printer, const PageRenderer& render);

// The dialog's object name, by which tests and the random-input storm find it.
inline constexpr const char* printDialogName = "PrintDialog";

} // namespace framework
