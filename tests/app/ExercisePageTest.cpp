// The page "Exercices" as a pupil works through a series with the mouse and the keyboard, and the final
// state masked for the class on the first page.

#include "MainWindowFixture.h"

#include "app/AnswerSheet.h"
#include "app/ExercisePage.h"
#include "app/MainWindowSupport.h"
#include "framework/Announcement.h"
#include "framework/FileSaving.h"
#include "framework/TableText.h"
#include "model/ChemicalEquation.h"
#include "model/EquationParser.h"
#include "support/Eventually.h"
#include "support/ModalDialogs.h"
#include "windows/EquationList.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QPointer>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

namespace app_testing {
namespace {

class ExercisePageTest : public MainWindowTest {
protected:
    app::ExercisePage* page() { return window().TabExercices; }
    const model::Exercise& exercise() { return page()->session().exercise(); }
    QString said() { return framework::TAnnouncement::of(&window())->message(); }

    void openPage(int index) {
        QTabBar* tabs = window().PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

    // Clicks into each field in turn and types over it.
    void answer(const std::vector<QString>& texts) {
        const std::vector<QWidget*> fields = page()->Reponses->tabOrder();
        ASSERT_EQ(fields.size(), texts.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto* edit = qobject_cast<QLineEdit*>(fields[i]);
            ASSERT_NE(edit, nullptr);
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
            edit->selectAll();
            QTest::keyClicks(edit, texts[i]);
        }
    }
    // The expected answers as a pupil may write them: a point for the comma, with or without "mol".
    std::vector<QString> rightAnswers() {
        std::vector<QString> texts;
        for (const model::Field& field : exercise().fields) {
            QString text = QString::fromStdString(field.expected).replace(QLatin1Char(','), QLatin1Char('.'));
            texts.push_back(texts.size() % 2 ? text + QStringLiteral(" mol") : text);
        }
        return texts;
    }
    QString verdict() { return page()->Resultat->text(); }
};

TEST_F(ExercisePageTest, AWholeLevelTwoSeriesWithATryAgainASolutionAndTheResults) {
    openPage(1);
    ASSERT_EQ(window().PageControl1->currentWidget(), page());
    EXPECT_EQ(window().PageControl1->tabText(0), QStringLiteral("Réaction chimique"));
    page()->Niveau->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page()->Niveau, Qt::Key_Down);
    ASSERT_EQ(page()->session().series().level, model::Level::FinalState);
    ASSERT_EQ(page()->NumeroSerie->value(), 1);

    // 1: right at the first try, typed with points and units.
    EXPECT_TRUE(page()->Enonce->text().contains(QString::fromStdString(exercise().quantity1) +
                                                QStringLiteral(" mol")));
    answer(rightAnswers());
    press(page()->BtnVerifier);
    EXPECT_TRUE(verdict().startsWith(QStringLiteral("Juste"))) << verdict().toStdString();
    EXPECT_EQ(said(), verdict()) << "the verdict is spoken";
    EXPECT_FALSE(page()->BtnVerifier->isEnabled());
    press(page()->BtnSuivant);

    // 2: a wrong xmax is marked with its hint, then mended, for one point; Enter checks.
    std::vector<QString> texts = rightAnswers();
    texts[0] = QStringLiteral("99");
    answer(texts);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(verdict().startsWith(QStringLiteral("Faux"))) << verdict().toStdString();
    auto* xmaxMark = child<QLabel>("XmaxMarque");
    EXPECT_TRUE(xmaxMark->isVisible());
    EXPECT_TRUE(xmaxMark->text().contains(QStringLiteral("Faux")));
    EXPECT_TRUE(child<QLabel>("Finale1Marque")->text().contains(QStringLiteral("Juste")));
    EXPECT_FALSE(page()->Conseils->text().isEmpty());
    EXPECT_TRUE(child("Xmax")->accessibleDescription().startsWith(QStringLiteral("Faux")));
    answer(rightAnswers());
    press(page()->BtnVerifier);
    EXPECT_TRUE(verdict().startsWith(QStringLiteral("Juste")));
    EXPECT_EQ(page()->session().total(), 3);
    press(page()->BtnSuivant);

    // 3: the solution fills the fields and loads the exercise into the first page at xmax.
    const model::Exercise third = exercise();
    press(page()->BtnSolution);
    EXPECT_EQ(qobject_cast<QLineEdit*>(page()->Reponses->tabOrder()[0])->text(),
              QString::fromStdString(third.fields[0].expected));
    EXPECT_EQ(field(1)->text(), QString::fromStdString(third.quantity1));
    EXPECT_EQ(field(2)->text(), QString::fromStdString(third.quantity2));
    EXPECT_EQ(slider()->position(), app::support::sliderMaximum);
    EXPECT_TRUE(box(third.presetNumber)->isChecked());
    EXPECT_EQ(said(), verdict()) << "heard after the equation loaded";
    EXPECT_EQ(page()->session().total(), 3);
    press(page()->BtnSuivant);

    // 4 and 5: right at the first try.
    for (int i = 0; i < 2; ++i) {
        answer(rightAnswers());
        press(page()->BtnVerifier);
        EXPECT_TRUE(verdict().startsWith(QStringLiteral("Juste")));
        press(page()->BtnSuivant);
    }

    auto* results = child<QTableWidget>("TableauResultats");
    ASSERT_TRUE(results->isVisible());
    ASSERT_EQ(results->rowCount(), model::exercisesPerSeries + 1);
    const int points = results->columnCount() - 1;
    const QStringList expected = QStringLiteral("2|1|0|2|2|7 / 10").split(QLatin1Char('|'));
    for (int row = 0; row < results->rowCount(); ++row) {
        EXPECT_EQ(results->item(row, points)->text(), expected[row]) << "row " << row;
    }
    EXPECT_TRUE(said().startsWith(QStringLiteral("Série terminée : 7 points sur 10")));

    // The copy is headed by the pupil's name, asked once.
    testing_support::whenModal<QInputDialog>(QStringLiteral("NomEleve"), [](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Léa Martin"));
        dialog->accept();
    });
    press(page()->BtnCopierResultats);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Élève\tLéa Martin\n"))) << copied.toStdString();
    EXPECT_TRUE(copied.contains(QStringLiteral("Série n°\t1\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("7 / 10")));
    // Saved for a spreadsheet, the name not asked again.
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("resultats.csv"));
    testing_support::whenModal<QFileDialog>(QString::fromLatin1(framework::saveDialogName),
                                            [&](QFileDialog* d) {
                                                d->selectFile(path);
                                                static_cast<QDialog*>(d)->accept();
                                            });
    press(page()->BtnEnregistrerResultats);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << errors().join(QLatin1Char('\n')).toStdString();
    const QByteArray csv = saved.readAll();
    EXPECT_TRUE(csv.startsWith(QByteArray(framework::utf8ByteOrderMark) +
                               QStringLiteral("Élève;Léa Martin\n").toUtf8()));
    EXPECT_TRUE(QString::fromUtf8(csv).contains(
        QStringLiteral("\n5;2 H2(g) + O2(g) \u2192 2 H2O(l);2,56 et 1,28;1;Juste au premier essai;2\n")));

    press(page()->BtnRecommencer);
    EXPECT_EQ(page()->session().index(), 0);
    EXPECT_EQ(page()->session().total(), 0);
    EXPECT_TRUE(page()->BtnVerifier->isVisible());
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

// A series number typed and left by a click into a field draws the new series during that click.
TEST_F(ExercisePageTest, ASeriesNumberLeftByAClickIntoAFieldDrawsTheNewSeries) {
    openPage(1);
    page()->NumeroSerie->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page()->NumeroSerie, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(page()->NumeroSerie, QStringLiteral("42"));
    const QPointer<QWidget> field = page()->Reponses->tabOrder()[1];
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    EXPECT_EQ(page()->session().series().number, 42);
    ASSERT_EVENTUALLY(field.isNull());
    EXPECT_TRUE(page()->Enonce->text().contains(QString::fromStdString(exercise().quantity1)));
}

// A series on a teacher's kept equation: its statements and its solution use that equation.
TEST_F(ExercisePageTest, ASeriesOnATeachersEquation) {
    const model::ChemicalEquation zinc =
        model::parseEquation("Zn(s) + 2 H^+(aq) -> Zn^2+(aq) + H2(g)").equation.value();
    window().close();
    {
        windows::EquationList list;
        list.keep({QString::fromStdString(model::canonicalText(zinc)), QStringLiteral("Zinc et acide"), {}});
    }
    MainWindowTest::SetUp();
    openPage(1);
    page()->EquationsSerie->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page()->EquationsSerie, Qt::Key_Down);
    EXPECT_EQ(page()->EquationsSerie->currentText(), QStringLiteral("Zinc et acide"));
    EXPECT_EQ(exercise().presetNumber, 0);
    EXPECT_TRUE(page()->Enonce->text().contains(QStringLiteral("Zn(s) + 2 H+(aq)"))) << exercise().statement;
    press(page()->BtnSolution);
    for (int preset = 1; preset <= 7; ++preset) {
        EXPECT_FALSE(box(preset)->isChecked()) << preset;
    }
    EXPECT_EQ(field(1)->text(), QString::fromStdString(exercise().quantity1));
    EXPECT_EQ(slider()->position(), app::support::sliderMaximum);
    QFile::remove(windows::EquationList::defaultPath());
}

// While the class predicts, neither the screen nor a screen reader gives xmax away; "Révéler" shows it,
// and new quantities hide it again.
TEST_F(ExercisePageTest, TheMaskedFinalStateIsNeitherShownNorReadUntilRevealed) {
    clickBox(2); // 2 CuO + C: xmax = 1 mol with the quantities shown at start
    openPage(1);
    press(page()->MasquerEtatFinal);
    openPage(0);
    QTest::keyClick(slider(), Qt::Key_End);
    EXPECT_EQ(slider()->position(), app::support::sliderMaximum - 1);
    EXPECT_FALSE(visible("STX"));
    EXPECT_TRUE(visible("BtnReveler"));
    EXPECT_FALSE(child("GlyphButton2")->isEnabled()) << "the zoom window";
    EXPECT_FALSE(child("FlatButton3")->isEnabled()) << "the measurement table";
    EXPECT_FALSE(lineChart()->bottomAxis().graduationVisible());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(child("Shape1"));
    for (int column = 0; column < table->tableInterface()->columnCount(); ++column) {
        const QString heard = table->tableInterface()->cellAt(2, column)->text(QAccessible::Name);
        EXPECT_TRUE(heard.endsWith(QStringLiteral("masqué"))) << heard.toStdString();
    }

    press(child("BtnReveler"));
    EXPECT_EQ(slider()->position(), app::support::sliderMaximum);
    EXPECT_TRUE(visible("STX"));
    EXPECT_EQ(table->tableInterface()->cellAt(2, 0)->text(QAccessible::Name),
              QStringLiteral("Etat final, X : Xmax = 1 mol"));
    EXPECT_TRUE(lineChart()->bottomAxis().graduationVisible());

    typeInto(1, QStringLiteral("3"));
    EXPECT_FALSE(visible("STX"));
    EXPECT_TRUE(visible("BtnReveler"));
    EXPECT_LT(slider()->position(), app::support::sliderMaximum);
}

} // namespace
} // namespace app_testing
