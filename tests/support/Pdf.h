#pragma once
// A PDF file read back as a reader sees it, through poppler-utils: its number of pages and its text.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace testing_support {

inline QString popplerOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60'000) && process.exitCode() == 0
               ? QString::fromUtf8(process.readAllStandardOutput())
               : QStringLiteral("%1 failed: %2")
                     .arg(program, QString::fromUtf8(process.readAllStandardError()));
}

// 0 when the file is no PDF.
inline int pdfPages(const QString& path) {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(popplerOutput(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

// The text of pages first..last, as laid out on them.
inline QString pdfText(const QString& path, int first = 1, int last = 1) {
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first),
                          QStringLiteral("-l"), QString::number(last), path, QStringLiteral("-")});
}

} // namespace testing_support
