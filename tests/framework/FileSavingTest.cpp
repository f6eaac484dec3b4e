// Saving a document: the confirmation before a file is replaced, names typed with quotes, the folder
// remembered, and failed writes (of any file, of a PDF) that leave the former file whole.

#include "framework/FileSaving.h"
#include "framework/Printing.h"
#include "support/ModalDialogs.h"
#include "support/Pdf.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using testing_support::whenModal;

// A file size limit as `ulimit -f` sets it, with the signal it raises ignored as the program ignores it:
// a write beyond the limit then fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit small = previous_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

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
    QStringList files() { return QDir(folder.path()).entryList(QDir::Files | QDir::System); }
    std::function<void(QFileDialog*)> typeName(const QString& name) {
        return [this, name](QFileDialog* d) {
            d->setDirectory(folder.path());
            auto* field = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            field->selectAll();
            QTest::keyClicks(field, name);
            QTest::keyClick(field, Qt::Key_Return);
        };
    }
    QString save(const QString& proposed = QStringLiteral("m.csv")) {
        return framework::saveFileAs(nullptr, QStringLiteral("Enregistrer"), proposed,
                                     {QStringLiteral("Fichier CSV (*.csv)")},
                                     [](QIODevice& file, const QString&) { file.write("nouveau"); });
    }
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("mesures.csv"));
    const QString dialog = QString::fromLatin1(framework::saveDialogName);
};

TEST_F(FileSaving, AnExistingFileIsReplacedOnlyOnceTheUserConfirms) {
    const auto answer = [&](QMessageBox::StandardButton button) {
        whenModal<QMessageBox>(QString::fromLatin1(framework::replaceQuestionName), [=](QMessageBox* box) {
            EXPECT_EQ(box->text(),
                      QStringLiteral("Le fichier « mesures.csv » existe déjà.\nVoulez-vous le remplacer ?"));
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
    };
    // No brings the dialog back; cancelling it leaves the file alone. Yes replaces it.
    whenModal<QFileDialog>(dialog, [&](QFileDialog* d) {
        answer(QMessageBox::No);
        whenModal<QFileDialog>(dialog, [](QFileDialog* again) { again->reject(); });
        typeName(QStringLiteral("mesures"))(d); // the type's suffix is added
    });
    EXPECT_EQ(save(), QString());
    EXPECT_EQ(contents(), QByteArray("ancien"));
    whenModal<QFileDialog>(dialog, typeName(QStringLiteral("mesures")));
    answer(QMessageBox::Yes);
    EXPECT_EQ(save(), target);
    EXPECT_EQ(contents(), QByteArray("nouveau"));
}

TEST_F(FileSaving, ANameTypedWithADoubleQuoteIsWrittenAsTyped) {
    whenModal<QFileDialog>(dialog, typeName(QStringLiteral("ab\"cd.csv")));
    EXPECT_EQ(save(), folder.filePath(QStringLiteral("ab\"cd.csv")));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("ab\"cd.csv"), QStringLiteral("mesures.csv")}));
}

TEST_F(FileSaving, TheNextDialogOpensInTheFolderLastSavedIntoAndProposesANameTheDiskTakes) {
    whenModal<QFileDialog>(dialog, typeName(QStringLiteral("autre.csv")));
    ASSERT_EQ(save(), folder.filePath(QStringLiteral("autre.csv")));
    QString shown;
    QString proposed;
    whenModal<QFileDialog>(dialog, [&](QFileDialog* d) {
        shown = d->directory().absolutePath();
        proposed = QFileInfo(d->selectedFiles().value(0)).fileName();
        d->reject();
    });
    EXPECT_EQ(save(QString(300, QChar(0xE9)) + QStringLiteral(".csv")), QString());
    EXPECT_EQ(shown, QDir(folder.path()).absolutePath());
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("\u00E9\u00E9.csv")));
    EXPECT_EQ(QFile::encodeName(proposed).size(), 254); // 125 two-byte letters and ".csv" in 255 bytes
    // Remembered on disk, where the next start of the program reads it.
    QFile settings(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("molvanex"),
                             QStringLiteral("molvanex"))
                       .fileName());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains(QFile::encodeName(QDir(folder.path()).absolutePath())));
}

TEST_F(FileSaving, AFailedWriteLeavesTheFormerFileWholeAndNoTemporaryFile) {
    EXPECT_THROW(framework::writeFileSafely(target,
                                            [](QIODevice& file, const QString&) {
                                                file.write("moitié");
                                                throw std::runtime_error("interrompu");
                                            }),
                 std::runtime_error);
    QString message;
    try {
        // A full disk: the file device only reports a short count.
        const FileSizeLimit limit(4096);
        write(QByteArray(100'000, 'x'));
    } catch (const framework::FileSaveError& error) {
        message = QString::fromUtf8(error.what());
    }
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : ").arg(target)));
    EXPECT_EQ(contents(), QByteArray("ancien"));
    // A pipe (or a device) is refused rather than replaced by a plain file.
    const QString pipe = folder.filePath(QStringLiteral("tube"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_THROW(framework::writeFileSafely(pipe, [](QIODevice& file, const QString&) { file.write("x"); }),
                 framework::FileSaveError);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(files(), (QStringList{QStringLiteral("mesures.csv"), QStringLiteral("tube")}));
}

// Five pages, each saying its number.
class NumberedPages final : public framework::PrintedDocument {
public:
    int layOut(QPaintDevice&, const QSizeF& area) override {
        area_ = area;
        return 5;
    }
    void paintPage(QPainter& painter, int index) override {
        painter.setFont(QFont(QStringLiteral("Arial"), 24));
        painter.drawText(QRectF(QPointF(0, 0), area_), Qt::AlignCenter,
                         QStringLiteral("feuille %1").arg(index + 1));
    }

private:
    QSizeF area_;
};

TEST_F(FileSaving, APdfHoldsTheChosenPagesOrLeavesTheFormerFileWhole) {
    NumberedPages document;
    framework::PdfSettings settings;
    settings.pages.addRange(2, 3);
    framework::printToPdf(nullptr, target, settings, document);
    EXPECT_EQ(testing_support::pdfPages(target), 2);
    const QString text = testing_support::pdfText(target, 1, 2);
    EXPECT_TRUE(text.contains(QStringLiteral("feuille 2")) && text.contains(QStringLiteral("feuille 3")) &&
                !text.contains(QStringLiteral("feuille 1")))
        << text.toStdString();
    const QByteArray before = contents();
    {
        const FileSizeLimit limit(1024);
        EXPECT_THROW(framework::printToPdf(nullptr, target, {}, document), framework::FileSaveError);
    }
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(files(), QStringList{QStringLiteral("mesures.csv")});
}

} // namespace
