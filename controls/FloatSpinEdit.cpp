#include "controls/FloatSpinEdit.h"

#include "controls/ControlSupport.h"
#include "controls/GlyphBtn.h"
#include "controls/QtSurface.h"
#include "controls/Spin.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/QtColor.h"
#include "framework/QuietChange.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>

namespace controls {

using framework::guarded;

namespace {

constexpr int spinButtonWidth = 15;
constexpr int spinButtonHeight = 17;
constexpr int thinBorder = 1;
constexpr int sunkenFrame = 2; // the sunken 3-D frame drawn around the field
constexpr int flatFrame = 1;
constexpr char16_t enterChar = 13;
constexpr char16_t backspaceChar = 8;

constexpr TColor cl3DDkShadow = framework::systemColor(21);
constexpr TColor cl3DLight = framework::systemColor(22);
constexpr TColor clWindowFrame = framework::systemColor(6);

QChar localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TFloatSpinEdit::TFloatSpinEdit(QWidget* parent)
    : QLineEdit(parent)
    , spinButton_(new TSpinButton(this)) {
    installControlAccessibility();
    // The frame is ours (sunken and two pixels wide), so that the buttons sit inside it.
    setFrame(false);
    setAcceptDrops(false);
    setTabStop(true);
    spinButton_->resize(spinButtonWidth, spinButtonHeight);
    spinButton_->setFocusControl(this);
    spinButton_->OnUpClick = [this](QObject*) { stepUp(); };
    spinButton_->OnDownClick = [this](QObject*) { stepDown(); };
    spinButton_->show();
    {
        const QSignalBlocker blocker(this);
        QLineEdit::setText(QStringLiteral("0.0"));
    }
    QLineEdit::setMaxLength(32767);
    applyColors();
    setMinimumHeight(minimumHeight());
    connect(this, &QLineEdit::textEdited, this, [this] { guarded([this] { raiseChange(); }); });
    layoutSpinButton();
}

TFloatSpinEdit::~TFloatSpinEdit() {
    // The buttons go with the field as its child; the field forgets them first so that nothing reaches
    // them while they are being destroyed.
    spinButton_ = nullptr;
}

QSize TFloatSpinEdit::sizeHint() const {
    return {121, minimumHeight()};
}

QSize TFloatSpinEdit::minimumSizeHint() const {
    return {spinButtonWidth + 2 * sunkenFrame, minimumHeight()};
}

// ---- value ----

double TFloatSpinEdit::value() const {
    return framework::lenientReal(text(), minValue_);
}

double TFloatSpinEdit::clampValue(double v) const {
    // Equal bounds mean no bounds at all.
    if (maxValue_ == minValue_) {
        return v;
    }
    if (v < minValue_) {
        return minValue_;
    }
    if (v > maxValue_) {
        return maxValue_;
    }
    return v;
}

void TFloatSpinEdit::setValue(double v) {
    // Every write goes through the 15-digit text, so repeated steps of 0.1 never show residue.
    setText(framework::textG15(clampValue(v)));
}

void TFloatSpinEdit::setIncrement(double increment) {
    increment_ = increment;
}

void TFloatSpinEdit::setMinValue(double value) {
    minValue_ = value;
}

void TFloatSpinEdit::setMaxValue(double value) {
    maxValue_ = value;
}

void TFloatSpinEdit::setEditorEnabled(bool enabled) {
    editorEnabled_ = enabled;
}

void TFloatSpinEdit::setText(const QString& text) {
    if (text == this->text()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        const framework::QuietChange quiet(this);
        QLineEdit::setText(text);
    }
    // A step or a written number is one new value for a screen reader, which then speaks what the field
    // shows, rather than a deletion and an insertion of text; a typed character is echoed as typed.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value());
        QAccessible::updateAccessibility(&event);
    }
    raiseChange();
}

void TFloatSpinEdit::raiseChange() {
    raiseEvent(OnChange, this);
}

void TFloatSpinEdit::stepUp() {
    if (isReadOnly()) {
        systemBeep();
        return;
    }
    setValue(value() + increment_);
}

void TFloatSpinEdit::stepDown() {
    if (isReadOnly()) {
        systemBeep();
        return;
    }
    setValue(value() - increment_);
}

// ---- plain properties ----

int TFloatSpinEdit::maxLength() const {
    const int length = QLineEdit::maxLength();
    return length >= 32767 ? 0 : length;
}

void TFloatSpinEdit::setMaxLength(int length) {
    QLineEdit::setMaxLength(length <= 0 ? 32767 : length);
}

void TFloatSpinEdit::setAutoSelect(bool autoSelect) {
    autoSelect_ = autoSelect;
}

void TFloatSpinEdit::setColor(TColor color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    applyColors();
    update();
}

void TFloatSpinEdit::applyColors() {
    QPalette p = palette();
    p.setColor(QPalette::Base, framework::toQColor(color_));
    setPalette(p);
}

void TFloatSpinEdit::setCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) {
        return;
    }
    ctl3D_ = ctl3D;
    layoutSpinButton();
    update();
}

bool TFloatSpinEdit::tabStop() const {
    return focusPolicy() & Qt::TabFocus;
}

void TFloatSpinEdit::setTabStop(bool tabStop) {
    // A left press gives the field the focus (mousePressEvent); Qt's click focus would follow a right or
    // middle press too.
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

// ---- character filter, cut and paste ----

bool TFloatSpinEdit::isAcceptedChar(QChar c) const {
    const char16_t code = c.unicode();
    const bool accepted = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
                          c == QLatin1Char('-') || c == localeDecimalSeparator() ||
                          (code < 32 && code != enterChar);
    if (!accepted) {
        return false;
    }
    // A locked editor still lets the control characters through (copy, select all...), but nothing that
    // would change the text.
    return editorEnabled_ || (code < 32 && code != backspaceChar);
}

bool TFloatSpinEdit::editingAllowed() const {
    return editorEnabled_ && !isReadOnly();
}

void TFloatSpinEdit::cut() {
    if (editingAllowed()) {
        QLineEdit::cut();
    }
}

void TFloatSpinEdit::paste() {
    if (editingAllowed()) {
        insertPasted(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    }
}

void TFloatSpinEdit::insertPasted(const QString& text) {
    // A paste bypasses the character filter: whatever it brings reads as MinValue until it is a number,
    // and is normalised when the field is left. Only an overlong text is refused.
    if (text.size() > maxPasteLength) {
        systemBeep();
        return;
    }
    insert(text);
}

// ---- keyboard ----

void TFloatSpinEdit::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        int key = event->key();
        if (key == Qt::Key_Up) {
            stepUp();
        } else if (key == Qt::Key_Down) {
            stepDown();
        }
        raiseEvent(OnKeyDown, this, key, shiftStateOf(*event));
        if (key == 0) {
            return;
        }
        if (isEnterKey(key)) {
            setValue(value());
            // Enter goes to the window's default button if one takes it; otherwise it reaches the
            // filter, which never lets a line break in.
            if (!routeDialogKey(*this, key, event->modifiers())) {
                systemBeep();
            }
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            paste();
            return;
        }
        if (event->matches(QKeySequence::Cut)) {
            cut();
            return;
        }
        if (!editorEnabled_ && (key == Qt::Key_Delete || event->matches(QKeySequence::Undo) ||
                                event->matches(QKeySequence::Redo))) {
            systemBeep();
            return;
        }
        // The characters a key produces go through the filter; Delete and the keys combined with Alt
        // produce none that could be typed.
        const QString typed = event->text();
        const bool producesChars = !typed.isEmpty() && key != Qt::Key_Delete &&
                                   !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
        if (producesChars) {
            for (const QChar c : typed) {
                if (!isAcceptedChar(c)) {
                    systemBeep();
                    return;
                }
            }
        }
        QLineEdit::keyPressEvent(event);
        // The arrows and Enter are ours; the rest goes on to the window when the line edit leaves it.
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            event->accept();
        }
    });
}

void TFloatSpinEdit::inputMethodEvent(QInputMethodEvent* event) {
    guarded([&] {
        QString accepted;
        bool refused = false;
        for (const QChar c : event->commitString()) {
            if (isAcceptedChar(c)) {
                accepted += c;
            } else {
                refused = true;
            }
        }
        if (refused) {
            systemBeep();
        }
        if (!refused || !accepted.isEmpty()) {
            QInputMethodEvent filtered(event->preeditString(), event->attributes());
            filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
            QLineEdit::inputMethodEvent(&filtered);
        }
        event->accept();
    });
}

// ---- focus and mouse ----

void TFloatSpinEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    guarded([&] {
        // A press of the mouse inside the field places the caret; every other way in (the arrows'
        // press among them) selects the text.
        if (autoSelect_ && event->reason() != Qt::MouseFocusReason) {
            selectAll();
        }
    });
}

void TFloatSpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    guarded([&] {
        // Leaving for another control of the window normalises what is left in the field; switching to
        // another window or opening a menu is no leaving.
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            setValue(value());
        }
    });
}

void TFloatSpinEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
    QLineEdit::mousePressEvent(event);
}

void TFloatSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the desktop has one; it follows the paste rules.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        guarded([&] {
            if (editingAllowed()) {
                setCursorPosition(cursorPositionAt(event->position().toPoint()));
                insertPasted(QGuiApplication::clipboard()->text(QClipboard::Selection));
            }
        });
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TFloatSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    guarded([&] {
        QMenu menu(this);
        const bool editable = editingAllowed();
        const bool selected = hasSelectedText();
        QAction* undoAction = menu.addAction(QStringLiteral("Annuler"), this, [this] { undo(); });
        undoAction->setEnabled(editable && isUndoAvailable());
        menu.addSeparator();
        menu.addAction(QStringLiteral("Couper"), this, [this] { cut(); })->setEnabled(editable && selected);
        menu.addAction(QStringLiteral("Copier"), this, [this] { copy(); })->setEnabled(selected);
        menu.addAction(QStringLiteral("Coller"), this, [this] { paste(); })
            ->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
        menu.addAction(QStringLiteral("Supprimer"), this, [this] { del(); })
            ->setEnabled(editable && selected);
        menu.addSeparator();
        menu.addAction(QStringLiteral("Sélectionner tout"), this, [this] { selectAll(); })
            ->setEnabled(!text().isEmpty());
        menu.exec(event->globalPos());
    });
    event->accept();
}

// ---- layout and frame ----

int TFloatSpinEdit::minimumHeight() const {
    const int h = QFontMetrics(font()).height();
    const int s = QFontMetrics(QFont(QStringLiteral("System"))).height();
    return h + std::min(s, h) / 4 + 4 * thinBorder + 2;
}

void TFloatSpinEdit::layoutSpinButton() {
    if (!spinButton_) {
        return;
    }
    const int frame = ctl3D_ ? sunkenFrame : flatFrame;
    const int buttonWidth = spinButton_->width();
    // In the coordinates inside the frame: 5 pixels from the right edge with the sunken frame, flush
    // with it with the flat one; kept inside the frame in either case.
    const int left = std::min(frame + (ctl3D_ ? width() - buttonWidth - 5 : width() - buttonWidth),
                              width() - frame - buttonWidth);
    const int top = frame + (ctl3D_ ? 0 : 1);
    const int buttonHeight = ctl3D_ ? height() - 5 : height() - 3;
    spinButton_->setGeometry(left, top, buttonWidth, std::max(0, buttonHeight));
    updateTextArea();
}

void TFloatSpinEdit::updateTextArea() {
    // The text runs up to two pixels short of the buttons, never under them.
    const int frame = ctl3D_ ? sunkenFrame : flatFrame;
    const int clientWidth = width() - 2 * frame;
    const int textRight = clientWidth - spinButton_->width() - 2;
    setTextMargins(frame, frame, std::max(0, width() - frame - textRight), frame);
}

void TFloatSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    guarded([&] {
        if (height() < minimumHeight()) {
            resize(width(), minimumHeight());
            return;
        }
        layoutSpinButton();
    });
}

void TFloatSpinEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    guarded([&] {
        if (event->type() == QEvent::FontChange) {
            setMinimumHeight(minimumHeight());
        }
    });
}

void TFloatSpinEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    guarded([&] {
        QPainter painter(this);
        QtSurface surface(painter);
        Surface& s = surface;
        const Rect r{0, 0, width(), height()};
        if (!ctl3D_) {
            s.setBrush(clWindowFrame);
            s.frameRect(r);
            return;
        }
        // The sunken frame of a field: shadow outside, dark shadow inside on the top and left edges,
        // highlight and light on the bottom and right ones.
        const std::pair<TColor, TColor> rings[] = {{framework::clBtnShadow, framework::clBtnHighlight},
                                                   {cl3DDkShadow, cl3DLight}};
        Rect ring = r;
        for (const auto& [topLeft, bottomRight] : rings) {
            s.setPen(topLeft);
            s.moveTo(ring.left, ring.bottom - 1);
            s.lineTo(ring.left, ring.top);
            s.lineTo(ring.right, ring.top);
            s.setPen(bottomRight);
            s.moveTo(ring.right - 1, ring.top + 1);
            s.lineTo(ring.right - 1, ring.bottom - 1);
            s.lineTo(ring.left - 1, ring.bottom - 1);
            ring = ring.inflated(-1);
        }
    });
}

} // namespace controls
