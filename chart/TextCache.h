#pragma once
// Fonts, text widths and laid-out texts kept between paints. A chart repaints the same few labels at
// every slider move; shaping them again each time would cost more than all the rest of the paint.

#include "chart/ChartTypes.h"

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <map>
#include <string>
#include <tuple>

class QPainter;
class QRectF;

namespace chart {

class TextCache {
public:
    TextCache() = default;
    // The cache knows its fonts by their addresses: a copy would refer to the original's fonts.
    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // The QFont for a chart font; the same object every time, so Qt keeps its engine resolved. The
    // other functions take only fonts obtained here: they know a font by its address.
    const QFont& font(const ChartFont& font);

    double width(const QFont& font, const QString& text);
    double height(const QFont& font);

    // Draws one line of text in the box with Qt's alignment flags (horizontal and vertical), in the
    // painter's current pen, with the given font.
    void draw(QPainter& painter, const QRectF& box, int alignment, const QFont& font, const QString& text);

private:
    struct Entry {
        QStaticText text;
        double width = 0;
    };
    Entry& entry(const QFont& font, const QString& text);

    // Labels change with the axis settings; a bound keeps a long session from growing the cache.
    static constexpr qsizetype maxEntries = 2048;

    struct FontTexts {
        double height = 0;
        QHash<QString, Entry> texts;
    };
    FontTexts& texts(const QFont& font);

    // std::map keeps its values in place, so a font's address stays valid.
    std::map<std::tuple<std::string, int, bool, bool, bool>, QFont> fonts_;
    QHash<const QFont*, FontTexts> byFont_;
};

} // namespace chart
