// A printed table on a page narrower than its columns.

#include "framework/TablePrintout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(TablePrintout, ATableWiderThanThePageIsPrintedSmallerAndWhole) {
    framework::PrintedTable table;
    table.headingLines = {QStringLiteral("Résultats")};
    table.document = QStringLiteral("Résultats des exercices");
    table.columnCount = 4;
    table.rowCount = 3;
    table.heading = [](int, int) { return QStringLiteral("Colonne"); };
    table.cell = [](int, int) { return QStringLiteral("Juste au premier essai"); };
    const auto document = framework::tablePrintout(table);

    QImage page(900, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int areaWidth = 400;
    ASSERT_EQ(document->layOut(page, QSizeF(areaWidth, page.height())), 1);
    QPainter painter(&page);
    document->paintPage(painter, 0);
    painter.end();

    int rightmostInk = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                rightmostInk = std::max(rightmostInk, x);
            }
        }
    }
    EXPECT_LE(rightmostInk, areaWidth);
    EXPECT_GT(rightmostInk, areaWidth * 3 / 4) << "the table still fills the width";
}

} // namespace
