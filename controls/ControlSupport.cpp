#include "controls/ControlSupport.h"

#include "framework/QtColor.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QWidget>

// The glyph resources live in a static library; naming their initialiser keeps the linker from
// dropping them.
static void initGlyphResources() {
    Q_INIT_RESOURCE(glyphs);
}

namespace controls {

namespace {

struct GlyphStore {
    GlyphStore() { initGlyphResources(); }
    QHash<QString, QImage> standard;
    QHash<qint64, QImage> fine; // keyed by the cache key of the standard image
};

GlyphStore& glyphStore() {
    static GlyphStore store;
    return store;
}

} // namespace

SurfaceFont surfaceFontOf(const QWidget& widget) {
    const QFont f = widget.font();
    SurfaceFont font;
    font.name = f.family();
    font.pixelSize = f.pixelSize() > 0 ? f.pixelSize() : pointsToPixels(qRound(f.pointSizeF()));
    font.bold = f.bold();
    font.italic = f.italic();
    font.underline = f.underline();
    font.strikeOut = f.strikeOut();
    font.color = framework::fromQColor(widget.palette().color(QPalette::WindowText));
    return font;
}

QImage storedGlyph(const QString& name) {
    GlyphStore& store = glyphStore();
    if (auto it = store.standard.constFind(name); it != store.standard.constEnd()) {
        return *it;
    }
    const QString base = QStringLiteral(":/glyphs/") + name;
    const QImage standard(base + QStringLiteral(".png"));
    QImage fine(base + QStringLiteral("@2x.png"));
    if (!fine.isNull()) {
        fine.setDevicePixelRatio(2.0);
        store.fine.insert(standard.cacheKey(), fine);
    }
    store.standard.insert(name, standard);
    return standard;
}

QImage glyphForDevice(const QImage& glyph, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1.0 || glyph.isNull()) {
        return glyph;
    }
    const GlyphStore& store = glyphStore();
    return store.fine.value(glyph.cacheKey(), glyph);
}

QSize glyphSize(const QImage& glyph) {
    return glyph.deviceIndependentSize().toSize();
}

QImage embossedGlyph(const QImage& glyph, const std::function<bool(QRgb)>& isInk) {
    QImage out(glyph.size(), QImage::Format_RGB32);
    out.fill(framework::toQColor(framework::clBtnFace));
    const QRgb highlight = framework::toQColor(framework::clBtnHighlight).rgb();
    const QRgb shadow = framework::toQColor(framework::clBtnShadow).rgb();
    const QImage source = glyph.convertToFormat(QImage::Format_ARGB32);
    for (const auto& [colour, dx] : {std::pair{highlight, 1}, std::pair{shadow, 0}}) {
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                if (isInk(source.pixel(x, y)) && out.rect().contains(x + dx, y + dx)) {
                    out.setPixel(x + dx, y + dx, colour);
                }
            }
        }
    }
    return out;
}

QString withoutAccelerator(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        out += caption[i];
    }
    return out;
}

QChar acceleratorOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

bool isTopmostAt(const QWidget& widget, const QPoint& localPos) {
    if (!widget.rect().contains(localPos)) {
        return false;
    }
    if (widget.isWindow()) {
        return true;
    }
    const QWidget* top = widget.window();
    const QWidget* hit = top->childAt(widget.mapTo(top, localPos));
    return hit == &widget;
}

} // namespace controls
