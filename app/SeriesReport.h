#pragma once
// The results of a series as one document: headed by the pupil's name, the series number, the level,
// the equations it drew from, the date and the time taken, then a row per exercise (its equation, its
// quantities, its tries, its result, its points) and the total. The page shows it, copies it, saves it
// as a CSV file and prints it, all from this one record.

#include "model/SeriesSession.h"

#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace framework {
class PrintedDocument;
}

namespace app {

struct SeriesReport {
    QString pupil; // empty when the pupil gave no name
    int number = 0;
    QString level;     // "2 – État final"
    QString equations; // "les sept équations du programme", or the teacher's equation
    QDateTime finished;
    qint64 milliseconds = 0;
    int total = 0;
    int maximum = 0;
    QStringList columns;
    std::vector<QStringList> rows; // one per exercise, then the total

    // What heads the results, as pairs of a name and a value: "Élève", "Série n°", "Niveau"...
    std::vector<std::pair<QString, QString>> heading() const;
    // The heading, an empty line, then the table, each line's cells joined by separator.
    QString text(QChar separator) const;
    // The table on paper under the heading; printed is the date the page names.
    std::unique_ptr<framework::PrintedDocument> printout(const QFont& font, const QDateTime& printed) const;
};

SeriesReport seriesReport(const model::SeriesSession& session, const QString& pupil, const QString& equations,
                          const QDateTime& finished, qint64 milliseconds);

// "6 min 12 s", "45 s", "1 h 02 min".
QString durationText(qint64 milliseconds);

} // namespace app
