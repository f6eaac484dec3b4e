#include "framework/Edit.h"

#include "framework/ErrorGuard.h"

#include <QFocusEvent>
#include <QSignalBlocker>

namespace framework {

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent) {
    setMaxLength(longestFieldText);
    connect(this, &QLineEdit::textEdited, this, [this] { guarded([this] { raiseEvent(OnChange, this); }); });
}

void TEdit::setText(const QString& text) {
    if (text == QLineEdit::text()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        QLineEdit::setText(text);
    }
    raiseEvent(OnChange, this);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (autoSelect_ && event->reason() != Qt::MouseFocusReason) {
        guarded([this] { selectAll(); });
    }
}

void TEdit::makeDisplayOnly() {
    setReadOnly(true);
    setFrame(false);
    // Not a tab stop: Tab goes from field to field, and a screen reader reads the shown values in the
    // table that holds them.
    setFocusPolicy(Qt::NoFocus);
    setTextMargins(0, 0, 0, 0);
}

} // namespace framework
