#pragma once
// A one-line edit whose text change event runs for a user's change and for a program's change alike,
// and only when the text really changes; a program's change runs the handler before the setter returns.

#include "framework/Events.h"

#include <QLineEdit>

namespace framework {

class TEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
public:
    explicit TEdit(QWidget* parent = nullptr);

    void setText(const QString& text); // hides QLineEdit::setText so that the program's writes raise OnChange
    // A borderless, read-only field that only shows a value (the state table's quantities).
    void makeDisplayOnly();

    NotifyEvent OnChange;
};

} // namespace framework
