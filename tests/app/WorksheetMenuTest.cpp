// The main window's charts print the worksheet from their pop-up menus, after the image items, from what
// the main window holds.

#include "MainWindowFixture.h"

#include "framework/Printing.h"
#include "support/ModalDialogs.h"
#include "support/PdfReading.h"

#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace app_testing {
namespace {

class WorksheetMenu : public MainWindowTest {};

TEST_F(WorksheetMenu, BothChartMenusEndWithTheTwoWorksheetItemsAfterTheImageItems) {
    for (const char* name : {"PopupMenuGraduations", "MenuGraphe"}) {
        const QList<QAction*> actions = child<QMenu>(QString::fromLatin1(name))->actions();
        qsizetype sheet = -1;
        for (qsizetype i = 0; i < actions.size(); ++i) {
            if (actions[i]->objectName() == QLatin1String("ImprimerFiche")) {
                sheet = i;
            } else if (actions[i]->objectName().endsWith(QLatin1String("Image"))) {
                EXPECT_EQ(sheet, -1) << name << ": an image item after the worksheet's";
            }
        }
        ASSERT_GT(sheet, 0) << name;
        ASSERT_LT(sheet + 1, actions.size()) << name;
        EXPECT_TRUE(actions[sheet - 1]->isSeparator()) << name;
        EXPECT_EQ(actions[sheet]->text(), QStringLiteral("Imprimer une fiche…"));
        EXPECT_EQ(actions[sheet + 1]->objectName(), QStringLiteral("ImprimerFicheCorrigee"));
        EXPECT_EQ(actions[sheet + 1]->text(), QStringLiteral("Imprimer la fiche corrigée…"));
    }
}

// 2,5 mol of carbon typed in: the dioxygen's 1 mol limits, xmax = 1.
TEST_F(WorksheetMenu, TheCorrectedSheetCarriesTheMainWindowsQuantitiesAndXmax) {
    typeInto(1, QStringLiteral("2,5"));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("corrige.pdf"));
    testing_support::whenModal<QPrintDialog>(QString::fromLatin1(framework::printDialogName),
                                             [&](QPrintDialog* d) {
                                                 for (QLineEdit* edit : d->findChildren<QLineEdit*>()) {
                                                     if (edit->text() == d->printer()->outputFileName()) {
                                                         edit->selectAll();
                                                         QTest::keyClicks(edit, pdf);
                                                     }
                                                 }
                                                 d->accept();
                                             });
    QWidget* chart = child("Chart1");
    chart->setFocus(Qt::TabFocusReason);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), chart->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(chart, &menuKey);
    auto* menu = child<QMenu>(QStringLiteral("PopupMenuGraduations"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); }));
    const QString text = testing_support::pdfText(pdf).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char* shown : {"n(C(s))=2,5mol", "2,5-X", "1-X", "Xmax=1,000mol", "1,500", "0,000"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << '\n' << text.toStdString();
    }
    EXPECT_TRUE(testing_support::ErrorBoxRecorder::messages().isEmpty());
}

} // namespace
} // namespace app_testing
