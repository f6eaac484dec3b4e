#include "controls/Spin.h"

#include "controls/ControlSupport.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/QtColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace controls {

using framework::guarded;

namespace {

constexpr TColor cl3DDkShadow = framework::systemColor(21);
constexpr TColor cl3DLight = framework::systemColor(22);

// Index of each picture in a glyph of several pictures side by side.
constexpr int upPicture = 0;
constexpr int disabledPicture = 1;
constexpr int downPicture = 2;

TColor bottomLeftColour(const QImage& image) {
    return image.isNull() ? framework::clNone
                          : framework::fromQColor(image.pixelColor(0, image.height() - 1));
}

// A two-pixel bevel: outer and inner rings, each with a top-left and a bottom-right colour.
void drawBevel(Surface& s, Rect r, TColor outerTopLeft, TColor outerBottomRight, TColor innerTopLeft,
               TColor innerBottomRight) {
    for (const auto& [topLeft, bottomRight] :
         {std::pair{outerTopLeft, outerBottomRight}, std::pair{innerTopLeft, innerBottomRight}}) {
        s.setPen(topLeft);
        s.moveTo(r.left, r.bottom - 1);
        s.lineTo(r.left, r.top);
        s.lineTo(r.right - 1, r.top);
        s.setPen(bottomRight);
        s.lineTo(r.right - 1, r.bottom - 1);
        s.lineTo(r.left - 1, r.bottom - 1);
        r = r.inflated(-1);
    }
}

} // namespace

// ---- TRepeatButton ----

TRepeatButton::TRepeatButton(QWidget* parent)
    : QWidget(parent) {
    installControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
}

TRepeatButton::~TRepeatButton() = default;

QSize TRepeatButton::sizeHint() const {
    return {TSpinButton::minimumWidth, 8};
}

void TRepeatButton::setGlyph(const QImage& glyph) {
    if (glyph == glyph_) {
        return;
    }
    glyph_ = glyph;
    update();
}

void TRepeatButton::setNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (count == numGlyphs_) {
        return;
    }
    numGlyphs_ = count;
    update();
}

void TRepeatButton::setRepeatFlags(RepeatFlags flags) {
    if (flags == repeatFlags_) {
        return;
    }
    repeatFlags_ = flags;
    update();
}

bool TRepeatButton::isRepeating() const {
    return repeatTimer_ && repeatTimer_->isActive();
}

void TRepeatButton::click() {
    raiseEvent(OnClick, this);
}

void TRepeatButton::setDown(bool down) {
    if (down == down_) {
        return;
    }
    down_ = down;
    repaint();
}

QImage TRepeatButton::currentGlyph() const {
    if (glyph_.isNull() || (numGlyphs_ == 1 && isEnabled())) {
        return glyph_; // the very image, so that a stored glyph finds its high-density version
    }
    const int pictureWidth = glyph_.width() / numGlyphs_;
    auto picture = [&](int index) {
        return glyph_.copy(index * pictureWidth, 0, pictureWidth, glyph_.height());
    };
    if (!isEnabled()) {
        if (numGlyphs_ > disabledPicture) {
            return picture(disabledPicture);
        }
        const TColor transparent = bottomLeftColour(glyph_);
        const QRgb drop = framework::toQColor(transparent).rgb();
        return embossedGlyph(picture(upPicture),
                             [drop](QRgb c) { return (c & 0xFFFFFFu) != (drop & 0xFFFFFFu); });
    }
    return picture(down_ && numGlyphs_ > downPicture ? downPicture : upPicture);
}

void TRepeatButton::paintEvent(QPaintEvent*) {
    guarded([&] {
        QPainter painter(this);
        QtSurface surface(painter);
        Surface& s = surface;
        const Rect r{0, 0, width(), height()};
        s.setBrush(framework::clBtnFace);
        s.fillRect(r);
        if (down_) {
            drawBevel(s, r, framework::clBtnShadow, framework::clBtnHighlight, cl3DDkShadow, cl3DLight);
        } else {
            drawBevel(s, r, framework::clBtnHighlight, cl3DDkShadow, cl3DLight, framework::clBtnShadow);
        }
        const QImage picture = currentGlyph();
        if (!picture.isNull()) {
            const QSize size = glyphSize(picture);
            const int shift = down_ ? 1 : 0;
            // A disabled picture is drawn on the button face, so its face colour is left out.
            const TColor transparent =
                isEnabled() || numGlyphs_ > disabledPicture ? bottomLeftColour(glyph_) : framework::clBtnFace;
            s.drawImage((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift,
                        glyphForDevice(picture, painter.device()->devicePixelRatioF()), transparent);
        }
        if (repeatFlags_.testFlag(RepeatFlag::FocusMark)) {
            const int shift = down_ ? 1 : 0;
            s.drawFocusRect(r.inflated(-3).translated(shift, shift));
        }
    });
}

void TRepeatButton::mousePressEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() != Qt::LeftButton) {
            return;
        }
        tracking_ = true;
        setDown(true);
        if (repeatFlags_.testFlag(RepeatFlag::AllowRepeat)) {
            if (!repeatTimer_) {
                repeatTimer_ = std::make_unique<QTimer>();
                connect(repeatTimer_.get(), &QTimer::timeout, this, [this] { repeatTick(); });
            }
            repeatTimer_->setInterval(firstRepeatDelayMs);
            repeatTimer_->start();
        }
    });
}

void TRepeatButton::mouseMoveEvent(QMouseEvent* event) {
    guarded([&] {
        if (tracking_) {
            // Dragged off the button, it comes up and the repeats pause until the pointer is back.
            setDown(rect().contains(event->position().toPoint()));
        }
    });
}

void TRepeatButton::mouseReleaseEvent(QMouseEvent* event) {
    guarded([&] {
        if (event->button() != Qt::LeftButton || !tracking_) {
            return;
        }
        const ScopeExit rest([this] { stopTracking(); });
        const bool clicks = down_ && rect().contains(event->position().toPoint());
        tracking_ = false;
        setDown(false);
        if (clicks) {
            click();
        }
    });
}

void TRepeatButton::repeatTick() {
    guarded([&] {
        repeatTimer_->setInterval(repeatIntervalMs);
        if (!(down_ && tracking_)) {
            return;
        }
        // A click that fails ends the repeat: the button comes up and lets the mouse go, and the error
        // is shown once.
        const int failuresBefore = std::uncaught_exceptions();
        const ScopeExit onFailure([&] {
            if (std::uncaught_exceptions() > failuresBefore) {
                stopTracking();
            }
        });
        click();
    });
}

void TRepeatButton::stopTracking() {
    if (repeatTimer_) {
        repeatTimer_->stop();
    }
    tracking_ = false;
    setDown(false);
}

void TRepeatButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    guarded([&] {
        if (event->type() == QEvent::EnabledChange) {
            if (!isEnabled()) {
                stopTracking();
            }
            update();
        }
    });
}

void TRepeatButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    guarded([&] { stopTracking(); });
}

// ---- TSpinButton ----

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , upButton_(new TRepeatButton(this))
    , downButton_(new TRepeatButton(this))
    , focusedButton_(upButton_) {
    installControlAccessibility();
    setTabStop(false);
    setMinimumWidth(minimumWidth);
    for (TRepeatButton* button : {upButton_, downButton_}) {
        button->setRepeatFlags(TRepeatButton::RepeatFlag::AllowRepeat);
        button->installEventFilter(this);
    }
    upButton_->setAccessibleName(QStringLiteral("Augmenter"));
    downButton_->setAccessibleName(QStringLiteral("Diminuer"));
    upButton_->OnClick = [this](QObject*) { raiseEvent(OnUpClick, this); };
    downButton_->OnClick = [this](QObject*) { raiseEvent(OnDownClick, this); };
    setUpGlyph({});
    setDownGlyph({});
    resize(20, 25);
    layoutButtons();
}

QSize TSpinButton::sizeHint() const {
    return {20, 25};
}

QImage TSpinButton::builtInUpGlyph() {
    return storedGlyph(QStringLiteral("SpinUp"));
}

QImage TSpinButton::builtInDownGlyph() {
    return storedGlyph(QStringLiteral("SpinDown"));
}

QImage TSpinButton::upGlyph() const {
    return upButton_->glyph();
}

void TSpinButton::setUpGlyph(const QImage& glyph) {
    if (glyph.isNull()) {
        upButton_->setGlyph(builtInUpGlyph());
        upButton_->setNumGlyphs(1);
        upButton_->repaint();
    } else {
        upButton_->setGlyph(glyph);
    }
}

QImage TSpinButton::downGlyph() const {
    return downButton_->glyph();
}

void TSpinButton::setDownGlyph(const QImage& glyph) {
    if (glyph.isNull()) {
        downButton_->setGlyph(builtInDownGlyph());
        downButton_->setNumGlyphs(1);
        downButton_->repaint();
    } else {
        downButton_->setGlyph(glyph);
    }
}

int TSpinButton::upNumGlyphs() const {
    return upButton_->numGlyphs();
}

void TSpinButton::setUpNumGlyphs(int count) {
    upButton_->setNumGlyphs(count);
}

int TSpinButton::downNumGlyphs() const {
    return downButton_->numGlyphs();
}

void TSpinButton::setDownNumGlyphs(int count) {
    downButton_->setNumGlyphs(count);
}

void TSpinButton::setFocusControl(QWidget* control) {
    focusControl_ = control;
}

bool TSpinButton::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}

void TSpinButton::setTabStop(bool tabStop) {
    // The focus comes with a left press on an arrow (pressedButton), never with Qt's click focus, which
    // would follow a right or middle press too.
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TSpinButton::layoutButtons() {
    const int w = width();
    const int h = height();
    const int upHeight = h / 2;
    upButton_->setGeometry(0, 0, w, upHeight);
    // The buttons share one pixel row, which the lower one draws.
    downButton_->setGeometry(0, upHeight - 1, w, h - upHeight + 1);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    guarded([&] { layoutButtons(); });
}

bool TSpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && (watched == upButton_ || watched == downButton_)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            guarded([&] { pressedButton(static_cast<TRepeatButton*>(watched)); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSpinButton::pressedButton(TRepeatButton* button) {
    setFocusedButton(button);
    // Pressing an arrow puts the keyboard focus into the field the buttons belong to.
    QWidget* control = focusControl_;
    if (control && control->isVisible() && control->isEnabled() && !control->hasFocus()) {
        control->setFocus(Qt::OtherFocusReason);
    } else if (tabStop() && !hasFocus() && isVisible() && isEnabled()) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TSpinButton::setFocusedButton(TRepeatButton* button) {
    if (!(tabStop() && isVisible() && isEnabled()) || button == focusedButton_) {
        return;
    }
    showFocusMark(false);
    focusedButton_ = button;
    if (hasFocus()) {
        showFocusMark(true);
    }
}

void TSpinButton::showFocusMark(bool shown) {
    TRepeatButton::RepeatFlags flags = focusedButton_->repeatFlags();
    flags.setFlag(TRepeatButton::RepeatFlag::FocusMark, shown);
    focusedButton_->setRepeatFlags(flags);
    focusedButton_->repaint();
}

void TSpinButton::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        switch (event->key()) {
        case Qt::Key_Space:
            focusedButton_->click();
            break;
        case Qt::Key_Up:
            setFocusedButton(upButton_);
            upButton_->click();
            break;
        case Qt::Key_Down:
            setFocusedButton(downButton_);
            downButton_->click();
            break;
        default:
            event->ignore();
        }
    });
}

void TSpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    guarded([&] { showFocusMark(true); });
}

void TSpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    guarded([&] { showFocusMark(false); });
}

} // namespace controls
