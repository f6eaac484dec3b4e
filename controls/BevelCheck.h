#pragma once
// A self-drawn check box: an 11 x 11 bevelled square with a hand-drawn check mark and an optional
// embossed caption. Every change of State, by the user or by the program, raises OnClick once; a left
// mouse click raises it once more before the box toggles.

#include "controls/ControlEvents.h"
#include "framework/Color.h"

#include <QWidget>

class QShortcut;

namespace controls {

class Surface;

class TBevelCheck : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(framework::TColor CheckColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(TCheckStyle CheckStyle READ checkStyle WRITE setCheckStyle)
    Q_PROPERTY(framework::TColor Color_High READ colorHigh WRITE setColorHigh)
    Q_PROPERTY(framework::TColor Color_Low READ colorLow WRITE setColorLow)
    Q_PROPERTY(bool Down READ isDown WRITE setDown)
    Q_PROPERTY(TCheckBoxState State READ state WRITE setState)
    Q_PROPERTY(TTextStyle TextStyle READ textStyle WRITE setTextStyle)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(framework::TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    enum TAlignment { taLeft, taRight };
    Q_ENUM(TAlignment)
    enum TCheckStyle { ckRaised, ckFlat };
    Q_ENUM(TCheckStyle)
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)
    enum TTextStyle { txNone, txRaised, txLowered };
    Q_ENUM(TTextStyle)

    static constexpr int defaultWidth = 81;
    static constexpr int defaultHeight = 17;

    explicit TBevelCheck(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    framework::TColor checkColor() const { return checkColor_; }
    void setCheckColor(framework::TColor color); // repaints at once
    TCheckStyle checkStyle() const { return checkStyle_; }
    void setCheckStyle(TCheckStyle style);
    framework::TColor colorHigh() const { return colorHigh_; }
    void setColorHigh(framework::TColor color);
    framework::TColor colorLow() const { return colorLow_; }
    void setColorLow(framework::TColor color);
    bool isDown() const { return down_; }
    void setDown(bool down);
    TCheckBoxState state() const { return state_; }
    void setState(TCheckBoxState state); // raises OnClick when it changes
    TTextStyle textStyle() const { return textStyle_; }
    void setTextStyle(TTextStyle style);
    bool isChecked() const { return state_ == cbChecked; }
    void setChecked(bool checked);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The background: the parent's colour while ParentColor is set; assigning a colour clears it.
    framework::TColor color() const;
    void setColor(framework::TColor color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool parentColor);
    bool tabStop() const;
    void setTabStop(bool tabStop);

    // Draws the control as it is now onto a surface of its size.
    void draw(Surface& surface, qreal devicePixelRatio = 1.0) const;

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;

Q_SIGNALS:
    // Every change of State, just before OnClick: for observers that must not take OnClick's place.
    void stateChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool withinBounds(const QPoint& pos) const;
    void press(QMouseEvent* event, bool doubleClick);
    void toggle();
    void acceleratorPressed();
    void updateAccelerator();
    void letGo();

    TAlignment alignment_ = taLeft;
    framework::TColor checkColor_ = framework::clBlack;
    TCheckStyle checkStyle_ = ckRaised;
    framework::TColor colorHigh_;
    framework::TColor colorLow_;
    bool down_ = false;
    TCheckBoxState state_ = cbUnchecked;
    TTextStyle textStyle_ = txRaised;
    QString caption_;
    framework::TColor color_;
    bool parentColor_ = true;
    bool mouseHeld_ = false;   // the mouse is captured by a press on the box
    bool leftPressed_ = false; // a left press (not the second of a double click) began on the box
    QShortcut* accelerator_ = nullptr;
};

} // namespace controls
