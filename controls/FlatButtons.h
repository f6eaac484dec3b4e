#pragma once
// A light button that reads as a flat coloured label with a thin frame, lights up with a fill colour and
// a raised one-pixel bevel while the pointer is over it, and shows a sunken bevel while it is pressed.
// It takes no keyboard focus, unless a window makes it a tab stop: then Tab reaches it and Space or
// Enter clicks it, while the mouse still leaves the focus where it was.

#include "controls/ControlEvents.h"
#include "framework/Color.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace controls {

class Surface;

class TFlatButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(framework::TColor Color READ color WRITE setColor)
    Q_PROPERTY(framework::TColor ColorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(framework::TColor ColorOverCaption READ colorOverCaption WRITE setColorOverCaption)
    Q_PROPERTY(framework::TColor ColorOver READ colorOver WRITE setColorOver)
    Q_PROPERTY(framework::TColor ColorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(bool Enabled READ buttonEnabled WRITE setButtonEnabled)
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(bool ShowCaption READ showCaption WRITE setShowCaption)
    Q_PROPERTY(Look CurrentLook READ currentLook)

public:
    enum class Look { Normal, Hover, Pressed };
    Q_ENUM(Look)

    static constexpr int defaultWidth = 86;
    static constexpr int defaultHeight = 22;

    explicit TFlatButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Widens the button about its centre when its caption, in its font, would not fit between its edges.
    void widenForCaption();

    QString caption() const { return caption_; }
    void setCaption(const QString& caption); // shows the normal look at once
    framework::TColor color() const { return color_; }
    void setColor(framework::TColor color); // shows the normal look at once
    framework::TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(framework::TColor color); // shows the normal look at once
    framework::TColor colorOverCaption() const { return colorOverCaption_; }
    void setColorOverCaption(framework::TColor color);
    framework::TColor colorOver() const { return colorOver_; }
    void setColorOver(framework::TColor color);
    framework::TColor colorDown() const { return colorDown_; }
    void setColorDown(framework::TColor color);
    // The button's own switch, apart from QWidget's enabled state: while off, it neither lights up nor
    // clicks.
    bool buttonEnabled() const { return buttonEnabled_; }
    void setButtonEnabled(bool enabled);
    QImage glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph); // the top-left pixel's colour is transparent
    bool showCaption() const { return showCaption_; }
    void setShowCaption(bool show); // shows the normal look at once

    // The look drawn last. A repaint the button did not ask for itself shows the normal look.
    Look currentLook() const { return shownLook_; }

    // Draws a look onto a surface of the control's size.
    void draw(Surface& surface, Look look, qreal devicePixelRatio = 1.0) const;

    // Raises OnClick as a release over the button does, after showing the normal look.
    void click();

    bool tabStop() const;
    void setTabStop(bool tabStop);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showLook(Look look);
    void pointerOverChanged(bool over);
    void followName();

    QString caption_;
    framework::TColor color_;
    framework::TColor colorBorder_;
    framework::TColor colorOverCaption_;
    framework::TColor colorOver_;
    framework::TColor colorDown_;
    bool buttonEnabled_ = true;
    QImage glyph_;
    bool showCaption_ = true;
    // The caption colour of the look drawn last, which the pressed look keeps: the hover one when the
    // pointer came in.
    framework::TColor lastCaptionColor_;
    bool captionAssigned_ = false;      // until then the caption is the control's name
    std::optional<Look> requestedLook_; // the look the paint in progress was asked for
    Look shownLook_ = Look::Normal;
    bool pressStartedHere_ = false;
    bool pointerOver_ = false;
};

} // namespace controls
