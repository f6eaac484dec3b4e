#pragma once
// Pop-up menus in a screen reader's tree. Qt leaves every pop-up window (every QMenu on the screen) out
// of the application's children, so a screen reader walking the tree finds no open menu, and the menu's
// own place in its parent reads as unknown. Once installed, the application reads with its windows and
// every pop-up menu open at the moment (a submenu stays inside the menu it opens from); a menu that
// opens or closes is told as a child added to or removed from the application. Qt itself moves the
// focus from item to item, which a screen reader speaks with each item's check state.

namespace framework {

// Once per program, after the QApplication exists; installing again changes nothing.
void installPopupAccessibility();

} // namespace framework
