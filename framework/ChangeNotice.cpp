#include "framework/ChangeNotice.h"

namespace framework {

void ChangeNotice::changed(QAccessibleInterface* accessible, QAccessible::Event change) {
    if (!read_ || !QAccessible::isActive()) {
        return;
    }
    read_ = false;
    QAccessibleEvent event(accessible, change);
    QAccessible::updateAccessibility(&event);
}

void ChangeNotice::changed(QObject* object, QAccessible::Event change) {
    if (!read_ || !QAccessible::isActive()) {
        return;
    }
    read_ = false;
    QAccessibleEvent event(object, change);
    QAccessible::updateAccessibility(&event);
}

} // namespace framework
