#pragma once
// A one-line entry field for a real number with a pair of arrow buttons inside its right edge. The text
// is the only state: reading Value parses it (MinValue when it is no number), writing Value clamps and
// formats the number back into it.

#include "controls/ControlEvents.h"
#include "framework/Color.h"

#include <QLineEdit>

namespace controls {

class TSpinButton;

class TFloatSpinEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(double Increment READ increment WRITE setIncrement)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(bool EditorEnabled READ editorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(bool ReadOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(framework::TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    // Longest text a paste may bring in; a longer one is refused with the beep.
    static constexpr int maxPasteLength = 64;

    explicit TFloatSpinEdit(QWidget* parent = nullptr);
    ~TFloatSpinEdit() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    double value() const;
    void setValue(double value);
    double increment() const { return increment_; }
    void setIncrement(double increment);
    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    bool editorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool enabled);

    // The program's write of the text: raises OnChange when the text really changes.
    void setText(const QString& text);
    // MaxLength 0 means no limit.
    int maxLength() const;
    void setMaxLength(int length);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool autoSelect);
    framework::TColor color() const { return color_; }
    void setColor(framework::TColor color);
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool ctl3D);
    bool tabStop() const;
    void setTabStop(bool tabStop);

    TSpinButton* spinButton() const { return spinButton_; }
    // Height of the font's character cell plus the frame: the field is never made lower.
    int minimumHeight() const;

    virtual bool isAcceptedChar(QChar c) const;
    virtual void stepUp();
    virtual void stepDown();

    // Cut and paste as the field allows them: only when the editor is enabled and the field is not
    // read-only; a pasted text longer than maxPasteLength is refused with the beep.
    void cut();
    void paste();

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    double clampValue(double value) const;
    bool editingAllowed() const;
    void insertPasted(const QString& text);
    void layoutSpinButton();
    void updateTextArea();
    void applyColors();
    void raiseChange();

    double minValue_ = 0;
    double maxValue_ = 0;
    double increment_ = 1.0;
    TSpinButton* spinButton_ = nullptr;
    bool editorEnabled_ = true;
    bool autoSelect_ = true;
    bool ctl3D_ = true;
    framework::TColor color_ = framework::clWhite;
};

} // namespace controls
