// The markup label keeps its last picture between paints: whatever changes what it shows must show
// on the next paint, exactly as a label built in the new state paints it.

#include "controls/MarkupImageList.h"
#include "controls/markuplabel.h"
#include "framework/QtColor.h"
#include "support/Eventually.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

using controls::SurfaceFont;
using controls::TMarkupLabel;

SurfaceFont arial(int pixels) {
    SurfaceFont font;
    font.name = QStringLiteral("Arial");
    font.pixelSize = pixels;
    return font;
}

QImage redSquare() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// A label on a page of its own, in the state the program gives its labels.
struct LabelOnPage {
    std::unique_ptr<QWidget> page = std::make_unique<QWidget>();
    TMarkupLabel* label = new TMarkupLabel(page.get());
    controls::TImageList images{QSize(8, 8)};

    LabelOnPage() {
        page->resize(300, 80);
        QPalette p = page->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 204));
        page->setPalette(p);
        page->setAutoFillBackground(true);
        label->setGeometry(10, 10, 260, 40);
        label->setSurfaceFont(arial(16));
        label->setImages(&images);
        label->setMarkup(QStringLiteral("CO<sub>2</sub>(g) <A href=\"n\">2</A> <IMG src=\"idx:0\">"));
    }
    QImage picture() const { return page->grab().toImage(); }
};

struct Change {
    const char* name;
    std::function<void(LabelOnPage&)> apply;
    // The state both labels are in before the change.
    std::function<void(LabelOnPage&)> prepare = [](LabelOnPage&) {};
};

void PrintTo(const Change& change, std::ostream* out) {
    *out << change.name;
}

class MarkupLabelPicture : public ::testing::TestWithParam<Change> {};

TEST_P(MarkupLabelPicture, ShowsTheChangeOnTheNextPaint) {
    LabelOnPage painted;
    GetParam().prepare(painted);
    const QImage before = painted.picture();
    GetParam().apply(painted);
    const QImage after = painted.picture();

    LabelOnPage fresh;
    GetParam().prepare(fresh);
    GetParam().apply(fresh);
    EXPECT_NE(after, before) << "the change shows";
    EXPECT_EQ(after, fresh.picture()) << "as a label built in the new state paints it";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, MarkupLabelPicture,
    ::testing::Values(
        Change{"Text", [](LabelOnPage& l) { l.label->setMarkup(QStringLiteral("Cu<sup>2+</sup>")); }},
        Change{"AddedLine", [](LabelOnPage& l) { l.label->HTMLText().add(QStringLiteral(" + H2O")); }},
        Change{"FontSize", [](LabelOnPage& l) { l.label->setSurfaceFont(arial(20)); }},
        Change{"FontColour",
               [](LabelOnPage& l) {
                   SurfaceFont font = arial(16);
                   font.color = framework::clRed;
                   l.label->setSurfaceFont(font);
               }},
        Change{"WidgetFont",
               [](LabelOnPage& l) {
                   QFont font(QStringLiteral("Times New Roman"));
                   font.setPixelSize(18);
                   l.label->setFont(font);
               }},
        Change{"Width",
               [](LabelOnPage& l) {
                   // Narrower than the text: the words wrap onto a second line.
                   l.label->resize(45, 40);
               }},
        Change{"ParamColour", [](LabelOnPage& l) { l.label->setParamColor(framework::clRed); }},
        Change{"OwnBackground",
               [](LabelOnPage& l) {
                   l.label->setTransparent(false);
                   l.label->setColor(framework::clWhite);
               }},
        Change{"ParentBackgroundOfAnOpaqueLabel",
               [](LabelOnPage& l) {
                   QPalette p = l.page->palette();
                   p.setColor(QPalette::Window, QColor(200, 230, 255));
                   l.page->setPalette(p);
               },
               [](LabelOnPage& l) { l.label->setTransparent(false); }},
        Change{"Bevel", [](LabelOnPage& l) { l.label->setBevelOuter(TMarkupLabel::bvRaised); }},
        Change{"ImageAddedToTheList", [](LabelOnPage& l) { l.images.add(redSquare()); }},
        Change{"ParamValue",
               [](LabelOnPage& l) { l.label->SetParamValue(QStringLiteral("n"), QStringLiteral("3")); }}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

TEST(MarkupLabelPictureHover, TheHoveredLinkIsDrawnAndUndrawn) {
    LabelOnPage l;
    l.label->setHover(true);
    l.label->setHoverColor(framework::clYellow);
    l.page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(l.page.get()));
    const QImage plain = l.picture();
    QPoint overLink;
    for (int x = 0; x < l.label->width() && overLink.isNull(); ++x) {
        if (l.label->HitTestParam(x, 9).href == QLatin1String("n")) {
            overLink = {x + 1, 9};
        }
    }
    ASSERT_FALSE(overLink.isNull());
    QTest::mouseMove(l.label, overLink);
    ASSERT_EVENTUALLY_EQ(l.label->hoverLink(), 1);
    EXPECT_NE(l.picture(), plain) << "the hovered link on its hover colour";
    QTest::mouseMove(l.page.get(), QPoint(295, 75));
    ASSERT_EVENTUALLY_EQ(l.label->hoverLink(), -1);
    EXPECT_EQ(l.picture(), plain);
}

} // namespace
