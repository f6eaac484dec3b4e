#pragma once
// What the storm can aim at: the window that takes input now (the open pop-up menu, else the modal
// window, else the active window), its visible and enabled widgets, and points inside them, avoiding
// the few places the storm must leave alone (the main window's "Quitter", which would end the run).

#include "Dice.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace monkey {

// "TBevelCheck 'BevelCheck3'", for the event log.
QString describe(const QObject* object);

class Targets {
public:
    // The main window is where input goes when no other window takes it.
    explicit Targets(std::function<QWidget*()> mainWindow);

    // A widget the storm must never press: the main window's "Quitter", named here by the main
    // window's objectName and the control's.
    void forbid(QString windowName, QString controlName);

    QWidget* inputWindow() const;
    bool isMainWindow(const QWidget* window) const { return window != nullptr && window == mainWindow_(); }

    // Widgets of the window (the window itself included) that a user can see and reach.
    std::vector<QWidget*> reachable(QWidget* window) const;
    // Of those, the ones accepted by a filter.
    std::vector<QWidget*> reachable(QWidget* window, const std::function<bool(QWidget*)>& accept) const;

    // A point of the widget, in the window's coordinates, where a press lands on something allowed;
    // empty when a few tries found none.
    std::optional<QPoint> pointIn(QWidget* window, QWidget* widget, Dice& dice) const;
    // Whether a press at this point of the window would land on a forbidden widget.
    bool forbidden(QWidget* window, QPoint pos) const;
    bool forbidden(const QWidget* widget) const;

private:
    std::function<QWidget*()> mainWindow_;
    std::vector<std::pair<QString, QString>> forbidden_;
};

// Push buttons, check boxes and the program's own buttons (which publish a Caption or Checked).
bool isClickable(const QWidget* widget);
// Sliders, scroll bars and splitter handles.
bool isDraggable(const QWidget* widget);

} // namespace monkey
