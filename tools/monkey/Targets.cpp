#include "Targets.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QSplitterHandle>

#include <utility>

namespace monkey {

QString describe(const QObject* object) {
    if (object == nullptr) {
        return QStringLiteral("(none)");
    }
    const QString name = object->objectName();
    const QString cls = QString::fromLatin1(object->metaObject()->className());
    return name.isEmpty() ? cls : cls + QStringLiteral(" '") + name + QLatin1Char('\'');
}

Targets::Targets(std::function<QWidget*()> mainWindow)
    : mainWindow_(std::move(mainWindow)) {}

void Targets::forbid(QString windowName, QString controlName) {
    forbidden_.emplace_back(std::move(windowName), std::move(controlName));
}

QWidget* Targets::inputWindow() const {
    // A pop-up lies above everything, a modal window blocks the others.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) {
        return active;
    }
    QWidget* main = mainWindow_();
    return main != nullptr && main->isVisible() ? main : nullptr;
}

std::vector<QWidget*> Targets::reachable(QWidget* window) const {
    return reachable(window, [](QWidget*) { return true; });
}

std::vector<QWidget*> Targets::reachable(QWidget* window, const std::function<bool(QWidget*)>& accept) const {
    std::vector<QWidget*> found;
    if (window == nullptr) {
        return found;
    }
    auto usable = [&](QWidget* w) {
        return w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0 &&
               w->window() == window && !forbidden(w) && accept(w);
    };
    if (usable(window)) {
        found.push_back(window);
    }
    // findChildren lists in creation order, which keeps the choice reproducible from the seed.
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (usable(child)) {
            found.push_back(child);
        }
    }
    return found;
}

bool Targets::forbidden(const QWidget* widget) const {
    const QWidget* window = widget->window();
    for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        for (const auto& [windowName, controlName] : forbidden_) {
            if (w->objectName() == controlName && window->objectName() == windowName) {
                return true;
            }
        }
    }
    return false;
}

bool Targets::forbidden(QWidget* window, QPoint pos) const {
    const QWidget* under = window->childAt(pos);
    return under != nullptr && forbidden(under);
}

std::optional<QPoint> Targets::pointIn(QWidget* window, QWidget* widget, Dice& dice) const {
    const QRect visible = widget->visibleRegion().boundingRect();
    const QRect area = visible.isEmpty() ? widget->rect() : visible;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const QPoint local(area.left() + static_cast<int>(dice.below(static_cast<std::size_t>(area.width()))),
                           area.top() +
                               static_cast<int>(dice.below(static_cast<std::size_t>(area.height()))));
        const QPoint pos = widget->mapTo(window, local);
        if (!forbidden(window, pos)) {
            return pos;
        }
    }
    return std::nullopt;
}

bool isClickable(const QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    return qobject_cast<const QAbstractButton*>(widget) != nullptr || meta->indexOfProperty("Caption") >= 0 ||
           meta->indexOfProperty("Checked") >= 0;
}

bool isDraggable(const QWidget* widget) {
    return qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QSplitterHandle*>(widget) != nullptr;
}

} // namespace monkey
