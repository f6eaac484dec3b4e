// The worksheet: its grid's round graduations, taken from the data the pupils are given and never from
// xmax, and the sheet itself printed from a chart's menu opened with the keyboard, read back from the PDF.

#include "FakeMainForm.h"
#include "WindowTestSupport.h"

#include "chart/ChartView.h"
#include "controls/FloatSpinEdit.h"
#include "support/PdfReading.h"
#include "windows/UniteZoom.h"
#include "windows/Worksheet.h"

#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace windows_tests {
namespace {

struct AxesCase {
    const char* name;
    double n1, n2;
    model::Coefficients a;
    windows::RoundAxis x, y;
};

class WorksheetAxes : public ::testing::TestWithParam<AxesCase> {};

TEST_P(WorksheetAxes, AreRoundAndFollowTheGivenDataOnly) {
    const AxesCase& c = GetParam();
    const windows::WorksheetAxes axes = windows::worksheetAxes(c.n1, c.n2, c.a);
    EXPECT_DOUBLE_EQ(axes.x.maximum, c.x.maximum);
    EXPECT_DOUBLE_EQ(axes.x.step, c.x.step);
    EXPECT_DOUBLE_EQ(axes.y.maximum, c.y.maximum);
    EXPECT_DOUBLE_EQ(axes.y.step, c.y.step);
}

// The first two mixtures have xmax 1 and 2 and the same grid: the larger ratio is 2 in both.
INSTANTIATE_TEST_SUITE_P(
    Mixtures, WorksheetAxes,
    ::testing::Values(AxesCase{"xmax1", 2, 1, {1, 1, 2, 1}, {2.5, 0.5}, {4.5, 0.5}},
                      AxesCase{"xmax2", 2, 2, {1, 1, 2, 1}, {2.5, 0.5}, {4.5, 0.5}},
                      AxesCase{"copperOxide", 3, 1, {2, 1, 2, 1}, {2, 0.2}, {3.5, 0.5}},
                      AxesCase{"tiny", 0.002, 0.003, {1, 1, 1, 0}, {0.004, 0.0005}, {0.0035, 0.0005}},
                      AxesCase{"nothing", 0, 0, {1, 1, 1, 0}, {1, 0.2}, {1, 0.2}},
                      AxesCase{"subnormal", 5e-324, 0, {1, 1, 1, 0}, {1, 0.2}, {1, 0.2}}),
    [](const ::testing::TestParamInfo<AxesCase>& info) { return std::string(info.param.name); });

class WorksheetPrint : public WindowTest {
protected:
    // Opens Courbe_1's menu with Shift+F10, chooses the item with the keys, and writes the PDF file the
    // print dialog is given.
    QString print(windows::TFicheZoom& window, const char* item, const QString& fileName) {
        const QString pdf = folder.filePath(fileName);
        testing_support::printNextTo(pdf, &proposed);
        auto* chart = child<chart::TChartView>(window, "Courbe_1");
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = chart->popupMenu();
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
        testing_support::chooseWithKeys(menu, item);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); }));
        return pdf;
    }

    FakeMainForm main{2}; // 2 CuO + C -> 2 Cu + CO2
    QTemporaryDir folder;
    QStringList proposed; // the file names the print dialog proposed
};

// 3 mol of copper oxide and 1 mol of carbon: xmax = 1, the carbon is used up.
TEST_F(WorksheetPrint, BlankAndCorrectedSheetsFromTheZoomWindowReadBackFromTheirPdf) {
    windows::TFicheZoom window(main, nullptr);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
    typeInto(child<controls::TFloatSpinEdit>(window, "n1z"), QStringLiteral("3"));
    ASSERT_DOUBLE_EQ(window.xmaxZoom(), 1);

    const QString blank = print(window, "ImprimerFiche", QStringLiteral("fiche.pdf"));
    const QString corrected = print(window, "ImprimerFicheCorrigee", QStringLiteral("corrige.pdf"));
    EXPECT_EQ(proposed,
              (QStringList{QStringLiteral("fiche-CuO-C.pdf"), QStringLiteral("fiche-corrigee-CuO-C.pdf")}));
    // pdftotext keeps the words' order but not always the narrow spaces between them: texts are compared
    // without spaces, numbers in the layout it gives.
    const auto compact = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    const QRegularExpression fixedValue(QStringLiteral("\\d,\\d{3}"));
    const QRegularExpression expression(QStringLiteral("\\d-\\d*X"));
    for (const QString& pdf : {blank, corrected}) {
        const QString info = testing_support::pdfInfo(pdf);
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        const QString layout = testing_support::pdfText(pdf);
        const QString text = compact(layout);
        for (const char* given : {"Etatinitial", "transformation", "Etatfinal", "n(CuO(s))=3mol",
                                  "n(C(s))=1mol", "X(mol)", "n(mol)"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(given))) << given << '\n' << text.toStdString();
        }
        if (pdf == blank) {
            EXPECT_FALSE(layout.contains(fixedValue)) << layout.toStdString();
            EXPECT_FALSE(text.contains(expression)) << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("Xmax="))) << text.toStdString();
            continue;
        }
        for (const char* answer : {"3-2X", "1-X", "2X", "Xmax=1,000mol", "0,000", "2,000"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(answer))) << answer << '\n' << text.toStdString();
        }
        EXPECT_EQ(text.count(QStringLiteral("1,000")), 4) << "xmax in the table and on the grid, CuO and CO2";
    }
    EXPECT_TRUE(errorBoxes().isEmpty());
}

} // namespace
} // namespace windows_tests
