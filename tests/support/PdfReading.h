#pragma once
// Printing to a PDF file through the print dialog as a user does, and reading the file back as a reader's
// tools do (poppler-utils); and choosing a menu's item with the keyboard: its text in reading order, and what
// pdfinfo tells of its pages.

#include "framework/Printing.h"
#include "support/ModalDialogs.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTest>

namespace testing_support {

// The next print dialog writes to pdf: its proposed file's name is added to proposed, then pdf typed in.
inline void printNextTo(const QString& pdf, QStringList* proposed = nullptr) {
    whenModal<QPrintDialog>(QString::fromLatin1(framework::printDialogName),
                            [pdf, proposed](QPrintDialog* d) {
                                if (proposed) {
                                    *proposed << QFileInfo(d->printer()->outputFileName()).fileName();
                                }
                                for (QLineEdit* edit : d->findChildren<QLineEdit*>()) {
                                    if (edit->text() == d->printer()->outputFileName()) {
                                        edit->selectAll();
                                        QTest::keyClicks(edit, pdf);
                                    }
                                }
                                d->accept();
                            });
}

// In an open menu, Up from the bottom until the item named item is the active one, then Enter.
inline void chooseWithKeys(QMenu* menu, const char* item) {
    const QAction* target = menu->findChild<QAction*>(QString::fromLatin1(item));
    for (int presses = 0; menu->activeAction() != target && presses < menu->actions().size(); ++presses) {
        QTest::keyClick(menu, Qt::Key_Up);
    }
    QTest::keyClick(menu, Qt::Key_Return);
}

inline QString runPoppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return QStringLiteral("%1 failed: %2")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString pdfText(const QString& path) {
    return runPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline QString pdfInfo(const QString& path) {
    return runPoppler(QStringLiteral("pdfinfo"), {path});
}

} // namespace testing_support
