#pragma once
// The lines at the top of a printed page that say what it shows: a title in bold (the equation), lines
// under it (the initial quantities, X), and a line that says what the document is and when it was
// printed, with the page's number at its right. The measurement table's printout, a printed chart and an
// image saved for print carry the same heading.

#include <QDateTime>
#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;

namespace framework {

class PageHeading {
public:
    // lines: the title first, then the lines under it (none at all is allowed); printed: the last line.
    // Sizes are in points, drawn at dotsPerInch.
    PageHeading(QStringList lines, QString printed, const QFont& font, double dotsPerInch);

    // The height it takes, the space below it included, and the width of its longest line.
    double height() const;
    double width() const;
    // Draws it at the painter's origin across width; pageNumber ("page 2 / 18") may be empty.
    void paint(QPainter& painter, double width, const QString& pageNumber) const;

private:
    QStringList lines_;
    QString printed_;
    QFont titleFont_;
    QFont textFont_;
    double titleHeight_ = 0;
    double lineHeight_ = 0;
};

// "Tableau des mesures, imprimé le 9 décembre 2026 à 14:53", in the user's language.
QString printedLine(const QString& document, const QDateTime& when);

} // namespace framework
