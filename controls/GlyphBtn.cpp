#include "controls/GlyphBtn.h"

#include "controls/ControlSupport.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QShortcut>

namespace controls {

using framework::guarded;

namespace {

constexpr int buttonTextMargin = 13;  // wrap width lost to the outline of a plain button
constexpr int buttonGlyphMargin = 18; // ... with the glyph beside the caption
constexpr int otherGlyphMargin = 10;  // wrap width lost beside the glyph of the other types
constexpr int otherTextMargin = 5;
constexpr int glyphInset = 6;         // the plain button's glyph from its edge
constexpr int plainHeightMargin = 10; // AutoHeight: below and above the content of a plain button
constexpr int otherHeightMargin = 5;
constexpr const char* versionText = "1.0";

// ---- outlines ----
//
// The chamfered outlines of the plain button, written as the points of their polylines with W and H
// standing for the control's width and height. A polyline of the hot and pressed looks also sets its
// final pixel; a single point is a pixel.

enum class OutlineColor { Inactive, Active, ActiveOutline };

struct OutlineStroke {
    OutlineColor color;
    const char* points;
};

// The normal outline, also drawn while pressed with the pointer outside: one closed polyline.
constexpr OutlineStroke normalOutline[] = {
    {OutlineColor::Inactive,
     "(8,2) (7,3) (6,3) (3,6) (3,7) (2,8) (2,H-8) (3,H-7) (3,H-6) (6,H-3) (7,H-3) (8,H-2) "
     "(W-8,H-2) (W-7,H-3) (W-6,H-3) (W-3,H-6) (W-3,H-7) (W-2,H-8) (W-2,8) (W-3,7) (W-3,6) "
     "(W-6,3) (W-7,3) (W-8,2) (8,2)"},
};

constexpr OutlineStroke hotOutline[] = {
    {OutlineColor::Inactive, "(W-8,1) (8,1) (7,2) (6,2) (2,6) (2,7) (1,8) (1,H-8) (2,H-7) (2,H-6) (5,H-3)"},
    {OutlineColor::Inactive, "(7,H-2)"},
    {OutlineColor::Inactive, "(5,H-5) (6,H-4) (7,H-4) (8,H-3) (W-8,H-3) (W-3,H-8) (W-3,8) (W-2,7)"},
    {OutlineColor::Inactive, "(W-7,H-2)"},
    {OutlineColor::Inactive, "(W-5,H-3) (W-3,H-5)"},
    {OutlineColor::Inactive, "(W-6,H-4) (W-4,H-6)"},
    {OutlineColor::Inactive, "(W-2,H-7)"},
    {OutlineColor::Inactive, "(W-4,6) (W-5,5)"},
    {OutlineColor::Inactive, "(W-3,5) (W-6,2)"},
    {OutlineColor::Active,
     "(8,2) (7,3) (6,3) (3,6) (3,7) (2,8) (2,H-8) (3,H-7) (3,H-6) (6,H-3) (7,H-3) (8,H-2) "
     "(W-8,H-2) (W-7,H-3) (W-6,H-3) (W-3,H-6) (W-3,H-7) (W-2,H-8) (W-2,8) (W-3,7) (W-3,6) "
     "(W-7,2) (8,2)"},
    {OutlineColor::ActiveOutline, "(W-7,3) (8,3) (3,8) (3,H-8)"},
    {OutlineColor::ActiveOutline, "(W-6,5) (W-6,4) (8,4) (4,8) (4,H-6) (5,H-6)"},
    {OutlineColor::ActiveOutline, "(6,4) (4,6)"},
};

constexpr OutlineStroke pressedOutline[] = {
    {OutlineColor::Inactive,
     "(W-8,1) (8,1) (7,2) (6,2) (2,6) (2,7) (1,8) (1,H-8) (2,H-7) (2,H-6) (4,H-4) (5,H-4) "
     "(6,H-3) (7,H-3) (8,H-2) (W-8,H-2) (W-7,H-3) (W-6,H-3) (W-3,H-6) (W-3,H-7) (W-2,H-8) "
     "(W-2,8) (W-3,7) (W-3,6)"},
    {OutlineColor::Inactive, "(8,3)"},
    {OutlineColor::Inactive, "(6,4) (4,6)"},
    {OutlineColor::Inactive, "(3,8) (3,H-8)"},
    {OutlineColor::Inactive, "(4,H-6)"},
    {OutlineColor::Inactive, "(W-4,4) (W-6,2)"},
    {OutlineColor::Inactive, "(W-7,3)"},
    {OutlineColor::Active,
     "(W-4,5) (W-7,2) (8,2) (7,3) (6,3) (3,6) (3,7) (2,8) (2,H-8) (3,H-7) (3,H-6) (4,H-5)"},
    {OutlineColor::ActiveOutline, "(7,5) (5,7) (5,H-5)"},
    {OutlineColor::ActiveOutline, "(W-8,3) (9,3)"},
    {OutlineColor::ActiveOutline,
     "(5,H-3) (6,H-2) (7,H-2) (7,H-1) (W-6,H-1) (W-1,H-6) (W-1,8) (W-2,7) (W-2,6) "
     "(W-3,5) (W-4,6) (W-5,5) (W-6,5) (W-6,4) (7,4) (4,7) (4,H-7)"},
    {OutlineColor::ActiveOutline, "(W-4,H-2) (W-1,H-5)"},
    {OutlineColor::ActiveOutline, "(W-7,H-2) (W-6,H-2) (W-2,H-6) (W-2,H-7)"},
};

// One coordinate: a number, or W or H with an optional offset ("W-8", "H").
int coordinate(QStringView text, int w, int h) {
    int base = 0;
    if (text.startsWith(u'W') || text.startsWith(u'H')) {
        base = text.front() == u'W' ? w : h;
        text = text.mid(1);
    }
    return text.isEmpty() ? base : base + text.toInt();
}

std::vector<QPoint> outlinePoints(const char* points, int w, int h) {
    static const QRegularExpression point(QStringLiteral("\\(([^,]+),([^)]+)\\)"));
    std::vector<QPoint> out;
    const QString text = QString::fromLatin1(points);
    for (auto it = point.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out.emplace_back(coordinate(m.capturedView(1), w, h), coordinate(m.capturedView(2), w, h));
    }
    return out;
}

template <std::size_t N>
void drawStrokes(Surface& s, const OutlineStroke (&strokes)[N], bool setFinalPixel, int w, int h,
                 const std::array<TColor, 3>& colors) {
    for (const OutlineStroke& stroke : strokes) {
        const TColor color = colors[std::size_t(stroke.color)];
        const std::vector<QPoint> points = outlinePoints(stroke.points, w, h);
        if (points.size() == 1) {
            s.setPixel(points.front().x(), points.front().y(), color);
            continue;
        }
        s.setPen(color);
        s.polyline(points);
        if (setFinalPixel) {
            s.setPixel(points.back().x(), points.back().y(), color);
        }
    }
}

// A surface for measuring text outside painting.
class MeasuringSurface {
public:
    explicit MeasuringSurface(const SurfaceFont& font)
        : image_(1, 1, QImage::Format_RGB32)
        , painter_(&image_)
        , surface_(painter_) {
        surface_.setFont(font);
    }
    Surface& surface() { return surface_; }

private:
    QImage image_;
    QPainter painter_;
    QtSurface surface_;
};

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Filters the Enter and Escape presses that reach a window without having been taken on their way,
// and hands them to the window's styled buttons.
class DialogKeyFilter final : public QObject {
public:
    explicit DialogKeyFilter(QWidget* window)
        : QObject(window)
        , window_(window) {
        setObjectName(filterName());
        window->installEventFilter(this);
    }
    static QString filterName() { return QStringLiteral("molvanexDialogKeys"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnterKey(key->key()) && key->key() != Qt::Key_Escape) {
            return false;
        }
        bool taken = false;
        guarded([&] { taken = routeDialogKey(*window_, key->key(), key->modifiers()); });
        if (taken) {
            key->accept();
        }
        return taken;
    }

private:
    QWidget* window_;
};

} // namespace

// ---- construction and properties ----

TGlyphButton::TGlyphButton(QWidget* parent)
    : QWidget(parent)
    , activeColor_(framework::rgb(128, 128, 128))
    , activeOutlineColor_(framework::clWhite)
    , inactiveColor_(framework::rgb(192, 192, 192))
    , transparentColor_(framework::clBlack)
    , color_(framework::clPaleYellow) {
    installControlAccessibility();
    loadBuiltInGlyphs();
    resize(defaultWidth, defaultHeight);
    setTabStop(true);
    setMouseTracking(true);
    // Any focus change in the window may move the focus mark of a button that shows as default.
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
}

TGlyphButton::~TGlyphButton() = default;

QSize TGlyphButton::sizeHint() const {
    return {defaultWidth, defaultHeight};
}

void TGlyphButton::setAbout(TGlyphBtnAbout about) {
    if (about != abAbout) {
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("À propos"),
                    QStringLiteral("%1 : TGlyphButton, version %2")
                        .arg(objectName().isEmpty() ? QStringLiteral("TGlyphButton") : objectName(),
                             QString::fromLatin1(versionText)),
                    QMessageBox::Ok, this);
    box.exec();
}

void TGlyphButton::setAutoHeight(bool autoHeight) {
    if (autoHeight == autoHeight_) {
        return;
    }
    autoHeight_ = autoHeight;
    recomputeHeight();
}

void TGlyphButton::setCancel(bool cancel) {
    cancel_ = cancel;
}

void TGlyphButton::setDefault(bool isDefault) {
    if (isDefault == default_) {
        return;
    }
    default_ = isDefault;
    // The buttons of the window redraw their focus indications.
    for (TGlyphButton* button : window()->findChildren<TGlyphButton*>()) {
        button->update();
    }
    update();
}

void TGlyphButton::setModalResult(int result) {
    modalResult_ = result;
}

void TGlyphButton::setActiveGlyph(const QImage& glyph) {
    customGlyphs_[hotGlyph] = glyph;
    contentChanged();
}

void TGlyphButton::setDisabledGlyph(const QImage& glyph) {
    customGlyphs_[disabledGlyphIndex] = glyph;
    contentChanged();
}

void TGlyphButton::setDownActiveGlyph(const QImage& glyph) {
    customGlyphs_[pressedGlyph] = glyph;
    contentChanged();
}

void TGlyphButton::setInactiveGlyph(const QImage& glyph) {
    customGlyphs_[normalGlyph] = glyph;
    contentChanged();
}

void TGlyphButton::setActiveColor(TColor color) {
    if (color == activeColor_) {
        return;
    }
    activeColor_ = color;
    update();
}

void TGlyphButton::setActiveOutlineColor(TColor color) {
    if (color == activeOutlineColor_) {
        return;
    }
    activeOutlineColor_ = color;
    update();
}

void TGlyphButton::setInactiveColor(TColor color) {
    if (color == inactiveColor_) {
        return;
    }
    inactiveColor_ = color;
    update();
}

void TGlyphButton::setTransparentColor(TColor color) {
    if (color == transparentColor_) {
        return;
    }
    transparentColor_ = color;
    update();
}

void TGlyphButton::setColor(TColor color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

void TGlyphButton::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    updateAccelerator();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    contentChanged();
}

void TGlyphButton::setShowGlyph(bool show) {
    if (show == showGlyph_) {
        return;
    }
    showGlyph_ = show;
    contentChanged();
}

void TGlyphButton::setUseCustomGlyphs(bool use) {
    if (use == useCustomGlyphs_) {
        return;
    }
    useCustomGlyphs_ = use;
    contentChanged();
}

void TGlyphButton::setWordWrap(bool wrap) {
    if (wrap == wordWrap_) {
        return;
    }
    wordWrap_ = wrap;
    contentChanged();
}

void TGlyphButton::setControlType(TGlyphBtnType type) {
    if (type == controlType_) {
        return;
    }
    controlType_ = type;
    loadBuiltInGlyphs();
    // Only the plain button has its glyph beside the caption.
    if (type != bsButton && (position_ == bsLeft || position_ == bsRight)) {
        position_ = bsTop;
    }
    contentChanged();
}

void TGlyphButton::setPosition(TGlyphPosition position) {
    if (controlType_ != bsButton && (position == bsLeft || position == bsRight)) {
        position = bsTop;
    }
    if (position == position_) {
        return;
    }
    position_ = position;
    contentChanged();
}

bool TGlyphButton::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}

void TGlyphButton::setTabStop(bool tabStop) {
    // Out of the tab order the button still takes the focus when pressed, but only by the left button,
    // which press() gives it: Qt's click focus would follow a right or middle press too.
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

QMenu* TGlyphButton::popupMenu() const {
    return popupMenu_;
}

void TGlyphButton::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void TGlyphButton::contentChanged() {
    recomputeHeight();
    update();
}

void TGlyphButton::loadBuiltInGlyphs() {
    for (int look = 0; look < 4; ++look) {
        builtInGlyphs_[std::size_t(look)] = builtInGlyph(controlType_, GlyphLook(look));
    }
}

QImage TGlyphButton::builtInGlyph(TGlyphBtnType type, GlyphLook look) {
    return storedGlyph(QStringLiteral("GLYPH_%1").arg(int(type) * 4 + int(look) + 1));
}

// ---- glyph, wrapping and layout ----

QImage TGlyphButton::currentGlyph() const {
    const auto custom = [this](GlyphLook look) { return customGlyphs_[std::size_t(look)]; };
    if (!isEnabled()) {
        if (!useCustomGlyphs_) {
            return builtInGlyphs_[disabledGlyphIndex];
        }
        if (!custom(disabledGlyphIndex).isNull()) {
            return custom(disabledGlyphIndex);
        }
        const QImage normal = custom(normalGlyph);
        return normal.isNull() ? normal : embossedGlyph(normal, [](QRgb c) { return (c & 0xFFFFFFu) == 0; });
    }
    switch (mouseState_) {
    case Hot:
        return !useCustomGlyphs_            ? builtInGlyphs_[hotGlyph]
               : !custom(hotGlyph).isNull() ? custom(hotGlyph)
                                            : custom(normalGlyph);
    case Pressed:
        return !useCustomGlyphs_                ? builtInGlyphs_[pressedGlyph]
               : !custom(pressedGlyph).isNull() ? custom(pressedGlyph)
                                                : custom(normalGlyph);
    case Normal:
    case PressedOutside:
        break;
    }
    return useCustomGlyphs_ ? custom(normalGlyph) : builtInGlyphs_[normalGlyph];
}

SurfaceFont TGlyphButton::captionFont() const {
    SurfaceFont font = surfaceFontOf(*this);
    if (!isEnabled()) {
        font.color = inactiveColor_;
    }
    if (default_) {
        font.bold = true;
    }
    return font;
}

TGlyphButton::Wrap TGlyphButton::wrapCaption(const Surface& s, const QImage& glyph) const {
    const int w = width();
    const int gw = glyphSize(glyph).width();
    int available = 0;
    if (controlType_ == bsButton) {
        const bool beside = position_ == bsLeft || position_ == bsRight;
        available = showGlyph_ && beside ? w - gw - buttonGlyphMargin : w - buttonTextMargin;
    } else {
        available = showGlyph_ ? w - gw - otherGlyphMargin : w - otherTextMargin;
    }
    Wrap wrap;
    const QSize whole = s.textExtent(caption_);
    if (whole.width() <= available) {
        wrap.lines = {caption_};
        wrap.width = whole.width();
        wrap.rect = {0, 0, whole.width(), whole.height()};
        return wrap;
    }
    // Greedy, character by character; a line that stops before the end is cut at its last space
    // unless that space is its first character.
    const qsizetype n = caption_.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && s.textWidth(caption_.mid(start, end - start + 1)) <= available) {
            ++end;
        }
        if (end == start) {
            // Not even one character fits: nothing of the caption is drawn.
            wrap.lines.clear();
            break;
        }
        QString line = caption_.mid(start, end - start);
        const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
        if (end < n && space > 0) {
            line.truncate(space);
            start += space + 1;
        } else {
            start = end;
        }
        wrap.lines << line;
    }
    wrap.width = available;
    wrap.rect = {0, 0, available, int(wrap.lines.size()) * s.textHeight(QStringLiteral("0"))};
    return wrap;
}

TGlyphButton::Layout TGlyphButton::layout(const Surface& s, const QImage& glyph) const {
    const int w = width();
    const int h = height();
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    Layout out;
    out.lineHeight = s.textHeight(QStringLiteral("0"));
    const QSize gs = glyphSize(glyph);
    const int gw = gs.width();
    const int gh = gs.height();
    out.glyph = {0, 0, gw, gh};
    if (wordWrap_) {
        const Wrap wrap = wrapCaption(s, glyph);
        out.caption = wrap.rect;
        out.lines = wrap.lines;
        out.wrapWidth = wrap.width;
        out.wrapped = wrap.lines.size() != 1;
    } else {
        const QSize extent = s.textExtent(caption_);
        out.caption = {0, 0, extent.width(), extent.height()};
        out.lines = {caption_};
        out.wrapWidth = extent.width();
    }
    const int tw = out.caption.width();
    const int th = out.caption.height();
    int gl = 0;
    int gt = 0;
    int cl = 0;
    int ct = 0;
    if (showGlyph_ && controlType_ == bsButton) {
        TGlyphPosition position = position_;
        if (rightToLeft && (position == bsLeft || position == bsRight)) {
            position = position == bsLeft ? bsRight : bsLeft;
        }
        if (position == bsTop || position == bsBottom) {
            gl = (w - gw - 1) / 2 + 1;
            gt = glyphInset;
            cl = (w - tw - 1) / 2 + 1;
            ct = (h - gh - th - 1) / 2 + gh + 1;
            if (position == bsBottom) {
                gt = h - glyphInset - gh - 1;
                ct = h - (ct + th) - 1;
            }
        } else {
            gl = glyphInset;
            gt = (h - gh - 1) / 2 + 1;
            cl = (w - gw - tw - 1) / 2 + gw + 1;
            ct = (h - th - 1) / 2 + 1;
            if (position == bsRight) {
                gl = w - glyphInset - gw - 1;
                cl = w - (cl + tw) - 1;
            }
        }
    } else if (showGlyph_) {
        const int d = s.textHeight(caption_) - gh;
        gt = d >= 2 ? d / 2 + 2 : 2;
        gl = 2;
        ct = 2;
        cl = gw + 7;
        if (rightToLeft) {
            gl = w - gw - 2;
            cl = w - tw - cl;
        }
        if (position_ == bsBottom) {
            gt = h - (gt + gh) - 1;
            ct = h - (ct + th) - 1;
        }
    } else if (controlType_ == bsButton) {
        cl = (w - tw - 1) / 2 + 1;
        ct = (h - th - 1) / 2 + 1;
    } else {
        cl = rightToLeft ? w - tw - 2 : 2;
        ct = 2;
    }
    out.glyph = out.glyph.translated(gl, gt);
    out.caption = out.caption.translated(cl, ct);
    return out;
}

QStringList TGlyphButton::wrappedLines() const {
    MeasuringSurface measure(captionFont());
    return wrapCaption(measure.surface(), currentGlyph()).lines;
}

int TGlyphButton::wrapWidth() const {
    MeasuringSurface measure(captionFont());
    return wrapCaption(measure.surface(), currentGlyph()).width;
}

void TGlyphButton::recomputeHeight() {
    if (!autoHeight_) {
        return;
    }
    MeasuringSurface measure(captionFont());
    const QImage glyph = currentGlyph();
    int textHeight = wordWrap_ ? wrapCaption(measure.surface(), glyph).rect.height()
                               : measure.surface().textHeight(caption_);
    if (showGlyph_) {
        const int gh = glyphSize(glyph).height();
        if (textHeight < gh || (controlType_ == bsButton && (position_ == bsTop || position_ == bsBottom))) {
            textHeight += gh + 4;
        }
    }
    resize(width(), textHeight + (controlType_ == bsButton ? plainHeightMargin : otherHeightMargin));
}

// ---- painting ----

bool TGlyphButton::focusMarkDue() const {
    if (!showsDefault_) {
        return false;
    }
    return hasFocus() || !qobject_cast<const TGlyphButton*>(QApplication::focusWidget());
}

void TGlyphButton::drawFocusMark(Surface& s, const Layout& l) const {
    const Rect c = l.caption;
    if (controlType_ == bsButton) {
        s.drawFocusRect({c.left, c.top, c.right + 1, c.bottom + 1});
        return;
    }
    // A dotted outline one pixel outside the caption, following a shorter last line.
    s.setPen(captionFont().color, 1, PenStyle::Dot);
    const int left = c.left - 1;
    const int right = c.right;
    const int top = c.top - 1;
    const int bottom = c.bottom;
    std::vector<QPoint> outline;
    if (l.wrapped && l.lines.size() > 1) {
        const int lastRight = c.left + s.textWidth(l.lines.back());
        const int lastTop = c.top + int(l.lines.size() - 1) * l.lineHeight;
        outline = {{left, top},         {right, top},   {right, lastTop}, {lastRight, lastTop},
                   {lastRight, bottom}, {left, bottom}, {left, top}};
    } else {
        outline = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    }
    s.polyline(outline);
}

void TGlyphButton::drawOutline(Surface& s) const {
    const std::array<TColor, 3> colors{inactiveColor_, activeColor_, activeOutlineColor_};
    switch (mouseState_) {
    case Hot:
        drawStrokes(s, hotOutline, true, width(), height(), colors);
        break;
    case Pressed:
        drawStrokes(s, pressedOutline, true, width(), height(), colors);
        break;
    case Normal:
    case PressedOutside:
        drawStrokes(s, normalOutline, false, width(), height(), colors);
        break;
    }
}

void TGlyphButton::draw(Surface& s, qreal devicePixelRatio) const {
    s.setBrush(color_);
    s.fillRect({0, 0, width(), height()});
    const SurfaceFont font = captionFont();
    s.setFont(font);
    const QImage glyph = currentGlyph();
    Layout l = layout(s, glyph);
    if (focusMarkDue()) {
        drawFocusMark(s, l);
    }
    if (mouseState_ == Pressed && controlType_ == bsButton) {
        l.glyph = l.glyph.translated(1, 1);
        l.caption = l.caption.translated(1, 1);
    }
    s.setBackground(framework::clNone);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const unsigned align = controlType_ == bsButton ? AlignCenter : rightToLeft ? AlignRight : AlignLeft;
    if (wordWrap_ && l.wrapped) {
        for (qsizetype i = 0; i < l.lines.size(); ++i) {
            const int top = l.caption.top + int(i) * l.lineHeight;
            s.drawText({l.caption.left, top, l.caption.left + l.wrapWidth, top + l.lineHeight}, l.lines[i],
                       align | ProcessPrefix | SingleLine);
        }
    } else {
        s.drawText(l.caption, caption_,
                   align | ProcessPrefix | (controlType_ == bsButton ? SingleLine : WordBreak));
    }
    if (showGlyph_ && !glyph.isNull()) {
        s.drawImage(l.glyph.left, l.glyph.top, glyphForDevice(glyph, devicePixelRatio), transparentColor_);
    }
    if (controlType_ == bsButton) {
        drawOutline(s);
    }
}

void TGlyphButton::paintEvent(QPaintEvent*) {
    guarded([&] {
        QPainter painter(this);
        QtSurface surface(painter);
        draw(surface, painter.device()->devicePixelRatioF());
    });
}

// ---- mouse ----

void TGlyphButton::setMouseState(TMouseState state) {
    if (state == mouseState_) {
        return;
    }
    mouseState_ = state;
    repaint();
}

void TGlyphButton::press(QMouseEvent* event, bool doubleClick) {
    const std::optional<TMouseButton> button = mouseButtonOf(event->button());
    if (!button) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    const TShiftState shift = shiftStateOf(*event);
    if (*button != TMouseButton::mbLeft) {
        raiseEvent(OnMouseDown, this, *button, shift, pos.x(), pos.y());
        if (*button == TMouseButton::mbRight && popupMenu_ && isTopmostAt(*this, pos)) {
            // The menu takes the pointer: the button stops tracking it.
            setMouseState(Normal);
        }
        return;
    }
    // A press the focus cannot follow (a handler leaving the previous control kept or moved it) is
    // ignored. The window's focus widget is asked rather than hasFocus(), which stays false until the
    // window system has activated the window the press came to.
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        if (window()->focusWidget() != this) {
            return;
        }
    }
    if (doubleClick) {
        raiseEvent(OnDblClick, this);
    }
    raiseEvent(OnMouseDown, this, *button, shift, pos.x(), pos.y());
    pressStartedHere_ = !doubleClick && isTopmostAt(*this, pos);
    if (pressStartedHere_) {
        setMouseState(Pressed);
    }
}

void TGlyphButton::mousePressEvent(QMouseEvent* event) {
    guarded([&] { press(event, false); });
}

void TGlyphButton::mouseDoubleClickEvent(QMouseEvent* event) {
    guarded([&] { press(event, true); });
}

void TGlyphButton::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        raiseEvent(OnMouseMove, this, shiftStateOf(*event), pos.x(), pos.y());
        const bool over = isTopmostAt(*this, pos);
        if (mouseState_ == Pressed && !over) {
            setMouseState(PressedOutside);
        } else if (mouseState_ == PressedOutside && over) {
            setMouseState(Pressed);
        } else if (over) {
            pointerEntered();
        } else {
            pointerLeft();
        }
    });
}

void TGlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        const std::optional<TMouseButton> button = mouseButtonOf(event->button());
        if (!button) {
            return;
        }
        const QPoint pos = event->position().toPoint();
        if (*button != TMouseButton::mbLeft) {
            raiseEvent(OnMouseUp, this, *button, shiftStateOf(*event), pos.x(), pos.y());
            return;
        }
        const bool clicks = pressStartedHere_ && rect().contains(pos);
        pressStartedHere_ = false;
        // Whatever the click does, even failing, the button comes back to the look the pointer asks for.
        const ScopeExit settle([this, pos] { setMouseState(isTopmostAt(*this, pos) ? Hot : Normal); });
        if (clicks) {
            runClick(false);
        }
        raiseEvent(OnMouseUp, this, *button, shiftStateOf(*event), pos.x(), pos.y());
    });
}

void TGlyphButton::pointerEntered() {
    if (mouseState_ == Normal) {
        setMouseState(Hot);
        raiseEvent(OnMouseEnter, this);
    }
}

void TGlyphButton::pointerLeft() {
    if (mouseState_ == Hot) {
        setMouseState(Normal);
        raiseEvent(OnMouseExit, this);
    }
}

void TGlyphButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    guarded([&] {
        if (isTopmostAt(*this, event->position().toPoint())) {
            pointerEntered();
        }
    });
}

void TGlyphButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    guarded([&] { pointerLeft(); });
}

// ---- click and keyboard ----

bool TGlyphButton::canTakeFocus() const {
    return isVisible() && isEnabled();
}

void TGlyphButton::click() {
    runClick(false);
}

void TGlyphButton::keyboardClick() {
    runClick(true);
}

void TGlyphButton::runClick(bool fromKeyboard) {
    const QPointer<TGlyphButton> self(this);
    keyboardClick_ = fromKeyboard;
    bool flashed = false;
    TMouseState remembered = mouseState_;
    if (keyboardClick_ && mouseState_ != Pressed) {
        // The pressed look is painted before anything else happens, so that a key press is seen.
        mouseState_ = Pressed;
        repaint();
        flashed = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!self) {
            return;
        }
    }
    auto* dialog = qobject_cast<QDialog*>(window());
    if (dialog) {
        dialog->setResult(modalResult_);
    }
    if (flashed) {
        mouseState_ = remembered;
        repaint();
    }
    keyboardClick_ = false;
    // A modal result other than none closes the dialog once the click has run, also when it failed.
    const QPointer<QDialog> closing(modalResult_ != 0 ? dialog : nullptr);
    const int result = modalResult_;
    const ScopeExit close([closing, result] {
        if (closing && closing->isVisible()) {
            closing->done(result);
        }
    });
    raiseEvent(OnClick, this);
}

bool TGlyphButton::dialogKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool enter = isEnterKey(key) && held == Qt::NoModifier && showsDefault_;
    const bool escape = key == Qt::Key_Escape && modifiers == Qt::NoModifier && cancel_;
    if (!(enter || escape) || !canTakeFocus()) {
        return false;
    }
    keyboardClick();
    return true;
}

bool routeDialogKey(QWidget& from, int key, Qt::KeyboardModifiers modifiers) {
    const QList<TGlyphButton*> buttons = from.window()->findChildren<TGlyphButton*>();
    QPointer<TGlyphButton> focused = qobject_cast<TGlyphButton*>(QApplication::focusWidget());
    if (focused && buttons.contains(focused.data()) && focused->dialogKey(key, modifiers)) {
        return true;
    }
    for (const QPointer<TGlyphButton> button : buttons) {
        if (button && button != focused && button->dialogKey(key, modifiers)) {
            return true;
        }
    }
    return false;
}

void TGlyphButton::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        int key = event->key();
        raiseEvent(OnKeyDown, this, key, shiftStateOf(*event));
        if (key != 0 && dialogKey(key, event->modifiers())) {
            return;
        }
        // Space presses the focused button as Enter does, for a pupil who knows Space from every
        // other button of the desktop; held down, it presses once.
        if (key == Qt::Key_Space && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!event->isAutoRepeat() && canTakeFocus()) {
                keyboardClick();
            }
            return;
        }
        event->ignore();
    });
}

void TGlyphButton::updateAccelerator() {
    const QChar letter = acceleratorOf(caption_);
    if (letter.isNull()) {
        delete accelerator_;
        accelerator_ = nullptr;
        return;
    }
    if (!accelerator_) {
        accelerator_ = new QShortcut(this);
        accelerator_->setContext(Qt::WindowShortcut);
        connect(accelerator_, &QShortcut::activated, this, [this] {
            guarded([this] {
                if (canTakeFocus()) {
                    keyboardClick();
                }
            });
        });
    }
    accelerator_->setKey(QKeySequence(Qt::ALT | QKeySequence(QString(letter))[0].key()));
}

void TGlyphButton::watchWindowKeys() {
    QWidget* top = window();
    if (top != this &&
        !top->findChild<DialogKeyFilter*>(DialogKeyFilter::filterName(), Qt::FindDirectChildrenOnly)) {
        new DialogKeyFilter(top);
    }
}

// ---- focus and state ----

bool TGlyphButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Polish:
        // As its native window is made, the button shows as default when it is the default one.
        if (!polished_) {
            polished_ = true;
            showsDefault_ = default_;
        }
        guarded([&] { watchWindowKeys(); });
        break;
    case QEvent::ParentChange:
        guarded([&] { watchWindowKeys(); });
        break;
    case QEvent::ContextMenu:
        if (popupMenu_) {
            guarded([&] { popupMenu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos()); });
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TGlyphButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    guarded([&] {
        showsDefault_ = true;
        mouseState_ = Normal;
        repaint();
        raiseEvent(OnEnter, this);
    });
}

void TGlyphButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    guarded([&] {
        showsDefault_ = false;
        mouseState_ = Normal;
        repaint();
        raiseEvent(OnExit, this);
    });
}

void TGlyphButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    guarded([&] {
        switch (event->type()) {
        case QEvent::EnabledChange:
            // A disabled button keeps following the pointer, but never stays pressed.
            if (!isEnabled()) {
                pressStartedHere_ = false;
                if (mouseState_ == Pressed || mouseState_ == PressedOutside) {
                    mouseState_ = Normal;
                }
            }
            repaint();
            break;
        case QEvent::FontChange:
            contentChanged();
            break;
        case QEvent::LayoutDirectionChange:
        case QEvent::PaletteChange:
            update();
            break;
        default:
            break;
        }
    });
}

void TGlyphButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    guarded([&] {
        pressStartedHere_ = false;
        mouseState_ = Normal;
    });
}

} // namespace controls
