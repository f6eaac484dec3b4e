#include "framework/PopupAccessibility.h"

#include "framework/ErrorGuard.h"

#include <QAccessible>
#include <QAccessibleApplication>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace framework {

namespace {

// A menu opened by an item of another open menu belongs to that menu.
bool isSubmenuOfOpenMenu(const QMenu* menu) {
    const QList<QObject*> holders = menu->menuAction()->associatedObjects();
    return std::any_of(holders.begin(), holders.end(), [menu](QObject* holder) {
        auto* parent = qobject_cast<QMenu*>(holder);
        return parent && parent != menu && parent->isVisible();
    });
}

QList<QMenu*> openMenus() {
    QList<QMenu*> menus;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        if (menu && menu->isVisible() && !isSubmenuOfOpenMenu(menu)) {
            menus.append(menu);
        }
    }
    return menus;
}

class ApplicationWithPopups final : public QAccessibleApplication {
public:
    int childCount() const override { return QAccessibleApplication::childCount() + int(openMenus().size()); }
    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows) {
            return QAccessibleApplication::child(index);
        }
        const QList<QMenu*> menus = openMenus();
        return index - windows < menus.size()
                   ? QAccessible::queryAccessibleInterface(menus.at(index - windows))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int window = QAccessibleApplication::indexOfChild(child);
        if (window >= 0 || !child) {
            return window;
        }
        const int menu = int(openMenus().indexOf(qobject_cast<QMenu*>(child->object())));
        return menu < 0 ? -1 : QAccessibleApplication::childCount() + menu;
    }
};

QAccessibleInterface* applicationFactory(const QString&, QObject* object) {
    return object && object == qApp ? new ApplicationWithPopups : nullptr;
}

// Tells a screen reader that a menu joins or leaves the application's children.
class PopupWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && QAccessible::isActive()) {
            if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->isWindow()) {
                guarded([&] {
                    QAccessibleEvent change(menu, type == QEvent::Show ? QAccessible::ObjectCreated
                                                                       : QAccessible::ObjectDestroyed);
                    QAccessible::updateAccessibility(&change);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void installPopupAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&applicationFactory);
        // Qt makes the application's view as soon as a screen reader asks: one made before is replaced.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(qApp);
        if (made && !dynamic_cast<ApplicationWithPopups*>(made)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
        qApp->installEventFilter(new PopupWatcher(qApp));
        return true;
    }();
    (void)installed;
}

} // namespace framework
