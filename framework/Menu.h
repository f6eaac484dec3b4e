#pragma once
// Pop-up menu items whose choice runs a handler inside the error guard. A program that builds its menus
// here has them read by a screen reader while they are open (PopupAccessibility.h).

#include <QAction>
#include <QMenu>

#include <functional>

namespace framework {

QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption,
                     std::function<void()> handler, bool checkable = false);

} // namespace framework
