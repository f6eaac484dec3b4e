#include "framework/Announcement.h"

#include "framework/AccessibleFactory.h"

#include <QAccessibleWidget>

namespace framework {

namespace {

class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(TAnnouncement* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    // The message is the name without a name change of its own: showing the widget is what is heard.
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<TAnnouncement*>(widget())->message()
                                         : QAccessibleWidget::text(kind);
    }
};

} // namespace

TAnnouncement* TAnnouncement::of(QWidget* widget) {
    QWidget* window = widget->window();
    while (window->parentWidget()) {
        window = window->parentWidget()->window();
    }
    auto* existing = window->findChild<TAnnouncement*>(QString(), Qt::FindDirectChildrenOnly);
    return existing ? existing : new TAnnouncement(window);
}

TAnnouncement::TAnnouncement(QWidget* parent)
    : QWidget(parent) {
    installAccessible<TAnnouncement, AnnouncementAccessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    // Shown by its first message; until then a screen reader finds no empty notification.
    hide();
}

void TAnnouncement::announce(const QString& text) {
    message_ = text;
    hide();
    show();
}

} // namespace framework
