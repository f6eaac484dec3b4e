#include "windows/EquationList.h"

#include "framework/FileSaving.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>

#include <algorithm>

namespace windows {

EquationList::EquationList(QString path)
    : path_(std::move(path)) {}

QString EquationList::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("equations.json"));
}

void EquationList::load() {
    equations_.clear();
    if (!QFileInfo::exists(path_)) {
        return;
    }
    try {
        equations_ = readEquationList(readWholeFile(path_), path_);
    } catch (const FileFormatError& error) {
        const QString aside =
            path_ + QStringLiteral(".illisible-%1")
                        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
        const bool moved = QFile::rename(path_, aside);
        throw FileFormatError(
            QStringLiteral("%1\nLa liste des équations repart vide%2.")
                .arg(QString::fromUtf8(error.what()),
                     moved ? QStringLiteral(" ; l'ancien fichier est gardé sous le nom « %1 »")
                                 .arg(QDir::toNativeSeparators(aside))
                           : QString())
                .toStdString());
    }
}

int EquationList::indexOf(const QString& text) const {
    for (std::size_t i = 0; i < equations_.size(); ++i) {
        if (equations_[i].text == text) {
            return int(i);
        }
    }
    return -1;
}

void EquationList::keep(const KeptEquation& equation) {
    std::vector<KeptEquation> changed = equations_;
    const int index = indexOf(equation.text);
    if (index < 0) {
        changed.push_back(equation);
    } else {
        changed[std::size_t(index)] = equation;
    }
    store(std::move(changed));
}

void EquationList::rename(int index, const QString& title) {
    std::vector<KeptEquation> changed = equations_;
    changed.at(std::size_t(index)).title = title.trimmed();
    store(std::move(changed));
}

void EquationList::remove(int index) {
    std::vector<KeptEquation> changed = equations_;
    changed.erase(changed.begin() + index);
    store(std::move(changed));
}

int EquationList::importFrom(const QString& path, const ReplaceQuestion& replace) {
    const std::vector<KeptEquation> imported = readEquationList(readWholeFile(path), path);
    std::vector<KeptEquation> changed = equations_;
    int taken = 0;
    for (const KeptEquation& equation : imported) {
        const auto same = std::find_if(changed.begin(), changed.end(),
                                       [&](const KeptEquation& kept) { return kept.text == equation.text; });
        if (same == changed.end()) {
            changed.push_back(equation);
            ++taken;
        } else if (replace(*same, equation)) {
            *same = equation;
            ++taken;
        }
    }
    store(std::move(changed));
    return taken;
}

QByteArray EquationList::exported() const {
    return equationListJson(equations_);
}

void EquationList::store(std::vector<KeptEquation> equations) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const QByteArray json = equationListJson(equations);
    framework::writeFileSafely(path_, [&](QIODevice& file, const QString&) { file.write(json); });
    equations_ = std::move(equations);
}

} // namespace windows
