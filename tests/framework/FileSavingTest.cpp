// Saving a document: the proposed name, the suffix of the chosen type, the confirmation before a file is
// replaced, and failed writes that leave the former file whole.

#include "framework/FileSaving.h"
#include "support/ModalDialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
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

framework::DocumentWriter writing(const QByteArray& text) {
    return [text](QIODevice& file, const QString&) { file.write(text); };
}

class FileSaving : public ::testing::Test {
protected:
    void SetUp() override {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("ancien");
    }
    QTemporaryDir folder;
    const QString target = QDir(folder.path()).filePath(QStringLiteral("mesures.csv"));
};

TEST_F(FileSaving, ProposesTheNameAddsTheSuffixAndReplacesOnlyAfterConfirmation) {
    QStringList proposed;
    const QString dialogName = QString::fromLatin1(framework::saveDialogName);
    // Types "mesures" (no suffix) over the proposed name and presses Enter.
    const std::function<void(QFileDialog*)> typeName = [&](QFileDialog* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        proposed << field->text();
        dialog->setDirectory(folder.path());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("mesures"));
        QTest::keyClick(field, Qt::Key_Return);
    };
    const auto answer = [](QMessageBox::StandardButton button, std::function<void()> then = {}) {
        return [button, then](QMessageBox* question) {
            EXPECT_EQ(question->text(),
                      QStringLiteral("Le fichier « mesures.csv » existe déjà.\nVoulez-vous le remplacer ?"));
            QTest::mouseClick(question->button(button), Qt::LeftButton);
            if (then) {
                then();
            }
        };
    };
    const auto save = [&] {
        return framework::saveFileAs(nullptr, QStringLiteral("Enregistrer"),
                                     QStringLiteral("mesures-C-O2.csv"),
                                     {QStringLiteral("Fichier CSV (*.csv)")}, writing("nouveau"));
    };
    const QString question = QString::fromLatin1(framework::replaceQuestionName);
    // No: back to the dialog; cancelling it leaves the file alone.
    whenModal<QFileDialog>(dialogName, typeName);
    whenModal<QMessageBox>(question, answer(QMessageBox::No, [&] {
                               whenModal<QFileDialog>(dialogName, [](QFileDialog* d) { d->reject(); });
                           }));
    EXPECT_EQ(save(), QString());
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    // Yes: replaced.
    whenModal<QFileDialog>(dialogName, typeName);
    whenModal<QMessageBox>(question, answer(QMessageBox::Yes));
    EXPECT_EQ(save(), target);
    EXPECT_EQ(contents(target), QByteArray("nouveau"));
    EXPECT_EQ(proposed.value(0), QStringLiteral("mesures-C-O2.csv"));
}

TEST_F(FileSaving, AFailedWriteLeavesTheFormerFileWholeAndNoTemporaryFile) {
    EXPECT_THROW(framework::writeFileSafely(target,
                                            [](QIODevice& file, const QString&) {
                                                file.write("moitié");
                                                throw std::runtime_error("interrompu");
                                            }),
                 std::runtime_error);
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    // A full disk: the file device only reports a short count.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        framework::writeFileSafely(target, writing(QByteArray(100'000, 'x')));
    } catch (const framework::FileSaveError& error) {
        message = QString::fromUtf8(error.what());
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : ").arg(target)))
        << message.toStdString();
    EXPECT_EQ(contents(target), QByteArray("ancien"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("mesures.csv")});
}

} // namespace
