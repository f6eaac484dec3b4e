// The zoom window: what it copies from the main window when it becomes active, its own maximal
// advancement and axis scaling, the slider and its curves, the simulation, the chart menu, the bar marks
// and the measurement table opened from it.

#include "FakeMainForm.h"
#include "WindowTestSupport.h"
#include "support/Eventually.h"
#include "support/MarkChecks.h"

#include "chart/ChartRenderer.h"
#include "chart/ChartView.h"
#include "chart/TextCache.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "controls/MarkupImageList.h"
#include "controls/markuplabel.h"
#include "framework/Announcement.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Printing.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/TrackBar.h"
#include "support/ModalDialogs.h"
#include "support/Pdf.h"
#include "windows/UniteTableau.h"
#include "windows/UniteZoom.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <map>
#include <tuple>

namespace windows_tests {
namespace {

using windows::TFicheZoom;

class ZoomWindow : public WindowTest {
protected:
    // The window on the main window's work area, 1200 x 800 unless the test gives another.
    std::unique_ptr<TFicheZoom> open() {
        auto window = std::make_unique<TFicheZoom>(main, nullptr);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        return window;
    }

    static chart::TChartView* chartOf(const TFicheZoom& window, const char* name) {
        return child<chart::TChartView>(window, name);
    }
    static chart::BarSeries& bars(const TFicheZoom& window, const char* chartName) {
        return chartOf(window, chartName)->barSeries(0);
    }
    static chart::LineSeries& line(const TFicheZoom& window, const char* chartName, int slot) {
        return chartOf(window, chartName)->lineSeries(slot - 1);
    }
    static QString text(const TFicheZoom& window, const char* name) {
        return child<framework::TStaticText>(window, name)->caption();
    }
    static framework::TTrackBar* slider(const TFicheZoom& window) {
        return child<framework::TTrackBar>(window, "BarZoom");
    }
    static controls::TFloatSpinEdit* field(const TFicheZoom& window, const char* name) {
        return child<controls::TFloatSpinEdit>(window, name);
    }
    // Moves the slider with the keyboard, as the pupil does: Home, then Right the given number of times.
    static void slideTo(const TFicheZoom& window, int position) {
        framework::TTrackBar* bar = slider(window);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        for (int i = 0; i < position; ++i) {
            QTest::keyClick(bar, Qt::Key_Right);
        }
    }
    static std::vector<std::string> labels(const chart::Series& series) {
        std::vector<std::string> result;
        for (int i = 0; i < series.count(); ++i) {
            result.push_back(series.pointLabel(i));
        }
        return result;
    }

    FakeMainForm main{1};
};

TEST_F(ZoomWindow, OpensOverTheWorkAreaWithItsCaptionItsThreePagesAndTheStateTable) {
    auto opened = open();
    TFicheZoom& window = *opened;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zoom"));
    EXPECT_EQ(window.frameGeometry(), main.area);
    auto* pages = child<QTabWidget>(window, "PageControleZoom");
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Histogramme évolution"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("Courbes de l'évolution"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("Histogramme et courbes"));
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Tableau d'avancement"));
    EXPECT_EQ(pages->widget(0)->objectName(), QStringLiteral("TabHisto"));
}

TEST_F(ZoomWindow, TheTableButtonShowsItsWholeCaptionInsideTheColumn) {
    auto window = open();
    auto* button = child<controls::TFlatButton>(*window, "FlatButton2");
    const int caption = QFontMetrics(button->font()).horizontalAdvance(button->caption());
    EXPECT_GE(button->width(), caption + 8) << "the caption is not cut off";
    EXPECT_GE(button->x(), 0);
    EXPECT_LE(button->geometry().right(), button->parentWidget()->width() - 1);
}

TEST_F(ZoomWindow, ActivationSharesTheWidthBetweenThePagesAndTheColumn) {
    auto window = open();
    auto* pages = child<QTabWidget>(*window, "PageControleZoom");
    const int pageWidth = window->width() - 100;
    EXPECT_EQ(pages->geometry(), QRect(0, 0, pageWidth, window->height()));
    EXPECT_EQ(child(*window, "Panelmenu")->geometry(), QRect(pageWidth, 0, 100, window->height()));
    pages->setCurrentIndex(2);
    QApplication::processEvents();
    EXPECT_EQ(child(*window, "Panel1")->width(), int(std::lrint(pageWidth / 2.0)));
}

// On every work area the window covers it at one size, its frame included, and the column keeps 100 px
// on the right.
TEST_F(ZoomWindow, KeepsItsFixedBorderAndItsColumnOnEveryWorkArea) {
    for (const QRect area : {QRect(0, 0, 700, 560), QRect(0, 0, 1920, 1080), QRect(0, 30, 1024, 738)}) {
        main.area = area;
        auto window = open();
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
        EXPECT_EQ(window->frameGeometry(), area);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        const int pages = window->width() - 100;
        EXPECT_EQ(child(*window, "PageControleZoom")->geometry(), QRect(0, 0, pages, window->height()));
        EXPECT_EQ(child(*window, "Panelmenu")->geometry(), QRect(pages, 0, 100, window->height()));
        EXPECT_EQ(child(*window, "FlatButton1")->geometry(), QRect(10, 520, 79, 22));
        EXPECT_EQ(child(*window, "n2z")->geometry(), QRect(4, 110, 47, 22));
    }
}

// Ctrl++ steps the scale by quarters up to the largest at which every page fits the window, which the
// scale shown says; there the column, the tabs and the bar marks all stand inside, for the seventh
// equation's long formulas too. Ctrl+0 gives the design look back to the pixel.
TEST_F(ZoomWindow, CtrlKeysScaleByQuartersUpToTheLargestScaleThatFits) {
    main.load(7);
    std::map<int, int> largest;
    for (const QRect area : {QRect(0, 0, 1024, 738), QRect(0, 0, 1920, 1080)}) {
        main.area = area;
        auto window = open();
        // The pages and the column, without the scale shown over them for a moment.
        const auto look = [&] {
            return std::pair{child(*window, "PageControleZoom")->grab().toImage(),
                             child(*window, "Panelmenu")->grab().toImage()};
        };
        const auto designLook = look();
        const auto scaleAfter = [&](Qt::Key key) {
            QTest::keyClick(window.get(), key, Qt::ControlModifier);
            return window->scalePercent();
        };
        auto* shown = child<QLabel>(*window, "Echelle");
        EXPECT_EQ(scaleAfter(Qt::Key_Minus), 100); // no smaller than the design
        EXPECT_EQ(shown->text(), QStringLiteral("100 %"));
        for (int expected = 125; scaleAfter(Qt::Key_Plus) == expected; expected += 25) {
            largest[area.width()] = expected;
        }
        const int top = largest[area.width()];
        EXPECT_EQ(window->scalePercent(), top);
        EXPECT_EQ(shown->text(), QStringLiteral("%1 % (maximum)").arg(top));
        EXPECT_TRUE(shown->isVisible());
        EXPECT_TRUE(child(*window, "PageControleZoom")->geometry().contains(shown->geometry()))
            << "the scale shown runs over the column at " << top << " %";
        EXPECT_EQ(window->findChild<QTabBar*>()->font().pixelSize(), std::lrint(11 * top / 100.0));
        for (QWidget* control : child(*window, "Panelmenu")->findChildren<QWidget*>()) {
            if (control->isVisible()) {
                EXPECT_TRUE(QRect(QPoint(0, 0), window->size())
                                .contains(QRect(control->mapTo(window.get(), QPoint(0, 0)), control->size())))
                    << control->objectName().toStdString() << " at " << top << " %";
            }
        }
        EXPECT_EQ(scaleAfter(Qt::Key_0), 100);
        EXPECT_TRUE(look() == designLook); // the design look again, to the pixel

        while (window->scalePercent() < top) {
            scaleAfter(Qt::Key_Plus);
        }
        auto* pages = child<QTabWidget>(*window, "PageControleZoom");
        for (int position : {0, 50, 100}) {
            slideTo(*window, position);
            for (const auto& [page, name] : {std::pair{0, "Courbe_1"}, {2, "courbe_11"}}) {
                pages->setCurrentIndex(page);
                testing_support::expectMarksClear(*chartOf(*window, name),
                                                  std::string(name) + " at " + std::to_string(top) + " %");
            }
        }
    }
    EXPECT_GE(largest[1024], 125);
    EXPECT_GT(largest[1920], largest[1024]);
}

TEST_F(ZoomWindow, TheWheelWithCtrlScalesWhereverThePointerIs) {
    main.area = QRect(0, 0, 1920, 1080);
    auto window = open();
    chart::TChartView* bars = chartOf(*window, "Courbe_1");
    // A notch of the wheel with Ctrl over a chart or over a field is a step; without Ctrl it scales nothing.
    const auto turn = [&](QWidget* over, int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at = QPointF(over->rect().center());
        QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
        return window->scalePercent();
    };
    EXPECT_EQ(turn(bars, 120, Qt::ControlModifier), 125);
    EXPECT_EQ(turn(field(*window, "n1z"), 60, Qt::ControlModifier), 125); // half a notch
    EXPECT_EQ(turn(field(*window, "n1z"), 60, Qt::ControlModifier), 150);
    EXPECT_EQ(turn(bars, -120, Qt::ControlModifier), 125);
    EXPECT_EQ(turn(bars, 120, Qt::NoModifier), 125);
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("1"));
}

TEST_F(ZoomWindow, CopiesTheFormulasAndQuantitiesOfTheMainWindow) {
    main.setQuantities(QStringLiteral("2,5"), QStringLiteral("4"));
    auto window = open();
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T1z")->htmlLines(),
              QStringList{QStringLiteral("C(s)")});
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T11z")->htmlLines(),
              QStringList{QStringLiteral("C(s)")});
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T2z")->htmlLines(),
              QStringList{QStringLiteral("O<sub>2</sub>(g)")});
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T3z")->htmlLines(),
              QStringList{QStringLiteral("CO<sub>2</sub>(g)")});
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("2,5"));
    EXPECT_EQ(field(*window, "n2z")->text(), QStringLiteral("4"));
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("2,5")); // as typed, not formatted
    EXPECT_EQ(text(*window, "n2_x"), QStringLiteral("4"));
    EXPECT_EQ(text(*window, "n3_x"), QStringLiteral("0"));
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 2.5);
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(ZoomWindow, WithoutSlotFourHidesItsLabelQuantityAndUnitAndDrawsThreeBars) {
    auto window = open();
    EXPECT_TRUE(child(*window, "T4z")->isHidden());
    EXPECT_TRUE(child(*window, "n4_x")->isHidden());
    EXPECT_TRUE(child(*window, "moles4z")->isHidden());
    for (const char* chartName : {"Courbe_1", "courbe_11"}) {
        EXPECT_EQ(labels(bars(*window, chartName)), (std::vector<std::string>{"C(s)", "O2(g)", "CO2(g)"}));
    }
    EXPECT_FALSE(line(*window, "courbe_2", 4).showInLegend());
    EXPECT_FALSE(line(*window, "courbe_22", 4).showInLegend());
}

TEST_F(ZoomWindow, WithSlotFourShowsItAndDrawsFourBars) {
    main.load(2);
    auto window = open();
    EXPECT_FALSE(child(*window, "T4z")->isHidden());
    EXPECT_FALSE(child(*window, "moles4z")->isHidden());
    EXPECT_EQ(text(*window, "n4_x"), QStringLiteral("0"));
    EXPECT_EQ(labels(bars(*window, "courbe_11")),
              (std::vector<std::string>{"CuO(s)", "C(s)", "Cu(s)", "CO2(g)"}));
    EXPECT_EQ(bars(*window, "Courbe_1").point(3).color, framework::clYellow);
    EXPECT_EQ(line(*window, "courbe_2", 4).title(), "CO2(g)");
    EXPECT_TRUE(line(*window, "courbe_22", 4).showInLegend());
}

TEST_F(ZoomWindow, TheSeventhEquationShowsTheEthanoateIonAloneAndSmallerMarks) {
    main.load(7);
    auto window = open();
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T4z")->htmlLines(),
              QStringList{QStringLiteral("CH<sub>3</sub>COO<sup>-</sup>(aq)")});
    EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T1z")->htmlLines(),
              QStringList{QStringLiteral("HCO<sub>3</sub><sup>-</sup>(aq)")});
    bars(*window, "courbe_11").markText(0); // as the chart asks before drawing a mark
    EXPECT_EQ(bars(*window, "courbe_11").marks().font().pixelSize, chart::pixelsFromPoints(10));

    main.load(1);
    auto other = open();
    bars(*other, "courbe_11").markText(0);
    EXPECT_EQ(bars(*other, "courbe_11").marks().font().pixelSize, chart::pixelsFromPoints(12));
}

TEST_F(ZoomWindow, ATeachersLongFormulasStayInTheColumnInTheHeightOfOneLineAtEveryScale) {
    const QString longest =
        QStringLiteral("CH<sub>3</sub>CH<sub>2</sub>CH<sub>2</sub>CH<sub>2</sub>CH<sub>2</sub>"
                       "CH<sub>2</sub>CH<sub>2</sub>CH<sub>3</sub>(l)");
    const QString middling = QStringLiteral("Ca<sub>3</sub>(PO<sub>4</sub>)<sub>2</sub>(s)");
    main.load(2);
    main.zoomMarkups = {longest, middling, QStringLiteral("CO<sub>2</sub>(g)"), longest};
    main.area = QRect(0, 0, 1920, 1080);
    auto window = open();
    // Each formula and the rounded frame around it.
    const std::vector<std::pair<const char*, const char*>> formulaInFrame{
        {"T1z", "Shape1"},  {"T11z", "Shape2"}, {"T2z", "Shape1"},
        {"T22z", "Shape2"}, {"T3z", "Shape2"},  {"T4z", "Shape2"}};
    for (int percent : {100, 200}) {
        window->setScalePercent(percent);
        // No taller than a formula on one line as designed, which leaves its value clear.
        const int oneLine = child(*window, "T3z")->height();
        for (const auto& [formula, frame] : formulaInFrame) {
            const QRect label = child(*window, formula)->geometry();
            EXPECT_TRUE(child(*window, frame)->geometry().contains(label)) << formula << " at " << percent;
            EXPECT_LE(label.height(), oneLine) << formula << " at " << percent;
        }
        EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T3z")->htmlLines(),
                  QStringList{QStringLiteral("CO<sub>2</sub>(g)")});
        EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T2z")->htmlLines(), QStringList{middling});
        EXPECT_EQ(child<controls::TMarkupLabel>(*window, "T1z")
                      ->htmlLines()
                      .join(QString())
                      .count(QStringLiteral("<BR>")),
                  1);
    }
}

TEST_F(ZoomWindow, BarMarksReadTheFormulaOverTheQuantityInMol) {
    main.load(2);
    main.setQuantities(QStringLiteral("2,5"), QStringLiteral("1"));
    auto window = open();
    EXPECT_EQ(bars(*window, "Courbe_1").markText(0), "CuO(s)\r2,5 mol");
    EXPECT_EQ(bars(*window, "courbe_11").markText(2), "Cu(s)\r0 mol");
}

TEST_F(ZoomWindow, FiveAndFiveWithUnitCoefficientsEndTheAxesAtSix) {
    main.setQuantities(QStringLiteral("5"), QStringLiteral("5"));
    auto window = open();
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 5);
    for (const char* name : {"courbe_2", "courbe_22"}) {
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->bottomAxis().maximum(), 6) << name;
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->bottomAxis().increment(), 0.5) << name;
    }
    for (const char* name : {"Courbe_1", "courbe_2", "courbe_11", "courbe_22"}) {
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->leftAxis().maximum(), 6) << name;
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->leftAxis().increment(), 0.5) << name;
    }
}

TEST_F(ZoomWindow, ACoefficientTwoForTheProductEndsTheLeftAxesAtEleven) {
    main.setQuantities(QStringLiteral("5"), QStringLiteral("5"));
    main.coefficients[2] = QStringLiteral("2");
    auto window = open();
    for (const char* name : {"Courbe_1", "courbe_2", "courbe_11", "courbe_22"}) {
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->leftAxis().maximum(), 11) << name;
    }
}

// Both bar charts keep every mark whole and clear of the bars, the axes and the other marks, for the
// longest formulas and up to the largest quantity the fields take, from the start to the end.
TEST_F(ZoomWindow, EveryBarMarkStandsClearInBothBarCharts) {
    for (int preset : {1, 7}) {
        main.load(preset);
        auto window = open();
        auto* pages = child<QTabWidget>(*window, "PageControleZoom");
        for (const char* quantity : {"1", "10", "50"}) {
            typeInto(field(*window, "n1z"), QString::fromLatin1(quantity));
            for (int position : {0, 5, 60, 100}) {
                slideTo(*window, position);
                for (const auto& [page, name] : {std::pair{0, "Courbe_1"}, {2, "courbe_11"}}) {
                    pages->setCurrentIndex(page);
                    testing_support::expectMarksClear(*chartOf(*window, name),
                                                      "preset " + std::to_string(preset) + ", " + quantity +
                                                          " mol, position " + std::to_string(position) +
                                                          ", " + name);
                }
            }
        }
    }
}

TEST_F(ZoomWindow, TypingAQuantityRecomputesXmaxZoomButNotTheMainWindow) {
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("0,5"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 0.5);
    EXPECT_DOUBLE_EQ(chartOf(*window, "courbe_2")->bottomAxis().maximum(), 0.6);
    EXPECT_EQ(main.quantities[0], QStringLiteral("1"));
    EXPECT_EQ(main.coefficientWrites, 0);
}

TEST_F(ZoomWindow, AnEmptySlotTwoCoefficientIsRepairedInTheMainWindow) {
    main.coefficients[1].clear();
    auto window = open();
    EXPECT_EQ(main.coefficients[1], QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 1);
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(ZoomWindow, CoincidingReactantsAreDrawnAHundredthApart) {
    main.setQuantities(QStringLiteral("5"), QStringLiteral("5"));
    auto window = open();
    slideTo(*window, 40);
    for (const char* name : {"courbe_2", "courbe_22"}) {
        const chart::LineSeries& first = line(*window, name, 1);
        const chart::LineSeries& second = line(*window, name, 2);
        ASSERT_EQ(first.count(), 41);
        for (int i = 0; i < first.count(); ++i) {
            EXPECT_DOUBLE_EQ(first.point(i).y, second.point(i).y + 0.01) << name << " point " << i;
        }
    }
    // The bars and the texts show the true quantities.
    EXPECT_DOUBLE_EQ(bars(*window, "Courbe_1").point(0).y, 3);
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("3,000"));
}

TEST_F(ZoomWindow, DifferentReactantsAreDrawnExactly) {
    main.setQuantities(QStringLiteral("5"), QStringLiteral("4"));
    auto window = open();
    slideTo(*window, 30);
    const chart::LineSeries& first = line(*window, "courbe_2", 1);
    ASSERT_EQ(first.count(), 31);
    EXPECT_DOUBLE_EQ(first.point(30).y, 5 - 0.3 * 4);
}

TEST_F(ZoomWindow, TheSeventhEquationLiftsTheSecondProductCurve) {
    main.load(7);
    main.setQuantities(QStringLiteral("2"), QStringLiteral("3"));
    auto window = open();
    slideTo(*window, 50);
    for (const char* name : {"courbe_2", "courbe_22"}) {
        const chart::LineSeries& third = line(*window, name, 3);
        const chart::LineSeries& fourth = line(*window, name, 4);
        ASSERT_EQ(fourth.count(), 51);
        EXPECT_DOUBLE_EQ(fourth.point(50).y, third.point(50).y + 0.01) << name;
        EXPECT_DOUBLE_EQ(line(*window, name, 1).point(50).y, 1) << "different quantities: no offset";
    }
}

TEST_F(ZoomWindow, TheCurvesRunFromZeroToTheSlider) {
    main.setQuantities(QStringLiteral("3"), QStringLiteral("2"));
    auto window = open();
    EXPECT_EQ(line(*window, "courbe_2", 1).count(), 0) << "empty after the opening";
    slideTo(*window, 1);
    QTest::keyClick(slider(*window), Qt::Key_Left);
    EXPECT_EQ(slider(*window)->position(), 0);
    EXPECT_EQ(line(*window, "courbe_2", 3).count(), 1);
    EXPECT_DOUBLE_EQ(line(*window, "courbe_2", 3).point(0).x, 0);
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("3,000"));

    slideTo(*window, 100);
    for (const char* name : {"courbe_2", "courbe_22"}) {
        for (int slot = 1; slot <= 3; ++slot) {
            ASSERT_EQ(line(*window, name, slot).count(), 101) << name << " slot " << slot;
        }
        EXPECT_EQ(line(*window, name, 4).count(), 0) << "no slot 4, no points";
        EXPECT_EQ(line(*window, name, 3).point(100).x, window->xmaxZoom());
    }
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("2,000"));
    EXPECT_EQ(text(*window, "n2_x"), QStringLiteral("0,000"));
    EXPECT_EQ(text(*window, "n3_x"), QStringLiteral("2,000"));
}

TEST_F(ZoomWindow, InitialisationAtZeroKeepsTheTypedText) {
    main.setQuantities(QStringLiteral("5"), QStringLiteral("5"));
    auto window = open();
    click(child(*window, "initialisation"));
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("5"));
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("0"));

    slideTo(*window, 20);
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("4,000"));
    click(child(*window, "initialisation"));
    EXPECT_EQ(slider(*window)->position(), 0);
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("5,000")) << "the slider's return to 0 formats the texts";
    EXPECT_EQ(line(*window, "courbe_2", 1).count(), 0);
    EXPECT_DOUBLE_EQ(bars(*window, "Courbe_1").point(0).y, 5);
}

// Preset 6 with 3,1 mol of iron: at position 100 the iron left is 3,1 - 3 × (3,1 / 3), a rounding residue
// below zero.
class ZoomLimitingResidue : public ZoomWindow {
protected:
    void SetUp() override {
        ZoomWindow::SetUp();
        main.load(6);
        main.setQuantities(QStringLiteral("3,1"), QStringLiteral("10"));
    }
};

TEST_F(ZoomLimitingResidue, TheSliderStopsShortOfANegativeQuantity) {
    auto window = open();
    slideTo(*window, 99);
    const QString at99 = text(*window, "nx");
    QTest::keyClick(slider(*window), Qt::Key_Right);
    EXPECT_EQ(slider(*window)->position(), 100);
    EXPECT_EQ(text(*window, "nx"), at99);
    EXPECT_EQ(line(*window, "courbe_2", 1).count(), 100);
}

TEST_F(ZoomLimitingResidue, ASimulationStepStillDrawsTheEndState) {
    auto window = open();
    slideTo(*window, 99);
    click(child(*window, "simulationzoom"));
    EXPECT_EQ(slider(*window)->position(), 100);
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("1,033"));
    EXPECT_EQ(text(*window, "n1_x"), QStringLiteral("0,000"));
    EXPECT_EQ(line(*window, "courbe_2", 1).count(), 101);
    EXPECT_LT(line(*window, "courbe_2", 1).point(100).y, 0);
    auto* timer = window->findChild<framework::TTimer*>(QStringLiteral("Timer1zoom"));
    ASSERT_NE(timer, nullptr);
    ASSERT_EVENTUALLY(!timer->enabled()); // the next tick finds the slider at its end
    EXPECT_EQ(slider(*window)->position(), 100);
}

TEST_F(ZoomWindow, TheSimulationStepsEveryTickAndArretStopsIt) {
    auto window = open();
    auto* timer = window->findChild<framework::TTimer*>(QStringLiteral("Timer1zoom"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 100);
    click(child(*window, "simulationzoom"));
    EXPECT_EQ(slider(*window)->position(), 1) << "a first step at once";
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("0,010"));
    EXPECT_TRUE(timer->enabled());
    ASSERT_EVENTUALLY(slider(*window)->position() >= 3);
    click(child(*window, "arret"));
    EXPECT_FALSE(timer->enabled());
    const int stopped = slider(*window)->position();
    QTest::qWait(250);
    EXPECT_EQ(slider(*window)->position(), stopped);
}

// A screen reader hears the run's start, its stop and its end.
TEST_F(ZoomWindow, TheRunsStartStopAndEndAreAnnounced) {
    auto window = open();
    const framework::TAnnouncement* announcement = framework::TAnnouncement::of(window.get());
    click(child(*window, "simulationzoom"));
    EXPECT_EQ(announcement->message(), QStringLiteral("Simulation en cours : X = 0,010 mol"));
    click(child(*window, "arret"));
    EXPECT_EQ(announcement->message(), QStringLiteral("Arrêt : X = 0,010 mol"));
    slideTo(*window, 100);
    click(child(*window, "simulationzoom"));
    EXPECT_EQ(announcement->message(), QStringLiteral("Avancement maximal atteint : X = %1 mol")
                                           .arg(framework::textG15(window->xmaxZoom())));
}

TEST_F(ZoomWindow, ChangingAQuantityDuringARunRestartsItFromZero) {
    auto window = open();
    slideTo(*window, 50);
    click(child(*window, "simulationzoom"));
    EXPECT_EQ(slider(*window)->position(), 51);
    typeInto(field(*window, "n1z"), QStringLiteral("0,5"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 0.5);
    EXPECT_LE(slider(*window)->position(), 1);
    auto* timer = window->findChild<framework::TTimer*>(QStringLiteral("Timer1zoom"));
    EXPECT_TRUE(timer->enabled());
    ASSERT_EVENTUALLY(slider(*window)->position() >= 2);
    EXPECT_LT(slider(*window)->position(), 40);
    EXPECT_DOUBLE_EQ(line(*window, "courbe_2", 3).point(1).x, 0.005);
    click(child(*window, "arret"));
}

TEST_F(ZoomWindow, AFailingStepStopsTheRunAndIsReportedOnce) {
    auto window = open();
    auto* timer = window->findChild<framework::TTimer*>(QStringLiteral("Timer1zoom"));
    click(child(*window, "simulationzoom"));
    ASSERT_TRUE(timer->enabled());
    // A lone minus sign: the return to X = 0 it sets off fails on it, and so does the next step.
    typeInto(field(*window, "n1z"), QStringLiteral("-"));
    const QString message = QStringLiteral("'-' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(errorBoxes(), QStringList{message});
    ASSERT_EVENTUALLY(!timer->enabled());
    EXPECT_EQ(errorBoxes(), (QStringList{message, message}));
    QTest::qWait(350);
    EXPECT_EQ(errorBoxes().size(), 2) << "no message at further ticks";
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("-"));
}

// The quantity fields take 0 to 50 mol as the main window's do: while a number out of range is being
// typed, the column, the bars and the curves show the bound it passed; leaving the field brings the
// field to it too. No axis is refused on the way.
TEST_F(ZoomWindow, AQuantityOutOfRangeCountsAsItsBoundAndIsBroughtToItOnLeaving) {
    auto window = open();
    for (const auto& [typed, bound, shown] :
         {std::tuple{"-", 0.0, "0"}, {"-2", 0.0, "0"}, {"80", 50.0, "50"}, {"2,5", 2.5, "2,5"}}) {
        typeInto(field(*window, "n1z"), QString::fromLatin1(typed));
        EXPECT_EQ(text(*window, "n1_x"), QString::fromLatin1(shown)) << typed;
        EXPECT_DOUBLE_EQ(bars(*window, "Courbe_1").point(0).y, bound) << typed;
        if (QString::fromLatin1(typed) != QStringLiteral("-")) {
            slideTo(*window, 10);
            EXPECT_DOUBLE_EQ(line(*window, "courbe_2", 1).point(0).y, bound) << typed;
            EXPECT_EQ(text(*window, "n1_x"), framework::textF3(bars(*window, "Courbe_1").point(0).y))
                << typed;
        }
        QTest::keyClick(field(*window, "n1z"), Qt::Key_Tab);
        EXPECT_EQ(field(*window, "n1z")->text(), QString::fromLatin1(shown)) << typed;
    }
    EXPECT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(QLatin1Char('|')).toStdString();
}

TEST_F(ZoomWindow, GraduationOneAppliesToTheFourChartsWithExclusiveChecks) {
    auto window = open();
    auto* one = window->findChild<QAction*>(QStringLiteral("N1gz"));
    auto* half = window->findChild<QAction*>(QStringLiteral("N05z"));
    ASSERT_TRUE(one && half);
    EXPECT_TRUE(half->isChecked());
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("N01z"))->text(), QStringLiteral("0,1"));
    one->trigger();
    for (const char* name : {"Courbe_1", "courbe_2", "courbe_11", "courbe_22"}) {
        EXPECT_DOUBLE_EQ(chartOf(*window, name)->leftAxis().increment(), 1) << name;
    }
    EXPECT_TRUE(one->isChecked());
    EXPECT_FALSE(half->isChecked());
    one->trigger();
    EXPECT_TRUE(one->isChecked()) << "choosing the checked item keeps it checked";
    typeInto(field(*window, "n1z"), QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(chartOf(*window, "courbe_22")->leftAxis().increment(), 1) << "the rescaling keeps it";
}

TEST_F(ZoomWindow, LineSizeFiveWidensAllEightLines) {
    auto window = open();
    auto* five = window->findChild<QAction*>(QStringLiteral("tailleZoom5"));
    auto* two = window->findChild<QAction*>(QStringLiteral("tailleZoom2"));
    ASSERT_TRUE(five && two);
    EXPECT_TRUE(two->isChecked());
    five->trigger();
    for (const char* name : {"courbe_2", "courbe_22"}) {
        for (int slot = 1; slot <= 4; ++slot) {
            EXPECT_EQ(line(*window, name, slot).lineWidth(), 5) << name << " slot " << slot;
        }
    }
    EXPECT_TRUE(five->isChecked());
    EXPECT_FALSE(two->isChecked());
    EXPECT_EQ(chartOf(*window, "Courbe_1")->popupMenu()->objectName(), QStringLiteral("MenuGrapheZoom"));
}

// Opens the chart's menu with the mouse and clicks the item.
void chooseMenuItem(chart::TChartView* chart, const char* item) {
    QTest::mouseClick(chart, Qt::RightButton, Qt::NoModifier, chart->rect().center());
    QMenu* menu = chart->popupMenu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                      menu->actionGeometry(menu->findChild<QAction*>(QString::fromLatin1(item))).center());
}

// Saves the chart's image through its menu, typing the file's name into the save dialog.
void saveImage(chart::TChartView* chart, const QString& path, const char* item = "EnregistrerImage") {
    testing_support::whenModal<QFileDialog>(
        QString::fromLatin1(framework::saveDialogName), [path](auto* dialog) {
            dialog->setDirectory(QFileInfo(path).absolutePath());
            auto* edit = dialog->template findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->selectAll();
            QTest::keyClicks(edit, QFileInfo(path).fileName());
            QTest::keyClick(edit, Qt::Key_Return);
        });
    chooseMenuItem(chart, item);
}

TEST_F(ZoomWindow, SavesTheSituationItShowsAndShowsAnOpenedOneWithItsAdvancement) {
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("3"));
    slider(*window)->setPosition(40);
    chooseMenuItem(chartOf(*window, "Courbe_1"), "EnregistrerSituation");
    ASSERT_EQ(main.savedSituations.size(), 1u);
    EXPECT_EQ(main.savedSituations[0].quantity1, QStringLiteral("3"));
    EXPECT_EQ(main.savedSituations[0].quantity2, main.quantities[1]);
    EXPECT_DOUBLE_EQ(main.savedSituations[0].advancement, model::advancementAt(40, window->xmaxZoom()));

    // C + O2 from 4 and 2 mol: xmax is 2, and X = 0,5 mol is the slider's quarter.
    main.situationToOpen = {QStringLiteral("4"), QStringLiteral("2"), 0.5};
    chooseMenuItem(chartOf(*window, "courbe_11"), "OuvrirSituation");
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 2);
    EXPECT_EQ(slider(*window)->position(), 25);
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("0,500"));
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(ZoomWindow, TheChartMenuEndsWithTheImageItemsWhichSavePngAndSvgAndCopy) {
    auto window = open();
    chart::TChartView* bars = chartOf(*window, "Courbe_1");
    QStringList captions;
    for (const QAction* action : bars->popupMenu()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(
        captions.join(QLatin1Char('|')),
        QStringLiteral("Taille des droites|Echelle de graduations||Copier "
                       "l'image|Enregistrer l'image sous…|Imprimer…|Enregistrer l'image pour l'impression…|"
                       "Imprimer sur fond blanc…||Imprimer une fiche…|Imprimer la fiche corrigée…||"
                       "Ouvrir une situation…|Enregistrer la situation…"));

    // A name typed without a suffix is a PNG image, twice the chart's size.
    QTemporaryDir folder;
    saveImage(bars, folder.filePath(QStringLiteral("histogramme")));
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("histogramme.png"))).size(), bars->size() * 2);

    // The line chart as an SVG drawing whose texts are texts.
    chart::TChartView* lines = chartOf(*window, "courbe_2");
    child<QTabWidget>(*window, "PageControleZoom")->setCurrentIndex(1);
    saveImage(lines, folder.filePath(QStringLiteral("courbes.svg")));
    QFile svg(folder.filePath(QStringLiteral("courbes.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Etat d'avancement X en mol")));

    // For print: on white, the heading above the chart.
    saveImage(bars, folder.filePath(QStringLiteral("impression.png")), "EnregistrerImageImpression");
    const QImage forPrint(folder.filePath(QStringLiteral("impression.png")));
    EXPECT_EQ(forPrint.width(), bars->width() * 2);
    EXPECT_GT(forPrint.height(), bars->height() * 2 + 60);
    EXPECT_EQ(forPrint.pixel(forPrint.width() - 1, forPrint.height() - 1), qRgb(255, 255, 255));

    // Ctrl+C on the focused chart.
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), lines->size() * 2);
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(ZoomWindow, APrintedChartNamesTheZoomsOwnQuantitiesAndX) {
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("3"));
    auto* slider = child<QSlider>(*window, "BarZoom");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("histogramme.pdf"));
    framework::printToPdf(
        nullptr, pdf, {},
        *chartOf(*window, "Courbe_1")
             ->printout(chart::TChartView::Background::White, QDateTime::currentDateTime()));
    const QString text = testing_support::pdfText(pdf);
    const QString x = child<QLabel>(*window, "nx")->text();
    EXPECT_FALSE(x.isEmpty());
    EXPECT_NE(x, QStringLiteral("0"));
    for (const QString& line : {QStringLiteral("Quantités initiales : n(C(s)) = 3 mol ; n(O2(g)) = "),
                                QStringLiteral("Avancement : X = %1 mol").arg(x)}) {
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\n" << text.toStdString();
    }
}

TEST_F(ZoomWindow, QuitterZoomClosesTheWindow) {
    auto window = open();
    click(child(*window, "FlatButton1"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

// Opens "Tableau mesures" from the zoom window, lets `inside` look at the table while its modal loop
// runs, then closes it.
template <class Inside> void withTableFrom(TFicheZoom& zoom, Inside inside) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* table = qobject_cast<windows::TFicheTab*>(QApplication::activeModalWidget());
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(windows::FicheTab, table);
        EXPECT_EQ(table->parentWidget(), &zoom);
        seen = true;
        inside(*table);
        table->close();
    });
    click(zoom.findChild<QWidget*>(QStringLiteral("FlatButton2")));
    EXPECT_TRUE(seen);
    EXPECT_EQ(windows::FicheTab, nullptr);
}

TEST_F(ZoomWindow, TheTableOpenedFromTheZoomShowsTheMainWindowsQuantities) {
    main.setQuantities(QStringLiteral("2"), QStringLiteral("3"));
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 3);
    withTableFrom(*window, [](windows::TFicheTab& table) {
        EXPECT_EQ(table.cell(2, 2), QStringLiteral("2,000"));
        EXPECT_EQ(table.cell(3, 2), QStringLiteral("3,000"));
        EXPECT_EQ(table.cell(1, 101), QStringLiteral("2,000"));
    });
}

// The opening steps run once per opening: back from the table, the zoom keeps its page, the quantity
// typed into it and its slider.
TEST_F(ZoomWindow, ComingBackFromTheTableKeepsThePageTheQuantitiesAndTheSlider) {
    main.setQuantities(QStringLiteral("2"), QStringLiteral("3"));
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("7"));
    slideTo(*window, 30);
    click(child<QTabWidget>(*window, "PageControleZoom")->tabBar());
    QTest::keyClick(child<QTabWidget>(*window, "PageControleZoom")->tabBar(), Qt::Key_Right);
    const int page = child<QTabWidget>(*window, "PageControleZoom")->currentIndex();
    withTableFrom(*window, [](windows::TFicheTab&) {});
    // A window manager gives the activation back to the zoom; the offscreen platform leaves it to us.
    window->activateWindow();
    ASSERT_EVENTUALLY(window->isActiveWindow());
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(window->xmaxZoom(), 3);
    EXPECT_EQ(slider(*window)->position(), 30);
    EXPECT_EQ(text(*window, "nx"), QStringLiteral("0,900"));
    EXPECT_DOUBLE_EQ(bars(*window, "Courbe_1").point(0).y, 6.1);
    EXPECT_EQ(child<QTabWidget>(*window, "PageControleZoom")->currentIndex(), page);
    EXPECT_NE(page, 0);
}

TEST_F(ZoomWindow, AnErrorBoxDoesNotRunTheOpeningStepsAgain) {
    auto window = open();
    typeInto(field(*window, "n1z"), QStringLiteral("4"));
    // An error box takes the activation and gives it back.
    auto* box =
        new QMessageBox(QMessageBox::Critical, QString(), QStringLiteral("x"), QMessageBox::Ok, window.get());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    box->activateWindow();
    ASSERT_EVENTUALLY(box->isActiveWindow());
    box->close();
    window->activateWindow();
    ASSERT_EVENTUALLY(window->isActiveWindow());
    EXPECT_EQ(field(*window, "n1z")->text(), QStringLiteral("4"));
}

} // namespace
} // namespace windows_tests
