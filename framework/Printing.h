#pragma once
// Printing a document, through Qt's print dialog or straight into a PDF file. A document lays itself out
// on the page it is given and paints one page at a time, so that one piece of code prints on paper,
// writes a PDF and tells how many pages a printout takes. The print dialog's page range is honoured;
// beyond ten pages the user is told how many and asked first; long printing shows its progress and can
// be cancelled. A PDF file is written as every file is (writeFileSafely): whole, or not at all, and the
// former file stays as it was. Without any printer installed the dialog proposes a PDF file in the
// folder last saved into, so that a document can always be printed later or sent on.

#include <QPageLayout>
#include <QPageRanges>
#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;
class QWidget;

namespace framework {

class PrintedDocument {
public:
    virtual ~PrintedDocument() = default;
    // Lays the document out on pages whose printable area is area, in pixels of device (whose resolution
    // it reads and whose fonts it measures), and returns the number of pages it takes.
    virtual int layOut(QPaintDevice& device, const QSizeF& area) = 0;
    // Paints page index (from 0) of the last layout, the painter's origin at the printable area's top
    // left corner.
    virtual void paintPage(QPainter& painter, int index) = 0;
};

// Opens the print dialog for the document called documentName (the printer's job name and the proposed
// PDF file's name) and prints once the user has confirmed. Returns false when the user cancelled (the
// dialog, the question on the number of pages or the progress). Failures throw with a French message.
bool printWithDialog(QWidget* parent, const QString& documentName, PrintedDocument& document);

// How a PDF file is laid out: the paper and its margins, the resolution the document is measured at,
// the title the file carries, and the pages to write (1-based; all when empty).
struct PdfSettings {
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter};
    int resolution = 1200;
    QString title;
    QPageRanges pages;
};

// Writes the document into the PDF file path without asking, showing the progress of long work over
// parent. Throws FileSaveError when the file cannot be written and WorkCancelled when the user stops it.
void printToPdf(QWidget* parent, const QString& path, const PdfSettings& settings, PrintedDocument& document);

// The dialogs' object names, by which tests and the random-input storm find them.
inline constexpr const char* printDialogName = "PrintDialog";
inline constexpr const char* pageCountQuestionName = "PageCountQuestion";

} // namespace framework
