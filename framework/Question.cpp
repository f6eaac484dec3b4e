#include "framework/Question.h"

#include <QAbstractButton>

namespace framework {

bool confirmed(QWidget* parent, const Question& question) {
    QMessageBox box(question.icon, question.title, question.text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(question.objectName);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question.byDefault);
    box.button(QMessageBox::Yes)->setText(question.yes);
    box.button(QMessageBox::No)->setText(question.no);
    return box.exec() == QMessageBox::Yes;
}

} // namespace framework
