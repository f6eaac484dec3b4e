// The main window's charts print the worksheet from what the main window holds.

#include "MainWindowFixture.h"

#include "support/PdfReading.h"

#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace app_testing {
namespace {

// 2,5 mol of carbon typed in: the dioxygen's 1 mol limits, xmax = 1. The menu opens with the Menu key.
TEST_F(MainWindowTest, TheCorrectedWorksheetCarriesTheMainWindowsQuantitiesAndXmax) {
    typeInto(1, QStringLiteral("2,5"));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("corrige.pdf"));
    testing_support::printNextTo(pdf);
    QWidget* chart = child("Chart1");
    chart->setFocus(Qt::TabFocusReason);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), chart->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(chart, &menuKey);
    auto* menu = child<QMenu>(QStringLiteral("PopupMenuGraduations"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    testing_support::chooseWithKeys(menu, "ImprimerFicheCorrigee");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); }));
    const QString text = testing_support::pdfText(pdf).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char* shown : {"n(C(s))=2,5mol", "2,5-X", "1-X", "Xmax=1,000mol", "1,500", "0,000"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << '\n' << text.toStdString();
    }
    EXPECT_TRUE(testing_support::ErrorBoxRecorder::messages().isEmpty());
}

} // namespace
} // namespace app_testing
