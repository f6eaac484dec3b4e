#include "framework/Printing.h"

#include "framework/FileSaving.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

namespace framework {

namespace {

QString proposedPdfPath(const QString& documentName) {
    return QDir(documentsFolder()).filePath(documentName + QStringLiteral(".pdf"));
}

} // namespace

void printOn(QPrinter& printer, const PageRenderer& render) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFileName().isEmpty()
                ? QStringLiteral("l'imprimante « %1 »").arg(printer.printerName())
                : QStringLiteral("le fichier « %1 »").arg(QDir::toNativeSeparators(printer.outputFileName()));
        throw std::runtime_error(
            QStringLiteral("L'impression sur %1 n'a pas pu commencer").arg(target).toStdString());
    }
    render(painter, printer);
    painter.end();
}

bool printWithDialog(QWidget* parent, const QString& documentName, const PageRenderer& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFileName(proposedPdfPath(documentName));
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QString::fromLatin1(printDialogName));
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    printOn(printer, render);
    return true;
}

} // namespace framework
