#include "framework/Printing.h"

#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LongWork.h"
#include "framework/Question.h"
#include "framework/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>
#include <vector>

namespace framework {

namespace {

// Beyond this many pages the user is told how many and asked before anything is printed.
constexpr int pagesPrintedWithoutAsking = 10;

QSizeF printableArea(const QPagedPaintDevice& device, int resolution) {
    return device.pageLayout().paintRectPixels(resolution).size();
}

// The pages to print, counted from 0: those of ranges (counted from 1) that the document has, or all of
// them when ranges is empty.
std::vector<int> chosenPages(int count, const QPageRanges& ranges) {
    std::vector<int> pages;
    for (int page = 1; page <= count; ++page) {
        if (ranges.isEmpty() || ranges.contains(page)) {
            pages.push_back(page - 1);
        }
    }
    if (pages.empty()) {
        throw std::runtime_error(
            QStringLiteral("Aucune des pages choisies n'existe : le document compte %1 %2")
                .arg(count)
                .arg(count > 1 ? QStringLiteral("pages") : QStringLiteral("page"))
                .toStdString());
    }
    return pages;
}

bool manyPagesConfirmed(QWidget* parent, std::size_t pages) {
    return confirmed(
        parent, {.title = QStringLiteral("Imprimer"),
                 .text = QStringLiteral("L'impression fera %1 pages.\nVoulez-vous vraiment les imprimer ?")
                             .arg(QLocale().toString(qulonglong(pages))),
                 .objectName = QString::fromLatin1(pageCountQuestionName),
                 .yes = QStringLiteral("&Imprimer"),
                 .no = QStringLiteral("&Annuler")});
}

// Paints the pages one after the other, in slices of the event loop, with a progress dialog over parent
// that can stop them. target names the device in a failure's message.
void paintPages(QPagedPaintDevice& device, PrintedDocument& document, const std::vector<int>& pages,
                QWidget* parent, const QString& target) {
    QPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error(
            QStringLiteral("L'impression sur %1 n'a pas pu commencer").arg(target).toStdString());
    }
    LongWork work(parent, QStringLiteral("Impression"),
                  QStringLiteral("Impression de %1 %2…")
                      .arg(QLocale().toString(qulonglong(pages.size())),
                           pages.size() > 1 ? QStringLiteral("pages") : QStringLiteral("page")),
                  int(pages.size()));
    try {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !device.newPage()) {
                throw std::runtime_error(QStringLiteral("L'impression sur %1 s'est arrêtée à la page %2")
                                             .arg(target)
                                             .arg(i + 1)
                                             .toStdString());
            }
            painter.save();
            document.paintPage(painter, pages[i]);
            painter.restore();
            work.advance(int(i) + 1);
        }
    } catch (...) {
        // A printer job is withdrawn where the printing system allows it; a PDF file is dropped by its
        // writer.
        if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
            printer->abort();
        }
        throw;
    }
    painter.end();
}

} // namespace

void printToPdf(QWidget* parent, const QString& path, const PdfSettings& settings,
                PrintedDocument& document) {
    writeFileSafely(path, [&](QIODevice& file, const QString&) {
        QPdfWriter writer(&file);
        writer.setPageLayout(settings.layout);
        writer.setResolution(settings.resolution);
        writer.setTitle(settings.title);
        writer.setCreator(QStringLiteral("Molvanex"));
        const int count = document.layOut(writer, printableArea(writer, settings.resolution));
        paintPages(writer, document, chosenPages(count, settings.pages), parent,
                   QStringLiteral("le fichier « %1 »").arg(QDir::toNativeSeparators(path)));
    });
}

bool printWithDialog(QWidget* parent, const QString& documentName, PrintedDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString folder = lastFolder();
        printer.setOutputFileName(
            QDir(folder).filePath(boundedFileName(folder, documentName + QStringLiteral(".pdf"))));
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QString::fromLatin1(printDialogName));
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // The range the dialog offers runs to the last page on the paper it proposes.
    dialog.setMinMax(1, std::max(1, document.layOut(printer, printableArea(printer, printer.resolution()))));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QPageRanges ranges =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    const std::vector<int> pages =
        chosenPages(document.layOut(printer, printableArea(printer, printer.resolution())), ranges);
    if (pages.size() > pagesPrintedWithoutAsking && !manyPagesConfirmed(parent, pages.size())) {
        return false;
    }
    try {
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            const QString path = printer.outputFileName();
            printToPdf(parent, path, {printer.pageLayout(), printer.resolution(), documentName, ranges},
                       document);
            rememberFolder(QFileInfo(path).absolutePath());
        } else {
            paintPages(printer, document, pages, parent,
                       QStringLiteral("l'imprimante « %1 »").arg(printer.printerName()));
        }
    } catch (const WorkCancelled&) {
        return false;
    }
    return true;
}

} // namespace framework
