#pragma once
// Reads a PDF back as a reader's tools do (poppler-utils): its text in reading order, and what pdfinfo
// tells of its pages.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

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
