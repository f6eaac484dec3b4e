#pragma once
// The arrow buttons of the float spin edit: TSpinButton holds two TRepeatButtons stacked vertically,
// and a TRepeatButton repeats its click while it is held down (400 ms, then every 100 ms).

#include "controls/ControlEvents.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>

class QTimer;

namespace controls {

// A flat push button with a glyph, the face raised when up and sunken when down; it clicks on a left
// release over itself and, with AllowRepeat, while it is held down.
class TRepeatButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(RepeatFlags RepeatFlags READ repeatFlags WRITE setRepeatFlags)
    Q_PROPERTY(bool Down READ isDown)

public:
    enum class RepeatFlag { FocusMark = 1, AllowRepeat = 2 };
    Q_DECLARE_FLAGS(RepeatFlags, RepeatFlag)
    Q_FLAG(RepeatFlags)

    static constexpr int firstRepeatDelayMs = 400;
    static constexpr int repeatIntervalMs = 100;

    explicit TRepeatButton(QWidget* parent = nullptr);
    ~TRepeatButton() override;

    QSize sizeHint() const override;

    // The glyph holds NumGlyphs pictures side by side: up, disabled, down (a missing one falls back to
    // the up picture). The colour of the bottom-left pixel is transparent.
    QImage glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count); // kept within 1..4
    RepeatFlags repeatFlags() const { return repeatFlags_; }
    void setRepeatFlags(RepeatFlags flags);
    bool isDown() const { return down_; }
    bool isRepeating() const;

    // Raises OnClick, as a release over the button does.
    void click();

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setDown(bool down);
    void repeatTick();
    void stopTracking();
    QImage currentGlyph() const;

    QImage glyph_;
    int numGlyphs_ = 1;
    RepeatFlags repeatFlags_;
    bool down_ = false;
    bool tracking_ = false; // a left press began on the button and has not been released
    std::unique_ptr<QTimer> repeatTimer_;
};

// Two repeat buttons, the up one above the down one, overlapping by one pixel row.
class TSpinButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage UpGlyph READ upGlyph WRITE setUpGlyph)
    Q_PROPERTY(QImage DownGlyph READ downGlyph WRITE setDownGlyph)
    Q_PROPERTY(int UpNumGlyphs READ upNumGlyphs WRITE setUpNumGlyphs)
    Q_PROPERTY(int DownNumGlyphs READ downNumGlyphs WRITE setDownNumGlyphs)
    Q_PROPERTY(QWidget* FocusControl READ focusControl WRITE setFocusControl)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    static constexpr int minimumWidth = 15;

    explicit TSpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    QImage upGlyph() const;
    void setUpGlyph(const QImage& glyph); // a null image restores the built-in "SpinUp" arrow
    QImage downGlyph() const;
    void setDownGlyph(const QImage& glyph); // a null image restores the built-in "SpinDown" arrow
    int upNumGlyphs() const;
    void setUpNumGlyphs(int count);
    int downNumGlyphs() const;
    void setDownNumGlyphs(int count);
    QWidget* focusControl() const { return focusControl_; }
    void setFocusControl(QWidget* control); // forgotten when that control is destroyed
    bool tabStop() const;
    void setTabStop(bool tabStop);

    TRepeatButton* upButton() const { return upButton_; }
    TRepeatButton* downButton() const { return downButton_; }
    TRepeatButton* focusedButton() const { return focusedButton_; }

    // The built-in arrows, 9 x 6, black on olive (the transparent colour).
    static QImage builtInUpGlyph();
    static QImage builtInDownGlyph();

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutButtons();
    void setFocusedButton(TRepeatButton* button);
    void showFocusMark(bool shown);
    void pressedButton(TRepeatButton* button);

    TRepeatButton* upButton_;
    TRepeatButton* downButton_;
    TRepeatButton* focusedButton_;
    QPointer<QWidget> focusControl_;
};

} // namespace controls

Q_DECLARE_OPERATORS_FOR_FLAGS(controls::TRepeatButton::RepeatFlags)
