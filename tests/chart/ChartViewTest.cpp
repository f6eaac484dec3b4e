// The chart view as pixels: colours of bars, segments and legend boxes, gaps, the pop-up menu, repaints
// on model changes, and the screen-reader summary.

#include "chart/ChartView.h"
#include "chart/ChartRenderer.h"
#include "chart/FormCharts.h"
#include "framework/Printing.h"
#include "framework/QtColor.h"
#include "support/Eventually.h"
#include "support/Pdf.h"
#include "support/WidgetTestMain.h"

#include <QAccessible>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace chart;
using framework::rgb;
using framework::toQColor;

constexpr TColor teal = rgb(0, 128, 128);
constexpr TColor maroon = rgb(128, 0, 0);
constexpr TColor blue = rgb(0, 0, 255);
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const QSize chartSize(400, 300);

QImage render(TChartView& view, qreal ratio = 1) {
    view.resize(chartSize);
    QImage image(chartSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.paintChart(painter, chartSize);
    return image;
}

// Pixels are compared as 8-bit red, green and blue.
QRgb pixel(const QImage& image, QPointF logical) {
    const QPoint device = (logical * image.devicePixelRatio()).toPoint();
    EXPECT_TRUE(image.rect().contains(device)) << device.x() << "," << device.y();
    return image.pixel(device);
}

QRgb rgbOf(TColor color) {
    return toQColor(color).rgb();
}

QRgb rgbOf(const QColor& color) {
    return color.rgb();
}

void manual(Axis& axis, double minimum, double maximum) {
    axis.setAutomatic(false);
    axis.setAutomaticMinimum(false);
    axis.setAutomaticMaximum(false);
    axis.setMinMax(minimum, maximum);
}

// A plain chart: no gradient, so what is not drawn shows the window colour; the axes' ranges fixed.
void plain(TChartView& view) {
    view.gradient().setVisible(false);
    view.backWall().setBrushStyle(BrushStyle::Clear);
    view.legend().setVisible(false);
    manual(view.leftAxis(), 0, 2);
    view.leftAxis().setIncrement(0.5);
    manual(view.bottomAxis(), 0, 1);
}

struct BarCase {
    const char* name;
    TColor seriesColor;
    bool colorEachPoint;
    bool view3D;
    qreal ratio;
};

class BarColours : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarColours, ABarIsDrawnInItsPointColour) {
    const BarCase& c = GetParam();
    TChartView view;
    plain(view);
    view.setView3D(c.view3D);
    view.setChart3DPercent(40);
    BarSeries& bars = view.addBarSeries();
    bars.setSeriesColor(c.seriesColor);
    bars.setColorEachPoint(c.colorEachPoint);
    bars.addBar(1.5, "CuO(s)", teal);
    bars.addBar(1, "C(s)", maroon);
    const QImage image = render(view, c.ratio);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    EXPECT_EQ(pixel(image, layout.barFace(0, 0)->center()), rgbOf(teal));
    EXPECT_EQ(pixel(image, layout.barFace(0, 1)->center()), rgbOf(maroon));
}

INSTANTIATE_TEST_SUITE_P(Chart, BarColours,
                         ::testing::Values(BarCase{"RedSeries", framework::clRed, false, false, 1},
                                           BarCase{"EachPoint", framework::clRed, true, false, 1},
                                           BarCase{"SameAsSeries", teal, false, false, 1},
                                           BarCase{"ThreeD", framework::clRed, true, true, 1},
                                           BarCase{"HighDensity", framework::clRed, true, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartViewBars, ThreeDFacesAreShadesOfTheBarColour) {
    TChartView view;
    plain(view);
    view.setView3D(true);
    view.setChart3DPercent(60);
    BarSeries& bars = view.addBarSeries();
    bars.addBar(1, "CuO(s)", teal);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    const QRectF face = *layout.barFace(0, 0);
    const QRgb side = pixel(image, QPointF(face.right() + 3, face.center().y()));
    const QRgb top = pixel(image, QPointF(face.center().x() + 3, face.top() - 2));
    EXPECT_EQ(side, rgbOf(toQColor(teal).darker(145)));
    EXPECT_EQ(top, rgbOf(toQColor(teal).lighter(135)));
}

TEST(ChartViewLines, EachSegmentTakesItsEndPointColour) {
    TChartView view;
    plain(view);
    manual(view.bottomAxis(), 0, 2);
    LineSeries& line = view.addLineSeries();
    line.setSeriesColor(framework::clGreen);
    line.setLineWidth(5);
    line.addXY(0, 0, "", teal);
    line.addXY(1, 2, "", maroon);
    line.addXY(2, 0, "", blue);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    const QPointF p0 = *layout.pointPosition(0, 0);
    const QPointF p1 = *layout.pointPosition(0, 1);
    const QPointF p2 = *layout.pointPosition(0, 2);
    EXPECT_EQ(pixel(image, (p0 + p1) / 2), rgbOf(maroon));
    EXPECT_EQ(pixel(image, (p1 + p2) / 2), rgbOf(blue));
}

TEST(ChartViewLines, PointsAddedInDecreasingXAreJoinedLeftToRight) {
    TChartView view;
    plain(view);
    manual(view.bottomAxis(), 0, 2);
    LineSeries& line = view.addLineSeries();
    line.setLineWidth(5);
    line.addXY(2, 0, "", blue);
    line.addXY(1, 2, "", maroon);
    line.addXY(0, 0, "", teal);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    // Stored as 0, 1, 2: the rising segment ends at the maroon point.
    EXPECT_EQ(pixel(image, (*layout.pointPosition(0, 0) + *layout.pointPosition(0, 1)) / 2), rgbOf(maroon));
    EXPECT_EQ(pixel(image, (*layout.pointPosition(0, 1) + *layout.pointPosition(0, 2)) / 2), rgbOf(blue));
}

TEST(ChartViewLines, ASinglePointDrawsNothing) {
    TChartView empty;
    plain(empty);
    empty.addLineSeries().setLineWidth(5);
    TChartView single;
    plain(single);
    LineSeries& line = single.addLineSeries();
    line.setLineWidth(5);
    line.addXY(0.5, 1, "", teal);
    EXPECT_EQ(render(single), render(empty));
}

// Points that cannot be joined leave a gap: NaN or infinite values and points without colour.
struct GapCase {
    const char* name;
    double y;
    TColor color;
};

class LineGaps : public ::testing::TestWithParam<GapCase> {};

TEST_P(LineGaps, APointThatCannotBeJoinedLeavesAGap) {
    const GapCase& c = GetParam();
    TChartView view;
    plain(view);
    manual(view.bottomAxis(), 0, 3);
    LineSeries& line = view.addLineSeries();
    line.setLineWidth(5);
    // Off the grid lines, which stand every 0.5.
    line.addXY(0, 0.8, "", teal);
    line.addXY(1, 0.8, "", teal);
    line.addXY(1.5, c.y, "", c.color);
    line.addXY(2, 0.8, "", teal);
    line.addXY(3, 0.8, "", teal);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    const QPointF p1 = *layout.pointPosition(0, 1);
    const QPointF p3 = *layout.pointPosition(0, 3);
    const QRgb background = view.palette().window().color().rgb();
    EXPECT_EQ(pixel(image, (*layout.pointPosition(0, 0) + p1) / 2), rgbOf(teal));
    EXPECT_EQ(pixel(image, (p1 + p3) / 2), background);
    EXPECT_EQ(pixel(image, (p3 + *layout.pointPosition(0, 4)) / 2), rgbOf(teal));
}

INSTANTIATE_TEST_SUITE_P(Chart, LineGaps,
                         ::testing::Values(GapCase{"NaN", nan, teal},
                                           GapCase{"Infinity", std::numeric_limits<double>::infinity(), teal},
                                           GapCase{"NoColour", 0.8, framework::clNone}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartViewLines, AbsurdValuesAreClippedNotHandedToThePainter) {
    TChartView view;
    plain(view);
    manual(view.bottomAxis(), 0, 2);
    LineSeries& line = view.addLineSeries();
    line.setLineWidth(5);
    line.addXY(0, 1, "", teal);
    line.addXY(1, 1e300, "", maroon);
    line.addXY(2, -std::numeric_limits<double>::max(), "", blue);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    const QPointF start = *layout.pointPosition(0, 0);
    // The first segment climbs almost vertically from its start: just above it, it is maroon.
    EXPECT_EQ(pixel(image, start + QPointF(0, -20)), rgbOf(maroon));
}

TEST(ChartViewLegend, TheBoxTakesTheSeriesColourNotThePointColour) {
    TChartView view;
    plain(view);
    view.legend().setVisible(true);
    view.legend().setLegendStyle(LegendStyle::Series);
    LineSeries& a = view.addLineSeries("C(s)");
    a.setSeriesColor(framework::clGreen);
    a.addXY(0, 1, "", teal);
    a.addXY(1, 0, "", teal);
    LineSeries& b = view.addLineSeries("O2(g)");
    b.setSeriesColor(rgb(128, 0, 64));
    b.addXY(0, 1, "", maroon);
    const QImage image = render(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    ASSERT_TRUE(layout.legendArea());
    EXPECT_EQ(pixel(image, layout.legendSymbol(0).center()), rgbOf(framework::clGreen));
    EXPECT_EQ(pixel(image, layout.legendSymbol(1).center()), rgbOf(rgb(128, 0, 64)));
}

TEST(ChartViewLegend, TopLegendLiesAboveThePlot) {
    TChartView view;
    configureCourbe22(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    ASSERT_TRUE(layout.legendArea());
    EXPECT_LT(layout.legendArea()->bottom(), layout.plotArea().top());
}

TEST(ChartViewTitle, ATitleWiderThanTheChartBreaksAtItsSpacesAndKeepsItsWidthNeeded) {
    TChartView view;
    configureCourbe22(view);
    chart::TextCache text;
    const ChartRenderer wide(view, chartSize, text);
    const QSizeF narrow(wide.widthNeeded() * 0.6, chartSize.height());
    const ChartRenderer layout(view, narrow, text);
    const ChartRenderer::Scenery scenery = layout.scenery();
    EXPECT_GT(scenery.titleLines.size(), wide.scenery().titleLines.size());
    EXPECT_GE(scenery.titleBlock.left(), 0);
    EXPECT_LE(scenery.titleBlock.right(), narrow.width());
    EXPECT_EQ(scenery.titleLines.join(u' ').simplified(), wide.scenery().titleLines.join(u' ').simplified());
    EXPECT_EQ(layout.widthNeeded(), wide.widthNeeded())
        << "a projection scale still stops at the whole title";
}

TEST(ChartViewLegend, HiddenLegendTakesNoRoom) {
    TChartView view;
    configureChart1(view);
    chart::TextCache text;
    const ChartRenderer layout(view, chartSize, text);
    EXPECT_FALSE(layout.legendArea());
}

// ---- marks ---------------------------------------------------------------------------------------

// The bounding box of the pixels of one colour.
QRect extentOf(const QImage& image, QRgb color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == color) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(ChartViewMarks, TheCallbackRunsOncePerBarAndACarriageReturnMakesTwoLines) {
    const QRgb markFill = qRgb(255, 255, 231);
    auto markedChart = [](TChartView& view, std::string text, int& calls) {
        plain(view);
        BarSeries& bars = view.addBarSeries();
        bars.marks().setVisible(true);
        bars.addBar(0.5, "CuO(s)", teal);
        bars.addBar(0.5, "C(s)", maroon);
        bars.OnGetMarkText = [text, &calls](BarSeries&, int, std::string& out) {
            ++calls;
            out = text;
        };
    };
    int oneLineCalls = 0;
    int twoLineCalls = 0;
    TChartView oneLine;
    TChartView twoLines;
    markedChart(oneLine, "CuO(s) 1 mol", oneLineCalls);
    markedChart(twoLines, "CuO(s)\r1 mol", twoLineCalls);
    const QRect oneLineBoxes = extentOf(render(oneLine), markFill);
    const QRect twoLineBoxes = extentOf(render(twoLines), markFill);
    EXPECT_EQ(oneLineCalls, 2);
    EXPECT_EQ(twoLineCalls, 2);
    ASSERT_FALSE(oneLineBoxes.isEmpty());
    // Two lines: taller boxes, standing on the same bars.
    EXPECT_GT(twoLineBoxes.height(), oneLineBoxes.height() * 3 / 2);
    EXPECT_EQ(twoLineBoxes.bottom(), oneLineBoxes.bottom());
}

TEST(ChartViewMarks, AFailingCallbackIsReportedByTheErrorGuard) {
    testing_support::ErrorBoxRecorder::clear();
    TChartView view;
    plain(view);
    BarSeries& bars = view.addBarSeries();
    bars.marks().setVisible(true);
    bars.addBar(1, "CuO(s)", teal);
    bars.OnGetMarkText = [](BarSeries&, int, std::string&) { throw model::Failure("Marque illisible"); };
    view.resize(chartSize);
    view.grab();
    EXPECT_EQ(testing_support::ErrorBoxRecorder::messages(),
              QStringList{QStringLiteral("Marque illisible.")});
    testing_support::ErrorBoxRecorder::clear();
}

TEST(ChartViewMarks, MarksOfHiddenOrUncolouredBarsAreNotAsked) {
    TChartView view;
    plain(view);
    BarSeries& bars = view.addBarSeries();
    bars.marks().setVisible(true);
    bars.addBar(nan, "a", teal);
    bars.addBar(1, "b", framework::clNone);
    bars.addBar(1, "c", teal);
    std::vector<int> asked;
    bars.OnGetMarkText = [&](BarSeries&, int index, std::string&) { asked.push_back(index); };
    render(view);
    EXPECT_EQ(asked, std::vector<int>{2});
}

// ---- the widget ----------------------------------------------------------------------------------

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A projection scale enlarges a narrow chart only as far as its title and its legend above the plot
// still fit across it.
TEST(ChartViewWidget, AScaleStopsWhereTheTitleWouldBeCut) {
    TChartView view;
    configureCourbe22(view);
    view.resize(chartSize);
    TextCache text;
    const double fits = chartSize.width() / ChartRenderer(view, QSizeF(chartSize), text).widthNeeded();
    ASSERT_GT(fits, 1);
    ASSERT_LT(fits, 3);
    view.setScale(fits);
    const QImage fitting = render(view);
    view.setScale(3);
    EXPECT_EQ(render(view), fitting);
}

TEST(ChartViewWidget, ModelChangesRepaintTheView) {
    TChartView view;
    LineSeries& line = view.addLineSeries();
    view.resize(chartSize);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    PaintCounter counter;
    view.installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;
    for (int k = 0; k <= 100; ++k) {
        line.addXY(k / 100.0, 1 - k / 100.0, "", teal);
    }
    ASSERT_EVENTUALLY(counter.paints > 0);
    const int afterFill = counter.paints;
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, afterFill); // one repaint for the whole refill
    view.leftAxis().setMaximum(3);
    ASSERT_EVENTUALLY(counter.paints > afterFill);
}

TEST(ChartViewWidget, RightClickShowsThePopupMenu) {
    TChartView view;
    QMenu menu;
    menu.addAction(QStringLiteral("0,5"));
    view.setPopupMenu(&menu);
    EXPECT_EQ(view.popupMenu(), &menu);
    view.resize(chartSize);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(menu.isVisible());
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(50, 50));
    ASSERT_EVENTUALLY(menu.isVisible());
    menu.hide();
    view.setPopupMenu(nullptr);
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(50, 50));
    QApplication::processEvents();
    EXPECT_FALSE(menu.isVisible());
}

TEST(ChartViewWidget, TheScreenReaderReadsTheSummary) {
    TChartView view;
    BarSeries& bars = configureChart1(view);
    bars.OnGetMarkText = [](BarSeries& s, int i, std::string& text) {
        text = s.pointLabel(i) + '\r' + s.formatValue(s.point(i).y) + " mol";
    };
    bars.addBar(0.5, "C(s)", teal);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Chart);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Graphique"));
    EXPECT_EQ(accessible->text(QAccessible::Description),
              QStringLiteral("Evolution des différentes espèces chimiques en fonction de l'avancement\n"
                             "C(s) : 0,5 mol"));
}

TEST(ChartViewWidget, ValuesUseTheLocaleOfTheApplication) {
    TChartView view;
    EXPECT_EQ(view.addBarSeries().formatValue(1234.5), "1\u202f234,5");
}

TEST(ChartViewWidget, ResizingDropsTheBackgroundAndPaintsTheNewSize) {
    TChartView view;
    configureChart2(view);
    view.resize(200, 150);
    const QImage small = view.grab().toImage();
    view.resize(300, 200);
    const QImage large = view.grab().toImage();
    EXPECT_EQ(large.size(), QSize(300, 200) * large.devicePixelRatio());
    // The gradient runs top to bottom from white over the new height.
    EXPECT_EQ(large.pixelColor(2, 0).red(), 255);
    EXPECT_LT(large.pixelColor(2, large.height() - 1).red(), 140);
    EXPECT_NE(small.size(), large.size());
}

TEST(ChartViewPrint, APrintoutCarriesItsHeadingAndOnWhiteKeepsTheBarsButNotTheGradient) {
    TChartView view;
    BarSeries& bars = configureChart1(view);
    bars.addBar(2.5, "C(s)", teal);
    view.resize(chartSize);
    const QStringList heading{QStringLiteral("C(s) + O2(g) → CO2(g)"),
                              QStringLiteral("Quantités initiales : n(C(s)) = 2,5 mol ; n(O2(g)) = 5 mol"),
                              QStringLiteral("Avancement : X = 0,000 mol")};
    view.setHeading([&] { return heading; });
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("graphique.pdf"));
    framework::printToPdf(
        nullptr, pdf, {},
        *view.printout(TChartView::Background::White, QDateTime(QDate(2026, 12, 9), QTime(14, 53))));
    EXPECT_EQ(testing_support::pdfPages(pdf), 1);
    const QString printed = testing_support::pdfText(pdf);
    for (const QString& line :
         heading + QStringList{QStringLiteral("Graphique, imprimé le mercredi 9 décembre 2026 à 14:53")}) {
        EXPECT_TRUE(printed.contains(line)) << line.toStdString() << "\n" << printed.toStdString();
    }
    const auto painted = [&](TChartView::Background background) {
        QImage image(chartSize, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        view.paintChartOnce(painter, chartSize, background);
        return image;
    };
    const QImage white = painted(TChartView::Background::White);
    const QImage shown = painted(TChartView::Background::AsShown);
    const QPoint bottomLeft(1, chartSize.height() - 2);
    EXPECT_EQ(white.pixel(bottomLeft), qRgb(255, 255, 255));
    EXPECT_NE(shown.pixel(bottomLeft), qRgb(255, 255, 255)); // the gradient's end
    TextCache text;
    const auto bar = ChartRenderer(view, QSizeF(chartSize), text).barFace(0, 0);
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(white.pixel(bar->center().toPoint()), rgbOf(teal));
}

TEST(ChartViewWidget, AnAxisOfBillionsStillPaints) {
    TChartView view;
    configureChart2(view);
    view.bottomAxis().setMaximum(1e9);
    view.bottomAxis().setIncrement(0.1);
    view.leftAxis().setMaximum(1e300);
    view.leftAxis().setIncrement(1e-300);
    LineSeries& line = view.lineSeries(0);
    for (int k = 0; k <= 100; ++k) {
        line.addXY(k * 1e7, k % 2 ? 1e300 : nan, "", teal);
    }
    const QImage image = render(view);
    EXPECT_FALSE(image.isNull());
}

} // namespace
