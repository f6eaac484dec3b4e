// Saving and printing a document: the dialog's proposed name and suffix, the confirmation before a
// file is replaced, a failed write that leaves the former file whole, and a PDF printed without a
// printer.

#include "framework/FileSaving.h"
#include "framework/Printing.h"
#include "support/ModalDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using testing_support::whenModal;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

framework::DocumentWriter writing(const QByteArray& text) {
    return [text](QIODevice& file, const QString&) { file.write(text); };
}

// Types a name into the dialog's file field and presses Enter, as the user does.
void typeFileName(QFileDialog* dialog, const QString& name) {
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

class FileSaving : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QStringList folderEntries() const { return QDir(folder.path()).entryList(QDir::Files); }
    QTemporaryDir folder;
};

TEST_F(FileSaving, TheDialogProposesTheNameAndAddsTheChosenFiltersSuffix) {
    QString proposed;
    whenModal<QFileDialog>(QString::fromLatin1(framework::saveDialogName), [&](QFileDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->setDirectory(folder.path());
        dialog->selectNameFilter(QStringLiteral("Image SVG (*.svg)"));
        typeFileName(dialog, QStringLiteral("courbes"));
    });
    const QString saved = framework::saveFileAs(
        nullptr, QStringLiteral("Enregistrer"), QStringLiteral("courbes.png"),
        {QStringLiteral("Image PNG (*.png)"), QStringLiteral("Image SVG (*.svg)")}, writing("<svg/>"));
    EXPECT_EQ(proposed, QStringLiteral("courbes.png"));
    EXPECT_EQ(saved, path(QStringLiteral("courbes.svg")));
    EXPECT_EQ(contents(saved), QByteArray("<svg/>"));
}

TEST_F(FileSaving, AnExistingFileIsReplacedOnlyAfterTheUserConfirms) {
    const QString target = path(QStringLiteral("mesures.csv"));
    writeText(target, "ancien");
    const auto chooseTarget = [&](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        typeFileName(dialog, QStringLiteral("mesures.csv"));
    };
    const auto answer = [](QMessageBox::StandardButton button) {
        return [button](QMessageBox* question) {
            EXPECT_EQ(question->text(),
                      QStringLiteral("Le fichier « mesures.csv » existe déjà.\nVoulez-vous le remplacer ?"));
            QTest::mouseClick(question->button(button), Qt::LeftButton);
        };
    };
    const QString questionName = QString::fromLatin1(framework::replaceQuestionName);
    const QString dialogName = QString::fromLatin1(framework::saveDialogName);
    // No: the dialog comes back, and cancelling it leaves the file alone.
    whenModal<QFileDialog>(dialogName, chooseTarget);
    whenModal<QMessageBox>(questionName, [&](QMessageBox* question) {
        answer(QMessageBox::No)(question);
        whenModal<QFileDialog>(dialogName, [](QFileDialog* dialog) { dialog->reject(); });
    });
    const QStringList filters{QStringLiteral("Fichier CSV (*.csv)")};
    EXPECT_EQ(framework::saveFileAs(nullptr, QStringLiteral("Enregistrer"), QStringLiteral("m.csv"), filters,
                                    writing("nouveau")),
              QString());
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    // Yes: replaced.
    whenModal<QFileDialog>(dialogName, chooseTarget);
    whenModal<QMessageBox>(questionName, answer(QMessageBox::Yes));
    EXPECT_EQ(framework::saveFileAs(nullptr, QStringLiteral("Enregistrer"), QStringLiteral("m.csv"), filters,
                                    writing("nouveau")),
              target);
    EXPECT_EQ(contents(target), QByteArray("nouveau"));
}

TEST_F(FileSaving, AWriteThatFailsLeavesTheFormerFileWholeAndNoTemporaryFile) {
    const QString target = path(QStringLiteral("mesures.csv"));
    writeText(target, "ancien");
    // A writer that stops half-way.
    EXPECT_THROW(framework::writeFileSafely(target,
                                            [](QIODevice& file, const QString&) {
                                                file.write("moitié");
                                                throw std::runtime_error("interrompu");
                                            }),
                 std::runtime_error);
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    // A full disk: the process may not write more than a few kilobytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        framework::writeFileSafely(target, writing(QByteArray(100'000, 'x')));
    } catch (const framework::FileSaveError& error) {
        message = error.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(QString::fromStdString(message).section(QLatin1Char(':'), 0, 0),
              QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré ").arg(target));
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("mesures.csv")});
}

TEST_F(FileSaving, APdfIsPrintedWithoutAPrinterAndAnUnwritableOneIsReported) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path(QStringLiteral("table.pdf")));
    framework::printOn(printer, [](QPainter& painter, QPrinter& pages) {
        painter.drawText(100, 100, QStringLiteral("page 1"));
        pages.newPage();
        painter.drawText(100, 100, QStringLiteral("page 2"));
    });
    const QByteArray pdf = contents(path(QStringLiteral("table.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);

    printer.setOutputFileName(path(QStringLiteral("no-such-folder/table.pdf")));
    EXPECT_THROW(framework::printOn(printer, [](QPainter&, QPrinter&) {}), std::runtime_error);
}

} // namespace
