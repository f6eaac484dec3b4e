#include "controls/FloatSpinEdit.h"

#include "controls/Spin.h"
#include "framework/LocaleText.h"

namespace controls {

TFloatSpinEdit::TFloatSpinEdit(QWidget* parent)
    : QLineEdit(parent)
    , spinButton_(new TSpinButton(this)) {
    QLineEdit::setText(QStringLiteral("0.0"));
    connect(this, &QLineEdit::textEdited, this, [this] { raiseEvent(OnChange, this); });
}
TFloatSpinEdit::~TFloatSpinEdit() = default;
QSize TFloatSpinEdit::sizeHint() const {
    return {121, minimumHeight()};
}
QSize TFloatSpinEdit::minimumSizeHint() const {
    return {0, minimumHeight()};
}
double TFloatSpinEdit::value() const {
    return framework::lenientReal(text(), minValue_);
}
double TFloatSpinEdit::clampValue(double v) const {
    if (maxValue_ == minValue_) {
        return v;
    }
    return v < minValue_ ? minValue_ : v > maxValue_ ? maxValue_ : v;
}
void TFloatSpinEdit::setValue(double v) {
    setText(framework::textG15(clampValue(v)));
}
void TFloatSpinEdit::setIncrement(double increment) {
    increment_ = increment;
}
void TFloatSpinEdit::setMinValue(double value) {
    minValue_ = value;
}
void TFloatSpinEdit::setMaxValue(double value) {
    maxValue_ = value;
}
void TFloatSpinEdit::setEditorEnabled(bool enabled) {
    editorEnabled_ = enabled;
}
void TFloatSpinEdit::setText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        QLineEdit::setText(text);
    }
    raiseEvent(OnChange, this);
}
int TFloatSpinEdit::maxLength() const {
    return QLineEdit::maxLength();
}
void TFloatSpinEdit::setMaxLength(int length) {
    QLineEdit::setMaxLength(length);
}
void TFloatSpinEdit::setAutoSelect(bool autoSelect) {
    autoSelect_ = autoSelect;
}
void TFloatSpinEdit::setColor(framework::TColor color) {
    color_ = color;
}
void TFloatSpinEdit::setCtl3D(bool ctl3D) {
    ctl3D_ = ctl3D;
}
bool TFloatSpinEdit::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}
void TFloatSpinEdit::setTabStop(bool tabStop) {
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}
int TFloatSpinEdit::minimumHeight() const {
    return 22;
}
bool TFloatSpinEdit::isAcceptedChar(QChar) const {
    return true;
}
void TFloatSpinEdit::stepUp() {
    setValue(value() + increment_);
}
void TFloatSpinEdit::stepDown() {
    setValue(value() - increment_);
}
void TFloatSpinEdit::cut() {
    QLineEdit::cut();
}
void TFloatSpinEdit::paste() {
    QLineEdit::paste();
}
void TFloatSpinEdit::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
}
void TFloatSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
    QLineEdit::inputMethodEvent(event);
}
void TFloatSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
}
void TFloatSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
}
void TFloatSpinEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
}
void TFloatSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
}
void TFloatSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    QLineEdit::contextMenuEvent(event);
}
void TFloatSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
}
void TFloatSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
}

} // namespace controls
