#pragma once
// The bar marks of a chart as the pupil reads them: each whole, below the title, above the bottom axis
// and right of the left axis, clear of every bar and of the other marks.

#include "chart/ChartRenderer.h"
#include "chart/ChartView.h"
#include "chart/TextCache.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

inline void expectMarksClear(chart::TChartView& view, const std::string& where) {
    chart::TextCache text;
    const QSizeF size = view.layoutSize(view.size());
    const chart::ChartRenderer layout(view, size, text);
    const std::vector<QRectF> marks = layout.markBoxes();
    ASSERT_EQ(marks.size(), std::size_t(view.barSeries(0).count())) << where;
    const auto scenery = layout.scenery();
    const QRectF plot = layout.plotArea();
    const QRectF room(QPointF(plot.left(), scenery.titleBlock.bottom()),
                      QPointF(size.width(), plot.bottom()));
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_TRUE(room.contains(marks[i])) << where << ", mark " << i;
        for (int bar = 0; bar < view.barSeries(0).count(); ++bar) {
            const QRectF face = *layout.barFace(0, bar);
            const QRectF drawn = face.united(face.translated(scenery.depthDx, -scenery.depthDy));
            EXPECT_FALSE(marks[i].intersects(drawn)) << where << ", mark " << i << " on bar " << bar;
        }
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(marks[i].intersects(marks[j])) << where << ", marks " << j << " and " << i;
        }
    }
}

} // namespace testing_support
