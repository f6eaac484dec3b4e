#include "controls/FlatButtons.h"

#include "controls/ControlSupport.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

using framework::guarded;

namespace {

constexpr TColor bevelLight = framework::rgb(248, 244, 237);
constexpr TColor bevelDark = framework::rgb(79, 79, 79);
constexpr int defaultFontPixels = 11; // 8 points

} // namespace

TFlatButton::TFlatButton(QWidget* parent)
    : QWidget(parent)
    , color_(framework::clBtnFace)
    , colorBorder_(framework::rgb(153, 143, 130))
    , colorOverCaption_(framework::clBlack)
    , colorOver_(framework::rgb(216, 190, 10))
    , colorDown_(framework::rgb(216, 190, 10))
    , lastCaptionColor_(framework::clBlack) {
    installControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(defaultFontPixels);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    resize(defaultWidth, defaultHeight);
    // Placed on a parent, the button is captioned with its name until it is given a caption.
    connect(this, &QObject::objectNameChanged, this, [this] { guarded([this] { followName(); }); });
    followName();
}

QSize TFlatButton::sizeHint() const {
    return {defaultWidth, defaultHeight};
}

// The caption is drawn centred and clipped at the edges. A caption wider than its designed button
// ("Mode d'emploi" or "Tableau mesures" in the substituted sans-serif face) widens the button about its
// centre, so that a column of links stays aligned and nothing is cut off.
void TFlatButton::widenForCaption() {
    constexpr int captionMargin = 4; // each side, clear of the frame and the bevel
    const int needed = QFontMetrics(font()).horizontalAdvance(caption_) + 2 * captionMargin;
    if (needed > width()) {
        setGeometry(x() - (needed - width() + 1) / 2, y(), needed, height());
    }
}

void TFlatButton::followName() {
    if (!captionAssigned_ && parentWidget()) {
        caption_ = objectName();
        showLook(Look::Normal);
    }
}

// ---- properties: the ones that show shape the normal look at once ----

void TFlatButton::setCaption(const QString& caption) {
    captionAssigned_ = true;
    const bool renamed = caption != caption_;
    caption_ = caption;
    if (renamed) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    showLook(Look::Normal);
}

void TFlatButton::setColor(TColor color) {
    color_ = color;
    showLook(Look::Normal);
}

void TFlatButton::setColorBorder(TColor color) {
    colorBorder_ = color;
    showLook(Look::Normal);
}

void TFlatButton::setShowCaption(bool show) {
    showCaption_ = show;
    showLook(Look::Normal);
}

void TFlatButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph.copy();
    update();
}

// Used by the next drawing only.
void TFlatButton::setColorOverCaption(TColor color) {
    colorOverCaption_ = color;
}

void TFlatButton::setColorOver(TColor color) {
    colorOver_ = color;
}

void TFlatButton::setColorDown(TColor color) {
    colorDown_ = color;
}

void TFlatButton::setButtonEnabled(bool enabled) {
    buttonEnabled_ = enabled;
}

// ---- looks ----

void TFlatButton::draw(Surface& s, Look look, qreal devicePixelRatio) const {
    const int w = width();
    const int h = height();
    SurfaceFont font = surfaceFontOf(*this);
    TColor fill = color_;
    switch (look) {
    case Look::Normal:
        break;
    case Look::Hover:
        fill = colorOver_;
        font.color = colorOverCaption_;
        break;
    case Look::Pressed:
        fill = colorDown_;
        font.color = lastCaptionColor_;
        break;
    }
    s.setBrush(fill);
    s.fillRect({1, 1, w - 1, h - 1});

    const int shift = look == Look::Pressed ? 1 : 0;
    s.setFont(font);
    s.setBackground(framework::clNone);
    const QSize text = s.textExtent(caption_);
    const int tw = text.width();
    const int th = text.height();
    const QSize gs = glyphSize(glyph_);
    const int gw = gs.width();
    const int gh = gs.height();
    const TColor transparent =
        glyph_.isNull() ? framework::clNone : framework::fromQColor(glyph_.pixelColor(0, 0));
    const QImage picture = glyphForDevice(glyph_, devicePixelRatio);
    if (glyph_.isNull()) {
        if (showCaption_) {
            s.textOut(w / 2 - tw / 2 + shift, h / 2 - th / 2 + shift, caption_);
        }
    } else if (showCaption_) {
        // The glyph is stretched over one column more than its width, as it always was.
        const int x0 = w / 2 - (gw + tw) / 2 + shift;
        const int y0 = h / 2 - gh / 2 + shift;
        s.stretchImage({x0 - 1, y0, x0 + gw, y0 + gh}, picture, transparent);
        s.textOut(w / 2 + (gw - tw) / 2 + 4 + shift, h / 2 - th / 2 + shift, caption_);
    } else {
        s.drawImage(w / 2 - gw / 2 + shift, h / 2 - gh / 2 + shift, picture, transparent);
    }

    s.setBrush(colorBorder_);
    s.frameRect({0, 0, w, h});
    if (look == Look::Normal) {
        return;
    }
    const TColor topLeft = look == Look::Hover ? bevelLight : bevelDark;
    const TColor bottomRight = look == Look::Hover ? bevelDark : bevelLight;
    s.setPen(topLeft);
    s.moveTo(0, h - 2);
    s.lineTo(0, 0);
    s.lineTo(w - 1, 0);
    s.setPen(bottomRight);
    s.moveTo(w - 1, 0);
    s.lineTo(w - 1, h);
    s.moveTo(w, h - 1);
    s.lineTo(-1, h - 1);
}

void TFlatButton::showLook(Look look) {
    requestedLook_ = look;
    repaint();
    requestedLook_.reset();
}

void TFlatButton::paintEvent(QPaintEvent*) {
    guarded([&] {
        // A paint the button did not ask for itself shows the normal look.
        const Look look = requestedLook_.value_or(Look::Normal);
        QPainter painter(this);
        QtSurface surface(painter);
        draw(surface, look, painter.device()->devicePixelRatioF());
        shownLook_ = look;
        if (look == Look::Normal) {
            lastCaptionColor_ = surfaceFontOf(*this).color;
        } else if (look == Look::Hover) {
            lastCaptionColor_ = colorOverCaption_;
        }
    });
}

void TFlatButton::click() {
    showLook(Look::Normal);
    if (buttonEnabled_) {
        raiseEvent(OnClick, this);
    }
}

bool TFlatButton::tabStop() const {
    return focusPolicy() == Qt::TabFocus;
}

void TFlatButton::setTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

// ---- keyboard ----

void TFlatButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool presses = (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
                         (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!presses) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Holding the key down clicks once.
    if (!event->isAutoRepeat()) {
        guarded([&] { click(); });
    }
    event->accept();
}

// ---- mouse ----

void TFlatButton::mousePressEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() != Qt::LeftButton || !buttonEnabled_) {
            return;
        }
        const QPoint pos = event->position().toPoint();
        pressStartedHere_ = true;
        raiseEvent(OnMouseDown, this, TMouseButton::mbLeft, shiftStateOf(*event), pos.x(), pos.y());
        showLook(Look::Pressed);
    });
}

void TFlatButton::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        const QPoint pos = event->position().toPoint();
        raiseEvent(OnMouseMove, this, shiftStateOf(*event), pos.x(), pos.y());
        // While a button is held Qt reports no leaving or entering: the moves tell.
        if (event->buttons() != Qt::NoButton) {
            pointerOverChanged(isTopmostAt(*this, pos));
        }
    });
}

void TFlatButton::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() != Qt::LeftButton || !buttonEnabled_) {
            return;
        }
        const QPoint pos = event->position().toPoint();
        const bool clicks = pressStartedHere_ && rect().contains(pos);
        pressStartedHere_ = false;
        if (clicks) {
            click();
        }
        raiseEvent(OnMouseUp, this, TMouseButton::mbLeft, shiftStateOf(*event), pos.x(), pos.y());
        // A window opened by the click may have taken the pointer meanwhile; then it is not over us.
        if (pointerOver_ && isTopmostAt(*this, pos)) {
            showLook(Look::Hover);
        }
    });
}

void TFlatButton::pointerOverChanged(bool over) {
    if (over == pointerOver_) {
        return;
    }
    pointerOver_ = over;
    if (!over) {
        showLook(Look::Normal);
    } else if (buttonEnabled_) {
        showLook(Look::Hover);
    }
}

void TFlatButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    guarded([&] { pointerOverChanged(true); });
}

void TFlatButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    guarded([&] { pointerOverChanged(false); });
}

void TFlatButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    guarded([&] {
        if (event->type() == QEvent::ParentChange) {
            followName();
        } else if (event->type() == QEvent::EnabledChange && !isEnabled()) {
            pressStartedHere_ = false;
        }
    });
}

} // namespace controls
