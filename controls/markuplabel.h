#pragma once
// TMarkupLabel: a label whose text is markup (see MarkupEngine.h) instead of a plain caption. The
// windows show every chemical formula and every side of an equation with it:
//
//     auto* label = new controls::TMarkupLabel(parent);
//     label->setObjectName(QStringLiteral("Reactifs"));
//     label->setSurfaceFont({QStringLiteral("Times New Roman"), 24, true, false, false, false,
//                            framework::clWhite});
//     label->setAutoSizing(true);
//     label->setMarkup(QStringLiteral("   2  Cu(s)   +   CO<sub>2</sub>(g)"));  // or HTMLText().add()
//     label->setHint(QStringLiteral("dioxyde de carbone"));
//
// The label is drawn on its parent's background (Transparent is on unless set off). Its font is a
// SurfaceFont (face, pixel size, style and colour); QWidget::setFont() is followed as well, keeping the
// colour. With AutoSizing on, the label takes its size from a measuring layout whenever its text, font or
// a property that shapes the layout changes, so the size is right before the first paint; painting never
// resizes.
//
// Links (<A href="name">value</A>) are params: the value can be changed by a click, a pop-up menu or a
// pop-up list box through the OnParam... events.

#include "controls/MarkupEngine.h"
#include "controls/MarkupImageList.h"
#include "controls/Surface.h"
#include "framework/PictureCache.h"

#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QMenu;

namespace controls {

class TMarkupLabel;

// The label's own list of markup lines. Every change repaints the label and fits its auto size; the
// lines are joined without any separator before rendering.
class TMarkupStrings {
public:
    const QStringList& lines() const { return lines_; }
    qsizetype count() const { return lines_.size(); }
    const QString& operator[](qsizetype index) const { return lines_[index]; }

    void clear();
    void add(const QString& line);
    void assign(const QStringList& lines);
    // The lines joined with line breaks; setText splits at line breaks ("\r\n", "\n" or "\r").
    QString text() const;
    void setText(const QString& text);

private:
    friend class TMarkupLabel;
    explicit TMarkupStrings(TMarkupLabel& owner)
        : owner_(owner) {}
    void changed();

    TMarkupLabel& owner_;
    QStringList lines_;
};

// The pop-up list box a label shows for a param's values. A top-level pop-up window: its position is
// in screen coordinates.
class TPopupListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TPopupListBox(TMarkupLabel* owner);

    TMarkupLabel* OwnerLabel = nullptr;
    QString ListParam; // the param whose values the list shows

    // Gives the focus back to the label's window and hides.
    void closeUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TMarkupLabel : public QWidget {
    Q_OBJECT
public:
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(TBevelCut)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)
    // Only the auto size follows the alignment; placing the label is the window's business.
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    Q_PROPERTY(bool AutoSizing READ autoSizing WRITE setAutoSizing)
    Q_PROPERTY(TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Hover READ hover WRITE setHover)
    Q_PROPERTY(framework::TColor HoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(framework::TColor HoverFontColor READ hoverFontColor WRITE setHoverFontColor)
    Q_PROPERTY(QStringList HTMLText READ htmlLines WRITE setHTMLText)
    Q_PROPERTY(framework::TColor ParamColor READ paramColor WRITE setParamColor)
    Q_PROPERTY(bool ParamHint READ paramHint WRITE setParamHint)
    Q_PROPERTY(framework::TColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowOffset READ shadowOffset WRITE setShadowOffset)
    Q_PROPERTY(TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(framework::TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(controls::SurfaceFont Font READ surfaceFont WRITE setSurfaceFont)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)

public:
    explicit TMarkupLabel(QWidget* parent = nullptr);
    ~TMarkupLabel() override;

    QSize sizeHint() const override;

    // The markup lines. HTMLText().clear() / add() / setText() repaint and fit the auto size.
    TMarkupStrings& HTMLText() { return htmlText_; }
    const TMarkupStrings& HTMLText() const { return htmlText_; }
    QStringList htmlLines() const { return htmlText_.lines(); }
    void setHTMLText(const QStringList& lines);
    // Replaces the text by one line.
    void setMarkup(const QString& markup);
    // All lines joined with nothing between them: the text the label renders.
    virtual QString GetMarkupText() const;

    bool autoSizing() const { return autoSizing_; }
    void setAutoSizing(bool on);
    TBevelCut bevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelCut cut);
    TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut cut);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width); // 1 or more
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width); // 0 or more
    TBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TBorderStyle style);
    bool hover() const { return hover_; }
    void setHover(bool on); // off also resets HoverColor and HoverFontColor to clNone
    TColor hoverColor() const { return hoverColor_; }
    void setHoverColor(TColor color);
    TColor hoverFontColor() const { return hoverFontColor_; }
    void setHoverFontColor(TColor color);
    TColor paramColor() const { return paramColor_; }
    void setParamColor(TColor color);
    bool paramHint() const { return paramHint_; }
    void setParamHint(bool on); // on also turns ShowHint on
    TColor shadowColor() const { return shadowColor_; }
    void setShadowColor(TColor color);
    int shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(int offset);
    TAlign align() const { return align_; }
    void setAlign(TAlign align);
    // The background colour: filled when Transparent is off, and the colour blinking text takes.
    // Until set it follows the parent's background.
    TColor color() const;
    void setColor(TColor color);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    const SurfaceFont& surfaceFont() const { return font_; }
    void setSurfaceFont(const SurfaceFont& font);
    // The ordinary tooltip, shown while ShowHint is on (it is on at creation).
    QString hint() const { return hint_; }
    void setHint(const QString& hint);
    bool showHint() const { return showHint_; }
    void setShowHint(bool on);
    TImageList* images() const { return images_; }
    void setImages(TImageList* images); // referenced, not owned

    // A param's value: the text between the end of its opening link tag and the next "<".
    QString GetParamValue(const QString& href) const;
    void SetParamValue(const QString& href, const QString& newValue);
    struct ParamHit {
        QString href; // empty when no link lies under the point
        Rect rect;
    };
    ParamHit HitTestParam(int x, int y);

    // Param events; an unassigned one is skipped.
    std::function<void(QObject* Sender, const QString& href, QString& value)> OnParamClick;
    std::function<void(QObject* Sender, const QString& href, QStringList& values, bool& DoPopup)>
        OnParamPopup;
    std::function<void(QObject* Sender, const QString& href, QStringList& values, bool& DoPopup)> OnParamList;
    std::function<void(QObject* Sender, const QString& href, const QString& value)> OnParamSelect;
    std::function<void(QObject* Sender, const QString& href, const QString& oldvalue,
                       const QString& newvalue)>
        OnParamChanged;
    std::function<void(QObject* Sender, const QString& href, QString& hintvalue, bool& showhint)> OnParamHint;
    std::function<void(QObject* Sender, const QString& href, const QString& value)> OnParamEnter;
    std::function<void(QObject* Sender, const QString& href, const QString& value)> OnParamExit;
    // The ordinary mouse events of a label.
    using MouseEvent = std::function<void(QObject* Sender, Qt::MouseButton button,
                                          Qt::KeyboardModifiers shift, int x, int y)>;
    std::function<void(QObject* Sender)> OnClick;
    std::function<void(QObject* Sender)> OnDblClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;

    // State kept between mouse events.
    int hoverLink() const { return hoverLink_; }
    const QString& lastParam() const { return lastParam_; }
    QMenu* paramMenu() const { return paramMenu_; }
    TPopupListBox* listBox() const { return listBox_; }

protected:
    // Repaints and fits the auto size.
    virtual void MarkupChanged();

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class TMarkupStrings;
    friend class TPopupListBox;

    // Where the markup is laid out (inside the frames), for painting, auto-sizing and hit testing alike.
    Rect textRect() const;
    void drawFrame(Surface& surface, Rect& rect) const;
    void drawPicture(QPainter& painter, const QRect& visible) const;
    MarkupResult measureWhole(MarkupRequest request, bool growsDown) const;
    MarkupRequest request(bool paint, QPoint point) const;
    void fitAutoSize();
    void propertyChanged(bool affectsLayout);
    void applyToolTip();
    void InvalidateParamRect(const Rect& rect);
    void paramMouseDown();
    void showParamMenu(const QString& href, const Rect& area, const QStringList& values);
    void showParamList(const QString& href, const Rect& area, const QStringList& values);
    void paramMenuClick(const QString& caption);
    bool showParamTooltip(const QPoint& pos, const QPoint& globalPos);

    TMarkupStrings htmlText_;
    bool autoSizing_ = false;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    bool hover_ = false;
    TColor hoverColor_ = framework::clNone;
    TColor hoverFontColor_ = framework::clNone;
    TColor paramColor_ = framework::clGreen;
    bool paramHint_ = false;
    TColor shadowColor_ = framework::clGray;
    int shadowOffset_ = 2;
    TAlign align_ = alNone;
    TColor color_ = framework::clNone; // clNone: the parent's background
    bool transparent_ = true;
    SurfaceFont font_;
    QString hint_;
    bool showHint_ = true;
    QPointer<TImageList> images_;

    int hoverLink_ = -1;
    QString lastParam_;
    Rect lastParamRect_;
    QPoint mousePos_{-1, -1};
    QMenu* paramMenu_ = nullptr;
    QString popupParam_;
    TPopupListBox* listBox_ = nullptr;

    // What the picture shows besides the properties, whose every change counts a new look: a text
    // that GetMarkupText() builds, the parent's background, the hovered link, images added to the list.
    struct PictureKey {
        quint64 lookVersion = 0;
        QString markup;
        TColor background = framework::clNone;
        qint64 palette = 0;
        int hoverLink = -1;
        const TImageList* images = nullptr;
        int imageCount = 0;
        friend bool operator==(const PictureKey&, const PictureKey&) = default;
    };
    PictureKey pictureKey() const;
    quint64 lookVersion_ = 0;
    framework::PictureCache<PictureKey> picture_;
};

} // namespace controls
