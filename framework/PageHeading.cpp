#include "framework/PageHeading.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace framework {

namespace {

constexpr double titlePoints = 12;
constexpr double textPoints = 9;
constexpr double lineSpacing = 1.35;

// A font sized in pixels of the page, so that a printer and an image measure it alike.
QFont sized(QFont font, double points, double dotsPerInch, bool bold) {
    font.setPixelSize(std::max(1, int(std::lround(points * dotsPerInch / 72))));
    font.setBold(bold);
    return font;
}

} // namespace

PageHeading::PageHeading(QStringList lines, QString printed, const QFont& font, double dotsPerInch)
    : lines_(std::move(lines))
    , printed_(std::move(printed))
    , titleFont_(sized(font, titlePoints, dotsPerInch, true))
    , textFont_(sized(font, textPoints, dotsPerInch, false))
    , titleHeight_(QFontMetricsF(titleFont_).height())
    , lineHeight_(QFontMetricsF(textFont_).height() * lineSpacing) {}

double PageHeading::height() const {
    const double title = lines_.isEmpty() ? 0 : titleHeight_;
    const double under = lines_.isEmpty() ? 0 : double(lines_.size() - 1) * lineHeight_;
    return title + under + lineHeight_ * 1.5;
}

double PageHeading::width() const {
    const QFontMetricsF title(titleFont_);
    const QFontMetricsF text(textFont_);
    double widest = text.horizontalAdvance(printed_);
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        widest = std::max(widest, (i == 0 ? title : text).horizontalAdvance(lines_[i]));
    }
    return widest;
}

void PageHeading::paint(QPainter& painter, double width, const QString& pageNumber) const {
    painter.save();
    painter.setPen(Qt::black);
    double y = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const double height = i == 0 ? titleHeight_ : lineHeight_;
        painter.setFont(i == 0 ? titleFont_ : textFont_);
        painter.drawText(QRectF(0, y, width, height), Qt::AlignLeft | Qt::AlignVCenter, lines_[i]);
        y += height;
    }
    painter.setFont(textFont_);
    const QRectF last(0, y, width, lineHeight_);
    painter.drawText(last, Qt::AlignLeft | Qt::AlignVCenter, printed_);
    painter.drawText(last, Qt::AlignRight | Qt::AlignVCenter, pageNumber);
    painter.restore();
}

QString printedLine(const QString& document, const QDateTime& when) {
    const QLocale locale;
    return QStringLiteral("%1, imprimé le %2 à %3")
        .arg(document, locale.toString(when.date(), QLocale::LongFormat),
             locale.toString(when.time(), QStringLiteral("HH:mm")));
}

} // namespace framework
