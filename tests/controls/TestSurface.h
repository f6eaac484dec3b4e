#pragma once
// A drawing surface with fixed, simple metrics, so that layout rules can be checked to the pixel on
// any machine: every character is 7 pixels wide (a tab too), and a text is as high as its font's pixel
// size. It draws nothing; it records every drawing call with the state it was made in.

#include "controls/Surface.h"

#include <QStringList>

#include <vector>

namespace testing_support {

using controls::Rect;
using controls::SurfaceFont;
using framework::TColor;

class TestSurface final : public controls::Surface {
public:
    static constexpr int charWidth = 7;

    enum class Kind { Text, FillRect, FrameRect, Rectangle, Line, Pixel, Image, StretchImage, FocusRect };
    struct Call {
        Kind kind;
        Rect rect;             // the text's box, the rectangle filled, the line's ends
        QString text;          // drawn text
        unsigned flags = 0;    // drawText flags
        SurfaceFont font;      // font at the time of the call
        TColor background = 0; // background at the time of the call
        TColor pen = 0;        // pen colour at the time of the call
        TColor brush = 0;      // brush colour at the time of the call
        std::optional<Rect> clip;
    };

    void setFont(const SurfaceFont& font) override { font_ = font; }
    SurfaceFont font() const override { return font_; }
    void setPen(TColor color, int = 1, controls::PenStyle = controls::PenStyle::Solid) override {
        pen_ = color;
    }
    TColor penColor() const override { return pen_; }
    void setBrush(TColor color, controls::BrushStyle = controls::BrushStyle::Solid) override {
        brush_ = color;
    }
    TColor brushColor() const override { return brush_; }
    void setBackground(TColor color) override { background_ = color; }
    TColor background() const override { return background_; }

    QSize textExtent(const QString& text) const override {
        return {int(text.size()) * charWidth, font_.pixelSize};
    }
    void textOut(int x, int y, const QString& text) override {
        const QSize size = textExtent(text);
        record(Kind::Text, {x, y, x + size.width(), y + size.height()}, text);
    }
    void drawText(const Rect& rect, const QString& text, unsigned flags) override {
        record(Kind::Text, rect, text, flags);
    }
    void fillRect(const Rect& rect) override { record(Kind::FillRect, rect); }
    void frameRect(const Rect& rect) override { record(Kind::FrameRect, rect); }
    void rectangle(const Rect& rect) override { record(Kind::Rectangle, rect); }
    void moveTo(int x, int y) override { current_ = {x, y}; }
    void lineTo(int x, int y) override {
        record(Kind::Line, {current_.x(), current_.y(), x, y});
        current_ = {x, y};
    }
    void setPixel(int x, int y, TColor) override { record(Kind::Pixel, {x, y, x + 1, y + 1}); }
    void drawImage(int x, int y, const QImage& image, TColor) override {
        record(Kind::Image, {x, y, x + image.width(), y + image.height()});
    }
    void stretchImage(const Rect& rect, const QImage&, TColor) override { record(Kind::StretchImage, rect); }
    void drawFocusRect(const Rect& rect) override { record(Kind::FocusRect, rect); }
    void setClipRect(std::optional<Rect> clip) override { clip_ = clip; }
    std::optional<Rect> clipRect() const override { return clip_; }

    const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    std::vector<Call> texts() const { return callsOf(Kind::Text); }
    std::vector<Call> callsOf(Kind kind) const {
        std::vector<Call> out;
        for (const Call& call : calls_) {
            if (call.kind == kind) {
                out.push_back(call);
            }
        }
        return out;
    }
    // The drawn texts, in order, without shadows (drawn in the shadow colour first).
    QStringList drawnWords() const {
        QStringList words;
        for (const Call& call : calls_) {
            if (call.kind == Kind::Text) {
                words << call.text;
            }
        }
        return words;
    }
    // The text's top on the surface when drawn bottom-aligned in its box.
    static int textTop(const Call& call) {
        return (call.flags & controls::AlignBottom) ? call.rect.bottom - call.font.pixelSize : call.rect.top;
    }

private:
    void record(Kind kind, const Rect& rect, const QString& text = {}, unsigned flags = 0) {
        calls_.push_back({kind, rect, text, flags, font_, background_, pen_, brush_, clip_});
    }

    SurfaceFont font_;
    TColor pen_ = framework::clBlack;
    TColor brush_ = framework::clWhite;
    TColor background_ = framework::clNone;
    QPoint current_;
    std::optional<Rect> clip_;
    std::vector<Call> calls_;
};

} // namespace testing_support
