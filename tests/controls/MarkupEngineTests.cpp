// The markup engine on a surface with fixed metrics: every character is 7 pixels wide and a text is
// as high as its font's pixel size, so every position below can be worked out by hand.

#include "TestSurface.h"
#include "controls/MarkupEngine.h"
#include "controls/MarkupImageList.h"
#include "controls/MarkupText.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using controls::MarkupRequest;
using controls::MarkupResult;
using controls::Rect;
using controls::RenderMarkup;
using controls::SurfaceFont;
using framework::TColor;
using testing_support::TestSurface;
using Kind = TestSurface::Kind;

constexpr int cw = TestSurface::charWidth;
constexpr TColor baseColor = framework::clBlue;

SurfaceFont baseFont(int pixelSize = 16) {
    SurfaceFont font;
    font.name = QStringLiteral("Arial");
    font.pixelSize = pixelSize;
    font.color = baseColor;
    return font;
}

struct Render {
    explicit Render(const QString& markup, int pixelSize = 16, Rect rect = {0, 0, 500, 300}) {
        surface.setFont(baseFont(pixelSize));
        request.markup = markup;
        request.rect = rect;
        request.paint = true;
    }
    MarkupResult run() {
        surface.clearCalls();
        return RenderMarkup(surface, request);
    }
    // The drawn texts that are not shadows (no test draws text in the shadow colour otherwise).
    std::vector<TestSurface::Call> words() const {
        std::vector<TestSurface::Call> out;
        for (const auto& call : surface.texts()) {
            if (call.font.color != request.shadowColor) {
                out.push_back(call);
            }
        }
        return out;
    }
    TestSurface surface;
    MarkupRequest request;
};

QStringList texts(const std::vector<TestSurface::Call>& calls) {
    QStringList out;
    for (const auto& call : calls) {
        out << call.text;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------------
// Words, blanks and lines

TEST(MarkupEngine, EmptyMarkupHasOneLineOfHeightAndDrawsNothing) {
    Render r{QString()};
    const MarkupResult result = r.run();
    EXPECT_EQ(result.totalHeight, 16);
    EXPECT_EQ(result.maxWidth, 0);
    EXPECT_EQ(result.linkCount, 0);
    EXPECT_EQ(result.linkUnderPoint, -1);
    EXPECT_TRUE(r.surface.calls().empty());
}

TEST(MarkupEngine, EveryBlankKeepsItsWidthAndTheSubscriptSitsLower) {
    Render r(QStringLiteral("   2  Cu(s)   +   CO<sub>2</sub>(g)"), 18);
    const MarkupResult result = r.run();
    const auto words = r.words();
    ASSERT_EQ(texts(words), (QStringList{QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" "),
                                         QStringLiteral("2 "), QStringLiteral(" "), QStringLiteral("Cu(s) "),
                                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("+ "),
                                         QStringLiteral(" "), QStringLiteral(" "), QStringLiteral("CO"),
                                         QStringLiteral("2"), QStringLiteral("(g)")}));
    // The text starts one pixel in; the three leading blanks count.
    EXPECT_EQ(words[0].rect.left, 1);
    EXPECT_EQ(words[3].rect.left, 1 + 3 * cw);
    const auto& co = words[11];
    const auto& two = words[12];
    EXPECT_EQ(co.rect.left, 1 + 18 * cw);
    EXPECT_EQ(two.rect.left, 1 + 20 * cw);
    EXPECT_EQ(words[13].rect.left, 1 + 21 * cw);
    // 18 px text: the subscript is 18 / 4 = 4 pixels lower, and the line 4 pixels taller.
    EXPECT_EQ(TestSurface::textTop(co), 0);
    EXPECT_EQ(TestSurface::textTop(two), 4);
    EXPECT_EQ(TestSurface::textTop(words[13]), 0);
    EXPECT_EQ(result.totalHeight, 18 + 4);
    EXPECT_EQ(result.maxWidth, 24 * cw);
    for (const auto& word : words) {
        EXPECT_EQ(word.font.pixelSize, 18) << "the font size never changes";
    }
}

TEST(MarkupEngine, SubscriptShiftIsAQuarterOfTheTextHeight) {
    Render r(QStringLiteral("CO<sub>2</sub>"), 27);
    const MarkupResult result = r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(TestSurface::textTop(words[1]) - TestSurface::textTop(words[0]), 6);
    EXPECT_EQ(result.totalHeight, 27 + 6);
}

TEST(MarkupEngine, SubscriptAndSuperscriptMakeTheLineTallerByBoth) {
    Render r(QStringLiteral("HCO<sub>3</sub><sup>-</sup>(s)"), 16);
    const MarkupResult result = r.run();
    const auto words = r.words();
    ASSERT_EQ(texts(words), (QStringList{QStringLiteral("HCO"), QStringLiteral("3"), QStringLiteral("-"),
                                         QStringLiteral("(s)")}));
    // r = s = 4: plain text leaves room above for the superscript.
    EXPECT_EQ(TestSurface::textTop(words[0]), 4);
    EXPECT_EQ(TestSurface::textTop(words[1]), 8);
    EXPECT_EQ(TestSurface::textTop(words[2]), 0);
    EXPECT_EQ(TestSurface::textTop(words[3]), 4);
    EXPECT_EQ(result.totalHeight, 16 + 4 + 4);
    EXPECT_EQ(words[1].rect.left, 1 + 3 * cw);
    EXPECT_EQ(words[2].rect.left, 1 + 4 * cw);
}

TEST(MarkupEngine, ClosingSubEndsASuperscriptAndClosingSupASubscript) {
    Render sup(QStringLiteral("a<sup>b</sub>c"));
    sup.run();
    auto words = sup.words();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(TestSurface::textTop(words[1]), 0);
    EXPECT_EQ(TestSurface::textTop(words[2]), TestSurface::textTop(words[0]));

    Render sub(QStringLiteral("a<sub>b</sup>c"));
    sub.run();
    words = sub.words();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(TestSurface::textTop(words[1]), 4);
    EXPECT_EQ(TestSurface::textTop(words[2]), 0);
}

TEST(MarkupEngine, TrailingBlankIsNotCountedInTheWidth) {
    Render r(QStringLiteral("a b "));
    EXPECT_EQ(r.run().maxWidth, 3 * cw);
    Render inner(QStringLiteral("a  b"));
    EXPECT_EQ(inner.run().maxWidth, 4 * cw);
}

TEST(MarkupEngine, AWordWiderThanTheLineStandsAloneAndOverflows) {
    Render r(QStringLiteral("abcdefghij k"), 16, {0, 0, 50, 300});
    const MarkupResult result = r.run();
    const auto words = r.words();
    ASSERT_EQ(texts(words), (QStringList{QStringLiteral("abcdefghij "), QStringLiteral("k")}));
    EXPECT_EQ(words[0].rect.top, 0);
    EXPECT_EQ(words[1].rect.top, 16);
    EXPECT_EQ(words[1].rect.left, 1);
    EXPECT_EQ(result.maxWidth, 10 * cw);
    EXPECT_EQ(result.totalHeight, 32);
}

TEST(MarkupEngine, WordsWrapAtTheLineWidth) {
    // Line width 99 - 1 = 98: "aaaa " (35) + "bbbb " (70) fit, "cccc" (98) does not.
    Render r(QStringLiteral("aaaa bbbb cccc dd"), 16, {0, 0, 99, 300});
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[1].rect.top, 0);
    EXPECT_EQ(words[2].rect.top, 16);
    EXPECT_EQ(words[2].rect.left, 1);
    EXPECT_EQ(words[3].rect.top, 16);
}

TEST(MarkupEngine, LineBreaksInTheStringAreOrdinaryCharacters) {
    Render r(QStringLiteral("a\nb"));
    const MarkupResult result = r.run();
    EXPECT_EQ(result.totalHeight, 16);
    EXPECT_EQ(texts(r.words()), QStringList{QStringLiteral("a\nb")});
}

TEST(MarkupEngine, LinesStopOnceTheNextWouldPassTheBottom) {
    Render r(QStringLiteral("a<BR>b<BR>c<BR>d"), 16, {0, 0, 500, 40});
    const MarkupResult result = r.run();
    EXPECT_EQ(texts(r.words()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(result.totalHeight, 32);
}

TEST(MarkupEngine, TheFirstLineIsAlwaysLaidOut) {
    Render r(QStringLiteral("a<BR>b"), 16, {0, 0, 500, 5});
    const MarkupResult result = r.run();
    EXPECT_EQ(texts(r.words()), QStringList{QStringLiteral("a")});
    EXPECT_EQ(result.totalHeight, 16);
}

TEST(MarkupEngine, MeasureModeDrawsNothingAndGivesTheSameSizes) {
    Render paint(QStringLiteral("<b>x</b> CO<sub>2</sub><BR>abc<HR>"));
    const MarkupResult painted = paint.run();
    Render measure(paint.request.markup);
    measure.request.paint = false;
    const MarkupResult measured = measure.run();
    EXPECT_TRUE(measure.surface.calls().empty());
    EXPECT_EQ(measured.totalHeight, painted.totalHeight);
    EXPECT_EQ(measured.maxWidth, painted.maxWidth);
}

TEST(MarkupEngine, FontAndBackgroundAreRestoredOnExit) {
    Render r(QStringLiteral("<FONT face=\"Other\" size=\"30\" color=\"clRed\" bgcolor=\"#00FF00\"><b><i>x"));
    r.surface.setBackground(framework::clYellow);
    r.run();
    EXPECT_EQ(r.surface.font(), baseFont());
    EXPECT_EQ(r.surface.background(), framework::clYellow);
}

// ---------------------------------------------------------------------------------------------------
// Tags

TEST(MarkupEngine, NestedFontReturnsToTheBaseFont) {
    Render r(QStringLiteral("<FONT color=\"#FF0000\">a<FONT color=\"#00FF00\">b</font>c</font>d"));
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0].font.color, framework::clRed);
    EXPECT_EQ(words[1].font.color, framework::rgb(0, 255, 0));
    EXPECT_EQ(words[2].font.color, baseColor);
    EXPECT_EQ(words[3].font.color, baseColor);
}

TEST(MarkupEngine, TheProgramsTitleColour) {
    Render r(QStringLiteral("<FONT color=\"#004080\">CuO + C</font>"));
    r.run();
    for (const auto& word : r.words()) {
        EXPECT_EQ(word.font.color, framework::rgb(0x00, 0x40, 0x80));
    }
}

TEST(MarkupEngine, ColourNamesAreFoundOnlyWithALowerCaseCl) {
    Render named(QStringLiteral("<FONT color=\"clRed\">a</font>"));
    named.run();
    EXPECT_EQ(named.words().at(0).font.color, framework::clRed);
    Render capitals(QStringLiteral("<FONT color=\"CLRED\">a</font>"));
    capitals.run();
    EXPECT_EQ(capitals.words().at(0).font.color, baseColor);
    Render unknown(QStringLiteral("<FONT color=\"clNothing\">a</font>"));
    unknown.run();
    EXPECT_EQ(unknown.words().at(0).font.color, framework::clBlack);
}

TEST(MarkupEngine, ABackgroundOnlyFontKeepsTheTextColour) {
    Render r(QStringLiteral("<FONT bgcolor=\"#FFFF00\">x</font>y"));
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].font.color, baseColor);
    EXPECT_EQ(words[0].background, framework::clYellow);
    EXPECT_EQ(words[1].background, framework::clNone);
}

TEST(MarkupEngine, AColourNameInsideAnotherAttributeIsNotTheColour) {
    Render r(QStringLiteral("<FONT bgcolor=\"#FFFF00\" color=\"#FF0000\">x</font>"));
    r.run();
    EXPECT_EQ(r.words().at(0).font.color, framework::clRed);
    Render face(QStringLiteral("<FONT face=\"Arial color\" color=\"#00FF00\">x</font>"));
    face.run();
    EXPECT_EQ(face.words().at(0).font.color, framework::rgb(0, 255, 0));
    EXPECT_EQ(face.words().at(0).font.name, QStringLiteral("Arial color"));
    Render twice(QStringLiteral("<FONT color=\"#FF0000\" COLOR=\"#00FF00\">x</font>"));
    twice.run();
    EXPECT_EQ(twice.words().at(0).font.color, framework::clRed) << "the first of a name counts";
}

TEST(MarkupEngine, FontSizeIsInPointsAndBounded) {
    struct Case {
        const char* markup;
        int pixels;
    } cases[] = {
        {"<FONT size=\"12\">x", 16},
        {"<FONT size=\"100000\">x", controls::pointsToPixels(512)},
        {"<FONT size=\"99999999999999999999\">x", controls::pointsToPixels(512)},
        {"<FONT size=\"\">x", 16},
        {"<FONT size=\"-5\">x", 16},
        {"<FONT size=\"0\">x", 16},
        {"<FONT size=12>x", 16},
    };
    for (const Case& c : cases) {
        Render r(QString::fromLatin1(c.markup));
        r.run();
        EXPECT_EQ(r.words().at(0).font.pixelSize, c.pixels) << c.markup;
    }
}

TEST(MarkupEngine, FontFaceAndStyles) {
    Render r(QStringLiteral("<FONT face=\"Times New Roman\"><b>b<i>i<u>u<s>s</s></u></i></b>n"));
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 5u);
    EXPECT_EQ(words[0].font.name, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(words[0].font.bold);
    EXPECT_TRUE(words[1].font.italic);
    EXPECT_TRUE(words[2].font.underline);
    EXPECT_TRUE(words[3].font.strikeOut);
    const SurfaceFont last = words[4].font;
    EXPECT_FALSE(last.bold || last.italic || last.underline || last.strikeOut);
}

TEST(MarkupEngine, UnknownTagsAreRemovedAndAnUnclosedTagHidesTheRest) {
    Render unknown(QStringLiteral("a<xyz>b</qq>c"));
    unknown.run();
    EXPECT_EQ(texts(unknown.words()),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    Render bare(QStringLiteral("a<b c"));
    bare.run();
    EXPECT_EQ(texts(bare.words()), QStringList{QStringLiteral("a")});
    Render hides(QStringLiteral("1 < 2 > 0"));
    hides.run();
    EXPECT_EQ(texts(hides.words()),
              (QStringList{QStringLiteral("1 "), QStringLiteral(" "), QStringLiteral("0")}));
}

TEST(MarkupEngine, AnyTagStartingWithHEndsTheLineAndDrawsARule) {
    for (const char* rule : {"<HR>", "<H1>", "<HEAD>"}) {
        Render r(QStringLiteral("ab") + QString::fromLatin1(rule) + QStringLiteral("cd"), 16,
                 {0, 0, 200, 300});
        const MarkupResult result = r.run();
        const auto words = r.words();
        ASSERT_EQ(words.size(), 2u) << rule;
        EXPECT_EQ(words[1].rect.top, 16) << rule;
        const auto lines = r.surface.callsOf(Kind::Line);
        ASSERT_EQ(lines.size(), 1u) << rule;
        EXPECT_EQ(lines[0].rect, (Rect{1, 17, 200, 17})) << rule;
        EXPECT_EQ(lines[0].pen, framework::clBlack);
        EXPECT_EQ(result.totalHeight, 32);
    }
}

TEST(MarkupEngine, BrBreaksTheLine) {
    Render r(QStringLiteral("ab<br>cd"));
    const MarkupResult result = r.run();
    EXPECT_EQ(r.words().at(1).rect.top, 16);
    EXPECT_EQ(result.maxWidth, 2 * cw);
    EXPECT_EQ(result.totalHeight, 32);
}

TEST(MarkupEngine, TheSecondListItemBeginsTheNextLine) {
    Render r(QStringLiteral("<UL><LI>one<LI>two</UL>end"));
    r.run();
    const auto all = r.surface.texts();
    // Bullets in the symbol font, then the items indented by one level.
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].text, QString(QChar(0xB7)));
    EXPECT_EQ(all[0].font.name, QStringLiteral("Symbol"));
    EXPECT_EQ(all[0].rect.left, 1);
    EXPECT_EQ(all[1].text, QStringLiteral("one"));
    EXPECT_EQ(all[1].rect.left, 1 + 12);
    EXPECT_EQ(all[1].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(all[2].rect.top, 16);
    EXPECT_EQ(all[3].text, QStringLiteral("two"));
    EXPECT_EQ(all[3].rect.top, 16);
    EXPECT_EQ(all[3].rect.left, 1 + 12);
    EXPECT_EQ(all[4].text, QStringLiteral("end"));
    EXPECT_EQ(all[4].rect.left, 1 + 12 + 3 * cw);
}

TEST(MarkupEngine, NestedListsUseBothBullets) {
    Render r(QStringLiteral("<UL><UL><LI>x"));
    r.run();
    const auto all = r.surface.texts();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].text, QStringLiteral("o"));
    EXPECT_EQ(all[0].rect.left, 1 + 12);
    EXPECT_EQ(all[1].rect.left, 1 + 24);
}

TEST(MarkupEngine, CentredParagraphCentresItsLineAndTheNextOnes) {
    Render r(QStringLiteral("<P align=\"center\">abc<BR>abcde<BR><P align=\"left\">x"), 16, {0, 0, 101, 300});
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 3u);
    // Line left 1, room 101 - 1 - 21 = 79, halved down: 39.
    EXPECT_EQ(words[0].rect.left, 1 + 39);
    EXPECT_EQ(words[1].rect.left, 1 + (101 - 1 - 35) / 2);
    EXPECT_EQ(words[2].rect.top, 32);
    EXPECT_EQ(words[2].rect.left, 1);
}

TEST(MarkupEngine, RightAlignedParagraph) {
    Render r(QStringLiteral("<P align=\"right\">abc "), 16, {0, 0, 101, 300});
    r.run();
    EXPECT_EQ(r.words().at(0).rect.left, 101 - 21);
}

TEST(MarkupEngine, ParagraphBackgroundFillsItsStrips) {
    Render r(QStringLiteral("<P bgcolor=\"#FFFF00\">a<BR>b</P>c"), 16, {0, 0, 100, 300});
    r.run();
    const auto fills = r.surface.callsOf(Kind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 100, 16}));
    EXPECT_EQ(fills[0].brush, framework::clYellow);
    EXPECT_EQ(fills[1].rect, (Rect{0, 16, 100, 32}));
    const auto words = r.words();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1].background, framework::clYellow);
    EXPECT_EQ(words[2].background, framework::clNone);
    EXPECT_EQ(words[2].rect.top, 32) << "the closing P breaks the line";
}

TEST(MarkupEngine, HiddenTextTakesHeightButNoWidth) {
    Render r(QStringLiteral("a<Z><FONT size=\"24\">bbb</font></Z>c"));
    const MarkupResult result = r.run();
    const auto words = r.words();
    ASSERT_EQ(texts(words), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    EXPECT_EQ(words[1].rect.left, 1 + cw);
    EXPECT_EQ(result.totalHeight, 32);
    EXPECT_EQ(result.maxWidth, 2 * cw);
}

TEST(MarkupEngine, IndentMovesToItsPositionAndIsBounded) {
    Render r(QStringLiteral("a<IND x=\"50\">b<IND x=\"20\">c"));
    r.run();
    auto words = r.words();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1].rect.left, 1 + 50);
    EXPECT_EQ(words[2].rect.left, 1 + 50 + cw) << "an indent behind the position is ignored";

    Render huge(QStringLiteral("<IND x=\"99999999\">b<IND x=\"abc\">"), 16, {0, 0, 100000, 300});
    const MarkupResult result = huge.run();
    EXPECT_EQ(huge.words().at(0).rect.left, 1 + 32767);
    EXPECT_EQ(result.maxWidth, 32767 + cw);
}

TEST(MarkupEngine, ShadowIsDrawnFirstInTheShadowColour) {
    Render r(QStringLiteral("<SHAD>ab</SHAD>c"));
    r.request.shadowColor = framework::clGray;
    r.request.shadowOffset = 3;
    r.run();
    const auto all = r.surface.texts();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].font.color, framework::clGray);
    EXPECT_EQ(all[0].rect, all[1].rect.translated(3, 3));
    EXPECT_EQ(all[1].font.color, baseColor);
    EXPECT_EQ(all[2].text, QStringLiteral("c"));
}

TEST(MarkupEngine, BlinkingTextTakesTheBackgroundItFoundOnEntry) {
    Render r(QStringLiteral("<BLINK>a</BLINK>b"));
    r.surface.setBackground(framework::clPaleYellow);
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].font.color, framework::clPaleYellow);
    EXPECT_EQ(words[0].background, framework::clNone) << "text is drawn without filling";
    EXPECT_EQ(words[1].font.color, baseColor);
}

TEST(MarkupEngine, RotationAnglesAreNormalised) {
    struct Case {
        const char* markup;
        int angle;
    } cases[] = {{"<R a=\"90\">x", 90},
                 {"<R a=\"-90\">x", 270},
                 {"<R a=\"725\">x", 5},
                 {"<R a=\"99999999999\">x", 2147483647 % 360},
                 {"<R a=\"x\">x", 0}};
    for (const Case& c : cases) {
        Render r(QString::fromLatin1(c.markup));
        r.run();
        EXPECT_EQ(r.words().at(0).font.angle, c.angle) << c.markup;
    }
    Render back(QStringLiteral("<R a=\"45\">x</R>y"));
    back.run();
    EXPECT_EQ(back.words().at(1).font.angle, 0);
}

TEST(MarkupEngine, HashPairsOpenNoTag) {
    Render r(QStringLiteral("a<#ff>b <#1><#2>"));
    r.run();
    // The second pass cuts the rewritten text again: "a" and "#ffb " were cut apart only by the "<".
    EXPECT_EQ(texts(r.words()), (QStringList{QStringLiteral("a#ffb "), QStringLiteral("#1#2")}));
    EXPECT_EQ(controls::MarkupPlainText(r.request.markup), QStringLiteral("a#ffb #1#2"));
}

TEST(MarkupEngine, BodyFillsTheWholeRectangle) {
    Render r(QStringLiteral("<BODY bgcolor=\"clYellow\">a"), 16, {5, 5, 60, 70});
    r.run();
    const auto fills = r.surface.callsOf(Kind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{5, 5, 60, 70}));
    EXPECT_EQ(fills[0].brush, framework::clYellow);
    EXPECT_EQ(r.words().at(0).background, framework::clYellow);
}

// ---------------------------------------------------------------------------------------------------
// Entities

struct EntityCase {
    const char* word;
    const char* shown;
};

class MarkupEntities : public ::testing::TestWithParam<EntityCase> {};

TEST_P(MarkupEntities, ReplacedByTheirProcedure) {
    const EntityCase& c = GetParam();
    EXPECT_EQ(controls::markup::replaceEntities(QString::fromLatin1(c.word)), QString::fromLatin1(c.shown));
    Render r(QString::fromLatin1(c.word));
    r.run();
    EXPECT_EQ(r.words().at(0).text, QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Words, MarkupEntities,
                         ::testing::Values(EntityCase{"&lt;", "<"}, EntityCase{"&LT;", "<"},
                                           EntityCase{"&gt;", ">"}, EntityCase{"&amp;", "&"},
                                           EntityCase{"&quot;", "\""}, EntityCase{"x&lt;y&gt;z", "x<y>z"},
                                           // an entity directly after a replaced one stays
                                           EntityCase{"&lt;&gt;", "<&gt;"},
                                           // "&lt;" is tried first: what stands before it stays
                                           EntityCase{"&amp;&lt;", "&amp;<"},
                                           EntityCase{"&gt;x&lt;", "&gt;x<"}, EntityCase{"&amp;lt;", "&lt;"},
                                           // unknown entities stay, a known one later is still replaced
                                           EntityCase{"&x;&lt;", "&x;<"}, EntityCase{"&nbsp;", "&nbsp;"},
                                           EntityCase{"&", "&"}, EntityCase{"&lt", "&lt"}));

TEST(MarkupEngine, ALongWordAfterAnEntityIsKeptWhole) {
    const QString tail(1000, QLatin1Char('a'));
    EXPECT_EQ(controls::markup::replaceEntities(QStringLiteral("&lt;") + tail), QStringLiteral("<") + tail);
}

TEST(MarkupEngine, AnEntityDoesNotOpenATag) {
    Render r(QStringLiteral("&lt;b&gt;bold"));
    r.run();
    EXPECT_EQ(r.words().at(0).text, QStringLiteral("<b>bold"));
    EXPECT_FALSE(r.words().at(0).font.bold);
}

// ---------------------------------------------------------------------------------------------------
// Colours

struct ColorCase {
    const char* text;
    TColor color;
};

class MarkupHexColor : public ::testing::TestWithParam<ColorCase> {};

TEST_P(MarkupHexColor, ReadsRedGreenBlue) {
    EXPECT_EQ(controls::ParseHexColor(QString::fromLatin1(GetParam().text)), GetParam().color)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, MarkupHexColor,
                         ::testing::Values(ColorCase{"#004080", framework::rgb(0x00, 0x40, 0x80)},
                                           ColorCase{"#ff0000", framework::clRed},
                                           ColorCase{"#FFFFFF", framework::clWhite},
                                           ColorCase{"#0000FF00", framework::clBlue},
                                           // fewer digits: those present, the rest 0
                                           ColorCase{"#12", framework::rgb(0x12, 0, 0)},
                                           ColorCase{"#1", framework::rgb(0x10, 0, 0)},
                                           ColorCase{"#1234", framework::rgb(0x12, 0x34, 0)},
                                           ColorCase{"#", 0}, ColorCase{"", 0},
                                           ColorCase{"#12zz56", framework::rgb(0x12, 0, 0)}));

class MarkupColorName : public ::testing::TestWithParam<ColorCase> {};

TEST_P(MarkupColorName, LooksUpTheLowerCasedName) {
    EXPECT_EQ(controls::ParseColorName(QString::fromLatin1(GetParam().text)), GetParam().color)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, MarkupColorName,
    ::testing::Values(ColorCase{"clRed", framework::clRed}, ColorCase{"CLRED", framework::clRed},
                      ColorCase{"clTeal", framework::clTeal}, ColorCase{"clOlive", framework::clOlive},
                      ColorCase{"clNavy", framework::clNavy}, ColorCase{"clMaroon", framework::clMaroon},
                      ColorCase{"clAqua", framework::rgb(0, 255, 255)},
                      ColorCase{"clLime", framework::rgb(0, 255, 0)},
                      ColorCase{"clBtnFace", framework::systemColor(15)},
                      ColorCase{"clBackground", framework::systemColor(1)},
                      ColorCase{"clInfoBk", framework::systemColor(24)},
                      ColorCase{"cl3DDkShadow", framework::systemColor(21)}, ColorCase{"clNope", 0},
                      ColorCase{"", 0}));

TEST(MarkupEngine, AHexValueWinsOverANameInTheSameValue) {
    Render r(QStringLiteral("<FONT color=\"clRed#00FF00\">x"));
    r.run();
    // The "#" reading wins: it drops the value's first character and stops at the first non-digit.
    EXPECT_EQ(r.words().at(0).font.color, framework::clBlack);
}

// ---------------------------------------------------------------------------------------------------
// Links

TEST(MarkupEngine, LinksAreCountedAndDrawnUnderlinedInTheParamColour) {
    Render r(QStringLiteral("a <A href=\"one\">v1</A> <A href=\"two\">v2</A>"));
    r.request.paramColor = framework::clTeal;
    const MarkupResult result = r.run();
    EXPECT_EQ(result.linkCount, 2);
    EXPECT_EQ(result.linkUnderPoint, -1);
    EXPECT_TRUE(result.hrefUnderPoint.isEmpty());
    const auto words = r.words();
    ASSERT_EQ(words.size(), 4u);
    EXPECT_TRUE(words[1].font.underline);
    EXPECT_EQ(words[1].font.color, framework::clTeal);
    EXPECT_FALSE(words[2].font.underline);
    EXPECT_EQ(words[2].font.color, baseColor);
}

TEST(MarkupEngine, ThePointFindsTheLinkUnderIt) {
    // "a " is 14 px, then "v1" from 15 to 29 on the surface (the text starts at x 1).
    for (const bool paint : {false, true}) {
        Render r(QStringLiteral("a <A href=\"one\">v1</A> <A href=\"two\">v2</A>"));
        r.request.paint = paint;
        r.request.point = {20, 8};
        const MarkupResult result = r.run();
        EXPECT_EQ(result.linkUnderPoint, 1);
        EXPECT_EQ(result.hrefUnderPoint, QStringLiteral("one"));
        EXPECT_TRUE(result.onLink);
        EXPECT_EQ(result.linkRect, (Rect{1 + 2 * cw, 0, 1 + 4 * cw, 16}));

        r.request.point = {1 + 5 * cw + 3, 8};
        const MarkupResult second = r.run();
        EXPECT_EQ(second.linkUnderPoint, 2);
        EXPECT_EQ(second.hrefUnderPoint, QStringLiteral("two"));

        r.request.point = {5, 8};
        const MarkupResult none = r.run();
        EXPECT_EQ(none.linkUnderPoint, -1);
        EXPECT_TRUE(none.hrefUnderPoint.isEmpty());
        EXPECT_FALSE(none.onLink);
    }
}

TEST(MarkupEngine, ALinkIsFoundWhereACentredLineIsPlaced) {
    Render r(QStringLiteral("<P align=\"center\"><A href=\"c\">abc</A>"), 16, {0, 0, 101, 100});
    r.request.paint = false;
    r.request.point = {1 + 39 + 10, 8};
    const MarkupResult result = r.run();
    EXPECT_EQ(result.hrefUnderPoint, QStringLiteral("c"));
    EXPECT_EQ(result.linkRect, (Rect{1 + 39, 0, 1 + 39 + 21, 16}));
    r.request.point = {5, 8};
    EXPECT_TRUE(r.run().hrefUnderPoint.isEmpty());
}

TEST(MarkupEngine, HoverModeStylesOnlyTheHoveredLink) {
    Render r(QStringLiteral("<A href=\"one\">v1</A> <A href=\"two\">v2</A>"));
    r.request.hover = true;
    r.request.hoverLink = 2;
    r.request.hoverColor = framework::clYellow;
    r.request.hoverFontColor = framework::clRed;
    r.request.paramColor = framework::clGreen;
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_FALSE(words[0].font.underline);
    EXPECT_EQ(words[0].font.color, framework::clGreen);
    EXPECT_EQ(words[0].background, framework::clNone);
    EXPECT_TRUE(words[2].font.underline);
    EXPECT_EQ(words[2].font.color, framework::clRed);
    EXPECT_EQ(words[2].background, framework::clYellow);
    EXPECT_EQ(r.surface.background(), framework::clNone);
}

TEST(MarkupEngine, ALinkOverTwoLinesKeepsTheAreaOfItsLastLine) {
    Render r(QStringLiteral("<A href=\"x\">aaaa<BR>bb</A>"));
    r.request.paint = false;
    r.request.point = {5, 20};
    const MarkupResult result = r.run();
    EXPECT_EQ(result.linkUnderPoint, 1);
    EXPECT_EQ(result.linkRect, (Rect{1, 16, 1 + 2 * cw, 32}));
}

// ---------------------------------------------------------------------------------------------------
// Images

QString writeImage(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

TEST(MarkupEngine, FileImagesAreDrawnAtTheirSizeOrStretched) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("dot.png"), {10, 20});
    Render r(QStringLiteral("a<IMG src=\"file://%1\">b<IMG src=\"file://%1\" width=\"30\" height=\"5\">c")
                 .arg(path));
    const MarkupResult result = r.run();
    const auto images = r.surface.callsOf(Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].rect, (Rect{1 + cw, 0, 1 + cw + 10, 20}));
    const auto stretched = r.surface.callsOf(Kind::StretchImage);
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(stretched[0].rect, (Rect{1 + 2 * cw + 10, 0, 1 + 2 * cw + 40, 5}));
    EXPECT_EQ(result.totalHeight, 20) << "the line is as high as its image";
    EXPECT_EQ(result.maxWidth, 3 * cw + 40);
    const auto words = r.words();
    EXPECT_EQ(TestSurface::textTop(words.at(0)), 4) << "text sits on the line's bottom";
}

TEST(MarkupEngine, UpperCaseImageSizesAreIgnored) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("dot.png"), {10, 20});
    Render r(QStringLiteral("<IMG src=\"file://%1\" WIDTH=\"30\" HEIGHT=\"5\">").arg(path));
    r.run();
    EXPECT_EQ(r.surface.callsOf(Kind::Image).size(), 1u);
    Render lower(QStringLiteral("<IMG src=\"file://%1\" WIDTH=\"1\" HEIGHT=\"1\" width=\"30\" height=\"5\">")
                     .arg(path));
    lower.run();
    ASSERT_EQ(lower.surface.callsOf(Kind::StretchImage).size(), 1u);
    EXPECT_EQ(lower.surface.callsOf(Kind::StretchImage)[0].rect.width(), 30);
}

TEST(MarkupEngine, TopAlignedImageRaisesTheText) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("tall.png"), {10, 40});
    Render r(QStringLiteral("a<IMG src=\"file://%1\" align=\"top\">b").arg(path));
    r.run();
    const auto words = r.words();
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(TestSurface::textTop(words[0]), 0);
    EXPECT_EQ(TestSurface::textTop(words[1]), 0);
    Render middle(QStringLiteral("a<IMG src=\"file://%1\" align=\"middle\">").arg(path));
    middle.run();
    EXPECT_EQ(TestSurface::textTop(middle.words().at(0)), 12);
}

TEST(MarkupEngine, AnImageThatDoesNotFitBeginsTheNextLine) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("wide.png"), {30, 10});
    Render r(QStringLiteral("abcd<IMG src=\"file://%1\">").arg(path), 16, {0, 0, 50, 300});
    const MarkupResult result = r.run();
    const auto images = r.surface.callsOf(Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].rect.left, 1);
    EXPECT_EQ(images[0].rect.top, 16);
    EXPECT_EQ(result.totalHeight, 32);
}

TEST(MarkupEngine, MissingOrUnsafeImagesTakeNoRoom) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath(QStringLiteral("big.png"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(17 * 1024 * 1024));
    }
    const QString notImage = dir.filePath(QStringLiteral("text.png"));
    {
        QFile file(notImage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not an image");
    }
    for (const QString& src : {QStringLiteral("file://") + fifo, QStringLiteral("file://") + dir.path(),
                               QStringLiteral("file:///dev/zero"), QStringLiteral("file://") + big,
                               QStringLiteral("file://") + notImage, QStringLiteral("file:///no/such"),
                               QStringLiteral("res://nothing"), QStringLiteral("idx:0"),
                               QStringLiteral("idx:x"), QStringLiteral("other")}) {
        Render r(QStringLiteral("a<IMG src=\"%1\">b").arg(src));
        const MarkupResult result = r.run();
        EXPECT_TRUE(r.surface.callsOf(Kind::Image).empty()) << qPrintable(src);
        EXPECT_EQ(result.maxWidth, 2 * cw) << qPrintable(src);
        EXPECT_EQ(r.words().at(1).rect.left, 1 + cw) << qPrintable(src);
    }
}

TEST(MarkupEngine, AChangedImageFileIsReadAgain) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("dot.png"), {10, 20});
    Render r(QStringLiteral("<IMG src=\"file://%1\">").arg(path));
    r.run();
    ASSERT_EQ(r.surface.callsOf(Kind::Image).at(0).rect.width(), 10);
    writeImage(dir, QStringLiteral("dot.png"), {12, 20});
    r.run();
    EXPECT_EQ(r.surface.callsOf(Kind::Image).at(0).rect.width(), 12);
}

TEST(MarkupEngine, ImageListImages) {
    controls::TImageList list({16, 12});
    QImage red(16, 12, QImage::Format_RGB32);
    red.fill(Qt::red);
    list.add(red);
    Render r(QStringLiteral("<IMG src=\"idx:0\">x<IMG src=\"IDX:1\">"));
    r.request.images = &list;
    const MarkupResult result = r.run();
    const auto images = r.surface.callsOf(Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].rect, (Rect{1, 0, 17, 12}));
    EXPECT_EQ(result.maxWidth, 16 + cw);
}

TEST(MarkupEngine, BodyBackgroundIsTiledOverTheVisibleAreaOnly) {
    QTemporaryDir dir;
    const QString path = writeImage(dir, QStringLiteral("tile.png"), {10, 10});
    Render r(QStringLiteral("<BODY background=\"file://%1\">x").arg(path), 16, {0, 0, 65535, 300});
    r.surface.setClipRect(Rect{0, 0, 25, 15});
    r.run();
    const auto tiles = r.surface.callsOf(Kind::Image);
    // The 10 × 10 tile, repeated into one of 260 × 260, covers the visible 25 × 15 at once.
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0].rect, (Rect{0, 0, 260, 260}));
    EXPECT_EQ(tiles[0].clip, (Rect{0, 0, 25, 15}));
    EXPECT_EQ(r.surface.clipRect(), (Rect{0, 0, 25, 15})) << "the clip it found is put back";
}

// ---------------------------------------------------------------------------------------------------

TEST(MarkupEngine, PlainTextDropsTagsAndReplacesEntities) {
    EXPECT_EQ(controls::MarkupPlainText(
                  QStringLiteral("<FONT color=\"#004080\">HCO<sub>3</sub><sup>-</sup>(s)</font>")),
              QStringLiteral("HCO3-(s)"));
    EXPECT_EQ(controls::MarkupPlainText(QStringLiteral("a &lt; b")), QStringLiteral("a < b"));
}

TEST(MarkupEngine, AttributesIgnoreNamesInsideValues) {
    const controls::markup::TagAttributes attributes(
        QStringLiteral("<A title=\"href=&quot;x\" HREF=\"real\" bare=value empty=\"\" open=\"abc>"),
        {QLatin1String("href"), QLatin1String("bare"), QLatin1String("empty"), QLatin1String("open"),
         QLatin1String("missing")});
    EXPECT_EQ(attributes.value(QLatin1String("href")).toString(), QStringLiteral("real"));
    EXPECT_TRUE(attributes.value(QLatin1String("bare")).isEmpty());
    EXPECT_TRUE(attributes.has(QLatin1String("empty")));
    EXPECT_TRUE(attributes.value(QLatin1String("open")).isEmpty());
    EXPECT_FALSE(attributes.has(QLatin1String("missing")));
    EXPECT_TRUE(attributes.has(QLatin1String("HREF"), Qt::CaseSensitive));
    EXPECT_FALSE(attributes.has(QLatin1String("href"), Qt::CaseSensitive));
}

} // namespace
