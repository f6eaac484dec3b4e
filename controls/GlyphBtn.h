#pragma once
// A self-drawn push button with chamfered corners, a small coloured glyph beside its caption, hot
// tracking, a pressed look, word-wrapped captions, and the dialog-button duties Default, Cancel and
// ModalResult.

#include "controls/ControlEvents.h"
#include "controls/Surface.h"
#include "framework/Color.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class QMenu;
class QShortcut;

namespace controls {

class TGlyphButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TGlyphBtnAbout About READ about WRITE setAbout)
    Q_PROPERTY(bool AutoHeight READ autoHeight WRITE setAutoHeight)
    Q_PROPERTY(bool Cancel READ isCancel WRITE setCancel)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(int ModalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(QImage ActiveGlyph READ activeGlyph WRITE setActiveGlyph)
    Q_PROPERTY(QImage DisabledGlyph READ disabledGlyph WRITE setDisabledGlyph)
    Q_PROPERTY(QImage DownActiveGlyph READ downActiveGlyph WRITE setDownActiveGlyph)
    Q_PROPERTY(QImage InactiveGlyph READ inactiveGlyph WRITE setInactiveGlyph)
    Q_PROPERTY(framework::TColor ActiveColor READ activeColor WRITE setActiveColor)
    Q_PROPERTY(framework::TColor ActiveOutlineColor READ activeOutlineColor WRITE setActiveOutlineColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(TGlyphBtnType ControlType READ controlType WRITE setControlType)
    Q_PROPERTY(framework::TColor InactiveColor READ inactiveColor WRITE setInactiveColor)
    Q_PROPERTY(TGlyphPosition Position READ position WRITE setPosition)
    Q_PROPERTY(bool ShowGlyph READ showGlyph WRITE setShowGlyph)
    Q_PROPERTY(framework::TColor TransparentColor READ transparentColor WRITE setTransparentColor)
    Q_PROPERTY(bool UseCustomGlyphs READ useCustomGlyphs WRITE setUseCustomGlyphs)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(framework::TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(TMouseState MouseState READ mouseState)

public:
    enum TGlyphBtnAbout { abNone, abAbout };
    Q_ENUM(TGlyphBtnAbout)
    enum TGlyphBtnType { bsButton, bsRadioButton, bsUpButton, bsDownButton };
    Q_ENUM(TGlyphBtnType)
    enum TGlyphPosition { bsTop, bsBottom, bsLeft, bsRight };
    Q_ENUM(TGlyphPosition)
    enum TMouseState { Normal, Hot, Pressed, PressedOutside };
    Q_ENUM(TMouseState)

    static constexpr int defaultWidth = 70;
    static constexpr int defaultHeight = 23;

    explicit TGlyphButton(QWidget* parent = nullptr);
    ~TGlyphButton() override;

    QSize sizeHint() const override;

    // Assigning abAbout shows the control's name and version; the property always reads abNone.
    TGlyphBtnAbout about() const { return abNone; }
    void setAbout(TGlyphBtnAbout about);
    bool autoHeight() const { return autoHeight_; }
    void setAutoHeight(bool autoHeight);
    bool isCancel() const { return cancel_; }
    void setCancel(bool cancel);
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    int modalResult() const { return modalResult_; }
    void setModalResult(int result);
    QImage activeGlyph() const { return customGlyphs_[hotGlyph]; }
    void setActiveGlyph(const QImage& glyph);
    QImage disabledGlyph() const { return customGlyphs_[disabledGlyphIndex]; }
    void setDisabledGlyph(const QImage& glyph);
    QImage downActiveGlyph() const { return customGlyphs_[pressedGlyph]; }
    void setDownActiveGlyph(const QImage& glyph);
    QImage inactiveGlyph() const { return customGlyphs_[normalGlyph]; }
    void setInactiveGlyph(const QImage& glyph);
    framework::TColor activeColor() const { return activeColor_; }
    void setActiveColor(framework::TColor color);
    framework::TColor activeOutlineColor() const { return activeOutlineColor_; }
    void setActiveOutlineColor(framework::TColor color);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    TGlyphBtnType controlType() const { return controlType_; }
    void setControlType(TGlyphBtnType type);
    framework::TColor inactiveColor() const { return inactiveColor_; }
    void setInactiveColor(framework::TColor color);
    TGlyphPosition position() const { return position_; }
    void setPosition(TGlyphPosition position);
    bool showGlyph() const { return showGlyph_; }
    void setShowGlyph(bool show);
    framework::TColor transparentColor() const { return transparentColor_; }
    void setTransparentColor(framework::TColor color);
    bool useCustomGlyphs() const { return useCustomGlyphs_; }
    void setUseCustomGlyphs(bool use);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    framework::TColor color() const { return color_; }
    void setColor(framework::TColor color);
    bool tabStop() const;
    void setTabStop(bool tabStop);
    // A pop-up menu the button only refers to; a right press over the button then drops hot tracking.
    QMenu* popupMenu() const;
    void setPopupMenu(QMenu* menu);

    TMouseState mouseState() const { return mouseState_; }
    bool showsDefault() const { return showsDefault_; }
    // The caption's lines after wrapping (empty when it could not be wrapped) and their width.
    QStringList wrappedLines() const;
    int wrapWidth() const;

    // The built-in glyph of a type and look, as stored with the program.
    enum GlyphLook { hotGlyph, disabledGlyphIndex, pressedGlyph, normalGlyph };
    static QImage builtInGlyph(TGlyphBtnType type, GlyphLook look);

    // A click from the program: writes ModalResult and raises OnClick, as a mouse click does.
    void click();
    // A click from the keyboard: the pressed look is shown while ModalResult is written.
    void keyboardClick();

    // Draws the control as it is now onto a surface of its size.
    void draw(Surface& surface, qreal devicePixelRatio = 1.0) const;

    // Enter and Escape as the window routes them: returns whether the button took the key and clicked.
    bool dialogKey(int key, Qt::KeyboardModifiers modifiers);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Where glyph and caption go, and the caption's lines: one computation for painting, the focus
    // mark and the automatic height.
    struct Layout {
        Rect glyph;
        Rect caption;
        bool wrapped = false; // WordWrap with a line count other than one
        QStringList lines;
        int wrapWidth = 0;
        int lineHeight = 0;
    };
    struct Wrap {
        QStringList lines;
        int width = 0;
        Rect rect; // at (0, 0)
    };

    Wrap wrapCaption(const Surface& surface, const QImage& glyph) const;
    Layout layout(const Surface& surface, const QImage& glyph) const;
    SurfaceFont captionFont() const;
    void drawFocusMark(Surface& surface, const Layout& layout) const;
    void drawOutline(Surface& surface) const;
    bool focusMarkDue() const;
    bool canTakeFocus() const;

    void setMouseState(TMouseState state);
    void press(QMouseEvent* event, bool doubleClick);
    void pointerEntered();
    void pointerLeft();
    void runClick(bool fromKeyboard);
    void loadBuiltInGlyphs();
    void contentChanged();
    void recomputeHeight();
    QImage currentGlyph() const;
    void updateAccelerator();
    void watchWindowKeys();

    bool keyboardClick_ = false;
    bool showsDefault_ = false;
    std::array<QImage, 4> builtInGlyphs_;
    std::array<QImage, 4> customGlyphs_;
    TMouseState mouseState_ = Normal;

    bool autoHeight_ = false;
    bool cancel_ = false;
    bool default_ = false;
    int modalResult_ = 0;
    TColor activeColor_;
    TColor activeOutlineColor_;
    TColor inactiveColor_;
    TColor transparentColor_;
    TColor color_;
    QString caption_;
    TGlyphBtnType controlType_ = bsButton;
    TGlyphPosition position_ = bsLeft;
    bool showGlyph_ = true;
    bool useCustomGlyphs_ = false;
    bool wordWrap_ = true;
    bool pressStartedHere_ = false; // a left press (not the second of a double click) began over it
    bool polished_ = false;
    QPointer<QMenu> popupMenu_;
    QShortcut* accelerator_ = nullptr;
};

// Offers Enter or Escape, pressed in a control of a window, to the window's styled buttons: the focused
// one first, then the others in the order they were made. Returns whether a button took it.
bool routeDialogKey(QWidget& from, int key, Qt::KeyboardModifiers modifiers);

} // namespace controls
