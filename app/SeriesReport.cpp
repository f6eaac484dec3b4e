#include "app/SeriesReport.h"

#include "framework/LocaleText.h"
#include "framework/TablePrintout.h"
#include "framework/TableText.h"

#include <QLocale>

namespace app {

namespace {

using framework::toQ;

QString resultText(const model::ExerciseResult& result) {
    QString text;
    if (result.solved) {
        text = result.tries == 1 ? QStringLiteral("juste au premier essai")
                                 : QStringLiteral("juste au second essai");
    } else if (result.tries == model::SeriesSession::triesPerExercise) {
        text = QStringLiteral("faux aux deux essais");
    } else if (!result.solutionShown) {
        text = QStringLiteral("passé");
    }
    if (result.solutionShown) {
        text += (text.isEmpty() ? QStringLiteral("solution vue") : QStringLiteral(", solution vue"));
    }
    text[0] = text[0].toUpper();
    return text;
}

QString dateText(const QDateTime& when) {
    const QLocale locale;
    return QStringLiteral("%1 à %2").arg(locale.toString(when.date(), QLocale::LongFormat),
                                         locale.toString(when.time(), QStringLiteral("HH:mm")));
}

} // namespace

QString durationText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    if (seconds < 60) {
        return QStringLiteral("%1 s").arg(seconds);
    }
    if (seconds < 3600) {
        return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60, 2, 10, QLatin1Char('0'));
}

SeriesReport seriesReport(const model::SeriesSession& session, const QString& pupil, const QString& equations,
                          const QDateTime& finished, qint64 milliseconds) {
    const model::Series& series = session.series();
    SeriesReport report;
    report.pupil = pupil;
    report.number = series.number;
    report.level = QStringLiteral("%1 – %2").arg(int(series.level)).arg(toQ(model::levelName(series.level)));
    report.equations = equations;
    report.finished = finished;
    report.milliseconds = milliseconds;
    report.total = session.total();
    report.maximum = model::SeriesSession::maximum;
    report.columns = {
        QStringLiteral("Exercice"), QStringLiteral("Équation"), QStringLiteral("Quantités initiales (mol)"),
        QStringLiteral("Essais"),   QStringLiteral("Résultat"), QStringLiteral("Points")};
    for (std::size_t i = 0; i < series.exercises.size(); ++i) {
        const model::Exercise& exercise = series.exercises[i];
        const model::ExerciseResult& result = session.results()[i];
        report.rows.push_back(
            {QString::number(i + 1), toQ(exercise.equationText),
             QStringLiteral("%1 et %2").arg(toQ(exercise.quantity1), toQ(exercise.quantity2)),
             QString::number(result.tries), resultText(result), QString::number(result.points)});
    }
    report.rows.push_back({QStringLiteral("Total"),
                           {},
                           {},
                           {},
                           {},
                           QStringLiteral("%1 / %2").arg(report.total).arg(report.maximum)});
    return report;
}

std::vector<std::pair<QString, QString>> SeriesReport::heading() const {
    return {{QStringLiteral("Élève"), pupil},
            {QStringLiteral("Série n°"), QString::number(number)},
            {QStringLiteral("Niveau"), level},
            {QStringLiteral("Équations"), equations},
            {QStringLiteral("Date"), dateText(finished)},
            {QStringLiteral("Durée"), durationText(milliseconds)},
            {QStringLiteral("Total"), QStringLiteral("%1 points sur %2").arg(total).arg(maximum)}};
}

QString SeriesReport::text(QChar separator) const {
    QString text;
    for (const auto& [name, value] : heading()) {
        text += framework::tableLine({name, value}, separator);
    }
    text += QLatin1Char('\n');
    text += framework::tableLine(columns, separator);
    for (const QStringList& row : rows) {
        text += framework::tableLine(row, separator);
    }
    return text;
}

std::unique_ptr<framework::PrintedDocument> SeriesReport::printout(const QFont& font,
                                                                   const QDateTime& printed) const {
    framework::PrintedTable table;
    table.headingLines = {QStringLiteral("Exercices : série n° %1, niveau %2").arg(number).arg(level)};
    for (const auto& [name, value] : heading()) {
        if (name != QStringLiteral("Série n°") && name != QStringLiteral("Niveau") && !value.isEmpty()) {
            table.headingLines << QStringLiteral("%1 : %2").arg(name, value);
        }
    }
    table.document = QStringLiteral("Résultats des exercices");
    table.printed = printed;
    table.font = font;
    table.columnCount = int(columns.size());
    table.rowCount = int(rows.size());
    table.heading = [columns = columns](int column, int) { return columns[column]; };
    table.cell = [rows = rows](int row, int column) { return rows[std::size_t(row)][column]; };
    // The equation and the result are read as text.
    table.leftAligned = [](int column) { return column == 1 || column == 4; };
    return framework::tablePrintout(std::move(table));
}

} // namespace app
