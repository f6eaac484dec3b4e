#include "controls/BevelCheck.h"

#include "controls/Surface.h"

namespace controls {

TBevelCheck::TBevelCheck(QWidget* parent)
    : QWidget(parent)
    , colorHigh_(framework::rgb(232, 232, 224))
    , colorLow_(framework::rgb(162, 141, 104))
    , color_(framework::clBtnFace) {
    resize(defaultWidth, defaultHeight);
}
QSize TBevelCheck::sizeHint() const {
    return {defaultWidth, defaultHeight};
}
void TBevelCheck::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
}
void TBevelCheck::setCheckColor(framework::TColor color) {
    checkColor_ = color;
}
void TBevelCheck::setCheckStyle(TCheckStyle style) {
    checkStyle_ = style;
}
void TBevelCheck::setColorHigh(framework::TColor color) {
    colorHigh_ = color;
}
void TBevelCheck::setColorLow(framework::TColor color) {
    colorLow_ = color;
}
void TBevelCheck::setDown(bool down) {
    down_ = down;
}
void TBevelCheck::setState(TCheckBoxState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    update();
    raiseEvent(OnClick, this);
}
void TBevelCheck::setTextStyle(TTextStyle style) {
    textStyle_ = style;
}
void TBevelCheck::setChecked(bool checked) {
    setState(checked ? cbChecked : cbUnchecked);
}
void TBevelCheck::setCaption(const QString& caption) {
    caption_ = caption;
}
framework::TColor TBevelCheck::color() const {
    return color_;
}
void TBevelCheck::setColor(framework::TColor color) {
    color_ = color;
}
void TBevelCheck::setParentColor(bool parentColor) {
    parentColor_ = parentColor;
}
bool TBevelCheck::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}
void TBevelCheck::setTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}
void TBevelCheck::draw(Surface&, qreal) const {}
void TBevelCheck::paintEvent(QPaintEvent*) {}
void TBevelCheck::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
}
void TBevelCheck::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
}
void TBevelCheck::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
}
void TBevelCheck::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
}
void TBevelCheck::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}
void TBevelCheck::keyReleaseEvent(QKeyEvent* event) {
    QWidget::keyReleaseEvent(event);
}
void TBevelCheck::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
}
void TBevelCheck::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
}
void TBevelCheck::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
}
void TBevelCheck::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
}

} // namespace controls
