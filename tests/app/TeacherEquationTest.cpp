// A teacher's own equations, as a teacher uses them: typed on one line in the editor, checked, used,
// kept, found again after a restart, renamed, deleted and shared; and situations saved and reopened,
// also by starting the program with the file.

#include "MainWindowFixture.h"

#include "app/MainLayout.h"
#include "app/TeacherPage.h"
#include "chart/ChartRenderer.h"
#include "chart/TextCache.h"
#include "controls/GlyphBtn.h"
#include "framework/Edit.h"
#include "framework/FileOpening.h"
#include "framework/FileSaving.h"
#include "framework/StaticText.h"
#include "support/Eventually.h"
#include "support/ModalDialogs.h"
#include "windows/EquationList.h"
#include "windows/TeacherFiles.h"
#include "windows/UniteNewEquation.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

namespace app_testing {
namespace {

class TeacherEquations : public MainWindowTest {
protected:
    void SetUp() override {
        QFile::remove(windows::EquationList::defaultPath());
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        QFile::remove(windows::EquationList::defaultPath());
    }

    app::TeacherPage* page() { return child<app::TeacherPage>("TabEquations"); }
    QListWidget* list() { return child<QListWidget>("ListeEquations"); }
    void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

    // Opens the editor from the page and works in it while it is shown.
    void inEditor(std::function<void(QDialog*)> work) {
        window().PageControl1->setCurrentWidget(page());
        testing_support::whenModal<QDialog>(QStringLiteral("FicheNouvelleEquation"), std::move(work));
        press(child<QWidget>("BtnNouvelleEquation"));
    }

    QTemporaryDir folder;
};

template <class T> T* in(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

void typeLine(QDialog* editor, const QString& line) {
    auto* field = in<framework::TEdit>(editor, "EditEquation");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, line);
}

void pressIn(QDialog* editor, const char* name) {
    QWidget* button = in<QWidget>(editor, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QString verdictOf(QDialog* editor) {
    return in<framework::TStaticText>(editor, "Verdict")->caption();
}

TEST_F(TeacherEquations, TypedCheckedKeptAndUsedThenFoundAfterARestartRenamedAndDeleted) {
    typeInto(1, QStringLiteral("0,4"));
    QString unbalanced, balanced;
    inEditor([&](QDialog* editor) {
        typeLine(editor, QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s) + Cl(g)"));
        pressIn(editor, "Verifier");
        unbalanced = verdictOf(editor);
        typeLine(editor, QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)"));
        pressIn(editor, "Verifier");
        balanced = verdictOf(editor);
        EXPECT_EQ(in<QLineEdit>(editor, "EditHTML1")->text(), QStringLiteral("Ag<sup>+</sup>(aq)"));
        EXPECT_EQ(in<QLineEdit>(editor, "Edit1")->text(), QStringLiteral("Ag+(aq)"));
        EXPECT_EQ(in<QLineEdit>(editor, "EditProduits2")->text(), QString()) << "one product";
        QTest::keyClicks(in<QLineEdit>(editor, "NomReactif1"), QStringLiteral("ion argent"));
        pressIn(editor, "Enregistrer");
        pressIn(editor, "Utiliser");
    });
    ASSERT_EVENTUALLY(!window().findChild<QDialog*>(QStringLiteral("FicheNouvelleEquation")));
    EXPECT_EQ(unbalanced, QStringLiteral("L'équation est non équilibrée : Cl : 1 à gauche, 2 à droite."));
    EXPECT_EQ(balanced, QStringLiteral("L'équation est équilibrée."));

    // Loaded as a preset is, with the pupil's quantities and no box checked.
    EXPECT_EQ(window().PageControl1->currentWidget(), window().TabSheet1);
    for (int preset = 1; preset <= 7; ++preset) {
        EXPECT_FALSE(box(preset)->isChecked()) << preset;
    }
    EXPECT_EQ(shown("ST111"), QStringLiteral("Ag<sup>+</sup>(aq)"));
    EXPECT_EQ(child<controls::TMarkupLabel>("ST111")->hint(), QStringLiteral("ion argent"));
    EXPECT_EQ(shown("STEquation1"), QStringLiteral("0,4 - X"));
    EXPECT_FALSE(visible("STEquation4"));
    EXPECT_EQ(barLabels(), (std::vector<std::string>{"Ag+(aq)", "Cl-(aq)", "AgCl(s)"}));
    slideTo(100);
    EXPECT_EQ(shown("STFinal3"), QStringLiteral("0,400")) << "xmax follows the loaded coefficients";

    // A restart finds the kept equation; F2 renames it and "Supprimer" deletes it.
    MainWindowTest::TearDown();
    MainWindowTest::SetUp();
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)"));
    window().PageControl1->setCurrentWidget(page());
    EXPECT_FALSE(visible("StaticText4")) << "the first page's title stays on its page";
    testing_support::whenModal<QInputDialog>(QStringLiteral("RenameEquation"), [](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Précipitation"));
        dialog->accept();
    });
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_F2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("Précipitation — Ag^+(aq) + Cl^-(aq) -> AgCl(s)"));
    testing_support::whenModal<QMessageBox>(QStringLiteral("RemoveEquation"),
                                            [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    press(child<QWidget>("BtnSupprimer"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

TEST_F(TeacherEquations, ASyntaxErrorIsToldAndMarkedInTheLine) {
    QString verdict;
    QString marked;
    inEditor([&](QDialog* editor) {
        typeLine(editor, QStringLiteral("2 Cu0(s) + C(s) -> 2 Cu(s) + CO2(g)"));
        QTest::keyClick(in<QLineEdit>(editor, "EditEquation"), Qt::Key_Return);
        verdict = verdictOf(editor);
        marked = in<QLineEdit>(editor, "EditEquation")->selectedText();
        editor->reject();
    });
    ASSERT_EVENTUALLY(!window().findChild<QDialog*>(QStringLiteral("FicheNouvelleEquation")));
    EXPECT_EQ(marked, QStringLiteral("0"));
    EXPECT_TRUE(verdict.contains(QStringLiteral("Caractère 5"))) << verdict.toStdString();
    EXPECT_TRUE(box(1)->isChecked()) << "nothing was loaded";
}

TEST_F(TeacherEquations, ADamagedImportIsToldWithItsFileAndKeepsTheList) {
    const QString path = folder.filePath(QStringLiteral("abime.json"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"molvanex-equations\", \"version\": 1, \"equations\": [");
    file.close();
    window().PageControl1->setCurrentWidget(page());
    testing_support::whenModal<QFileDialog>(QString::fromLatin1(framework::openDialogName),
                                            [&](QFileDialog* d) {
                                                d->selectFile(path);
                                                static_cast<QDialog*>(d)->accept();
                                            });
    press(child<QWidget>("BtnImporter"));
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors()[0].startsWith(QStringLiteral("Le fichier « %1 » ne peut pas être lu : ligne 1")
                                           .arg(QDir::toNativeSeparators(path))))
        << errors()[0].toStdString();
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(TeacherEquations, ASavedSituationReopensItsEquationQuantitiesAndX) {
    clickBox(2);
    typeInto(1, QStringLiteral("3"));
    slideTo(50);
    const QString path = folder.filePath(QStringLiteral("cours.molvanex"));
    testing_support::whenModal<QFileDialog>(QString::fromLatin1(framework::saveDialogName),
                                            [&](QFileDialog* d) {
                                                d->selectFile(path);
                                                static_cast<QDialog*>(d)->accept();
                                            });
    window().PageControl1->setCurrentWidget(page());
    press(child<QWidget>("BtnEnregistrerSituation"));
    ASSERT_TRUE(QFile::exists(path)) << errors().join(QLatin1Char('\n')).toStdString();

    clickBox(6);
    testing_support::whenModal<QFileDialog>(QString::fromLatin1(framework::openDialogName),
                                            [&](QFileDialog* d) {
                                                d->selectFile(path);
                                                static_cast<QDialog*>(d)->accept();
                                            });
    window().PageControl1->setCurrentWidget(page());
    press(child<QWidget>("BtnOuvrirSituation"));
    EXPECT_TRUE(box(2)->isChecked());
    EXPECT_EQ(field(1)->text(), QStringLiteral("3"));
    EXPECT_EQ(slider()->position(), 50);
    EXPECT_EQ(shown("MaskEditX"), QStringLiteral("0,5"));
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

// The program started as a double-click starts it, with the file as its argument.
TEST_F(TeacherEquations, TheProgramStartedWithASituationOpensIt) {
    const auto start = [&](const QByteArray& contents) {
        const QString path = folder.filePath(QStringLiteral("devoir.molvanex"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        file.close();
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MOLVANEX_FIRST_FRAME_PROBE"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MOLVANEX_PROGRAM), {path});
        EXPECT_TRUE(program.waitForFinished(60000));
        return QString::fromUtf8(program.readAllStandardOutput());
    };
    EXPECT_TRUE(
        start(R"j({"format": "molvanex-situation", "version": 1, "equation": "Ag^+(aq) + Cl^-(aq) -> AgCl(s)",
                          "quantites": [0.2, 0.1], "avancement": 0.05})j")
            .contains(QStringLiteral("equation Ag^+(aq) + Cl^-(aq) -> AgCl(s)\n")));
    EXPECT_TRUE(start(R"j({"format": "molvanex-situation", "version": 7})j")
                    .contains(QStringLiteral("equation C(s) + O2(g) -> CO2(g)\n")))
        << "a newer file is refused and the program starts as usual";
}

} // namespace
} // namespace app_testing

namespace app_testing {
namespace {

// Long formulas and large values of a teacher's equation stay whole: every head, value and expression
// inside its cell, the two sides on either side of the arrow, every bar named under its bar.
class LongFormulas : public TeacherEquations, public ::testing::WithParamInterface<const char*> {};

TEST_P(LongFormulas, StayWholeInTheTableTheBandAndTheBarChart) {
    window().useTeachersEquation(windows::chooseEquation(QString::fromUtf8(GetParam())));
    typeInto(1, QStringLiteral("49,95"));
    typeInto(2, QStringLiteral("49,95"));
    slideTo(100);
    // A field or label lies inside its cell, and so does the text of a centred label.
    const auto extent = [](QWidget* widget) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label == nullptr || !(label->alignment() & Qt::AlignHCenter)) {
            return std::pair{widget->x(), widget->geometry().right()};
        }
        const int half = QFontMetrics(label->font()).horizontalAdvance(label->text()) / 2;
        return std::pair{widget->geometry().center().x() - half, widget->geometry().center().x() + half};
    };
    for (int slot = 1; slot <= 4; ++slot) {
        const int left = app::layout::slotCellLeft[std::size_t(slot - 1)];
        const int right = app::layout::slotCellRight[std::size_t(slot - 1)];
        const std::array<const char*, 4> heads{"ST111", "ST222", "ST33", "ST44"};
        for (const QString& name :
             {QString::fromLatin1(heads[std::size_t(slot - 1)]), QStringLiteral("MaskEdit%1%1").arg(slot),
              QStringLiteral("STFinal%1").arg(slot), QStringLiteral("STEquation%1").arg(slot)}) {
            QWidget* widget = child<QWidget>(name);
            const auto [from, to] = extent(widget);
            EXPECT_TRUE(widget->isHidden() || (from >= left && to < right))
                << name.toStdString() << " at " << from << ".." << to;
            if (auto* field = qobject_cast<QLineEdit*>(widget)) {
                EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->width())
                    << name.toStdString();
            }
        }
    }
    const QRect arrow = child<QWidget>("StaticText11")->geometry();
    EXPECT_LE(child<QWidget>("Reactifs")->geometry().right(), arrow.left());
    EXPECT_GE(child<QWidget>("Produits")->x(), arrow.right());
    EXPECT_LE(child<QWidget>("Produits")->geometry().right(), child<QWidget>("Shape3")->geometry().right());

    chart::TextCache text;
    const chart::ChartRenderer renderer(*barChart(), QSizeF(barChart()->size()), text);
    const QFont& names = text.font(renderer.scenery().bottomLabelsFont);
    for (const std::string& label : barLabels()) {
        for (const QString& line : renderer.categoryNameLines(QString::fromStdString(label))) {
            EXPECT_LE(text.width(names, line), renderer.scenery().plot.width() / 4) << label;
        }
    }
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    TeacherEquations, LongFormulas,
    ::testing::Values("C12H22O11(aq) + 12 O2(g) -> 12 CO2(g) + 11 H2O(l)",
                      "Ca3(PO4)2(s) + 6 HNO3(aq) -> 3 Ca(NO3)2(aq) + 2 H3PO4(aq)",
                      "2 CH3(CH2)6CH3(l) + 25 O2(g) = 16 CO2(g) + 18 H2O(g)",
                      "2 CH3CH2CH2CH2CH2CH2CH2CH3(l) + 25 O2(g) = 16 CO2(g) + 18 H2O(g)"));

} // namespace
} // namespace app_testing

namespace app_testing {
namespace {

TEST_F(TeacherEquations, AFormulaWiderThanItsCellGoesOnTwoLinesInside) {
    window().useTeachersEquation(windows::chooseEquation(
        QStringLiteral("2 CH3CH2CH2CH2CH2CH2CH2CH3(l) + 25 O2(g) = 16 CO2(g) + 18 H2O(g)")));
    auto* head = child<controls::TMarkupLabel>("ST111");
    EXPECT_EQ(head->htmlLines(),
              QStringList{QStringLiteral("CH<sub>3</sub>CH<sub>2</sub>CH<sub>2</sub>CH<sub>2</sub><BR>"
                                         "CH<sub>2</sub>CH<sub>2</sub>CH<sub>2</sub>CH<sub>3</sub>(l)")});
    EXPECT_GE(head->x(), app::layout::slotCellLeft[0]);
    EXPECT_LT(head->geometry().right(), app::layout::slotCellRight[0]);
    EXPECT_LT(head->geometry().bottom(), field(1)->y()) << "above the initial quantity";
}

} // namespace
} // namespace app_testing
