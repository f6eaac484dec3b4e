#include "framework/Menu.h"

#include "framework/ErrorGuard.h"
#include "framework/PopupAccessibility.h"

namespace framework {

QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption,
                     std::function<void()> handler, bool checkable) {
    installPopupAccessibility();
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setCheckable(checkable);
    QObject::connect(action, &QAction::triggered, action,
                     [handler = std::move(handler)] { guarded(handler); });
    return action;
}

} // namespace framework
