#include "framework/WorkAreaFit.h"

#include "framework/ErrorGuard.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace framework {

namespace {

// The share of the work area's width and height a window not yet framed keeps clear, one tenth.
constexpr int unframedShare = 10;

// The frame the window manager drew around a window it has mapped; nothing for one not yet shown.
std::optional<QMargins> drawnFrame(const QWidget* window) {
    const QWindow* handle = window != nullptr ? window->windowHandle() : nullptr;
    if (handle == nullptr || !handle->isExposed()) {
        return std::nullopt;
    }
    return handle->frameMargins();
}

} // namespace

WorkAreaFit::WorkAreaFit(QWidget& window, WorkArea workArea, Border border)
    : QObject(&window)
    , window_(window)
    , workArea_(std::move(workArea))
    , border_(border) {
    window_.installEventFilter(this);
    // A panel added or removed changes the work area of the screen.
    for (QScreen* screen : QGuiApplication::screens()) {
        connect(screen, &QScreen::availableGeometryChanged, this, framework::guard([this] { refit(); }));
    }
}

void WorkAreaFit::refit() {
    if (!fitted_ || *fitted_ != room()) {
        fit();
    }
}

WorkAreaFit::Room WorkAreaFit::room() const {
    const QRect area = workArea_();
    if (const auto own = drawnFrame(&window_)) {
        return {area, *own, true};
    }
    // Before the window is framed, its owner's frame is the best guess: one window manager draws both.
    const QWidget* owner = window_.parentWidget() != nullptr ? window_.parentWidget()->window() : nullptr;
    return {area, drawnFrame(owner).value_or(QMargins()), false};
}

void WorkAreaFit::fit() {
    const Room now = room();
    fitted_ = now;
    QRect target = now.area.marginsRemoved(now.frame);
    if (!now.framed) {
        // A window that maps as large as the work area, frame included, may be maximised by the window
        // manager on its own, and the frame is still a guess: until framed, the window keeps a tenth of
        // the work area's width and height clear.
        target.setSize(target.size() - now.area.size() / unframedShare);
    }
    if (border_ == Border::Fixed &&
        (window_.minimumSize() != target.size() || window_.maximumSize() != target.size())) {
        window_.setFixedSize(target.size());
    }
    // A window manager may have maximised the window on its own: a maximised window keeps the size the
    // manager gives it, not the one asked for.
    if (window_.windowState() & Qt::WindowMaximized) {
        window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
    }
    if (window_.geometry() != target) {
        window_.setGeometry(target);
    }
}

bool WorkAreaFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The window manager frames the window before it shows it: the first exposure tells the frame.
    const bool exposed = type == QEvent::Expose && watched == window_.windowHandle();
    const bool changed =
        watched == &window_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
         type == QEvent::WindowStateChange ||
         type == QEvent::WindowActivate); // not the deactivation, which a closing window receives
    if (exposed || changed) {
        framework::guarded([&] {
            if (type == QEvent::Show && window_.windowHandle() != nullptr) {
                window_.windowHandle()->installEventFilter(this);
            }
            refit();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace framework
