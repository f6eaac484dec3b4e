#include "controls/BevelCheck.h"

#include "controls/ControlSupport.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace controls {

using framework::guarded;

namespace {

constexpr int squareSize = 11;
constexpr int captionGap = 5;       // from the square's right edge to the caption
constexpr int rightCaptionEnd = 15; // with the square at the right, the caption ends this far from it

} // namespace

TBevelCheck::TBevelCheck(QWidget* parent)
    : QWidget(parent)
    , colorHigh_(framework::rgb(232, 232, 224))
    , colorLow_(framework::rgb(162, 141, 104))
    , color_(framework::clBtnFace) {
    installControlAccessibility();
    setTabStop(false);
    setMouseTracking(true);
    resize(defaultWidth, defaultHeight);
}

QSize TBevelCheck::sizeHint() const {
    return {defaultWidth, defaultHeight};
}

// ---- properties ----

void TBevelCheck::setAlignment(TAlignment alignment) {
    if (alignment == alignment_) {
        return;
    }
    alignment_ = alignment;
    update();
}

void TBevelCheck::setCheckColor(TColor color) {
    if (color == checkColor_) {
        return;
    }
    checkColor_ = color;
    repaint();
}

void TBevelCheck::setCheckStyle(TCheckStyle style) {
    if (style == checkStyle_) {
        return;
    }
    checkStyle_ = style;
    update();
}

void TBevelCheck::setColorHigh(TColor color) {
    if (color == colorHigh_) {
        return;
    }
    colorHigh_ = color;
    update();
}

void TBevelCheck::setColorLow(TColor color) {
    if (color == colorLow_) {
        return;
    }
    colorLow_ = color;
    update();
}

void TBevelCheck::setDown(bool down) {
    if (down == down_) {
        return;
    }
    down_ = down;
    update();
}

void TBevelCheck::setState(TCheckBoxState state) {
    if (state == state_) {
        return;
    }
    const bool wasChecked = isChecked();
    state_ = state;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = wasChecked != isChecked();
        changed.checkStateMixed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    Q_EMIT stateChanged();
    raiseEvent(OnClick, this);
}

void TBevelCheck::setTextStyle(TTextStyle style) {
    if (style == textStyle_) {
        return;
    }
    textStyle_ = style;
    update();
}

void TBevelCheck::setChecked(bool checked) {
    setState(checked ? cbChecked : cbUnchecked);
}

void TBevelCheck::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    updateAccelerator();
    update();
}

TColor TBevelCheck::color() const {
    if (parentColor_ && parentWidget()) {
        const QWidget* parent = parentWidget();
        return framework::fromQColor(parent->palette().color(parent->backgroundRole()));
    }
    return color_;
}

void TBevelCheck::setColor(TColor color) {
    if (!parentColor_ && color == color_) {
        return;
    }
    parentColor_ = false;
    color_ = color;
    update();
}

void TBevelCheck::setParentColor(bool parentColor) {
    if (parentColor == parentColor_) {
        return;
    }
    parentColor_ = parentColor;
    update();
}

bool TBevelCheck::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}

void TBevelCheck::setTabStop(bool tabStop) {
    // No tab stop still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

// ---- painting ----

void TBevelCheck::draw(Surface& s, qreal) const {
    const int w = width();
    const int h = height();
    const TColor background = color();
    s.setBrush(background);
    s.fillRect({0, 0, w, h});

    // The square.
    const int x1 = alignment_ == taLeft ? 1 : w - (squareSize + 1);
    const int x2 = x1 + squareSize;
    const int y1 = (h - squareSize) / 2 - 1;
    const int y2 = y1 + squareSize;
    const TColor light = down_ ? colorLow_ : colorHigh_;
    const TColor dark = down_ ? colorHigh_ : colorLow_;
    s.setPen(light);
    s.moveTo(x1, y2);
    s.lineTo(x1, y1);
    s.lineTo(x2, y1);
    s.setPen(dark);
    s.lineTo(x2, y2);
    s.lineTo(x1, y2);
    if (checkStyle_ == ckFlat && !down_) {
        s.setPen(dark);
        s.moveTo(x1 - 1, y2);
        s.lineTo(x1 - 1, y1 - 1);
        s.lineTo(x2 + 1, y1 - 1);
        s.setPen(light);
        s.lineTo(x2 + 1, y2 + 1);
        s.lineTo(x1 - 1, y2 + 1);
    }

    // The caption, embossed.
    SurfaceFont font = surfaceFontOf(*this);
    s.setFont(font);
    const int textHeight = s.textHeight(caption_);
    const int yoff = (h - textHeight) / 2 - (checkStyle_ == ckFlat ? 1 : 0);
    const Rect client{0, 0, w, h};
    const Rect captionRect = (alignment_ == taLeft ? client.translated(x2 + captionGap, 0)
                                                   : Rect{0, 0, w - rightCaptionEnd, h}.translated(1, 0))
                                 .translated(0, yoff);
    const unsigned flags = SingleLine | AlignLeft | AlignTop | ProcessPrefix;
    s.setBackground(framework::clNone);
    if (!caption_.isEmpty()) {
        if (textStyle_ != txNone) {
            const int d = textStyle_ == txRaised ? -1 : 1;
            SurfaceFont emboss = font;
            emboss.color = colorHigh_;
            s.setFont(emboss);
            s.drawText(captionRect.translated(d, d), caption_, flags);
        }
        font.color = isEnabled() ? font.color : colorLow_;
        s.setFont(font);
        s.drawText(captionRect, caption_, flags);
    }

    // The mark.
    if (state_ != cbUnchecked) {
        if (state_ == cbGrayed && down_) {
            s.setPen(framework::clBtnFace);
            s.setBrush(framework::clBtnFace);
            s.rectangle({x1 + 2, y1 + 2, x2 - 1, y2 - 1});
        }
        const TColor markColor = !isEnabled()          ? framework::clBtnShadow
                                 : state_ == cbChecked ? checkColor_
                                                       : colorLow_;
        s.setPen(framework::clBtnHighlight);
        s.moveTo(x1 + 4, y1 + 4);
        s.lineTo(x1 + 4, y1 + 9);
        s.lineTo(x1 + 11, y1 + 2);
        s.setPen(markColor);
        s.moveTo(x1 + 2, y1 + 5);
        s.lineTo(x1 + 2, y1 + 9);
        s.lineTo(x1 + 10, y1 + 1);
        s.moveTo(x1 + 3, y1 + 4);
        s.lineTo(x1 + 3, y1 + 9);
        s.lineTo(x1 + 11, y1 + 1);
    }

    // The focus frame around the caption: erased in the background colour, dotted while focused.
    s.setFont(surfaceFontOf(*this));
    int frameWidth = s.textWidth(caption_) + 3;
    if (caption_.contains(QLatin1Char('&'))) {
        frameWidth -= s.textWidth(QStringLiteral("&"));
    }
    if (alignment_ == taRight && frameWidth >= w - rightCaptionEnd) {
        frameWidth = w - rightCaptionEnd;
    }
    const Rect frame{captionRect.left - 1, yoff, captionRect.left - 1 + frameWidth, yoff + textHeight + 1};
    s.setBrush(background);
    s.frameRect(frame);
    if (hasFocus()) {
        s.drawFocusRect(frame);
    }
}

void TBevelCheck::paintEvent(QPaintEvent*) {
    guarded([&] {
        QPainter painter(this);
        QtSurface surface(painter);
        draw(surface, painter.device()->devicePixelRatioF());
    });
}

// ---- mouse ----

bool TBevelCheck::withinBounds(const QPoint& pos) const {
    // Both bounds inclusive: the column x = W and the row y = H still count as inside.
    return pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
}

void TBevelCheck::press(QMouseEvent* event, bool doubleClick) {
    const std::optional<TMouseButton> button = mouseButtonOf(event->button());
    if (!button) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    // The framework's click comes only from a press that starts a click, not from the second press of
    // a double click.
    if (*button == TMouseButton::mbLeft) {
        leftPressed_ = !doubleClick;
    }
    raiseEvent(OnMouseDown, this, *button, shiftStateOf(*event), pos.x(), pos.y());
    mouseHeld_ = true;
    setDown(true);
}

void TBevelCheck::mousePressEvent(QMouseEvent* event) {
    guarded([&] { press(event, false); });
}

void TBevelCheck::mouseDoubleClickEvent(QMouseEvent* event) {
    guarded([&] { press(event, true); });
}

void TBevelCheck::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        if (mouseHeld_) {
            setDown(withinBounds(pos));
        }
        raiseEvent(OnMouseMove, this, shiftStateOf(*event), pos.x(), pos.y());
    });
}

void TBevelCheck::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        const std::optional<TMouseButton> button = mouseButtonOf(event->button());
        if (!button || !mouseHeld_) {
            return;
        }
        const QPoint pos = event->position().toPoint();
        const bool clicks = *button == TMouseButton::mbLeft && leftPressed_ && rect().contains(pos);
        if (*button == TMouseButton::mbLeft) {
            leftPressed_ = false;
        }
        if (clicks) {
            raiseEvent(OnClick, this);
        }
        mouseHeld_ = false;
        setDown(false);
        if (withinBounds(pos)) {
            toggle();
        }
        raiseEvent(OnMouseUp, this, *button, shiftStateOf(*event), pos.x(), pos.y());
    });
}

void TBevelCheck::toggle() {
    // From the grayed state a toggle checks the box.
    setChecked(!isChecked());
}

// ---- keyboard ----

void TBevelCheck::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        int key = event->key();
        if (key == Qt::Key_Space) {
            setDown(true);
        }
        raiseEvent(OnKeyDown, this, key, shiftStateOf(*event));
        if (event->key() != Qt::Key_Space) {
            event->ignore();
        }
    });
}

void TBevelCheck::keyReleaseEvent(QKeyEvent* event) {
    guarded([&] {
        // Holding Space repeats its key events; only the real release toggles.
        if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
            event->ignore();
            return;
        }
        setDown(false);
        toggle();
    });
}

void TBevelCheck::updateAccelerator() {
    const QChar letter = acceleratorOf(caption_);
    if (letter.isNull()) {
        delete accelerator_;
        accelerator_ = nullptr;
        return;
    }
    if (!accelerator_) {
        accelerator_ = new QShortcut(this);
        accelerator_->setContext(Qt::WindowShortcut);
        connect(accelerator_, &QShortcut::activated, this,
                [this] { guarded([this] { acceleratorPressed(); }); });
    }
    accelerator_->setKey(QKeySequence(Qt::ALT | QKeySequence(QString(letter))[0].key()));
}

void TBevelCheck::acceleratorPressed() {
    if (!isVisible() || !isEnabled()) {
        return;
    }
    setFocus(Qt::ShortcutFocusReason);
    if (hasFocus()) {
        toggle();
    }
}

// ---- focus and state ----

void TBevelCheck::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    guarded([&] { repaint(); });
}

void TBevelCheck::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    guarded([&] { repaint(); });
}

void TBevelCheck::letGo() {
    mouseHeld_ = false;
    leftPressed_ = false;
    setDown(false);
}

void TBevelCheck::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    guarded([&] {
        switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                letGo();
            }
            update();
            break;
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            update();
            break;
        default:
            break;
        }
    });
}

void TBevelCheck::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    guarded([&] { letGo(); });
}

} // namespace controls
