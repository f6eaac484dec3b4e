#pragma once
// A one-line edit whose text change event runs for a user's change and for a program's change alike,
// and only when the text really changes; a program's change runs the handler before the setter returns.

#include "framework/Events.h"

#include <QLineEdit>

namespace framework {

// No field of the program is meant for more than a line: a longer paste (a whole document, thousands of
// invisible characters) is cut there rather than laid out and drawn for tens of milliseconds.
inline constexpr int longestFieldText = 256;

class TEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
public:
    explicit TEdit(QWidget* parent = nullptr);

    void setText(const QString& text); // hides QLineEdit::setText so that the program's writes raise OnChange
    // A borderless, read-only field that only shows a value (the state table's quantities).
    void makeDisplayOnly();
    // The whole text selected whenever the field takes the focus other than by a click, so that what the
    // pupil types replaces it.
    void setAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }

    NotifyEvent OnChange;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool autoSelect_ = false;
};

} // namespace framework
