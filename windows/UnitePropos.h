#pragma once
// The About box, AboutBox: the product's name, version and authors, a few lines on what the program is
// for, and its picture. OK (the default button, so Enter presses it), Escape or the close box end it.

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace windows {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);

private:
    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* Label1;
    QLabel* Version;
    QLabel* ProductName;
    QLabel* Comments;
    QPlainTextEdit* MemoAPropos;
    QPushButton* OKButton;
};

// The box while it is shown, as the program's units name it; null otherwise.
extern TAboutBox* AboutBox;

} // namespace windows
