#pragma once
// A question the user answers with two named buttons ("&Remplacer" / "&Non"), asked before the program
// replaces or undertakes something. Its text is shown as typed, never read as markup.

#include <QMessageBox>
#include <QString>

namespace framework {

struct Question {
    QMessageBox::Icon icon = QMessageBox::Question;
    QString title;
    QString text;
    QString objectName; // by which tests find the box
    QString yes;
    QString no;
    // The button Enter presses: the cautious one unless the question says otherwise; NoButton leaves
    // the choice to the platform's style.
    QMessageBox::StandardButton byDefault = QMessageBox::No;
};

// Whether the user answered yes.
bool confirmed(QWidget* parent, const Question& question);

} // namespace framework
