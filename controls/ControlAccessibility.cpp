// What a screen reader learns of the program's controls: the check box reads as a check box with its
// state, the buttons as push buttons that can be pressed, the float spin edit as a spin field whose
// value is its number and whose text is what it shows ("2,5"), which a screen reader speaks as it
// changes.

#include "controls/BevelCheck.h"
#include "controls/ControlSupport.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/Spin.h"
#include "framework/ErrorGuard.h"
#include "framework/QuietChange.h"

#include <QAccessibleWidget>

namespace controls {

namespace {

class ButtonAccessible : public QAccessibleWidget {
public:
    ButtonAccessible(QWidget* widget, std::function<QString()> caption, std::function<void()> press)
        : QAccessibleWidget(widget, QAccessible::Button)
        , caption_(std::move(caption))
        , press_(std::move(press)) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return caption_ ? caption_() : QString();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled()) {
            framework::guarded(press_);
        }
    }

private:
    std::function<QString()> caption_;
    std::function<void()> press_;
};

class GlyphButtonAccessible final : public ButtonAccessible {
public:
    explicit GlyphButtonAccessible(TGlyphButton* button)
        : ButtonAccessible(
              button, [button] { return withoutAccelerator(button->caption()); },
              [button] { button->click(); })
        , button_(button) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.defaultButton = button_->isDefault();
        s.pressed = button_->mouseState() == TGlyphButton::Pressed;
        return s;
    }

private:
    TGlyphButton* button_;
};

class CheckAccessible final : public QAccessibleWidget {
public:
    explicit CheckAccessible(TBevelCheck* check)
        : QAccessibleWidget(check, QAccessible::CheckBox)
        , check_(check) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && check_->accessibleName().isEmpty()) {
            return withoutAccelerator(check_->caption());
        }
        if (t == QAccessible::Value) {
            return stateText(check_->state());
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = check_->state() == TBevelCheck::cbChecked;
        s.checkStateMixed = check_->state() == TBevelCheck::cbGrayed;
        s.pressed = check_->isDown();
        return s;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && check_->isEnabled()) {
            framework::guarded([this] { check_->setChecked(!check_->isChecked()); });
        }
    }

    static QString stateText(TBevelCheck::TCheckBoxState state) {
        switch (state) {
        case TBevelCheck::cbChecked:
            return QStringLiteral("coché");
        case TBevelCheck::cbGrayed:
            return QStringLiteral("indéterminé");
        case TBevelCheck::cbUnchecked:
            break;
        }
        return QStringLiteral("non coché");
    }

private:
    TBevelCheck* check_;
};

class FloatSpinAccessible final : public QAccessibleWidget,
                                  public QAccessibleValueInterface,
                                  public QAccessibleTextInterface {
public:
    explicit FloatSpinAccessible(TFloatSpinEdit* edit)
        : QAccessibleWidget(edit, QAccessible::SpinBox)
        , edit_(edit) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface:
            return static_cast<QAccessibleTextInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
        }
    }
    bool isValid() const override {
        return QAccessibleWidget::isValid() && !framework::QuietChange::underway(edit_);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? edit_->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit_->isReadOnly();
        s.readOnly = edit_->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // The value, its bounds (none when they are equal) and its step.
    QVariant currentValue() const override { return edit_->value(); }
    void setCurrentValue(const QVariant& value) override {
        framework::guarded([&] { edit_->setValue(value.toDouble()); });
    }
    QVariant maximumValue() const override { return edit_->maxValue(); }
    QVariant minimumValue() const override { return edit_->minValue(); }
    QVariant minimumStepSize() const override { return edit_->increment(); }

    // The text as the field shows it, with its caret and its selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit_->hasSelectedText()) {
            *startOffset = edit_->selectionStart();
            *endOffset = *startOffset + edit_->selectionLength();
        }
    }
    int selectionCount() const override { return edit_->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        edit_->setSelection(startOffset, endOffset - startOffset);
    }
    void removeSelection(int) override { edit_->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override {
        edit_->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit_->cursorPosition(); }
    void setCursorPosition(int position) override { edit_->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return edit_->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit_->text().size()); }
    QRect characterRect(int offset) const override {
        const QString shown = edit_->text();
        const QFontMetrics metrics = edit_->fontMetrics();
        const int left = edit_->contentsRect().left() + edit_->textMargins().left() +
                         metrics.horizontalAdvance(shown.left(offset));
        const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 0;
        const int top = (edit_->height() - metrics.height()) / 2;
        return {edit_->mapToGlobal(QPoint(left, top)), QSize(width, metrics.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit_->cursorPositionAt(edit_->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    TFloatSpinEdit* edit_;
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    if (auto* check = qobject_cast<TBevelCheck*>(object)) {
        return new CheckAccessible(check);
    }
    if (auto* button = qobject_cast<TGlyphButton*>(object)) {
        return new GlyphButtonAccessible(button);
    }
    if (auto* flat = qobject_cast<TFlatButton*>(object)) {
        return new ButtonAccessible(
            flat, [flat] { return flat->caption(); }, [flat] { flat->click(); });
    }
    if (auto* spin = qobject_cast<TFloatSpinEdit*>(object)) {
        return new FloatSpinAccessible(spin);
    }
    if (auto* repeat = qobject_cast<TRepeatButton*>(object)) {
        return new ButtonAccessible(repeat, {}, [repeat] { repeat->click(); });
    }
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&controlAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace controls
