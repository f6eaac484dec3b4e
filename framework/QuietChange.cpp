#include "framework/QuietChange.h"

#include <QVariant>
#include <QWidget>

namespace framework {

namespace {
constexpr const char* quietProperty = "molvanexQuietChange";
}

QuietChange::QuietChange(QWidget* widget)
    : widget_(widget)
    , outer_(!underway(widget)) {
    widget_->setProperty(quietProperty, true);
}

QuietChange::~QuietChange() {
    if (outer_) {
        widget_->setProperty(quietProperty, QVariant());
    }
}

bool QuietChange::underway(const QWidget* widget) {
    return widget->property(quietProperty).toBool();
}

} // namespace framework
