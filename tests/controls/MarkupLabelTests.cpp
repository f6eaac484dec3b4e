// The markup label on the offscreen platform, with real mouse and key events.

#include "controls/MarkupImageList.h"
#include "controls/QtSurface.h"
#include "controls/markuplabel.h"
#include "framework/QtColor.h"
#include "support/Eventually.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace {

using controls::SurfaceFont;
using controls::TMarkupLabel;

// Font metrics as the label's own measuring uses them.
QFontMetrics metricsOf(const SurfaceFont& font) {
    static QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    return QFontMetrics(controls::toQFont(font), &image);
}

SurfaceFont fontWithTextHeight(int height) {
    SurfaceFont font;
    font.name = QStringLiteral("MS Sans Serif");
    for (int pixels = 6; pixels < 40; ++pixels) {
        font.pixelSize = pixels;
        if (metricsOf(font).height() == height) {
            return font;
        }
    }
    ADD_FAILURE() << "no pixel size gives a text height of " << height;
    return font;
}

class MarkupLabel : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(400, 200);
        label = new TMarkupLabel(window.get());
        label->move(20, 20);
    }
    void show() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // The first point of the label's middle row over which the hit test finds href.
    QPoint pointOver(const QString& href) {
        const int y = label->height() / 2;
        for (int x = 0; x < label->width(); ++x) {
            if (label->HitTestParam(x, y).href == href) {
                return {x + 2, y};
            }
        }
        ADD_FAILURE() << "no point over " << qPrintable(href);
        return {};
    }

    std::unique_ptr<QWidget> window;
    TMarkupLabel* label = nullptr;
};

// ---------------------------------------------------------------------------------------------------
// Auto size

TEST_F(MarkupLabel, AutoSizedHeightsFollowSubscriptsAndSuperscripts) {
    label->setSurfaceFont(fontWithTextHeight(16));
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("CO(g)"));
    EXPECT_EQ(label->height(), 22);
    label->setMarkup(QStringLiteral("CO<sub>2</sub>(g)"));
    EXPECT_EQ(label->height(), 26);
    label->setMarkup(QStringLiteral("HCO<sub>3</sub><sup>-</sup>(s)"));
    EXPECT_EQ(label->height(), 30);
}

TEST_F(MarkupLabel, AutoSizedLabelFitsOneShortLine) {
    const SurfaceFont font = fontWithTextHeight(16);
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    label->HTMLText().add(QStringLiteral("0"));
    EXPECT_EQ(label->size(), QSize(metricsOf(font).horizontalAdvance(QStringLiteral("0")) + 6, 22));
}

TEST_F(MarkupLabel, ClearedLabelIsSixWideAndOneLineHigh) {
    const SurfaceFont font = fontWithTextHeight(16);
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("Xmax <b>long</b> text"));
    label->HTMLText().clear();
    EXPECT_EQ(label->size(), QSize(6, 22));
    label->HTMLText().add(QStringLiteral("Xmax"));
    EXPECT_EQ(label->size(), QSize(metricsOf(font).horizontalAdvance(QStringLiteral("Xmax")) + 6, 22));
}

TEST_F(MarkupLabel, LinesAreJoinedWithoutASeparator) {
    const SurfaceFont font = fontWithTextHeight(16);
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    label->HTMLText().add(QStringLiteral("a"));
    label->HTMLText().add(QStringLiteral("b"));
    EXPECT_EQ(label->GetMarkupText(), QStringLiteral("ab"));
    EXPECT_EQ(label->size(), QSize(metricsOf(font).horizontalAdvance(QStringLiteral("ab")) + 6, 22));
}

TEST_F(MarkupLabel, SizeIsRightBeforeTheFirstPaintAndPaintingNeverResizes) {
    label->setSurfaceFont(fontWithTextHeight(16));
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("   2  Cu(s)   +   CO<sub>2</sub>(g)"));
    const QSize fitted = label->size();
    EXPECT_EQ(fitted.height(), 26);
    int resizes = 0;
    struct Counter : QObject {
        int& count;
        explicit Counter(int& c)
            : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            count += e->type() == QEvent::Resize;
            return false;
        }
    } counter(resizes);
    show();
    EXPECT_EQ(label->size(), fitted);
    label->installEventFilter(&counter);
    label->repaint();
    (void)label->grab();
    QApplication::processEvents();
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(label->size(), fitted);
    label->removeEventFilter(&counter);
}

TEST_F(MarkupLabel, AnAutoSizedLabelOfThirtyLinesShowsThemAll) {
    label->setSurfaceFont(fontWithTextHeight(16));
    label->setAutoSizing(true);
    QStringList lines(30, QStringLiteral("ligne"));
    lines.last() = QStringLiteral("<FONT color=\"#FF0000\">fin</font>");
    label->setMarkup(lines.join(QStringLiteral("<BR>")));
    window->resize(400, 600);
    show();
    EXPECT_EQ(label->height(), 30 * 16 + 6);
    // The last line is drawn: red pixels within its 16 rows.
    const QImage image = label->grab().toImage();
    bool red = false;
    for (int y = label->height() - 22; y < label->height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            red = red || image.pixelColor(x, y) == QColor(255, 0, 0);
        }
    }
    EXPECT_TRUE(red);
}

TEST_F(MarkupLabel, ALabelFarLargerThanItsWindowPaintsWhatCanBeSeen) {
    QTemporaryDir dir;
    QImage tile(1, 1, QImage::Format_RGB32);
    tile.fill(Qt::green);
    const QString path = dir.filePath(QStringLiteral("fond.png"));
    ASSERT_TRUE(tile.save(path));
    label->setAutoSizing(true);
    label->setMarkup(
        QStringLiteral(
            "<BODY background=\"file://%1\"><IMG src=\"file://%1\" width=\"20000\" height=\"20000\">")
            .arg(path));
    EXPECT_EQ(label->size(), QSize(20006, 20006));
    show();
    const QImage seen = window->grab().toImage();
    EXPECT_EQ(seen.pixelColor(300, 150), QColor(Qt::green));
    EXPECT_EQ(seen.pixelColor(21, 21), QColor(Qt::green));
}

TEST_F(MarkupLabel, WithoutAutoSizingTheSizeNeverChanges) {
    label->resize(40, 20);
    label->setMarkup(QStringLiteral("a long text that wraps at the label's width"));
    EXPECT_EQ(label->size(), QSize(40, 20));
}

TEST_F(MarkupLabel, AutoSizingFollowsTheAlignment) {
    label->resize(100, 50);
    label->setAlign(TMarkupLabel::alTop);
    label->setSurfaceFont(fontWithTextHeight(16));
    label->setMarkup(QStringLiteral("x"));
    label->setAutoSizing(true);
    EXPECT_EQ(label->size(), QSize(100, 22)) << "only the height follows the text";
    label->setAlign(TMarkupLabel::alClient);
    label->resize(300, 300);
    label->setMarkup(QStringLiteral("y"));
    EXPECT_EQ(label->size(), QSize(300, 300));
}

TEST_F(MarkupLabel, FontSetThroughTheWidgetIsFollowed) {
    label->setAutoSizing(true);
    label->setMarkup(QStringLiteral("x"));
    SurfaceFont colored = label->surfaceFont();
    colored.color = framework::clRed;
    label->setSurfaceFont(colored);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    label->setFont(font);
    EXPECT_EQ(label->surfaceFont().name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(label->surfaceFont().pixelSize, 24);
    EXPECT_TRUE(label->surfaceFont().bold);
    EXPECT_EQ(label->surfaceFont().color, framework::clRed);
    EXPECT_EQ(label->height(), metricsOf(label->surfaceFont()).height() + 6);
}

// ---------------------------------------------------------------------------------------------------
// Properties

TEST_F(MarkupLabel, ValuesOnCreation) {
    EXPECT_FALSE(label->autoSizing());
    EXPECT_EQ(label->bevelInner(), TMarkupLabel::bvNone);
    EXPECT_EQ(label->bevelOuter(), TMarkupLabel::bvNone);
    EXPECT_EQ(label->bevelWidth(), 1);
    EXPECT_EQ(label->borderWidth(), 0);
    EXPECT_EQ(label->borderStyle(), TMarkupLabel::bsNone);
    EXPECT_FALSE(label->hover());
    EXPECT_EQ(label->hoverColor(), framework::clNone);
    EXPECT_EQ(label->hoverFontColor(), framework::clNone);
    EXPECT_EQ(label->HTMLText().count(), 0);
    EXPECT_EQ(label->images(), nullptr);
    EXPECT_EQ(label->paramColor(), framework::clGreen);
    EXPECT_FALSE(label->paramHint());
    EXPECT_EQ(label->shadowColor(), framework::clGray);
    EXPECT_EQ(label->shadowOffset(), 2);
    EXPECT_EQ(label->hoverLink(), -1);
    EXPECT_TRUE(label->lastParam().isEmpty());
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_FALSE(label->listBox()->isVisible());
    EXPECT_EQ(label->listBox()->size(), QSize(100, 100));
}

TEST_F(MarkupLabel, PropertiesAreReachableByName) {
    EXPECT_TRUE(label->setProperty("ParamColor", QVariant::fromValue(framework::clTeal)));
    EXPECT_EQ(label->paramColor(), framework::clTeal);
    EXPECT_TRUE(label->setProperty("AutoSizing", true));
    EXPECT_TRUE(label->autoSizing());
    EXPECT_TRUE(label->setProperty("HTMLText", QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(label->property("HTMLText").toStringList(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_TRUE(label->setProperty("Hint", QStringLiteral("eau")));
    EXPECT_EQ(label->toolTip(), QStringLiteral("eau"));
}

TEST_F(MarkupLabel, SetterRules) {
    label->setHover(true);
    label->setHoverColor(framework::clYellow);
    label->setHoverFontColor(framework::clRed);
    label->setHover(false);
    EXPECT_EQ(label->hoverColor(), framework::clNone);
    EXPECT_EQ(label->hoverFontColor(), framework::clNone);

    label->setShowHint(false);
    label->setParamHint(true);
    EXPECT_TRUE(label->showHint());

    label->setBevelWidth(0);
    EXPECT_EQ(label->bevelWidth(), 1);
    label->setBorderWidth(-3);
    EXPECT_EQ(label->borderWidth(), 0);
}

TEST_F(MarkupLabel, AutoSizingOnALeftAlignedLabelStartsFromSixWide) {
    label->resize(200, 80);
    label->setAlign(TMarkupLabel::alLeft);
    label->setSurfaceFont(fontWithTextHeight(16));
    label->setMarkup(QStringLiteral("0"));
    label->setAutoSizing(true);
    EXPECT_EQ(label->width(), metricsOf(label->surfaceFont()).horizontalAdvance(QStringLiteral("0")) + 6);
    EXPECT_EQ(label->height(), 80);
}

TEST_F(MarkupLabel, TheLabelForgetsADestroyedImageList) {
    auto list = std::make_unique<controls::TImageList>(QSize(16, 16));
    label->setImages(list.get());
    EXPECT_EQ(label->images(), list.get());
    list.reset();
    EXPECT_EQ(label->images(), nullptr);
}

TEST_F(MarkupLabel, AccessibleNameIsThePlainText) {
    label->setMarkup(QStringLiteral("<FONT color=\"#004080\">H<sub>2</sub>O</font>"));
    EXPECT_EQ(label->accessibleName(), QStringLiteral("H2O"));
}

TEST_F(MarkupLabel, TextStringsSplitAndJoinLines) {
    label->HTMLText().setText(QStringLiteral("a\r\nb\nc\n"));
    EXPECT_EQ(label->HTMLText().lines(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(label->HTMLText().text(), QStringLiteral("a\nb\nc"));
}

// ---------------------------------------------------------------------------------------------------
// Hints

TEST_F(MarkupLabel, HintIsTheOrdinaryTooltipWhereverTheMouseIs) {
    label->setMarkup(QStringLiteral("CO<sub>2</sub> <A href=\"p\">v</A>"));
    label->setAutoSizing(true);
    label->setHint(QStringLiteral("dioxyde de carbone"));
    show();
    EXPECT_EQ(label->toolTip(), QStringLiteral("dioxyde de carbone"));
    const QPoint overLink = pointOver(QStringLiteral("p"));
    QHelpEvent help(QEvent::ToolTip, overLink, label->mapToGlobal(overLink));
    QApplication::sendEvent(label, &help);
    ASSERT_EVENTUALLY_EQ(QToolTip::text(), QStringLiteral("dioxyde de carbone"));
    QToolTip::hideText();
    label->setShowHint(false);
    EXPECT_TRUE(label->toolTip().isEmpty());
}

TEST_F(MarkupLabel, ParamHintShowsTheLinksHint) {
    label->setMarkup(QStringLiteral("text <A href=\"p\">v</A>"));
    label->setAutoSizing(true);
    label->setHint(QStringLiteral("ordinary"));
    label->setParamHint(true);
    QString asked;
    label->OnParamHint = [&](QObject*, const QString& href, QString& hint, bool& show) {
        asked = href;
        EXPECT_TRUE(show);
        hint = QStringLiteral("valeur de ") + hint;
    };
    show();
    const QPoint overLink = pointOver(QStringLiteral("p"));
    QHelpEvent help(QEvent::ToolTip, overLink, label->mapToGlobal(overLink));
    QApplication::sendEvent(label, &help);
    EXPECT_EQ(asked, QStringLiteral("p"));
    ASSERT_EVENTUALLY_EQ(QToolTip::text(), QStringLiteral("valeur de p"));
    QToolTip::hideText();
}

// ---------------------------------------------------------------------------------------------------
// Params and the mouse

class MarkupLabelParams : public MarkupLabel {
protected:
    void SetUp() override {
        MarkupLabel::SetUp();
        label->setSurfaceFont(fontWithTextHeight(16));
        label->setAutoSizing(true);
        label->HTMLText().add(QStringLiteral("plain text "));
        label->HTMLText().add(QStringLiteral("<A href=\"p1\">v1</A> end"));
        label->OnParamEnter = [this](QObject*, const QString& href, const QString& value) {
            events << QStringLiteral("enter ") + href + QLatin1Char('=') + value;
        };
        label->OnParamExit = [this](QObject*, const QString& href, const QString& value) {
            events << QStringLiteral("exit ") + href + QLatin1Char('=') + value;
        };
        label->OnParamSelect = [this](QObject*, const QString& href, const QString& value) {
            events << QStringLiteral("select ") + href + QLatin1Char('=') + value;
        };
        label->OnParamChanged = [this](QObject*, const QString& href, const QString& oldValue,
                                       const QString& newValue) {
            events << QStringLiteral("changed ") + href + QLatin1Char(' ') + oldValue + QStringLiteral("->") +
                          newValue;
        };
        show();
        overLink = pointOver(QStringLiteral("p1"));
        overText = {4, label->height() / 2};
    }
    QStringList events;
    QPoint overLink;
    QPoint overText;
};

TEST_F(MarkupLabelParams, MovingOntoALinkAndOffIt) {
    QTest::mouseMove(label, overLink);
    ASSERT_EVENTUALLY_EQ(events, QStringList{QStringLiteral("enter p1=v1")});
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label->lastParam(), QStringLiteral("p1"));
    EXPECT_EQ(label->hoverLink(), 1);
    QTest::mouseMove(label, overLink + QPoint(1, 0));
    EXPECT_EQ(events.size(), 1) << "moving within the link raises nothing";
    QTest::mouseMove(label, overText);
    ASSERT_EVENTUALLY_EQ(events, (QStringList{QStringLiteral("enter p1=v1"), QStringLiteral("exit p1=v1")}));
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(label->lastParam().isEmpty());
    EXPECT_EQ(label->hoverLink(), -1);
}

TEST_F(MarkupLabelParams, LeavingOverALinkAndComingBackOntoText) {
    QTest::mouseMove(label, overLink);
    ASSERT_EVENTUALLY_EQ(events.size(), 1);
    QTest::mouseMove(window.get(), QPoint(390, 190));
    ASSERT_EVENTUALLY_EQ(events, (QStringList{QStringLiteral("enter p1=v1"), QStringLiteral("exit p1=v1")}));
    EXPECT_EQ(label->hoverLink(), -1);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << "leaving keeps the cursor";
    QTest::mouseMove(label, overText);
    // The hand cursor is still set: the exit comes again, with no link.
    ASSERT_EVENTUALLY_EQ(events.size(), 3);
    EXPECT_EQ(events[2], QStringLiteral("exit ="));
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MarkupLabelParams, HoverModeTracksTheHoveredLink) {
    label->setHover(true);
    label->setHoverColor(framework::clYellow);
    QTest::mouseMove(label, overLink);
    ASSERT_EVENTUALLY_EQ(label->hoverLink(), 1);
    (void)label->grab(); // painting in hover style
    QTest::mouseMove(window.get(), QPoint(390, 190));
    ASSERT_EVENTUALLY_EQ(label->hoverLink(), -1);
}

TEST_F(MarkupLabelParams, AClickThatKeepsTheValueChangesNothing) {
    int clicks = 0;
    label->OnParamClick = [&](QObject*, const QString& href, QString& value) {
        ++clicks;
        EXPECT_EQ(href, QStringLiteral("p1"));
        EXPECT_EQ(value, QStringLiteral("v1"));
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(label->HTMLText().count(), 2);
    EXPECT_FALSE(events.join(QLatin1Char(';')).contains(QStringLiteral("changed")));
}

TEST_F(MarkupLabelParams, AClickThatChangesTheValue) {
    label->OnParamClick = [&](QObject*, const QString&, QString& value) { value = QStringLiteral("w2"); };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    EXPECT_TRUE(events.contains(QStringLiteral("changed p1 v1->w2")));
    EXPECT_EQ(label->HTMLText().lines(), QStringList{QStringLiteral("plain text <A href=\"p1\">w2</A> end")});
    EXPECT_EQ(label->GetParamValue(QStringLiteral("p1")), QStringLiteral("w2"));
}

TEST_F(MarkupLabelParams, AClickOnPlainTextRaisesNoParamEvent) {
    int clicks = 0;
    int downs = 0;
    label->OnParamClick = [&](QObject*, const QString&, QString&) { ++clicks; };
    label->OnMouseDown = [&](QObject*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
        ++downs;
        EXPECT_EQ(button, Qt::LeftButton);
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overText);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(downs, 1);
}

TEST_F(MarkupLabelParams, PopupMenuValuesAreWrittenWithoutAccelerators) {
    label->OnParamPopup = [&](QObject*, const QString& href, QStringList& values, bool& doPopup) {
        EXPECT_EQ(href, QStringLiteral("p1"));
        values << QStringLiteral("&Rouge") << QStringLiteral("Vert");
        doPopup = true;
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    QMenu* menu = label->paramMenu();
    ASSERT_EVENTUALLY(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Vert"));
    menu->actions()[0]->trigger();
    menu->hide();
    EXPECT_TRUE(events.contains(QStringLiteral("select p1=Rouge")));
    EXPECT_TRUE(events.contains(QStringLiteral("changed p1 v1->Rouge")));
    EXPECT_EQ(label->GetParamValue(QStringLiteral("p1")), QStringLiteral("Rouge"));
    EXPECT_EQ(label->HTMLText().count(), 2) << "the menu keeps the lines";
}

TEST_F(MarkupLabelParams, APopupThatIsNotWantedShowsNothing) {
    label->OnParamPopup = [&](QObject*, const QString&, QStringList& values, bool&) {
        values << QStringLiteral("x");
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    QApplication::processEvents();
    EXPECT_FALSE(label->paramMenu()->isVisible());
}

TEST_F(MarkupLabelParams, ListBoxEnterChoosesTheValue) {
    label->OnParamList = [&](QObject*, const QString&, QStringList& values, bool& doPopup) {
        values << QStringLiteral("v0") << QStringLiteral("v1") << QStringLiteral("v2");
        doPopup = true;
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    controls::TPopupListBox* list = label->listBox();
    ASSERT_EVENTUALLY(list->isVisible());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 1) << "the current value is selected";
    EXPECT_EQ(list->ListParam, QStringLiteral("p1"));
    EXPECT_EQ(list->height(), 100);
    EXPECT_TRUE(list->isWindow());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EVENTUALLY(!list->isVisible());
    EXPECT_EQ(label->GetParamValue(QStringLiteral("p1")), QStringLiteral("v2"));
    EXPECT_TRUE(events.contains(QStringLiteral("select p1=v2")));
    EXPECT_TRUE(events.contains(QStringLiteral("changed p1 v1->v2")));
}

TEST_F(MarkupLabelParams, ListBoxEscapeClosesWithoutChange) {
    label->OnParamList = [&](QObject*, const QString&, QStringList& values, bool& doPopup) {
        values << QStringLiteral("v1") << QStringLiteral("v2");
        doPopup = true;
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    controls::TPopupListBox* list = label->listBox();
    ASSERT_EVENTUALLY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    ASSERT_EVENTUALLY(!list->isVisible());
    EXPECT_EQ(label->GetParamValue(QStringLiteral("p1")), QStringLiteral("v1"));
    EXPECT_FALSE(events.join(QLatin1Char(';')).contains(QStringLiteral("select")));
}

TEST_F(MarkupLabelParams, ListBoxClickSelectsWithoutAChangeEvent) {
    label->OnParamList = [&](QObject*, const QString&, QStringList& values, bool& doPopup) {
        values << QStringLiteral("v1") << QStringLiteral("v9");
        doPopup = true;
    };
    QTest::mouseClick(label, Qt::LeftButton, {}, overLink);
    controls::TPopupListBox* list = label->listBox();
    ASSERT_EVENTUALLY(list->isVisible());
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_EVENTUALLY(!list->isVisible());
    EXPECT_EQ(label->GetParamValue(QStringLiteral("p1")), QStringLiteral("v9"));
    EXPECT_TRUE(events.contains(QStringLiteral("select p1=v9")));
    EXPECT_FALSE(events.join(QLatin1Char(';')).contains(QStringLiteral("changed")));
}

// ---------------------------------------------------------------------------------------------------

TEST_F(MarkupLabel, ParamValuesAreFoundAndReplacedInTheirLines) {
    label->HTMLText().add(QStringLiteral("<A href=\"a\">x</A> and"));
    label->HTMLText().add(QStringLiteral("<A HREF=\"b\">y</a>"));
    label->HTMLText().add(QStringLiteral("<A href=\"c\">z<b>bold</b></A>"));
    EXPECT_EQ(label->GetParamValue(QStringLiteral("a")), QStringLiteral("x"));
    EXPECT_EQ(label->GetParamValue(QStringLiteral("B")), QStringLiteral("y"));
    EXPECT_EQ(label->GetParamValue(QStringLiteral("c")), QStringLiteral("z"));
    EXPECT_TRUE(label->GetParamValue(QStringLiteral("none")).isEmpty());
    label->SetParamValue(QStringLiteral("a"), QStringLiteral("new"));
    label->SetParamValue(QStringLiteral("b"), QStringLiteral("two"));
    label->SetParamValue(QStringLiteral("c"), QStringLiteral("never"));
    EXPECT_EQ(label->HTMLText().lines(), (QStringList{QStringLiteral("<A href=\"a\">new</A> and"),
                                                      QStringLiteral("<A HREF=\"b\">two</a>"),
                                                      QStringLiteral("<A href=\"c\">z<b>bold</b></A>")}));
}

TEST_F(MarkupLabel, FramesAndBordersPaint) {
    label->resize(120, 40);
    label->setBevelOuter(TMarkupLabel::bvRaised);
    label->setBevelInner(TMarkupLabel::bvLowered);
    label->setBorderWidth(2);
    label->setBorderStyle(TMarkupLabel::bsSingle);
    label->setTransparent(false);
    label->setColor(framework::clWhite);
    label->setMarkup(QStringLiteral("framed"));
    show();
    const QImage image = label->grab().toImage();
    EXPECT_EQ(image.pixel(60, 20), QColor(Qt::white).rgb()) << "the inside is filled with Color";
    EXPECT_EQ(image.pixel(0, 0), framework::toQColor(framework::clBtnHighlight).rgb())
        << "raised: light top left";
    EXPECT_EQ(image.pixel(119, 39), framework::toQColor(framework::clBtnShadow).rgb());
    EXPECT_EQ(image.pixel(1, 1), framework::toQColor(framework::clWhite).rgb()) << "the flat frame in Color";
    EXPECT_EQ(image.pixel(3, 3), framework::toQColor(framework::clBtnShadow).rgb()) << "lowered inner bevel";
    EXPECT_EQ(image.pixel(4, 4), QColor(Qt::black).rgb()) << "the single border line";
}

} // namespace
