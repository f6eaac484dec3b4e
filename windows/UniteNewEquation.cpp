#include "windows/UniteNewEquation.h"

#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h" // markuplabel.h holds a QPointer to it
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/Question.h"
#include "framework/StaticText.h"
#include "model/Balance.h"
#include "model/EquationParser.h"
#include "model/Utf8.h"
#include "windows/EquationList.h"
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
constexpr int lineHeight = 21;
constexpr int buttonWidth = 90;
constexpr int buttonHeight = 23;

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

TFicheNouvelleEquation::TFicheNouvelleEquation(QWidget* owner, EquationEditorLinks links)
    : QDialog(owner)
    , links_(std::move(links)) {
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
    buildEquationLine(panel3);
}

TFicheNouvelleEquation::~TFicheNouvelleEquation() = default;

void TFicheNouvelleEquation::buildGroup(QWidget* panel, const SpeciesGroup& group, std::size_t index) {
    const QString title = QString::fromUtf8(group.titleCaption);
    caption(panel, group.title, title);
    GroupFields& fields = groups_[index];
    caption(panel, group.nameCaption, QString::fromUtf8(group.nameCaptionText));
    fields.name =
        edit(panel, group.nameField, QString::fromUtf8(group.nameCaptionText) + QStringLiteral(" ") + title);
    caption(panel, group.plainLabel, QStringLiteral("Ecriture normal"));
    fields.plain = edit(panel, group.plainField, QStringLiteral("Ecriture normale ") + title);
    caption(panel, group.markupLabel, QStringLiteral("Ecriture HTML"));
    fields.markup = edit(panel, group.markupField, QStringLiteral("Ecriture HTML ") + title);

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
    fields.preview = preview;

    caption(panel, group.coefficientCaption, QStringLiteral("Coefficient stoechimétrique"));
    framework::TEdit* coefficient = fields.coefficient =
        edit(panel, group.coefficientField, QStringLiteral("Coefficient stoechiométrique ") + title,
             QStringLiteral("0"));
    auto* upDown = new TUpDown(panel);
    upDown->setObjectName(QString::fromLatin1(group.upDown.name));
    upDown->setRange(0, coefficientMaximum);
    upDown->setIncrement(1);
    upDown->setAssociate(coefficient);
    upDown->setPosition(0);

    fields.markup->OnChange = [this, index](QObject*) { EditHTMLChange(index); };
}

void TFicheNouvelleEquation::EditHTMLChange(std::size_t index) {
    GroupFields& fields = groups_[index];
    fields.preview->HTMLText().clear();
    fields.preview->HTMLText().add(fields.markup->text());
}

// Below the four groups, where the form leaves room: the whole equation on one line, its three commands
// and the verdict.
void TFicheNouvelleEquation::buildEquationLine(QWidget* panel) {
    constexpr int fieldLeft = 80;
    constexpr int right = clientWidth - 12;
    caption(panel, {"LabelEquation", 12, 12}, QStringLiteral("Équation"));
    EditEquation = edit(panel, {"EditEquation", fieldLeft, 8, right - fieldLeft}, QStringLiteral("Équation"));
    EditEquation->setPlaceholderText(QStringLiteral("par exemple : 2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)"));
    EditEquation->setToolTip(QStringLiteral(
        "Coefficients de 1 à 99, flèche « -> », « → » ou « = », charges « ^+ », « ^2- », états (s), (l), (g) "
        "ou (aq)"));
    EditEquation->setMaxLength(1000);
    connect(EditEquation, &QLineEdit::returnPressed, this, framework::guard([this] { VerifierClick(); }));

    const auto button = [&](const char* name, const QString& text, int index) {
        auto* command = new controls::TGlyphButton(panel);
        command->setObjectName(QString::fromLatin1(name));
        command->setCaption(text);
        command->setAccessibleName(text);
        command->setColor(framework::clPaleYellow);
        command->setGeometry(fieldLeft + index * (buttonWidth + 8), 8 + lineHeight + 7, buttonWidth,
                             buttonHeight);
        return command;
    };
    Verifier = button("Verifier", QStringLiteral("Vérifier"), 0);
    Utiliser = button("Utiliser", QStringLiteral("Utiliser"), 1);
    Enregistrer = button("Enregistrer", QStringLiteral("Enregistrer"), 2);
    Utiliser->setEnabled(bool(links_.use));
    Enregistrer->setEnabled(links_.list != nullptr);
    Verifier->OnClick = [this](QObject*) { VerifierClick(); };
    Utiliser->OnClick = [this](QObject*) { UtiliserClick(); };
    Enregistrer->OnClick = [this](QObject*) { EnregistrerClick(); };

    Verdict = new framework::TStaticText(panel);
    Verdict->setObjectName(QStringLiteral("Verdict"));
    Verdict->setAccessibleName(QStringLiteral("Vérification de l'équation"));
    Verdict->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    Verdict->setAutoSize(false);
    Verdict->setWordWrap(true);
    Verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Verdict->setGeometry(12, 8 + lineHeight + 7 + buttonHeight + 6, right - 12, 2 * lineHeight);

    setTabOrder(EditEquation, Verifier);
    setTabOrder(Verifier, Utiliser);
    setTabOrder(Utiliser, Enregistrer);
}

void TFicheNouvelleEquation::tell(const QString& verdict, bool good) {
    setTextColor(Verdict, good ? framework::clGreen : framework::clMaroon);
    Verdict->setCaption(verdict);
}

void TFicheNouvelleEquation::VerifierClick() {
    readLine();
}

void TFicheNouvelleEquation::UtiliserClick() {
    const std::optional<EquationChoice> choice = readLine();
    if (!choice || !links_.use) {
        return;
    }
    links_.use(withTeachersEdits(*choice));
    accept();
}

void TFicheNouvelleEquation::EnregistrerClick() {
    const std::optional<EquationChoice> choice = readLine();
    if (!choice || links_.list == nullptr) {
        return;
    }
    const EquationChoice edited = withTeachersEdits(*choice);
    KeptEquation kept{edited.text, QString(), {}};
    for (std::size_t i = 0; i < kept.names.size(); ++i) {
        kept.names[i] = framework::toQ(edited.record.slots[i].name);
    }
    const int index = links_.list->indexOf(kept.text);
    if (index >= 0) {
        const KeptEquation& former = links_.list->equations()[std::size_t(index)];
        if (!framework::confirmed(
                this, {.title = windowTitle(),
                       .text = QStringLiteral("L'équation « %1 » est déjà dans la liste. La remplacer ?")
                                   .arg(former.listedName()),
                       .objectName = QStringLiteral("ReplaceKeptEquation"),
                       .yes = QStringLiteral("&Remplacer"),
                       .no = QStringLiteral("&Non"),
                       .byDefault = QMessageBox::NoButton})) {
            return;
        }
        kept.title = former.title;
    }
    links_.list->keep(kept);
    tell(Verdict->caption() + QStringLiteral(" Enregistrée dans la liste des équations."), true);
}

std::optional<EquationChoice> TFicheNouvelleEquation::readLine() {
    const std::string text = framework::fromQ(EditEquation->text());
    const model::ParseResult parsed = model::parseEquation(text);
    if (!parsed.equation) {
        // The characters at fault are marked in the line, which keeps the focus for the correction.
        const int from = int(model::utf16Offset(text, parsed.error.begin));
        const int to = int(model::utf16Offset(text, parsed.error.end));
        EditEquation->setFocus(Qt::OtherFocusReason);
        if (to > from) {
            EditEquation->setSelection(from, to - from);
        } else {
            EditEquation->setCursorPosition(from);
        }
        tell(framework::toQ(parsed.error.message), false);
        return std::nullopt;
    }
    EquationChoice choice;
    choice.record = model::toRecord(*parsed.equation);
    choice.text = framework::toQ(model::canonicalText(*parsed.equation));
    if (!fillGroups(choice.record)) {
        return std::nullopt;
    }
    const model::BalanceReport balance = model::checkBalance(*parsed.equation);
    const bool usable = balance.verdict != model::Verdict::Unbalanced;
    tell(QStringLiteral("L'équation est %1.").arg(framework::toQ(model::verdictText(balance))), usable);
    if (!usable) {
        return std::nullopt;
    }
    return choice;
}

// A species the line changes takes its new formula, markup and coefficient, and loses the name and the
// markup the teacher wrote for the species it had: that is asked first. A species it keeps keeps them.
bool TFicheNouvelleEquation::fillGroups(const model::Equation& record) {
    QStringList lost;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const GroupFields& fields = groups_[i];
        const bool changes = fields.plain->text() != framework::toQ(record.slots[i].formula);
        const bool ownMarkup =
            !fields.markup->text().isEmpty() && fields.markup->text() != fields.writtenMarkup;
        if (changes && (ownMarkup || !fields.name->text().trimmed().isEmpty())) {
            lost.push_back(fields.plain->text().isEmpty() ? fields.markup->text() : fields.plain->text());
        }
    }
    if (!lost.isEmpty()) {
        if (!framework::confirmed(
                this,
                {.title = windowTitle(),
                 .text =
                     QStringLiteral(
                         "Les noms et écritures HTML saisis à la main pour %1 seront remplacés. Continuer ?")
                         .arg(lost.join(QStringLiteral(", "))),
                 .objectName = QStringLiteral("ReplaceTeachersEdits"),
                 .yes = QStringLiteral("&Remplacer"),
                 .no = QStringLiteral("&Annuler"),
                 .byDefault = QMessageBox::NoButton})) {
            tell(QStringLiteral("Les champs n'ont pas été modifiés."), false);
            return false;
        }
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        GroupFields& fields = groups_[i];
        const model::SpeciesSlot& species = record.slots[i];
        const QString plain = framework::toQ(species.formula);
        const QString markup = framework::toQ(species.markup);
        const bool changes = fields.plain->text() != plain;
        const bool ownMarkup =
            !fields.markup->text().isEmpty() && fields.markup->text() != fields.writtenMarkup;
        if (changes) {
            fields.name->setText(QString());
        }
        if (changes || !ownMarkup) {
            fields.markup->setText(markup);
            fields.markup->setCursorPosition(0);
        }
        fields.plain->setText(plain);
        fields.coefficient->setText(species.present() ? framework::toQ(species.coefficient)
                                                      : QStringLiteral("0"));
        fields.writtenMarkup = markup;
    }
    return true;
}

// The record as the line gives it, with the names and the markups of the fields, which the teacher may
// have written by hand; the sides of the equation are drawn from those markups.
EquationChoice TFicheNouvelleEquation::withTeachersEdits(EquationChoice choice) const {
    model::Equation& record = choice.record;
    const auto side = [&](std::size_t first, std::size_t last) {
        std::string text;
        for (std::size_t i = first; i <= last && record.slots[i].present(); ++i) {
            const model::SpeciesSlot& species = record.slots[i];
            text += (text.empty() ? "" : " + ") +
                    (species.coefficient == "1" ? "" : species.coefficient + " ") + species.markup;
        }
        return text;
    };
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        model::SpeciesSlot& species = record.slots[i];
        if (!species.present()) {
            continue;
        }
        species.name = framework::fromQ(groups_[i].name->text().trimmed());
        const QString markup = groups_[i].markup->text().trimmed();
        if (!markup.isEmpty()) {
            species.markup = species.zoomMarkup = framework::fromQ(markup);
        }
    }
    record.reactantsSide = side(0, 1);
    record.productsSide = side(2, 3);
    return choice;
}

} // namespace windows
