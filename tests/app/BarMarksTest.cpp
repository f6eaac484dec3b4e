// The bar chart's marks as the pupil reads them: whole, inside the plot, clear of each other and of the
// title, for every preset and every quantity the fields take, at the lesson's and a full-HD work area.

#include "MainWindowFixture.h"

#include "chart/ChartRenderer.h"
#include "chart/TextCache.h"

namespace app_testing {
namespace {

class BarMarks : public MainWindowTest, public ::testing::WithParamInterface<QRect> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window().setGeometry(GetParam());
    }

    // Every mark of the bar chart as it is laid out at the chart's size.
    void expectMarksReadable(const std::string& where) {
        chart::TextCache text;
        const chart::ChartRenderer layout(*barChart(), QSizeF(barChart()->size()), text);
        const std::vector<QRectF> marks = layout.markBoxes();
        ASSERT_EQ(marks.size(), std::size_t(bars().count())) << where;
        const QRectF title = layout.scenery().titleBlock;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            EXPECT_TRUE(layout.markClip().contains(marks[i])) << where << ", mark " << i;
            EXPECT_FALSE(marks[i].intersects(title)) << where << ", mark " << i;
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(marks[i].intersects(marks[j])) << where << ", marks " << j << " and " << i;
            }
        }
    }
};

TEST_P(BarMarks, EveryMarkIsWholeAtEveryQuantity) {
    for (int preset = 1; preset <= 7; ++preset) {
        for (int reactant = 1; reactant <= 2; ++reactant) {
            for (const char* quantity : {"0", "10", "20", "50"}) {
                // A click on the box loads its preset afresh, the other reactant at its default.
                clickBox(preset);
                typeInto(reactant, QString::fromLatin1(quantity));
                for (int position : {0, 50, 100}) {
                    slideTo(position);
                    expectMarksReadable("preset " + std::to_string(preset) + ", " + quantity +
                                        " mol in field " + std::to_string(reactant) + ", position " +
                                        std::to_string(position));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, BarMarks,
                         ::testing::Values(QRect(0, 0, 1024, 738), QRect(0, 0, 1920, 1080)));

} // namespace
} // namespace app_testing
