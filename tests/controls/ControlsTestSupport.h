#pragma once
// Shared by the tests of the program's own controls: mouse input routed through the window system as
// real input is (enter and leave, the implicit grab of a press, double clicks), a host window on the
// offscreen platform, a beep counter and pixel helpers.

#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include "controls/ControlEvents.h"
#include "framework/Color.h"
#include "framework/QtColor.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace controls_test {

// Counts the beeps with which the controls refuse input, for the life of the counter.
class BeepCounter {
public:
    BeepCounter() {
        controls::setBeepHook([this] { ++count_; });
    }
    ~BeepCounter() { controls::setBeepHook({}); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    int count() const { return count_; }

private:
    int count_ = 0;
};

// A top-level window in the program's pale yellow and 8-point sans-serif, shown and active, for the
// controls under test to sit on.
class HostWindow {
public:
    explicit HostWindow(QSize size = QSize(240, 120))
        : window_(std::make_unique<QWidget>()) {
        window_->resize(size);
        QPalette p = window_->palette();
        p.setColor(QPalette::Window, framework::toQColor(framework::clPaleYellow));
        window_->setPalette(p);
        window_->setAutoFillBackground(true);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        window_->setFont(font);
    }
    QWidget* widget() const { return window_.get(); }
    // Shows the window and waits until it is exposed and active, so that focus changes are delivered.
    bool show() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        window_->activateWindow();
        return QTest::qWaitForWindowExposed(window_.get()) && QTest::qWaitForWindowActive(window_.get());
    }

private:
    std::unique_ptr<QWidget> window_;
};

// What the window system shows of a widget right now (its window's backing store), as opposed to
// QWidget::grab(), which paints the widget afresh.
inline QImage onScreen(const QWidget& widget) {
    const QWidget* top = widget.window();
    const QPoint origin = widget.mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), origin.x(), origin.y(), widget.width(), widget.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

inline QImage grabbed(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb rgbOf(framework::TColor color) {
    return framework::toQColor(color).rgb();
}

inline ::testing::AssertionResult pixelIs(const QImage& image, int x, int y, framework::TColor expected) {
    const QRgb actual = image.pixel(x, y) | 0xFF000000u;
    const QRgb wanted = rgbOf(expected) | 0xFF000000u;
    if (actual == wanted) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel (" << x << ", " << y << ") is " << std::hex << actual << ", expected " << wanted;
}

} // namespace controls_test
