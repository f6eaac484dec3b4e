#include "windows/UniteTableau.h"

#include "controls/GlyphBtn.h"
#include "framework/Announcement.h"
#include "framework/Edit.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/StaticText.h"
#include "model/Conversion.h"
#include "windows/FormStyle.h"
#include "windows/MeasurementGrid.h"
#include "windows/UpDown.h"

#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

namespace windows {

TFicheTab* FicheTab = nullptr;

namespace {

constexpr int clientWidth = 385;
constexpr int clientHeight = 458;
constexpr int panel2Height = 28;
constexpr int upDownMaximum = 1000;
constexpr int upDownStep = 10;

std::vector<MeasurementTableModel::Heading> headingsFor(const MainFormData& main) {
    const QString moles = QStringLiteral("moles");
    const auto speciesHeading = [&](int slot) {
        return MeasurementTableModel::Heading{
            QStringLiteral("n[") + main.plainFormula(slot) + QLatin1Char(']'), moles};
    };
    std::vector<MeasurementTableModel::Heading> headings{{QStringLiteral("N° mesures"), QString()},
                                                         {QStringLiteral("X"), moles},
                                                         speciesHeading(1),
                                                         speciesHeading(2),
                                                         speciesHeading(3)};
    if (!main.plainFormula(4).isEmpty()) {
        headings.push_back(speciesHeading(4));
    }
    return headings;
}

} // namespace

TFicheTab::TFicheTab(MainFormData& main, QWidget* owner)
    : QDialog(owner, fixedDialogBorder)
    , main_(main)
    , Panel1(new QWidget(this))
    , Panel2(new QWidget(Panel1))
    , Label1(new framework::TStaticText(Panel2))
    , EditNbreMesures(new framework::TEdit(Panel2))
    , UpDownMesures(new TUpDown(Panel2))
    , GlyphButton1(new controls::TGlyphButton(Panel2))
    , Tableau(new TMeasurementGrid(Panel1)) {
    setObjectName(QStringLiteral("FicheTab"));
    setWindowTitle(QStringLiteral("tableau des mesures"));
    setFont(formFont());
    setBackground(this, framework::clBtnFace);
    setFixedSize(clientWidth, clientHeight);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Tableau, 1);
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(Panel1);

    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(panel2Height);
    setBackground(Panel2, framework::clPaleYellow);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    setTextColor(Label1, framework::clNavy);
    Label1->setCaption(QStringLiteral("Nombre de mesures:"));
    Label1->move(10, 8);

    EditNbreMesures->setObjectName(QStringLiteral("EditNbreMesures"));
    EditNbreMesures->setAccessibleName(QStringLiteral("Nombre de mesures"));
    EditNbreMesures->setGeometry(132, 4, 41, 21);
    EditNbreMesures->setText(QString::number(defaultCount));
    // The window opens with the count selected: a count typed replaces it rather than joining it.
    EditNbreMesures->setAutoSelect(true);
    // Enter in the field validates the count, as the pupil expects after typing it.
    connect(EditNbreMesures, &QLineEdit::returnPressed, this,
            framework::guard([this] { GlyphButton1Click(EditNbreMesures); }));

    UpDownMesures->setObjectName(QStringLiteral("UpDownMesures"));
    UpDownMesures->setRange(0, upDownMaximum);
    UpDownMesures->setIncrement(upDownStep);
    UpDownMesures->setThousands(true);
    UpDownMesures->setAssociate(EditNbreMesures);
    UpDownMesures->setPosition(defaultCount);

    GlyphButton1->setObjectName(QStringLiteral("GlyphButton1"));
    GlyphButton1->setAccessibleName(QStringLiteral("Valider"));
    GlyphButton1->setGeometry(198, 2, 70, 23);
    GlyphButton1->setColor(framework::clPaleYellow);
    GlyphButton1->setCaption(QStringLiteral("Valider"));
    GlyphButton1->OnClick = [this](QObject* sender) { GlyphButton1Click(sender); };

    Tableau->setObjectName(QStringLiteral("Tableau"));
    Tableau->setAccessibleName(QStringLiteral("Tableau des mesures"));
    Tableau->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #FFFFCE; padding: 2px 4px;"
                       " border: 0px; border-right: 1px solid #A0A0A0; border-bottom: 1px solid #A0A0A0; }"));

    Tableau->setDocumentNames(main_.equationText(), main_.fileStem());

    // A failure while the main window's texts are read is shown, and the window still opens with its
    // headings and without measurements.
    framework::guarded([this] { FormCreate(); });
}

TFicheTab::~TFicheTab() = default;

void TFicheTab::FormCreate() {
    Tableau->table().setHeadings(headingsFor(main_));
    fitColumns();
    inputs_.n1 = framework::strictReal(main_.initialQuantityText(1));
    inputs_.n2 = framework::strictReal(main_.initialQuantityText(2));
    inputs_.a = main_.coefficients();
    CalculValeurs(defaultCount - 1);
}

void TFicheTab::CalculValeurs(int last) {
    if (last < 0) {
        Tableau->table().setMeasurements({});
        return;
    }
    // The slot-4 column is filled only while the main window has a slot-4 coefficient.
    MeasurementInputs inputs = inputs_;
    inputs.slot4Present = !main_.coefficientText(4).isEmpty();
    Tableau->table().setMeasurements(Measurements(inputs, main_.xmax(), last + 1));
    fitColumns();
}

void TFicheTab::fitColumns() {
    Tableau->fitColumns();
    // The design width, or more when the equation's columns need it, so that every column shows whole;
    // never wider than the screen, where the grid scrolls sideways instead.
    const int margins =
        Panel1->layout()->contentsMargins().left() + Panel1->layout()->contentsMargins().right();
    int width = std::max(clientWidth, Tableau->widthShowingEveryColumn() + margins);
    if (const QScreen* shown = screen()) {
        width = std::min(width, std::max(clientWidth, shown->availableGeometry().width() -
                                                          (frameGeometry().width() - geometry().width())));
    }
    setFixedSize(width, clientHeight);
}

int TFicheTab::countFromText(const QString& text) const {
    // The up-down writes its positions grouped in the user's locale ("1 000" with a narrow no-break
    // space in French): that text is read back as it was written.
    const auto count = model::parseGroupedInteger(framework::fromQ(text), framework::numberLocale());
    // A whole number beyond the cap (even beyond what an int holds) is told as such, not as a text that
    // is no integer.
    static const QRegularExpression digitsOnly(QStringLiteral("^\\s*\\+?[0-9]+\\s*$"));
    if ((count && *count > maximumCount) || (!count && digitsOnly.match(text).hasMatch())) {
        throw model::ConversionError(QStringLiteral("Le nombre de mesures doit être compris entre 0 et %1")
                                         .arg(QLocale().toString(maximumCount))
                                         .toStdString());
    }
    if (!count) {
        throw model::ConversionError(model::integerConversionMessage(framework::fromQ(text)));
    }
    return *count;
}

void TFicheTab::GlyphButton1Click(QObject*) {
    CalculValeurs(countFromText(EditNbreMesures->text()) - 1);
    framework::TAnnouncement::of(this)->announce(countMessage());
}

// What a pupil who cannot see the grid hears once it is filled: how many measurements, over which X.
QString TFicheTab::countMessage() const {
    const MeasurementTableModel& table = Tableau->table();
    const int count = table.rowCount();
    const QString advancement = QStringLiteral("X = %1 mol");
    if (count == 0) {
        return QStringLiteral("Aucune mesure");
    }
    if (count == 1) {
        return QStringLiteral("1 mesure, ") + advancement.arg(table.cellText(0, 1));
    }
    return QStringLiteral("%1 mesures, de %2 à %3")
        .arg(QLocale().toString(count), advancement.arg(table.cellText(0, 1)),
             advancement.arg(table.cellText(count - 1, 1)));
}

int TFicheTab::rowCount() const {
    return 2 + Tableau->table().rowCount();
}

int TFicheTab::columnCount() const {
    return Tableau->table().columnCount();
}

QString TFicheTab::cell(int column, int row) const {
    const auto& headings = Tableau->table().headings();
    if (column < 0 || column >= int(headings.size())) {
        return {};
    }
    if (row == 0 || row == 1) {
        return headings[std::size_t(column)][std::size_t(row)];
    }
    return Tableau->table().cellText(row - 2, column);
}

} // namespace windows
