#include "windows/UniteNewEquation.h"

#include "controls/MarkupImageList.h" // markuplabel.h holds a QPointer to it
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/StaticText.h"
#include "windows/FormStyle.h"
#include "windows/UpDown.h"

#include <QFrame>
#include <QVBoxLayout>

namespace windows {

TFicheNouvelleEquation* FicheNouvelleEquation = nullptr;

namespace {

constexpr int clientWidth = 641;
constexpr int clientHeight = 400;
constexpr int reactantsHeight = 138;
constexpr int productsHeight = 160;
constexpr int leftBevelWidth = 304;
constexpr int coefficientMaximum = 100;

struct Placed {
    const char* name;
    int left;
    int top;
};
struct Field {
    const char* name;
    int left;
    int top;
    int width;
};

} // namespace

// One of the four groups, by the names and places its controls have in the form.
struct TFicheNouvelleEquation::SpeciesGroup {
    Placed title;
    const char* titleCaption;
    Placed nameCaption;
    const char* nameCaptionText;
    Field nameField;
    Placed plainLabel;
    Field plainField;
    Placed markupLabel;
    Field markupField;
    Placed preview;
    Placed coefficientCaption;
    Field coefficientField;
    Placed upDown;
};

namespace {

framework::TStaticText* caption(QWidget* parent, const Placed& placed, const QString& text) {
    auto* label = new framework::TStaticText(parent);
    label->setObjectName(QString::fromLatin1(placed.name));
    label->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    setTextColor(label, framework::clNavy);
    label->move(placed.left, placed.top);
    label->setCaption(text);
    return label;
}

framework::TEdit* edit(QWidget* parent, const Field& field, const QString& accessibleName,
                       const QString& text = {}) {
    auto* edit = new framework::TEdit(parent);
    edit->setObjectName(QString::fromLatin1(field.name));
    edit->setAccessibleName(accessibleName);
    edit->setGeometry(field.left, field.top, field.width, 21);
    edit->setText(text);
    return edit;
}

QFrame* bevel(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

// A panel of two groups framed by two bevels, the left one leftBevelWidth wide.
QWidget* groupPanel(QWidget* parent, const char* name, const char* leftBevel, const char* rightBevel) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    setBackground(panel, framework::clPaleYellow);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QFrame* left = bevel(panel, leftBevel);
    left->setFixedWidth(leftBevelWidth);
    layout->addWidget(left);
    layout->addWidget(bevel(panel, rightBevel), 1);
    return panel;
}

} // namespace

TFicheNouvelleEquation::TFicheNouvelleEquation(QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("FicheNouvelleEquation"));
    setWindowTitle(QStringLiteral("Nouvelle Equation"));
    setFont(formFont());
    setBackground(this, framework::clPaleYellow);
    resize(clientWidth, clientHeight);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    setBackground(panel1, framework::clPaleYellow);
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(panel1);
    auto* stack = new QVBoxLayout(panel1);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    QWidget* reactants = groupPanel(panel1, "Panel2", "Bevel1", "Bevel2");
    reactants->setFixedHeight(reactantsHeight);
    QWidget* products = groupPanel(panel1, "PanelProduits", "Bevel3", "Bevel4");
    products->setFixedHeight(productsHeight);
    auto* panel3 = new QWidget(panel1);
    panel3->setObjectName(QStringLiteral("Panel3"));
    setBackground(panel3, framework::clPaleYellow);
    stack->addWidget(reactants);
    stack->addWidget(products);
    stack->addWidget(panel3, 1);

    static constexpr const char* reactantName = "Nom du réactif";
    static constexpr const char* productName = "Nom du produit";
    static const std::array<SpeciesGroup, 4> groups{{
        {{"StaticText1", 12, 4},
         "REACTIFS n°1",
         {"StaticText9", 10, 30},
         reactantName,
         {"NomReactif1", 98, 28, 201},
         {"Label1", 10, 54},
         {"Edit1", 10, 68, 121},
         {"Label7", 148, 54},
         {"EditHTML1", 148, 68, 121},
         {"HTML1", 148, 92},
         {"StaticText2", 14, 114},
         {"CoefReactifs1", 178, 112, 33},
         {"UpDownReactifs1", 211, 112}},
        {{"StaticText3", 336, 6},
         "REACTIFS n°2",
         {"StaticText10", 330, 28},
         reactantName,
         {"NomReactifs2", 422, 26, 207},
         {"Label3", 332, 56},
         {"EditReactifs2", 332, 70, 121},
         {"Label4", 474, 56},
         {"EditHTML2", 474, 70, 121},
         {"HTML2", 474, 94},
         {"StaticText4", 338, 116},
         {"CoefReactifs2", 504, 114, 35},
         {"UpDownReactifs2", 539, 114}},
        {{"StaticText5", 12, 4},
         "PRODUITS n°1",
         {"StaticText11", 10, 30},
         productName,
         {"NomProduit1", 100, 28, 201},
         {"Label2", 10, 54},
         {"EditProduits1", 10, 68, 121},
         {"Label8", 148, 54},
         {"EditHTML3", 148, 68, 121},
         {"HTML3", 148, 92},
         {"StaticText6", 14, 132},
         {"MaskEdit1", 178, 130, 35},
         {"UpDown1", 213, 130}},
        {{"StaticText7", 326, 6},
         "PRODUITS n°2",
         {"StaticText12", 322, 30},
         productName,
         {"NomProduit2", 416, 28, 213},
         {"Label5", 322, 56},
         {"EditProduits2", 322, 70, 121},
         {"Label6", 460, 56},
         {"EditHTML4", 460, 70, 121},
         {"HTML4", 460, 94},
         {"StaticText8", 328, 134},
         {"MaskEdit2", 494, 132, 35},
         {"UpDown2", 529, 132}},
    }};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        buildGroup(i < 2 ? reactants : products, groups[i], i);
    }
}

TFicheNouvelleEquation::~TFicheNouvelleEquation() = default;

void TFicheNouvelleEquation::buildGroup(QWidget* panel, const SpeciesGroup& group, std::size_t index) {
    const QString title = QString::fromUtf8(group.titleCaption);
    caption(panel, group.title, title);
    caption(panel, group.nameCaption, QString::fromUtf8(group.nameCaptionText));
    edit(panel, group.nameField, QString::fromUtf8(group.nameCaptionText) + QStringLiteral(" ") + title);
    caption(panel, group.plainLabel, QStringLiteral("Ecriture normal"));
    edit(panel, group.plainField, QStringLiteral("Ecriture normale ") + title);
    caption(panel, group.markupLabel, QStringLiteral("Ecriture HTML"));
    editHTML[index] = edit(panel, group.markupField, QStringLiteral("Ecriture HTML ") + title);

    auto* preview = new controls::TMarkupLabel(panel);
    preview->setObjectName(QString::fromLatin1(group.preview.name));
    preview->setAccessibleName(QStringLiteral("Aperçu ") + title);
    controls::SurfaceFont font;
    font.name = QStringLiteral("MS Sans Serif");
    font.pixelSize = 11;
    font.bold = true;
    font.color = framework::clNavy;
    preview->setSurfaceFont(font);
    preview->setAutoSizing(false);
    preview->setHover(false);
    preview->setParamHint(false);
    preview->setParamColor(framework::clGreen);
    preview->setShadowColor(framework::clGray);
    preview->setShadowOffset(2);
    preview->setGeometry(group.preview.left, group.preview.top, 65, 17);
    preview->HTMLText().add(QStringLiteral("exemple"));
    previews[index] = preview;

    caption(panel, group.coefficientCaption, QStringLiteral("Coefficient stoechimétrique"));
    framework::TEdit* coefficient =
        edit(panel, group.coefficientField, QStringLiteral("Coefficient stoechiométrique ") + title,
             QStringLiteral("0"));
    auto* upDown = new TUpDown(panel);
    upDown->setObjectName(QString::fromLatin1(group.upDown.name));
    upDown->setRange(0, coefficientMaximum);
    upDown->setIncrement(1);
    upDown->setAssociate(coefficient);
    upDown->setPosition(0);

    editHTML[index]->OnChange = [this, index](QObject*) { EditHTMLChange(index); };
}

void TFicheNouvelleEquation::EditHTMLChange(std::size_t index) {
    previews[index]->HTMLText().clear();
    previews[index]->HTMLText().add(editHTML[index]->text());
}

} // namespace windows
