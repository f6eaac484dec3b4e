#pragma once
// A screen reader's view of one widget class: installAccessible<Widget, Accessible>() makes every
// Widget (exactly that class, not its subclasses) read through an Accessible built on it. Installing
// twice installs once.

#include <QAccessible>
#include <QString>

namespace framework {

template <class Widget, class Accessible>
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(Widget::staticMetaObject.className()) && object &&
        object->isWidgetType()) {
        return new Accessible(static_cast<Widget*>(object));
    }
    return nullptr;
}

template <class Widget, class Accessible> void installAccessible() {
    static const bool installed = (QAccessible::installFactory(&accessibleFor<Widget, Accessible>), true);
    (void)installed;
}

} // namespace framework
