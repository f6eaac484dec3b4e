// The new-equation editor: its four groups as the form lays them out, the live previews of the markup
// fields, and a fresh window at every opening.

#include "WindowTestSupport.h"

#include "controls/MarkupImageList.h"
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/StaticText.h"
#include "windows/SecondaryWindows.h"
#include "windows/UniteNewEquation.h"

#include <QApplication>
#include <QTimer>

namespace windows_tests {
namespace {

using windows::TFicheNouvelleEquation;

class NewEquationEditor : public WindowTest {};

struct Group {
    const char* title;
    const char* titleText;
    const char* markupField;
    const char* preview;
    const char* coefficient;
    const char* upDownName;
};

constexpr Group groups[] = {
    {"StaticText1", "REACTIFS n°1", "EditHTML1", "HTML1", "CoefReactifs1", "UpDownReactifs1"},
    {"StaticText3", "REACTIFS n°2", "EditHTML2", "HTML2", "CoefReactifs2", "UpDownReactifs2"},
    {"StaticText5", "PRODUITS n°1", "EditHTML3", "HTML3", "MaskEdit1", "UpDown1"},
    {"StaticText7", "PRODUITS n°2", "EditHTML4", "HTML4", "MaskEdit2", "UpDown2"},
};

TEST_F(NewEquationEditor, StartsWithEmptyFieldsCoefficientsAtZeroAndExamplePreviews) {
    TFicheNouvelleEquation editor(nullptr);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Nouvelle Equation"));
    for (const Group& group : groups) {
        EXPECT_EQ(child<framework::TStaticText>(editor, group.title)->caption(),
                  QString::fromUtf8(group.titleText));
        EXPECT_EQ(child<framework::TEdit>(editor, group.markupField)->text(), QString());
        EXPECT_EQ(child<framework::TEdit>(editor, group.coefficient)->text(), QStringLiteral("0"));
        auto* preview = child<controls::TMarkupLabel>(editor, group.preview);
        EXPECT_EQ(preview->htmlLines(), QStringList{QStringLiteral("exemple")});
        EXPECT_EQ(preview->size(), QSize(65, 17));
        EXPECT_FALSE(preview->autoSizing());
        child(editor, group.upDownName);
    }
    for (const char* name : {"Label1", "Label3", "Label2", "Label5"}) {
        EXPECT_EQ(child<framework::TStaticText>(editor, name)->caption(), QStringLiteral("Ecriture normal"));
    }
    for (const char* name : {"Label7", "Label4", "Label8", "Label6"}) {
        EXPECT_EQ(child<framework::TStaticText>(editor, name)->caption(), QStringLiteral("Ecriture HTML"));
    }
    EXPECT_EQ(child<framework::TStaticText>(editor, "StaticText8")->caption(),
              QStringLiteral("Coefficient stoechimétrique"));
    EXPECT_EQ(child(editor, "NomReactif1")->geometry(), QRect(98, 28, 201, 21));
    EXPECT_EQ(child(editor, "Panel2")->height(), 138);
}

TEST_F(NewEquationEditor, ThePreviewFollowsEveryKeystroke) {
    TFicheNouvelleEquation editor(nullptr);
    editor.show();
    auto* field = child<framework::TEdit>(editor, "EditHTML1");
    auto* preview = child<controls::TMarkupLabel>(editor, "HTML1");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("CO<sub>2"));
    EXPECT_EQ(preview->htmlLines(), QStringList{QStringLiteral("CO<sub>2")}) << "an unfinished tag as typed";
    QTest::keyClicks(field, QStringLiteral("</sub>(g)"));
    EXPECT_EQ(preview->htmlLines(), QStringList{QStringLiteral("CO<sub>2</sub>(g)")});
    EXPECT_EQ(child<controls::TMarkupLabel>(editor, "HTML2")->htmlLines(),
              QStringList{QStringLiteral("exemple")});
}

TEST_F(NewEquationEditor, ClearingAFieldLeavesItsPreviewBlank) {
    TFicheNouvelleEquation editor(nullptr);
    editor.show();
    typeInto(child<framework::TEdit>(editor, "EditHTML3"), QStringLiteral("Cu(s)"));
    typeInto(child<framework::TEdit>(editor, "EditHTML3"), QString());
    EXPECT_EQ(child<controls::TMarkupLabel>(editor, "HTML3")->GetMarkupText(), QString());
}

TEST_F(NewEquationEditor, AWideFormulaKeepsThePreviewAtItsFixedSize) {
    TFicheNouvelleEquation editor(nullptr);
    editor.show();
    typeInto(child<framework::TEdit>(editor, "EditHTML4"),
             QStringLiteral("CH<sub>3</sub>COO<sup>-</sup>(aq) + H<sub>2</sub>O(l) en solution aqueuse"));
    auto* preview = child<controls::TMarkupLabel>(editor, "HTML4");
    QApplication::processEvents();
    EXPECT_EQ(preview->size(), QSize(65, 17));
}

TEST_F(NewEquationEditor, TheCoefficientUpDownsStepFromZeroToAHundred) {
    TFicheNouvelleEquation editor(nullptr);
    editor.show();
    auto* coefficient = child<framework::TEdit>(editor, "CoefReactifs2");
    coefficient->setFocus();
    QTest::keyClick(coefficient, Qt::Key_Up);
    QTest::keyClick(coefficient, Qt::Key_Up);
    EXPECT_EQ(coefficient->text(), QStringLiteral("2"));
    typeInto(coefficient, QStringLiteral("99"));
    QTest::keyClick(coefficient, Qt::Key_Up);
    QTest::keyClick(coefficient, Qt::Key_Up);
    EXPECT_EQ(coefficient->text(), QStringLiteral("100"));
}

TEST_F(NewEquationEditor, ReopeningShowsTheStartingValuesAgain) {
    for (int opening = 0; opening < 2; ++opening) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TFicheNouvelleEquation*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(windows::FicheNouvelleEquation, editor);
            EXPECT_EQ(child<framework::TEdit>(*editor, "EditHTML1")->text(), QString());
            EXPECT_EQ(child<controls::TMarkupLabel>(*editor, "HTML1")->htmlLines(),
                      QStringList{QStringLiteral("exemple")});
            typeInto(child<framework::TEdit>(*editor, "EditHTML1"), QStringLiteral("H<sub>2</sub>"));
            typeInto(child<framework::TEdit>(*editor, "CoefReactifs1"), QStringLiteral("2"));
            checked = true;
            editor->close();
        });
        windows::showNewEquationEditor(nullptr);
        EXPECT_TRUE(checked);
        EXPECT_EQ(windows::FicheNouvelleEquation, nullptr);
    }
}

} // namespace
} // namespace windows_tests
