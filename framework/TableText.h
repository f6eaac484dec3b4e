#pragma once
// A table as text for a spreadsheet: cells joined by a separator (a tab for the clipboard, ";" for a CSV
// file a French spreadsheet opens), one line per row. The measurement table and the exercises' results
// are copied and saved through these, so both read back alike.

#include <QString>
#include <QStringList>

namespace framework {

// A cell as a spreadsheet reads it between separators: quoted, its quotes doubled, when it holds the
// separator, a quote or a line break.
QString tableField(const QString& text, QChar separator);

// The cells joined by the separator, each read as tableField reads it, ended by a line break.
QString tableLine(const QStringList& cells, QChar separator);

// What a CSV file starts with, so that a spreadsheet reads it as UTF-8.
inline constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace framework
