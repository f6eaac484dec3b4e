#pragma once
// Keeps a top-level window on the desktop's work area, its frame covering it: the client area is the work
// area less the frame the window manager draws around the window. That frame is known once the window
// manager has framed the mapped window (on X11 it tells it as _NET_FRAME_EXTENTS, which Qt reads as the
// window's frame margins); until then the frame of the window's framed owner stands in for it. Window
// managers differ: one maps a window at one size and maximises it later, another never maximises a
// window of fixed size, another maximises a window as large as the screen on its own, and one that does
// so for a window without a maximise button leaves it stuck past the screen's edge. Rather than asking
// any of them to maximise, the window maps clearly smaller than the work area, then, once framed, asks
// for the very place and size it needs, again whenever the work area or its frame changes, and only
// then, so that a size the user or a window manager chose afterwards for a sizeable window stays.

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace framework {

class WorkAreaFit final : public QObject {
    Q_OBJECT
public:
    using WorkArea = std::function<QRect()>;
    // A fixed border keeps the fitted size as the window's only size.
    enum class Border { Sizeable, Fixed };

    WorkAreaFit(QWidget& window, WorkArea workArea, Border border);

    // Fits the window now, with the frame known at this moment.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a fit depends on: the work area, the frame, and whether that frame is the window's own.
    struct Room {
        QRect area;
        QMargins frame;
        bool framed = false;
        bool operator==(const Room&) const = default;
    };

    Room room() const;
    // Fits again when the work area or the frame changed since the last fit.
    void refit();

    QWidget& window_;
    WorkArea workArea_;
    Border border_;
    std::optional<Room> fitted_;
};

} // namespace framework
