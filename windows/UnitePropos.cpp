#include "windows/UnitePropos.h"

#include "framework/Color.h"
#include "framework/QtColor.h"
#include "windows/ApplicationIcon.h"
#include "windows/FormStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace windows {

TAboutBox* AboutBox = nullptr;

namespace {

constexpr int clientWidth = 298;
constexpr int clientHeight = 213;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, int left,
                  int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

const QString& memoText() {
    static const QString text = QStringLiteral("Logiciel pour les classes de \n"
                                               "seconde. \n"
                                               "Notion d'avancement dans les \n"
                                               "réactions chimiques.\n"
                                               "\n"
                                               "Ce logiciel est un freeware.");
    return text;
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, fixedDialogBorder)
    , Panel1(new QFrame(this))
    , ProgramIcon(new QLabel(Panel1))
    , OKButton(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setFont(formFont());
    setBackground(this, framework::clPaleYellow);
    setFixedSize(clientWidth, clientHeight);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    // A groove: the outer bevel lowered, the inner one raised.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setGeometry(10, 8, 281, 161);

    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setAccessibleName(QStringLiteral("Icône du programme"));
    ProgramIcon->setPixmap(programPicture());
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setGeometry(8, 8, 65, 57);

    const QFont bold = pixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    Label1 =
        makeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Nom du produit: MOLVANEX"), bold, 80, 14);
    Version = makeLabel(Panel1, QStringLiteral("Version"),
                        QStringLiteral("Version: ") + QStringLiteral(MOLVANEX_VERSION), bold, 80, 30);
    ProductName = makeLabel(Panel1, QStringLiteral("ProductName"),
                            QStringLiteral("Nom de l'auteur: Équipe Molvanex"), bold, 80, 46);
    ProductName->resize(197, ProductName->height());
    Comments = makeLabel(Panel1, QStringLiteral("Comments"), QStringLiteral("Commentaires"),
                         pixelFont(QStringLiteral("MS Sans Serif"), 11, false, true), 8, 70);
    Comments->setWordWrap(true);

    MemoAPropos = new QPlainTextEdit(memoText(), Panel1);
    MemoAPropos->setObjectName(QStringLiteral("MemoAPropos"));
    MemoAPropos->setAccessibleName(QStringLiteral("Commentaires"));
    MemoAPropos->setReadOnly(true);
    MemoAPropos->setFrameShape(QFrame::NoFrame);
    MemoAPropos->setFont(bold);
    MemoAPropos->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoAPropos->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MemoAPropos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The memo only shows text: Enter always reaches the default button.
    MemoAPropos->setFocusPolicy(Qt::NoFocus);
    MemoAPropos->document()->setDocumentMargin(0);
    QPalette memoPalette = MemoAPropos->palette();
    memoPalette.setColor(QPalette::Base, framework::toQColor(framework::clPaleYellow));
    MemoAPropos->setPalette(memoPalette);
    MemoAPropos->setGeometry(82, 70, 185, 87);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAccessibleName(QStringLiteral("OK"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    OKButton->setFocus();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace windows
