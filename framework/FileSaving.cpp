#include "framework/FileSaving.h"

#include "framework/Question.h"
#include "framework/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

#include <unistd.h>

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
    return confirmed(parent,
                     {.icon = QMessageBox::Warning,
                      .title = title,
                      .text = QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                                  .arg(QFileInfo(path).fileName()),
                      .objectName = QString::fromLatin1(replaceQuestionName),
                      .yes = QStringLiteral("&Remplacer"),
                      .no = QStringLiteral("&Non")});
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

// Qt's dialog reads a name typed with double quotes as a list of names ("a" "b") and would save
// ab"cd.csv as cd.csv: such a name is taken as typed, in the folder the dialog shows.
class SaveDialog final : public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& title)
        : QFileDialog(parent, title) {}

    QString chosenPath() const { return typedPath_.isEmpty() ? selectedFiles().value(0) : typedPath_; }

    void accept() override {
        auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (field == nullptr || !field->text().contains(QLatin1Char('"'))) {
            QFileDialog::accept();
            return;
        }
        const QString path = QDir(directory().absolutePath()).absoluteFilePath(field->text());
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            field->clear();
            return;
        }
        typedPath_ = path;
        QDialog::accept();
    }

private:
    QString typedPath_;
};

// The longest file name the folder's file system takes, in bytes.
qsizetype nameLimit(const QString& folder) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? qsizetype(limit) : 255;
}

} // namespace

QString boundedFileName(const QString& folder, const QString& name) {
    const QString suffix = QFileInfo(name).suffix();
    const QString end = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    QString stem = name.chopped(end.size());
    const qsizetype room = nameLimit(folder) - QFile::encodeName(end).size();
    while (!stem.isEmpty() && QFile::encodeName(stem).size() > room) {
        // One character at a time, both halves of a surrogate pair together.
        stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() ? 2 : 1);
    }
    return stem + end;
}

void writeFileSafely(const QString& path, const DocumentWriter& writer) {
    const QFileInfo target(path);
    // A temporary file renamed over a device or a pipe would replace it with a plain file.
    if (target.exists() && !target.isFile() && !target.isDir()) {
        throw FileSaveError(
            failureMessage(path, QStringLiteral("ce n'est pas un fichier ordinaire")).toStdString());
    }
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
    // The last bytes still wait in the file's buffer, and a commit would not tell that they could not be
    // written: the file would be renamed over the target cut short.
    if (checked.failed() || !file.flush()) {
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
    const QString folder = lastFolder();
    QString path = QDir(folder).filePath(boundedFileName(folder, proposedName));
    for (;;) {
        // Qt's own dialog rather than the desktop's: it speaks the program's language on every desktop,
        // and it stays a window of this program that the keyboard and the tests can reach.
        SaveDialog dialog(parent, title);
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
        if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty()) {
            return {};
        }
        path = dialog.chosenPath();
        // A name typed without a suffix takes the one of the file type chosen in the dialog.
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QLatin1Char('.') + suffixOfFilter(dialog.selectedNameFilter());
        }
        if (!QFileInfo::exists(path) || replaceConfirmed(parent, title, path)) {
            break;
        }
    }
    writeFileSafely(path, writer);
    rememberFolder(QFileInfo(path).absolutePath());
    return path;
}

} // namespace framework
