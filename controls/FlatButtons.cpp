#include "controls/FlatButtons.h"

#include "controls/Surface.h"

namespace controls {

TFlatButton::TFlatButton(QWidget* parent)
    : QWidget(parent)
    , color_(framework::clBtnFace)
    , colorBorder_(framework::rgb(153, 143, 130))
    , colorOverCaption_(framework::clBlack)
    , colorOver_(framework::rgb(216, 190, 10))
    , colorDown_(framework::rgb(216, 190, 10))
    , pressedCaptionColor_(framework::clBlack) {
    resize(defaultWidth, defaultHeight);
}
QSize TFlatButton::sizeHint() const {
    return {defaultWidth, defaultHeight};
}
void TFlatButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}
void TFlatButton::setColor(framework::TColor color) {
    color_ = color;
}
void TFlatButton::setColorBorder(framework::TColor color) {
    colorBorder_ = color;
}
void TFlatButton::setColorOverCaption(framework::TColor color) {
    colorOverCaption_ = color;
}
void TFlatButton::setColorOver(framework::TColor color) {
    colorOver_ = color;
}
void TFlatButton::setColorDown(framework::TColor color) {
    colorDown_ = color;
}
void TFlatButton::setButtonEnabled(bool enabled) {
    buttonEnabled_ = enabled;
}
void TFlatButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
}
void TFlatButton::setShowCaption(bool show) {
    showCaption_ = show;
}
void TFlatButton::draw(Surface&, Look, qreal) const {}
void TFlatButton::click() {
    raiseEvent(OnClick, this);
}
void TFlatButton::paintEvent(QPaintEvent*) {}
void TFlatButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
}
void TFlatButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
}
void TFlatButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
}
void TFlatButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
}
void TFlatButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
}
void TFlatButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
}

} // namespace controls
