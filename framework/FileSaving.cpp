#include "framework/FileSaving.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace framework {

namespace {

QString failureMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// "Image PNG (*.png)" gives "png".
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return firstPattern.match(filter).captured(1);
}

bool replaceConfirmed(QWidget* parent, const QString& title, const QString& path) {
    QMessageBox question(QMessageBox::Warning, title,
                         QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                             .arg(QFileInfo(path).fileName()),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setObjectName(QString::fromLatin1(replaceQuestionName));
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    question.button(QMessageBox::Yes)->setText(QStringLiteral("&Remplacer"));
    question.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    return question.exec() == QMessageBox::Yes;
}

// Forwards the writer's bytes to the file and remembers a write that did not take them all: a full disk
// or a file size limit shows only as a short count, which no writer looks at, and the file would then be
// committed cut short.
class CheckedWrites final : public QIODevice {
public:
    explicit CheckedWrites(QSaveFile& file)
        : file_(file) {
        open(QIODevice::WriteOnly);
    }
    bool isSequential() const override { return true; }
    bool failed() const { return failed_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failed_ || file_.write(data, size) != size) {
            failed_ = true;
            return -1;
        }
        return size;
    }

private:
    QSaveFile& file_;
    bool failed_ = false;
};

} // namespace

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void writeFileSafely(const QString& path, const DocumentWriter& writer) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileSaveError(failureMessage(path, file.errorString()).toStdString());
    }
    CheckedWrites checked(file);
    try {
        writer(checked, path);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    if (checked.failed()) {
        file.cancelWriting();
        throw FileSaveError(
            failureMessage(path, QStringLiteral("l'écriture s'est arrêtée avant la fin (disque plein ?)"))
                .toStdString());
    }
    if (!file.commit()) {
        throw FileSaveError(failureMessage(path, file.errorString()).toStdString());
    }
}

QString saveFileAs(QWidget* parent, const QString& title, const QString& proposedName,
                   const QStringList& nameFilters, const DocumentWriter& writer) {
    QString path = QDir(documentsFolder()).filePath(proposedName);
    for (;;) {
        // Qt's own dialog rather than the desktop's: it speaks the program's language on every desktop,
        // and it stays a window of this program that the keyboard and the tests can reach.
        QFileDialog dialog(parent, title);
        dialog.setObjectName(QString::fromLatin1(saveDialogName));
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(nameFilters);
        dialog.setDirectory(QFileInfo(path).absolutePath());
        dialog.selectFile(QFileInfo(path).fileName());
        const QString proposedSuffix = QFileInfo(path).suffix();
        const auto matchingFilter =
            std::find_if(nameFilters.begin(), nameFilters.end(), [&](const QString& f) {
                return suffixOfFilter(f).compare(proposedSuffix, Qt::CaseInsensitive) == 0;
            });
        if (matchingFilter != nameFilters.end()) {
            dialog.selectNameFilter(*matchingFilter);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        path = dialog.selectedFiles().constFirst();
        // A name typed without a suffix takes the one of the file type chosen in the dialog.
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QLatin1Char('.') + suffixOfFilter(dialog.selectedNameFilter());
        }
        if (!QFileInfo::exists(path) || replaceConfirmed(parent, title, path)) {
            break;
        }
    }
    writeFileSafely(path, writer);
    return path;
}

} // namespace framework
