#include "framework/FocusMark.h"

#include "framework/ErrorGuard.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>

namespace framework {

namespace {

// The focus arrives from the keyboard by Tab, Shift+Tab, an accelerator or a control's own keys (the
// arrows of a row of boxes); a return to the window or the end of a menu keeps what it was before.
enum class Origin { Keyboard, Mouse, Unchanged };

Origin originOf(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return Origin::Keyboard;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return Origin::Unchanged;
    default:
        return Origin::Mouse;
    }
}

} // namespace

FocusMark::FocusMark(QWidget* page)
    : QWidget(page) {
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::watch(QWidget* control, QWidget* companion, std::function<QRect()> area) {
    watched_.push_back({control, companion, std::move(area), false});
    control->installEventFilter(this);
    if (companion) {
        companion->installEventFilter(this);
    }
}

FocusMark::Watched* FocusMark::find(QObject* object) {
    for (Watched& w : watched_) {
        if (w.control == object || w.companion == object) {
            return &w;
        }
    }
    return nullptr;
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    guarded([&] {
        Watched* w = find(watched);
        if (!w) {
            return;
        }
        switch (event->type()) {
        case QEvent::FocusIn:
            if (w->control == watched) {
                const Origin origin = originOf(static_cast<QFocusEvent*>(event)->reason());
                if (origin != Origin::Unchanged) {
                    w->byKeyboard = origin == Origin::Keyboard;
                }
                target_ = w->control;
                follow(*w);
            }
            break;
        case QEvent::KeyPress:
            // A key typed on a control clicked before shows where the keyboard is.
            if (w->control == watched && !w->byKeyboard) {
                w->byKeyboard = true;
                follow(*w);
            }
            break;
        case QEvent::FocusOut:
            if (w->control == watched && target_ == watched) {
                target_ = nullptr;
                hide();
            }
            break;
        case QEvent::KeyRelease: // a key may have moved the area within the control
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (target_ == w->control) {
                follow(*w);
            }
            break;
        default:
            break;
        }
    });
    return QWidget::eventFilter(watched, event);
}

void FocusMark::follow(const Watched& watched) {
    QWidget* control = watched.control;
    if (!control || !watched.byKeyboard || !control->isVisible() || !control->hasFocus()) {
        hide();
        return;
    }
    const auto onPage = [this](const QWidget* widget) {
        return QRect(widget->mapTo(parentWidget(), QPoint(0, 0)), widget->size());
    };
    QRect frame = onPage(control);
    if (watched.area) {
        frame = watched.area().translated(frame.topLeft()).adjusted(-1, -1, 1, 1);
    }
    if (watched.companion && watched.companion->isVisible()) {
        frame |= onPage(watched.companion);
    }
    setGeometry(frame);
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    guarded([&] {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    });
}

} // namespace framework
