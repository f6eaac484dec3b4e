#include "framework/TrackBar.h"

#include "framework/AccessibleFactory.h"
#include "framework/Announcement.h"
#include "framework/ErrorGuard.h"
#include "framework/QuietChange.h"

#include <QAccessibleWidget>
#include <QSignalBlocker>

namespace framework {

namespace {

// The slider's accessible value: its position as a number for the value interface, and as the text
// its owner gives for reading aloud, which is its description too.
class TrackBarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TrackBarAccessible(TTrackBar* bar)
        : QAccessibleWidget(bar, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value || (kind == QAccessible::Description && bar()->ValueText)) {
            QString value;
            guarded(
                [&] { value = bar()->ValueText ? bar()->ValueText() : QString::number(bar()->position()); });
            bar()->valueTextRead();
            return value;
        }
        return QAccessibleWidget::text(kind);
    }
    // The program's own moves are not told, position by position.
    bool isValid() const override { return QAccessibleWidget::isValid() && !QuietChange::underway(widget()); }
    QVariant currentValue() const override { return bar()->position(); }
    void setCurrentValue(const QVariant& value) override { bar()->setPosition(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    TTrackBar* bar() const { return static_cast<TTrackBar*>(widget()); }
};

} // namespace

TTrackBar::TTrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    installAccessible<TTrackBar, TrackBarAccessible>();
    setRange(0, 10);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, [this] { guarded([this] { userChanged(); }); });
}

void TTrackBar::setPosition(int position) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        const QuietChange quiet(this);
        setValue(position);
    }
    changed();
}

void TTrackBar::userChanged() {
    changed();
    if (ValueText) {
        TAnnouncement::of(this)->announce(ValueText());
    }
}

void TTrackBar::changed() {
    raiseEvent(OnChange, this);
    if (ValueText) {
        valueTextNotice_.changed(this, QAccessible::DescriptionChanged);
    }
}

} // namespace framework
