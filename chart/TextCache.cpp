#include "chart/TextCache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

#include <algorithm>

namespace chart {

const QFont& TextCache::font(const ChartFont& f) {
    const auto key = std::tuple(f.name, f.pixelSize, f.bold, f.italic, f.underline);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont q(QString::fromStdString(f.name));
        q.setPixelSize(std::clamp(f.pixelSize, 1, 400));
        q.setBold(f.bold);
        q.setItalic(f.italic);
        q.setUnderline(f.underline);
        it = fonts_.emplace(key, q).first;
    }
    return it->second;
}

TextCache::FontTexts& TextCache::texts(const QFont& font) {
    auto it = byFont_.find(&font);
    if (it == byFont_.end()) {
        it = byFont_.insert(&font, FontTexts{QFontMetricsF(font).height(), {}});
    }
    return *it;
}

TextCache::Entry& TextCache::entry(const QFont& font, const QString& text) {
    QHash<QString, Entry>& known = texts(font).texts;
    auto it = known.find(text);
    if (it == known.end()) {
        if (known.size() >= maxEntries) {
            known.clear();
        }
        Entry e;
        e.text = QStaticText(text);
        e.text.setTextFormat(Qt::PlainText);
        e.text.setPerformanceHint(QStaticText::AggressiveCaching);
        e.text.prepare(QTransform(), font);
        e.width = QFontMetricsF(font).horizontalAdvance(text);
        it = known.insert(text, e);
    }
    return *it;
}

double TextCache::width(const QFont& font, const QString& text) {
    return entry(font, text).width;
}

double TextCache::height(const QFont& font) {
    return texts(font).height;
}

void TextCache::draw(QPainter& painter, const QRectF& box, int alignment, const QFont& font,
                     const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    Entry& e = entry(font, text);
    const double h = height(font);
    double x = box.left();
    if (alignment & Qt::AlignHCenter) {
        x = box.center().x() - e.width / 2;
    } else if (alignment & Qt::AlignRight) {
        x = box.right() - e.width;
    }
    double y = box.top();
    if (alignment & Qt::AlignVCenter) {
        y = box.center().y() - h / 2;
    } else if (alignment & Qt::AlignBottom) {
        y = box.bottom() - h;
    }
    painter.setFont(font);
    painter.drawStaticText(QPointF(x, y), e.text);
}

} // namespace chart
