#include "controls/markuplabel.h"

#include "controls/MarkupEngine.h"
#include "controls/MarkupImageList.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QToolTip>

namespace controls {

using framework::clNone;
using framework::guarded;

namespace {

// An auto-sized label is this much wider and taller than its text.
constexpr int autoSizeMargin = 6;
// While auto-sizing, the layout rectangle grows by these so that the text never wraps and the label
// has room to grow downwards.
constexpr int autoSizeExtraWidth = 65535;
constexpr int autoSizeExtraHeight = 250;
// Deeper than any text a label can hold.
constexpr int unboundedHeight = 1 << 28;
constexpr int listBoxSide = 100;
constexpr int listBoxTextPadding = 10;
constexpr QPoint paramHintOffset{10, -10};

const QString hrefPrefix = QStringLiteral("href=\"");
const QString shadowTag = QStringLiteral("<SHAD>");

// A param's value in a markup text: the text after the first ">" following its href="name" attribute
// (name compared without regard to case), up to the next "<".
QString paramValueIn(const QString& markup, const QString& href) {
    qsizetype from = 0;
    while (true) {
        const qsizetype at = markup.indexOf(hrefPrefix, from, Qt::CaseInsensitive);
        if (at < 0) {
            return {};
        }
        const qsizetype nameStart = at + hrefPrefix.size();
        const qsizetype nameEnd = markup.indexOf(QLatin1Char('"'), nameStart);
        if (nameEnd < 0) {
            return {};
        }
        if (QStringView(markup).mid(nameStart, nameEnd - nameStart).compare(href, Qt::CaseInsensitive) == 0) {
            const qsizetype valueStart = markup.indexOf(QLatin1Char('>'), nameEnd);
            const qsizetype valueEnd = valueStart < 0 ? -1 : markup.indexOf(QLatin1Char('<'), valueStart);
            if (valueEnd < 0) {
                return {};
            }
            return markup.mid(valueStart + 1, valueEnd - valueStart - 1);
        }
        from = nameEnd + 1;
    }
}

// The markup with the param's value replaced: after the href="name" attribute (name in its exact
// case), the first ">" + old value that is directly followed by "</A" gets the new value. Anything not
// found leaves the markup unchanged.
QString withParamValue(const QString& markup, const QString& href, const QString& oldValue,
                       const QString& newValue) {
    qsizetype at = 0;
    while (true) {
        at = markup.indexOf(hrefPrefix, at, Qt::CaseInsensitive);
        if (at < 0) {
            return markup;
        }
        at += hrefPrefix.size();
        if (QStringView(markup).mid(at).startsWith(href)) {
            break;
        }
    }
    const QString needle = QLatin1Char('>') + oldValue;
    const QLatin1String closing("</A");
    for (qsizetype p = markup.indexOf(needle, at); p >= 0; p = markup.indexOf(needle, p + 1)) {
        const qsizetype valueEnd = p + needle.size();
        if (QStringView(markup).mid(valueEnd).startsWith(closing, Qt::CaseInsensitive)) {
            QString result = markup;
            result.replace(p + 1, oldValue.size(), newValue);
            return result;
        }
    }
    return markup;
}

SurfaceFont withQFont(SurfaceFont font, const QFont& qfont) {
    font.name = qfont.family();
    font.pixelSize = qfont.pixelSize() > 0 ? qfont.pixelSize() : QFontInfo(qfont).pixelSize();
    font.bold = qfont.bold();
    font.italic = qfont.italic();
    font.underline = qfont.underline();
    font.strikeOut = qfont.strikeOut();
    return font;
}

// A surface that only measures: a painter over a one-pixel image, so that auto sizes and hit tests use
// the same font metrics as painting without touching the widget.
class MeasuringSurface {
public:
    MeasuringSurface()
        : image_(1, 1, QImage::Format_ARGB32_Premultiplied)
        , painter_(&image_)
        , surface_(painter_) {}
    Surface& surface() { return surface_; }

private:
    QImage image_;
    QPainter painter_;
    QtSurface surface_;
};

Rect clientRect(const QWidget& widget) {
    return {0, 0, widget.width(), widget.height()};
}

// Draws a 3-D frame of the given cut and shrinks the rectangle by its width.
void drawBevel(Surface& surface, Rect& rect, TMarkupLabel::TBevelCut cut, int width) {
    if (cut == TMarkupLabel::bvNone) {
        return;
    }
    const bool lowered = cut == TMarkupLabel::bvLowered;
    const TColor topLeft = lowered ? framework::clBtnShadow : framework::clBtnHighlight;
    const TColor bottomRight = lowered ? framework::clBtnHighlight : framework::clBtnShadow;
    for (int i = 0; i < width; ++i) {
        surface.setBrush(topLeft);
        surface.fillRect({rect.left, rect.top, rect.right, rect.top + 1});
        surface.fillRect({rect.left, rect.top, rect.left + 1, rect.bottom});
        surface.setBrush(bottomRight);
        surface.fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom});
        surface.fillRect({rect.right - 1, rect.top, rect.right, rect.bottom});
        rect = rect.inflated(-1);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------------

void TMarkupStrings::clear() {
    lines_.clear();
    changed();
}

void TMarkupStrings::add(const QString& line) {
    lines_.append(line);
    changed();
}

void TMarkupStrings::assign(const QStringList& lines) {
    lines_ = lines;
    changed();
}

QString TMarkupStrings::text() const {
    return lines_.join(QLatin1Char('\n'));
}

void TMarkupStrings::setText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    // As in a text file, a final line break ends the last line rather than starting an empty one.
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    assign(lines);
}

void TMarkupStrings::changed() {
    ++owner_.lookVersion_;
    owner_.MarkupChanged();
}

// ---------------------------------------------------------------------------------------------------

TPopupListBox::TPopupListBox(TMarkupLabel* owner)
    : QListWidget(owner)
    , OwnerLabel(owner) {
    setWindowFlags(Qt::Popup);
    setObjectName(QStringLiteral("ListBox"));
    setAccessibleName(QStringLiteral("Liste des valeurs"));
    setFrameShape(QFrame::NoFrame); // the flat look: no 3-D border
    setGeometry(0, 0, listBoxSide, listBoxSide);
    hide();
}

void TPopupListBox::closeUp() {
    hide();
    if (OwnerLabel && OwnerLabel->window()) {
        OwnerLabel->window()->activateWindow();
        if (QWidget* parent = OwnerLabel->parentWidget()) {
            parent->setFocus();
        }
    }
}

void TPopupListBox::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        QListWidget::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (QListWidgetItem* item = currentItem(); item && OwnerLabel) {
                const QString param = ListParam;
                const QString oldValue = OwnerLabel->GetParamValue(param);
                const QString value = item->text();
                OwnerLabel->SetParamValue(param, value);
                if (OwnerLabel->OnParamSelect) {
                    OwnerLabel->OnParamSelect(OwnerLabel, param, value);
                }
                if (oldValue != value && OwnerLabel->OnParamChanged) {
                    OwnerLabel->OnParamChanged(OwnerLabel, param, oldValue, value);
                }
            }
            closeUp();
        } else if (event->key() == Qt::Key_Escape) {
            closeUp();
        }
    });
}

void TPopupListBox::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        QListWidget::mouseReleaseEvent(event);
        if (event->button() != Qt::LeftButton) {
            return;
        }
        if (QListWidgetItem* item = currentItem(); item && OwnerLabel) {
            const QString param = ListParam;
            const QString value = item->text();
            OwnerLabel->SetParamValue(param, value);
            if (OwnerLabel->OnParamSelect) {
                OwnerLabel->OnParamSelect(OwnerLabel, param, value);
            }
        }
        closeUp();
    });
}

// ---------------------------------------------------------------------------------------------------

TMarkupLabel::TMarkupLabel(QWidget* parent)
    : QWidget(parent)
    , htmlText_(*this) {
    setAutoFillBackground(false);
    setMouseTracking(true);
    setAccessibleName(QString());
    QWidget::setFont(toQFont(font_));
    paramMenu_ = new QMenu(this);
    paramMenu_->setObjectName(QStringLiteral("ParamMenu"));
    paramMenu_->setAccessibleName(QStringLiteral("Valeurs du paramètre"));
    listBox_ = new TPopupListBox(this);
    resize(autoSizeMargin, autoSizeMargin);
}

TMarkupLabel::~TMarkupLabel() = default;

QString TMarkupLabel::GetMarkupText() const {
    return htmlText_.lines().join(QString());
}

void TMarkupLabel::setHTMLText(const QStringList& lines) {
    htmlText_.assign(lines);
}

void TMarkupLabel::setMarkup(const QString& markup) {
    htmlText_.assign(QStringList{markup});
}

void TMarkupLabel::MarkupChanged() {
    // The spaces that place the formulas on the line are not read aloud. An unchanged name tells a
    // screen reader nothing new: Qt would announce it all the same.
    const QString name = MarkupPlainText(GetMarkupText()).simplified();
    if (name != accessibleName()) {
        setAccessibleName(name);
    }
    fitAutoSize();
    update();
}

void TMarkupLabel::propertyChanged(bool affectsLayout) {
    ++lookVersion_;
    if (affectsLayout) {
        fitAutoSize();
    }
    update();
}

void TMarkupLabel::setAutoSizing(bool on) {
    if (autoSizing_ == on) {
        return;
    }
    autoSizing_ = on;
    if (on) {
        if (align_ == alLeft || align_ == alRight) {
            resize(autoSizeMargin, height());
        } else if (align_ == alTop || align_ == alBottom) {
            resize(width(), autoSizeMargin);
        }
    }
    propertyChanged(true);
}

void TMarkupLabel::setBevelInner(TBevelCut cut) {
    if (bevelInner_ == cut) {
        return;
    }
    bevelInner_ = cut;
    propertyChanged(true);
}

void TMarkupLabel::setBevelOuter(TBevelCut cut) {
    if (bevelOuter_ == cut) {
        return;
    }
    bevelOuter_ = cut;
    propertyChanged(true);
}

void TMarkupLabel::setBevelWidth(int width) {
    width = std::max(1, width);
    if (bevelWidth_ == width) {
        return;
    }
    bevelWidth_ = width;
    propertyChanged(true);
}

void TMarkupLabel::setBorderWidth(int width) {
    width = std::max(0, width);
    if (borderWidth_ == width) {
        return;
    }
    borderWidth_ = width;
    propertyChanged(true);
}

void TMarkupLabel::setBorderStyle(TBorderStyle style) {
    if (borderStyle_ == style) {
        return;
    }
    borderStyle_ = style;
    propertyChanged(true);
}

void TMarkupLabel::setHover(bool on) {
    if (hover_ == on) {
        return;
    }
    hover_ = on;
    if (!on) {
        hoverColor_ = clNone;
        hoverFontColor_ = clNone;
    }
    propertyChanged(false);
}

void TMarkupLabel::setHoverColor(TColor color) {
    if (hoverColor_ == color) {
        return;
    }
    hoverColor_ = color;
    propertyChanged(false);
}

void TMarkupLabel::setHoverFontColor(TColor color) {
    if (hoverFontColor_ == color) {
        return;
    }
    hoverFontColor_ = color;
    propertyChanged(false);
}

void TMarkupLabel::setParamColor(TColor color) {
    if (paramColor_ == color) {
        return;
    }
    paramColor_ = color;
    propertyChanged(false);
}

void TMarkupLabel::setParamHint(bool on) {
    if (paramHint_ == on) {
        return;
    }
    paramHint_ = on;
    if (on) {
        setShowHint(true);
    }
}

void TMarkupLabel::setShadowColor(TColor color) {
    if (shadowColor_ == color) {
        return;
    }
    shadowColor_ = color;
    propertyChanged(false);
}

void TMarkupLabel::setShadowOffset(int offset) {
    if (shadowOffset_ == offset) {
        return;
    }
    shadowOffset_ = offset;
    propertyChanged(false);
}

void TMarkupLabel::setAlign(TAlign align) {
    if (align_ == align) {
        return;
    }
    align_ = align;
    propertyChanged(true);
}

TColor TMarkupLabel::color() const {
    if (color_ != clNone) {
        return color_;
    }
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    return framework::fromQColor(owner->palette().color(owner->backgroundRole()));
}

void TMarkupLabel::setColor(TColor color) {
    if (color_ == color) {
        return;
    }
    color_ = color;
    propertyChanged(false);
}

void TMarkupLabel::setTransparent(bool on) {
    if (transparent_ == on) {
        return;
    }
    transparent_ = on;
    propertyChanged(false);
}

void TMarkupLabel::setSurfaceFont(const SurfaceFont& font) {
    if (font_ == font) {
        return;
    }
    font_ = font;
    QWidget::setFont(toQFont(font_));
    propertyChanged(true);
}

void TMarkupLabel::setHint(const QString& hint) {
    if (hint_ == hint) {
        return;
    }
    hint_ = hint;
    applyToolTip();
}

void TMarkupLabel::setShowHint(bool on) {
    if (showHint_ == on) {
        return;
    }
    showHint_ = on;
    applyToolTip();
}

void TMarkupLabel::applyToolTip() {
    setToolTip(showHint_ ? hint_ : QString());
    // Qt tells a screen reader of every description set, the same or not.
    if (hint_ != accessibleDescription()) {
        setAccessibleDescription(hint_);
    }
}

void TMarkupLabel::setImages(TImageList* images) {
    if (images_ == images) {
        return;
    }
    if (images_) {
        disconnect(images_, nullptr, this, nullptr);
    }
    images_ = images;
    if (images) {
        // The label only references the list; when the list goes, its images go from the text.
        connect(images, &QObject::destroyed, this, [this] { guarded([&] { propertyChanged(true); }); });
    }
    propertyChanged(true);
}

// ---------------------------------------------------------------------------------------------------
// Geometry: one frame computation for painting, auto-sizing and hit testing.

Rect TMarkupLabel::textRect() const {
    // The frames take their widths, then the text keeps the same distance once more from the innermost
    // frame.
    Rect rect = clientRect(*this);
    const bool bevelled = bevelInner_ != bvNone || bevelOuter_ != bvNone;
    const int bevels = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    rect = rect.inflated(-(bevels + borderWidth_));
    if (bevelled) {
        rect = rect.inflated(-bevelWidth_);
    }
    if (borderStyle_ == bsSingle) {
        rect = rect.inflated(-borderWidth_);
    }
    if (autoSizing_) {
        // Room to grow: the text never wraps, and the label may grow downwards.
        if (align_ == alNone || align_ == alLeft || align_ == alRight) {
            rect.right += autoSizeExtraWidth;
        }
        if (align_ == alNone || align_ == alTop || align_ == alBottom) {
            rect.bottom += autoSizeExtraHeight;
        }
    }
    return rect;
}

MarkupRequest TMarkupLabel::request(bool paint, QPoint point) const {
    MarkupRequest request;
    request.markup = GetMarkupText();
    request.rect = textRect();
    request.paint = paint;
    request.point = point;
    request.hover = hover_;
    request.shadowOffset = shadowOffset_;
    request.images = images_;
    if (paint) {
        request.hoverLink = hoverLink_;
        request.paramColor = paramColor_;
        request.hoverColor = hoverColor_;
        request.hoverFontColor = hoverFontColor_;
        request.shadowColor = shadowColor_;
    }
    return request;
}

void TMarkupLabel::drawFrame(Surface& surface, Rect& rect) const {
    drawBevel(surface, rect, bevelOuter_, bevelWidth_);
    if (borderWidth_ > 0) {
        surface.setBrush(color());
        for (int i = 0; i < borderWidth_; ++i) {
            surface.frameRect(rect);
            rect = rect.inflated(-1);
        }
    }
    drawBevel(surface, rect, bevelInner_, bevelWidth_);
    if (borderStyle_ == bsSingle && borderWidth_ != 0) {
        surface.setPen(framework::clBlack, borderWidth_, PenStyle::Solid);
        surface.setBrush(framework::clNone, BrushStyle::Clear);
        surface.rectangle(rect);
    }
}

void TMarkupLabel::fitAutoSize() {
    if (!autoSizing_ || align_ == alClient) {
        return;
    }
    const bool growsDown = align_ == alNone || align_ == alTop || align_ == alBottom;
    const MarkupResult result = measureWhole(request(false, {-1, -1}), growsDown);
    QSize size = this->size();
    if (growsDown) {
        size.setHeight(result.totalHeight + autoSizeMargin);
    }
    if (align_ == alNone || align_ == alLeft || align_ == alRight) {
        size.setWidth(result.maxWidth + autoSizeMargin);
    }
    if (size != this->size()) {
        resize(size);
    }
}

QSize TMarkupLabel::sizeHint() const {
    MarkupRequest unbounded = request(false, {-1, -1});
    unbounded.rect = {1, 0, 1 + autoSizeExtraWidth, 0};
    const MarkupResult result = measureWhole(unbounded, true);
    return {result.maxWidth + autoSizeMargin, result.totalHeight + autoSizeMargin};
}

MarkupResult TMarkupLabel::measureWhole(MarkupRequest request, bool growsDown) const {
    // Painting lays out 250 pixels below a label that grows downwards, and each size change repaints
    // once more, so that the label grows until every line fits: the end of those steps is the height
    // of the whole text, measured here at once.
    if (growsDown) {
        request.rect.bottom = std::max(request.rect.bottom, request.rect.top + unboundedHeight);
    }
    MeasuringSurface measuring;
    measuring.surface().setFont(font_);
    return RenderMarkup(measuring.surface(), request);
}

TMarkupLabel::ParamHit TMarkupLabel::HitTestParam(int x, int y) {
    MeasuringSurface measuring;
    measuring.surface().setFont(font_);
    const MarkupResult result = RenderMarkup(measuring.surface(), request(false, {x, y}));
    hoverLink_ = result.linkUnderPoint;
    ParamHit hit{result.hrefUnderPoint, result.linkRect};
    if (result.onLink) {
        hit.rect = hit.rect.inflated(1);
    }
    return hit;
}

void TMarkupLabel::InvalidateParamRect(const Rect& rect) {
    update(rect.toQRect());
}

// ---------------------------------------------------------------------------------------------------
// Qt's calls.

TMarkupLabel::PictureKey TMarkupLabel::pictureKey() const {
    return {lookVersion_,
            GetMarkupText(),
            color(),
            palette().cacheKey(),
            hoverLink_,
            images_.data(),
            images_ ? images_->count() : 0};
}

void TMarkupLabel::drawPicture(QPainter& painter, const QRect& visible) const {
    QtSurface qtSurface(painter);
    Surface& surface = qtSurface;
    // Nothing is drawn outside what can be seen, and the markup's BODY background is tiled only there:
    // an auto-sized label lays its text out in a rectangle 65535 pixels wider than itself.
    surface.setClipRect(Rect::fromQRect(visible));
    Rect rect = clientRect(*this);
    if (!transparent_) {
        surface.setBrush(color());
        surface.fillRect(rect);
    }
    drawFrame(surface, rect);
    // The background is also the colour blinking text takes in its off phase.
    surface.setBackground(color());
    surface.setFont(font_);
    RenderMarkup(surface, request(true, mousePos_));
}

void TMarkupLabel::paintEvent(QPaintEvent* event) {
    guarded([&] {
        QPainter painter(this);
        const PictureKey key = pictureKey();
        // What the window shows of the label, and at least what this paint asks for (a label rendered
        // away from the screen has no visible part).
        const QRect visible = (visibleRegion().boundingRect() | event->rect()) & rect();
        // Shadowed text is drawn over its shadow; blended in a kept picture, the two would round a
        // little differently from text drawn straight onto the window, so it is always drawn anew.
        if (key.markup.contains(shadowTag, Qt::CaseInsensitive)) {
            picture_.clear();
            drawPicture(painter, visible);
            return;
        }
        picture_.paint(painter, visible, key, [this, visible](QPainter& p) { drawPicture(p, visible); });
    });
}

void TMarkupLabel::resizeEvent(QResizeEvent* event) {
    guarded([&] {
        QWidget::resizeEvent(event);
        // A label that only sizes one side wraps at the other: a new width may change its height.
        if (align_ != alNone) {
            fitAutoSize();
        }
    });
}

void TMarkupLabel::changeEvent(QEvent* event) {
    guarded([&] {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange) {
            setSurfaceFont(withQFont(font_, font()));
        } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
            update();
        }
    });
}

bool TMarkupLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && paramHint_) {
        bool handled = false;
        guarded([&] {
            const auto* help = static_cast<QHelpEvent*>(event);
            handled = showParamTooltip(help->pos(), help->globalPos());
        });
        if (handled) {
            return true;
        }
    }
    return QWidget::event(event);
}

bool TMarkupLabel::showParamTooltip(const QPoint& pos, const QPoint& globalPos) {
    const ParamHit hit = HitTestParam(pos.x(), pos.y());
    if (hit.href.isEmpty()) {
        return false;
    }
    QString hintValue = hit.href;
    bool show = true;
    if (OnParamHint) {
        OnParamHint(this, hit.href, hintValue, show);
    }
    if (show) {
        QToolTip::showText(globalPos + paramHintOffset, hintValue, this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

void TMarkupLabel::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        mousePos_ = pos;
        const ParamHit hit = HitTestParam(pos.x(), pos.y());
        if (!hit.href.isEmpty()) {
            if (hover_ && (hit.href != lastParam_ || !(hit.rect == lastParamRect_) || hoverLink_ == -1)) {
                InvalidateParamRect(hit.rect);
            }
            if (hit.href != lastParam_) {
                if (OnParamEnter) {
                    OnParamEnter(this, hit.href, GetParamValue(hit.href));
                }
                if (paramHint_) {
                    QToolTip::hideText();
                }
                if (cursor().shape() == Qt::ArrowCursor) {
                    setCursor(Qt::PointingHandCursor);
                }
                if (hover_) {
                    InvalidateParamRect(lastParamRect_);
                }
            }
            lastParam_ = hit.href;
            lastParamRect_ = hit.rect;
        } else if (cursor().shape() == Qt::PointingHandCursor) {
            const QString left = lastParam_;
            if (OnParamExit) {
                OnParamExit(this, left, GetParamValue(left));
            }
            setCursor(Qt::ArrowCursor);
            if (hover_) {
                InvalidateParamRect(lastParamRect_);
            }
            lastParam_.clear();
        }
    });
}

void TMarkupLabel::leaveEvent(QEvent* event) {
    guarded([&] {
        QWidget::leaveEvent(event);
        mousePos_ = {-1, -1};
        if (hover_ && hoverLink_ != -1) {
            InvalidateParamRect(lastParamRect_);
        }
        hoverLink_ = -1;
        if (!lastParam_.isEmpty()) {
            const QString left = lastParam_;
            lastParam_.clear();
            if (OnParamExit) {
                OnParamExit(this, left, GetParamValue(left));
            }
        }
    });
}

void TMarkupLabel::mousePressEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        if (OnMouseDown) {
            OnMouseDown(this, event->button(), event->modifiers(), pos.x(), pos.y());
        }
        mousePos_ = pos;
        paramMouseDown();
    });
}

void TMarkupLabel::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        if (OnMouseUp) {
            OnMouseUp(this, event->button(), event->modifiers(), pos.x(), pos.y());
        }
        if (event->button() == Qt::LeftButton && rect().contains(pos) && OnClick) {
            OnClick(this);
        }
    });
}

void TMarkupLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() == Qt::LeftButton && OnDblClick) {
            OnDblClick(this);
        }
    });
}

// ---------------------------------------------------------------------------------------------------
// Params.

QString TMarkupLabel::GetParamValue(const QString& href) const {
    return paramValueIn(htmlText_.text(), href);
}

void TMarkupLabel::SetParamValue(const QString& href, const QString& newValue) {
    const QString text = htmlText_.text();
    const QString oldValue = paramValueIn(text, href);
    const QString changed = withParamValue(text, href, oldValue, newValue);
    if (changed != text) {
        htmlText_.setText(changed);
    }
}

void TMarkupLabel::paramMouseDown() {
    const ParamHit hit = HitTestParam(mousePos_.x(), mousePos_.y());
    if (hit.href.isEmpty()) {
        return;
    }
    if (OnParamClick) {
        const QString markup = GetMarkupText();
        const QString oldValue = paramValueIn(markup, hit.href);
        QString value = oldValue;
        OnParamClick(this, hit.href, value);
        if (value != oldValue) {
            htmlText_.assign({withParamValue(markup, hit.href, oldValue, value)});
            if (OnParamChanged) {
                OnParamChanged(this, hit.href, oldValue, value);
            }
            lastParamRect_ = HitTestParam(mousePos_.x(), mousePos_.y()).rect;
        }
    }
    if (OnParamPopup) {
        QStringList values;
        bool doPopup = false;
        OnParamPopup(this, hit.href, values, doPopup);
        if (doPopup) {
            showParamMenu(hit.href, hit.rect, values);
        }
    }
    if (OnParamList) {
        QStringList values;
        bool doPopup = false;
        OnParamList(this, hit.href, values, doPopup);
        if (doPopup) {
            showParamList(hit.href, hit.rect, values);
        }
    }
}

void TMarkupLabel::showParamMenu(const QString& href, const Rect& area, const QStringList& values) {
    const QPoint at = mapToGlobal(QPoint(area.left, area.bottom));
    paramMenu_->clear();
    for (const QString& value : values) {
        QAction* action = paramMenu_->addAction(value);
        connect(action, &QAction::triggered, this,
                [this, action] { guarded([&] { paramMenuClick(action->text()); }); });
    }
    popupParam_ = href;
    paramMenu_->popup(at);
}

void TMarkupLabel::paramMenuClick(const QString& caption) {
    QString value = caption;
    value.remove(QLatin1Char('&'));
    const QString param = popupParam_;
    const QString oldValue = GetParamValue(param);
    if (OnParamSelect) {
        OnParamSelect(this, param, value);
    }
    SetParamValue(param, value);
    if (oldValue != value && OnParamChanged) {
        OnParamChanged(this, param, oldValue, value);
    }
}

void TMarkupLabel::showParamList(const QString& href, const Rect& area, const QStringList& values) {
    TPopupListBox& list = *listBox_;
    list.OwnerLabel = this;
    list.ListParam = href;
    list.clear();
    list.addItems(values);
    int widest = 0;
    for (const QString& value : values) {
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(value));
    }
    int width = widest + listBoxTextPadding;
    const int rows = list.count() > 0 ? list.sizeHintForRow(0) * list.count() : 0;
    if (rows > listBoxSide) {
        width += list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    }
    list.setGeometry(QRect(mapToGlobal(QPoint(area.left, area.bottom)), QSize(width, listBoxSide)));
    list.setCurrentRow(int(values.indexOf(paramValueIn(GetMarkupText(), href))));
    list.show();
    list.setFocus();
}

} // namespace controls
