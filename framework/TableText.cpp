#include "framework/TableText.h"

namespace framework {

QString tableField(const QString& text, QChar separator) {
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tableLine(const QStringList& cells, QChar separator) {
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += separator;
        }
        line += tableField(cells[i], separator);
    }
    return line + QLatin1Char('\n');
}

} // namespace framework
