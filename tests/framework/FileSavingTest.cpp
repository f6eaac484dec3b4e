// Saving a document: the confirmation before a file is replaced, and failed writes that leave the
// former file whole.

#include "framework/FileSaving.h"
#include "support/ModalDialogs.h"

#include <QAbstractButton>
#include <QDir>
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

class FileSaving : public ::testing::Test {
protected:
    void SetUp() override { write("ancien"); }
    void write(const QByteArray& text) {
        framework::writeFileSafely(target, [&](QIODevice& file, const QString&) { file.write(text); });
    }
    QByteArray contents() {
        QFile file(target);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("mesures.csv"));
};

TEST_F(FileSaving, AnExistingFileIsReplacedOnlyOnceTheUserConfirms) {
    const QString dialog = QString::fromLatin1(framework::saveDialogName);
    const std::function<void(QFileDialog*)> typeName = [&](QFileDialog* d) {
        d->setDirectory(folder.path());
        auto* field = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("mesures")); // the type's suffix is added
        QTest::keyClick(field, Qt::Key_Return);
    };
    const auto answer = [&](QMessageBox::StandardButton button) {
        whenModal<QMessageBox>(QString::fromLatin1(framework::replaceQuestionName), [=](QMessageBox* box) {
            EXPECT_EQ(box->text(),
                      QStringLiteral("Le fichier « mesures.csv » existe déjà.\nVoulez-vous le remplacer ?"));
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
    };
    const auto save = [&] {
        return framework::saveFileAs(nullptr, QStringLiteral("Enregistrer"), QStringLiteral("m.csv"),
                                     {QStringLiteral("Fichier CSV (*.csv)")},
                                     [](QIODevice& file, const QString&) { file.write("nouveau"); });
    };
    // No brings the dialog back; cancelling it leaves the file alone. Yes replaces it.
    whenModal<QFileDialog>(dialog, [&](QFileDialog* d) {
        answer(QMessageBox::No);
        whenModal<QFileDialog>(dialog, [](QFileDialog* again) { again->reject(); });
        typeName(d);
    });
    EXPECT_EQ(save(), QString());
    EXPECT_EQ(contents(), QByteArray("ancien"));
    whenModal<QFileDialog>(dialog, typeName);
    answer(QMessageBox::Yes);
    EXPECT_EQ(save(), target);
    EXPECT_EQ(contents(), QByteArray("nouveau"));
}

TEST_F(FileSaving, AFailedWriteLeavesTheFormerFileWholeAndNoTemporaryFile) {
    EXPECT_THROW(framework::writeFileSafely(target,
                                            [](QIODevice& file, const QString&) {
                                                file.write("moitié");
                                                throw std::runtime_error("interrompu");
                                            }),
                 std::runtime_error);
    // A full disk: the file device only reports a short count.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        write(QByteArray(100'000, 'x'));
    } catch (const framework::FileSaveError& error) {
        message = QString::fromUtf8(error.what());
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : ").arg(target)));
    EXPECT_EQ(contents(), QByteArray("ancien"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("mesures.csv")});
}

} // namespace
