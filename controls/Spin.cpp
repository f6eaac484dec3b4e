#include "controls/Spin.h"

#include <QTimer>

namespace controls {

TRepeatButton::TRepeatButton(QWidget* parent)
    : QWidget(parent) {}
TRepeatButton::~TRepeatButton() = default;
QSize TRepeatButton::sizeHint() const {
    return {15, 8};
}
void TRepeatButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
    update();
}
void TRepeatButton::setNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    update();
}
void TRepeatButton::setRepeatFlags(RepeatFlags flags) {
    repeatFlags_ = flags;
    update();
}
bool TRepeatButton::isRepeating() const {
    return repeatTimer_ && repeatTimer_->isActive();
}
void TRepeatButton::click() {
    raiseEvent(OnClick, this);
}
void TRepeatButton::paintEvent(QPaintEvent*) {}
void TRepeatButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
}
void TRepeatButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
}
void TRepeatButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
}
void TRepeatButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
}
void TRepeatButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , upButton_(new TRepeatButton(this))
    , downButton_(new TRepeatButton(this))
    , focusedButton_(upButton_) {
    resize(20, 25);
}
QSize TSpinButton::sizeHint() const {
    return {20, 25};
}
QImage TSpinButton::upGlyph() const {
    return upButton_->glyph();
}
void TSpinButton::setUpGlyph(const QImage& glyph) {
    upButton_->setGlyph(glyph);
}
QImage TSpinButton::downGlyph() const {
    return downButton_->glyph();
}
void TSpinButton::setDownGlyph(const QImage& glyph) {
    downButton_->setGlyph(glyph);
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
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}
QImage TSpinButton::builtInUpGlyph() {
    return {};
}
QImage TSpinButton::builtInDownGlyph() {
    return {};
}
void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
}
void TSpinButton::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}
void TSpinButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
}
void TSpinButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
}
bool TSpinButton::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}

} // namespace controls
