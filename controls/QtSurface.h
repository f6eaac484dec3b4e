#pragma once
// The drawing surface over a QPainter.

#include "controls/Surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace controls {

QFont toQFont(const SurfaceFont& font);

class QtSurface final : public Surface {
public:
    // The painter must outlive the surface; its state is restored when the surface goes.
    explicit QtSurface(QPainter& painter);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    void setFont(const SurfaceFont& font) override;
    SurfaceFont font() const override { return font_; }
    void setPen(TColor color, int width, PenStyle style) override;
    TColor penColor() const override { return penColor_; }
    void setBrush(TColor color, BrushStyle style) override;
    TColor brushColor() const override { return brushColor_; }
    void setBackground(TColor color) override { background_ = color; }
    TColor background() const override { return background_; }

    QSize textExtent(const QString& text) const override;
    void textOut(int x, int y, const QString& text) override;
    void drawText(const Rect& rect, const QString& text, unsigned flags) override;

    void fillRect(const Rect& rect) override;
    void frameRect(const Rect& rect) override;
    void rectangle(const Rect& rect) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void setPixel(int x, int y, TColor color) override;
    void drawImage(int x, int y, const QImage& image, TColor transparent) override;
    void stretchImage(const Rect& rect, const QImage& image, TColor transparent) override;
    void drawFocusRect(const Rect& rect) override;
    void setClipRect(std::optional<Rect> clip) override;
    std::optional<Rect> clipRect() const override { return clip_; }

private:
    void applyFont();
    void drawTextRun(const QRect& box, const QString& text, int qtFlags);

    QPainter& painter_;
    SurfaceFont font_;
    QFont qfont_;
    QFontMetrics metrics_;
    TColor penColor_ = framework::clBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    TColor brushColor_ = framework::clWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    TColor background_ = framework::clNone;
    QPoint current_;
    std::optional<Rect> clip_;
};

} // namespace controls
