#include "framework/Announcement.h"

#include "framework/AccessibleFactory.h"

#include <QAccessibleWidget>

namespace framework {

namespace {

class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(TAnnouncement* widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar) {}
};

} // namespace

TAnnouncement::TAnnouncement(QWidget* parent)
    : QWidget(parent) {
    installAccessible<TAnnouncement, AnnouncementAccessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void TAnnouncement::announce(const QString& text) {
    if (accessibleName() == text) {
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        return;
    }
    setAccessibleName(text);
}

} // namespace framework
