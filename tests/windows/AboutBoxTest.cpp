// The About box: its texts and picture, and the keys and button that close it; and the opener, which
// names the box while it is shown and releases it afterwards.

#include "WindowTestSupport.h"

#include "windows/ApplicationIcon.h"
#include "windows/SecondaryWindows.h"
#include "windows/UnitePropos.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace windows_tests {
namespace {

using windows::TAboutBox;

class AboutBoxTest : public WindowTest {};

TEST_F(AboutBoxTest, ShowsTheProductVersionAuthorsAndComments) {
    TAboutBox box(nullptr);
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("A propos"));
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(child<QLabel>(box, "Label1")->text(), QStringLiteral("Nom du produit: MOLVANEX"));
    EXPECT_EQ(child<QLabel>(box, "Version")->text(), QStringLiteral("Version: 1.1.0"));
    EXPECT_EQ(child<QLabel>(box, "ProductName")->text(), QStringLiteral("Nom de l'auteur: Équipe Molvanex"));
    EXPECT_EQ(child<QLabel>(box, "Comments")->text(), QStringLiteral("Commentaires"));
    EXPECT_EQ(
        child<QPlainTextEdit>(box, "MemoAPropos")->toPlainText().split(QLatin1Char('\n')),
        (QStringList{QStringLiteral("Logiciel pour les classes de "), QStringLiteral("seconde. "),
                     QStringLiteral("Notion d'avancement dans les "), QStringLiteral("réactions chimiques."),
                     QString(), QStringLiteral("Ce logiciel est un freeware.")}));
    EXPECT_TRUE(child<QPlainTextEdit>(box, "MemoAPropos")->isReadOnly());
    auto* ok = child<QPushButton>(box, "OKButton");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(AboutBoxTest, ThePictureIsTheProgramIconStretchedToItsPlace) {
    TAboutBox box(nullptr);
    auto* icon = child<QLabel>(box, "ProgramIcon");
    EXPECT_EQ(icon->geometry(), QRect(8, 8, 65, 57));
    EXPECT_TRUE(icon->hasScaledContents());
    EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(windows::applicationIcon().availableSizes().isEmpty());
    EXPECT_TRUE(windows::applicationIcon().availableSizes().contains(QSize(256, 256)));
}

struct ClosingKey {
    const char* name;
    Qt::Key key;
    int result;
};

class AboutBoxKey : public AboutBoxTest, public ::testing::WithParamInterface<ClosingKey> {};

TEST_P(AboutBoxKey, ClosesTheBox) {
    TAboutBox box(nullptr);
    box.show();
    ASSERT_TRUE(box.isVisible());
    QTest::keyClick(&box, GetParam().key);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutBoxKey,
                         ::testing::Values(ClosingKey{"Enter", Qt::Key_Return, QDialog::Accepted},
                                           ClosingKey{"KeypadEnter", Qt::Key_Enter, QDialog::Accepted},
                                           ClosingKey{"Escape", Qt::Key_Escape, QDialog::Rejected}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, TheOpenerNamesTheModalBoxAndReleasesItWhenOkIsPressed) {
    QPointer<QWidget> seen;
    bool namedWhileShown = false;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        namedWhileShown = windows::AboutBox != nullptr && seen == windows::AboutBox;
        if (seen) {
            click(seen->findChild<QPushButton*>(QStringLiteral("OKButton")));
        }
    });
    windows::showAboutBox(nullptr);
    EXPECT_TRUE(namedWhileShown);
    EXPECT_EQ(windows::AboutBox, nullptr);
    EXPECT_TRUE(seen.isNull()); // released with its modal loop
}

} // namespace
} // namespace windows_tests
