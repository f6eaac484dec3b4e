// What a screen reader learns of the program's controls: the check box reads as a check box with its
// state, the buttons as push buttons that can be pressed. The float spin edit is a QLineEdit and keeps
// Qt's own description of an editable text, its value being the text.

#include "controls/BevelCheck.h"
#include "controls/ControlSupport.h"
#include "controls/FlatButtons.h"
#include "controls/GlyphBtn.h"
#include "controls/Spin.h"
#include "framework/ErrorGuard.h"

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
