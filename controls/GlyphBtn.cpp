#include "controls/GlyphBtn.h"

#include "controls/Surface.h"

#include <QMenu>

namespace controls {

TGlyphButton::TGlyphButton(QWidget* parent)
    : QWidget(parent)
    , activeColor_(framework::rgb(128, 128, 128))
    , activeOutlineColor_(framework::clWhite)
    , inactiveColor_(framework::rgb(192, 192, 192))
    , transparentColor_(framework::clBlack)
    , color_(framework::clPaleYellow) {
    resize(defaultWidth, defaultHeight);
    setFocusPolicy(Qt::StrongFocus);
}
TGlyphButton::~TGlyphButton() = default;
QSize TGlyphButton::sizeHint() const {
    return {defaultWidth, defaultHeight};
}
void TGlyphButton::setAbout(TGlyphBtnAbout) {}
void TGlyphButton::setAutoHeight(bool autoHeight) {
    autoHeight_ = autoHeight;
}
void TGlyphButton::setCancel(bool cancel) {
    cancel_ = cancel;
}
void TGlyphButton::setDefault(bool isDefault) {
    default_ = isDefault;
}
void TGlyphButton::setModalResult(int result) {
    modalResult_ = result;
}
void TGlyphButton::setActiveGlyph(const QImage& glyph) {
    customGlyphs_[hotGlyph] = glyph;
}
void TGlyphButton::setDisabledGlyph(const QImage& glyph) {
    customGlyphs_[disabledGlyphIndex] = glyph;
}
void TGlyphButton::setDownActiveGlyph(const QImage& glyph) {
    customGlyphs_[pressedGlyph] = glyph;
}
void TGlyphButton::setInactiveGlyph(const QImage& glyph) {
    customGlyphs_[normalGlyph] = glyph;
}
void TGlyphButton::setActiveColor(framework::TColor color) {
    activeColor_ = color;
}
void TGlyphButton::setActiveOutlineColor(framework::TColor color) {
    activeOutlineColor_ = color;
}
void TGlyphButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}
void TGlyphButton::setControlType(TGlyphBtnType type) {
    controlType_ = type;
}
void TGlyphButton::setInactiveColor(framework::TColor color) {
    inactiveColor_ = color;
}
void TGlyphButton::setPosition(TGlyphPosition position) {
    position_ = position;
}
void TGlyphButton::setShowGlyph(bool show) {
    showGlyph_ = show;
}
void TGlyphButton::setTransparentColor(framework::TColor color) {
    transparentColor_ = color;
}
void TGlyphButton::setUseCustomGlyphs(bool use) {
    useCustomGlyphs_ = use;
}
void TGlyphButton::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
}
void TGlyphButton::setColor(framework::TColor color) {
    color_ = color;
}
bool TGlyphButton::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}
void TGlyphButton::setTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}
QMenu* TGlyphButton::popupMenu() const {
    return popupMenu_;
}
void TGlyphButton::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}
QImage TGlyphButton::builtInGlyph(TGlyphBtnType, GlyphLook) {
    return {};
}
void TGlyphButton::click() {
    raiseEvent(OnClick, this);
}
void TGlyphButton::keyboardClick() {
    click();
}
void TGlyphButton::draw(Surface&, qreal) const {}
bool TGlyphButton::dialogKey(int, Qt::KeyboardModifiers) {
    return false;
}
bool routeDialogKey(QWidget&, int, Qt::KeyboardModifiers) {
    return false;
}
bool TGlyphButton::event(QEvent* event) {
    return QWidget::event(event);
}
void TGlyphButton::paintEvent(QPaintEvent*) {}
void TGlyphButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
}
void TGlyphButton::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
}
void TGlyphButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
}
void TGlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
}
void TGlyphButton::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
}
void TGlyphButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
}
void TGlyphButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
}
void TGlyphButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
}
void TGlyphButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
}
void TGlyphButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
}

} // namespace controls
