#include "controls/MarkupEngine.h"

#include "controls/MarkupImageList.h"
#include "controls/MarkupImages.h"
#include "controls/MarkupText.h"

#include <QBrush>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>

namespace controls {

using framework::clNone;
using namespace markup;

namespace {

constexpr int listIndent = 12;
constexpr int maxFontPoints = 512;
constexpr int maxCoordinate = 32767; // indents and image sizes
constexpr int fullTurn = 360;
// Positions and heights saturate here, far beyond any surface, so that no input can overflow them.
constexpr long long maxPosition = 1 << 30;
const QString lineSample = QStringLiteral("gh");
const QString blankText = QStringLiteral(" ");
const QString symbolFace = QStringLiteral("Symbol");
constexpr QChar oddLevelBullet = QChar(0xB7);
constexpr QChar evenLevelBullet = QLatin1Char('o');

int saturated(long long value) {
    return int(std::clamp(value, -maxPosition, maxPosition));
}

struct NamedColor {
    QLatin1String name;
    TColor value;
};

constexpr std::array<NamedColor, 40> colorNames{{
    {QLatin1String("clred"), 0x0000FF},
    {QLatin1String("clblack"), 0x000000},
    {QLatin1String("clblue"), 0xFF0000},
    {QLatin1String("clgreen"), 0x008000},
    {QLatin1String("claqua"), 0xFFFF00},
    {QLatin1String("clyellow"), 0x00FFFF},
    {QLatin1String("clfuchsia"), 0xFF00FF},
    {QLatin1String("clwhite"), 0xFFFFFF},
    {QLatin1String("cllime"), 0x00FF00},
    {QLatin1String("clsilver"), 0xC0C0C0},
    {QLatin1String("clgray"), 0x808080},
    {QLatin1String("clolive"), 0x008080},
    {QLatin1String("clnavy"), 0x800000},
    {QLatin1String("clpurple"), 0x800080},
    {QLatin1String("clteal"), 0x808000},
    {QLatin1String("clmaroon"), 0x000080},
    {QLatin1String("clbackground"), framework::systemColor(1)},
    {QLatin1String("clactivecaption"), framework::systemColor(2)},
    {QLatin1String("clinactivecaption"), framework::systemColor(3)},
    {QLatin1String("clmenu"), framework::systemColor(4)},
    {QLatin1String("clwindow"), framework::systemColor(5)},
    {QLatin1String("clwindowframe"), framework::systemColor(6)},
    {QLatin1String("clmenutext"), framework::systemColor(7)},
    {QLatin1String("clwindowtext"), framework::systemColor(8)},
    {QLatin1String("clcaptiontext"), framework::systemColor(9)},
    {QLatin1String("clactiveborder"), framework::systemColor(10)},
    {QLatin1String("clinactiveborder"), framework::systemColor(11)},
    {QLatin1String("clappworkspace"), framework::systemColor(12)},
    {QLatin1String("clhighlight"), framework::systemColor(13)},
    {QLatin1String("clhighlighttext"), framework::systemColor(14)},
    {QLatin1String("clbtnface"), framework::systemColor(15)},
    {QLatin1String("clbtnshadow"), framework::systemColor(16)},
    {QLatin1String("clgraytext"), framework::systemColor(17)},
    {QLatin1String("clbtntext"), framework::systemColor(18)},
    {QLatin1String("clinactivecaptiontext"), framework::systemColor(19)},
    {QLatin1String("clbtnhighlight"), framework::systemColor(20)},
    {QLatin1String("cl3ddkshadow"), framework::systemColor(21)},
    {QLatin1String("cl3dlight"), framework::systemColor(22)},
    {QLatin1String("clinfotext"), framework::systemColor(23)},
    {QLatin1String("clinfobk"), framework::systemColor(24)},
}};

// A "color" or "bgcolor" value: a colour name when it holds "cl" (exact case), a hexadecimal colour
// when it holds "#" (read last, so it wins); nothing when it holds neither.
std::optional<TColor> attributeColor(QStringView value) {
    std::optional<TColor> color;
    if (value.contains(QLatin1String("cl"))) {
        color = ParseColorName(value.toString());
    }
    if (value.contains(QLatin1Char('#'))) {
        color = ParseHexColor(value.toString());
    }
    return color;
}

int hexDigit(QChar c) {
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

bool startsWith(QStringView tag, const char* prefix) {
    return tag.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

QChar upperAt(QStringView tag, qsizetype i) {
    return i < tag.size() ? tag[i].toUpper() : QChar();
}

enum class Alignment { Left, Center, Right };

// Text extents by font and text for one call. Each line measures its words twice (laying out, then
// placing), and formulas repeat their words; measuring text is by far the dearest part of a layout.
// Only what shapes the glyphs is in the key: colour and angle leave a text's extent unchanged.
class ExtentCache {
public:
    QSize extent(const Surface& surface, const SurfaceFont& font, const QString& text) {
        Bucket& bucket = bucketFor(font);
        const auto it = bucket.extents.constFind(text);
        if (it != bucket.extents.constEnd()) {
            return *it;
        }
        const QSize size = surface.textExtent(text);
        bucket.extents.insert(text, size);
        return size;
    }

private:
    struct Bucket {
        SurfaceFont shape;
        QHash<QString, QSize> extents;
    };
    static SurfaceFont shapeOf(SurfaceFont font) {
        font.color = framework::clBlack;
        font.angle = 0;
        return font;
    }
    Bucket& bucketFor(const SurfaceFont& font) {
        const SurfaceFont shape = shapeOf(font);
        if (last_ < buckets_.size() && buckets_[last_].shape == shape) {
            return buckets_[last_];
        }
        for (last_ = 0; last_ < buckets_.size(); ++last_) {
            if (buckets_[last_].shape == shape) {
                return buckets_[last_];
            }
        }
        buckets_.push_back({shape, {}});
        return buckets_.back();
    }

    std::vector<Bucket> buckets_;
    std::size_t last_ = 0;
};

// The state a pass carries from one line to the next. Each pass kind keeps its own copy, so that the
// second pass of a line starts exactly where the second pass of the line before ended.
struct PassState {
    SurfaceFont font;
    bool subscript = false;
    bool superscript = false;
    bool hidden = false;
    bool shadow = false;
    std::optional<SurfaceFont> unrotated; // the font put aside by the rotation tag
    int listLevel = 0;
    int linkCounter = 0;
    struct Link {
        bool inside = false;
        QString href;
        int number = 0;
        int left = 0;
        int top = 0;
        int line = 0;
        bool holdsPoint = false;
    } link;
};

// What the first pass found out about its line.
struct LineMetrics {
    int width = 0;        // x advance without a trailing blank
    int height = 0;       // without the superscript rise and the subscript drop
    int rise = 0;         // r: room above for superscripts
    int drop = 0;         // s: room below for subscripts
    int lift = 0;         // q: how far the text is raised beside a top- or middle-aligned image
    int sampleHeight = 0; // height of "gh" in the line's starting font
    bool linkHit = false;
};

class Renderer;

// One pass over one line. The first pass of a line measures and decides what the line takes; the
// second runs over exactly that text, placed by the line's alignment, and draws it (paint mode) or
// measures it again (measure mode). Only the placed pass tests the point, so hits are found where the
// text really is, whatever the alignment.
class LinePass {
public:
    enum class Kind { Layout, Placed };

    LinePass(Renderer& renderer, Kind kind, TextStream& text, PassState& state, const Rect& rect,
             const LineMetrics* layout);

    LineMetrics run(QString* taken);

private:
    bool drawing() const;
    bool placed() const { return kind_ == Kind::Placed; }
    int lineWidth() const { return rect_.right - rect_.left; }
    void applyFont();
    void word(QString* taken);
    void drawWord(const QString& word);
    void testPoint(int from, int to, int height);
    // Returns false when the tag stops the step: it stays in the text and begins the next line.
    bool tag(QStringView tag);
    bool openingTag(QStringView tag);
    void closingTag(QStringView tag);
    void fontTag(QStringView tag);
    void closeFont();
    void paragraphTag(QStringView tag);
    void closeParagraph();
    void rule();
    bool listItem();
    void indent(QStringView tag);
    bool image(QStringView tag);
    void openLink(QStringView tag);
    void closeLink();
    void rotate(QStringView tag);
    void body(QStringView tag);
    void fillStrip(int top, int bottom);

    Renderer& r_;
    Surface& surface_;
    const Kind kind_;
    TextStream& text_;
    PassState& state_;
    Rect rect_;
    int bottom_ = 0; // text baselines are computed from here: the line's bottom less the subscript drop
    long long advance_ = 0;
    int trailingBlank_ = 0;
    LineMetrics m_;
    bool ended_ = false;
    int listItems_ = 0;
};

class Renderer {
public:
    Renderer(Surface& surface, const MarkupRequest& request)
        : surface(surface)
        , request(request) {}

    MarkupResult run();

    Surface& surface;
    const MarkupRequest& request;
    MarkupResult result;
    SurfaceFont baseFont;
    TColor entryBackground = clNone;
    TColor fontBackground = clNone;      // put back by the closing FONT tag
    TColor paragraphBackground = clNone; // put back by the closing P tag
    bool paragraphActive = false;
    TColor linkBackground = clNone; // put back at the end of a hovered link
    Alignment alignment = Alignment::Left;
    int line = 0;
    ExtentCache extents;

private:
    Rect place(const Rect& lineRect, const LineMetrics& metrics) const;
};

// ---------------------------------------------------------------------------------------------------

LinePass::LinePass(Renderer& renderer, Kind kind, TextStream& text, PassState& state, const Rect& rect,
                   const LineMetrics* layout)
    : r_(renderer)
    , surface_(renderer.surface)
    , kind_(kind)
    , text_(text)
    , state_(state)
    , rect_(rect) {
    if (layout) {
        m_.rise = layout->rise;
        m_.drop = layout->drop;
        m_.lift = layout->lift;
    }
}

bool LinePass::drawing() const {
    return placed() && r_.request.paint;
}

void LinePass::applyFont() {
    surface_.setFont(state_.font);
}

LineMetrics LinePass::run(QString* taken) {
    applyFont();
    m_.sampleHeight = r_.extents.extent(surface_, state_.font, lineSample).height();
    m_.height = m_.sampleHeight;
    bottom_ = rect_.bottom - m_.drop;
    if (drawing() && r_.paragraphActive) {
        fillStrip(rect_.top, rect_.top + m_.sampleHeight);
    }
    bool stopped = false;
    while (!text_.atEnd() && !ended_ && !stopped) {
        word(taken);
        text_.rewriteHashTag();
        if (!ended_ && text_.atTag()) {
            const qsizetype end = text_.tagEnd();
            const QString tagText = text_.textTo(end);
            stopped = !tag(tagText);
            if (!stopped) {
                if (taken) {
                    taken->append(tagText);
                }
                text_.advanceTo(end);
            }
        }
    }
    m_.width = saturated(advance_ - trailingBlank_);
    return m_;
}

void LinePass::word(QString* taken) {
    const qsizetype end = text_.wordEnd();
    if (end == text_.front()) {
        return;
    }
    const QString raw = text_.textTo(end);
    const QString word = replaceEntities(raw);
    const QSize extent = r_.extents.extent(surface_, state_.font, word);
    const int h = extent.height();
    if (state_.subscript) {
        m_.drop = std::max(m_.drop, h / 4);
    }
    if (state_.superscript) {
        m_.rise = std::max(m_.rise, h / 4);
    }
    m_.height = std::max(m_.height, h);
    const int w = state_.hidden ? 0 : extent.width();
    if (!state_.hidden) {
        if (drawing()) {
            drawWord(word);
        }
        if (placed()) {
            testPoint(saturated(advance_), saturated(advance_ + w), h);
        }
        advance_ += w;
    }
    // A word that does not fit begins the next line, unless it is wider than any line could be.
    if (!placed() && !(advance_ < lineWidth()) && w < lineWidth()) {
        advance_ -= w;
        ended_ = true;
        return;
    }
    if (taken) {
        taken->append(raw);
    }
    text_.advanceTo(end);
    trailingBlank_ = word.endsWith(blank) ? r_.extents.extent(surface_, state_.font, blankText).width() : 0;
}

void LinePass::drawWord(const QString& word) {
    Rect box{saturated(rect_.left + advance_), rect_.top, rect_.right, bottom_};
    if (state_.superscript) {
        box.bottom -= m_.rise;
    }
    if (state_.subscript) {
        box.bottom += m_.drop;
    }
    box.bottom -= m_.lift;
    constexpr unsigned flags = SingleLine | AlignLeft | AlignBottom;
    if (state_.shadow) {
        SurfaceFont shadowFont = state_.font;
        shadowFont.color = r_.request.shadowColor;
        surface_.setFont(shadowFont);
        const int offset = r_.request.shadowOffset;
        surface_.drawText(box.translated(offset, offset), word, flags);
        applyFont();
    }
    surface_.drawText(box, word, flags);
}

void LinePass::testPoint(int from, int to, int height) {
    if (!state_.link.inside) {
        return;
    }
    const QPoint point = r_.request.point;
    const int x = point.x() - rect_.left;
    if (x < from || x > to) {
        return;
    }
    m_.linkHit = true;
    if (point.y() > rect_.top && point.y() < rect_.top + height) {
        r_.result.hrefUnderPoint = state_.link.href;
        state_.link.holdsPoint = true;
    }
}

bool LinePass::tag(QStringView tag) {
    if (tag.startsWith(QLatin1String("</"))) {
        closingTag(tag);
        return true;
    }
    return openingTag(tag);
}

bool LinePass::openingTag(QStringView tag) {
    SurfaceFont& font = state_.font;
    const bool closed = tag.endsWith(QLatin1Char('>'));
    switch (upperAt(tag, 1).unicode()) {
    case 'S':
        if (startsWith(tag, "<SUB>")) {
            state_.subscript = true;
        } else if (startsWith(tag, "<SUP>")) {
            state_.superscript = true;
        } else if (startsWith(tag, "<SHAD>")) {
            state_.shadow = true;
        } else if (startsWith(tag, "<S>")) {
            font.strikeOut = true;
        }
        break;
    case 'F':
        if (closed) {
            fontTag(tag);
        }
        break;
    case 'B':
        if (startsWith(tag, "<BR>")) {
            ended_ = true;
        } else if (startsWith(tag, "<BLINK")) {
            // Blinking text is shown in its off phase: in the colour of the control's background.
            font.color = r_.entryBackground;
        } else if (startsWith(tag, "<BODY")) {
            body(tag);
        } else if (startsWith(tag, "<B>")) {
            font.bold = true;
        }
        break;
    case 'I':
        if (startsWith(tag, "<IND")) {
            indent(tag);
        } else if (startsWith(tag, "<IMG")) {
            return image(tag);
        } else if (startsWith(tag, "<I>")) {
            font.italic = true;
        }
        break;
    case 'U':
        if (startsWith(tag, "<UL>")) {
            ++state_.listLevel;
        } else {
            font.underline = true;
        }
        break;
    case 'Z':
        state_.hidden = true;
        break;
    case 'H':
        rule();
        break;
    case 'P':
        if (closed) {
            paragraphTag(tag);
        }
        break;
    case 'L':
        return listItem();
    case 'A':
        openLink(tag);
        break;
    case 'R':
        rotate(tag);
        break;
    default:
        break;
    }
    applyFont();
    return true;
}

void LinePass::closingTag(QStringView tag) {
    SurfaceFont& font = state_.font;
    switch (upperAt(tag, 2).unicode()) {
    case 'S': {
        const QChar second = upperAt(tag, 3);
        if (second == QLatin1Char('U')) {
            state_.subscript = false;
            state_.superscript = false;
        } else if (second == QLatin1Char('H')) {
            state_.shadow = false;
        } else {
            font.strikeOut = false;
        }
        break;
    }
    case 'F':
        closeFont();
        break;
    case 'B':
        if (startsWith(tag, "</BL")) {
            font.color = r_.baseFont.color;
        } else {
            font.bold = false;
        }
        break;
    case 'I':
        font.italic = false;
        break;
    case 'U':
        if (startsWith(tag, "</UL>") && state_.listLevel > 0) {
            --state_.listLevel;
        } else {
            font.underline = false;
        }
        break;
    case 'Z':
        state_.hidden = false;
        break;
    case 'P':
        closeParagraph();
        break;
    case 'A':
        closeLink();
        break;
    case 'R':
        if (state_.unrotated) {
            font = *state_.unrotated;
            state_.unrotated.reset();
        }
        break;
    default:
        break;
    }
    applyFont();
}

void LinePass::fontTag(QStringView tag) {
    const TagAttributes attributes(tag, {QLatin1String("face"), QLatin1String("color"),
                                         QLatin1String("bgcolor"), QLatin1String("size")});
    SurfaceFont& font = state_.font;
    if (const QStringView face = attributes.value(QLatin1String("face")); !face.isEmpty()) {
        font.name = face.toString();
    }
    if (const auto color = attributeColor(attributes.value(QLatin1String("color")))) {
        font.color = *color;
    }
    if (drawing() && attributes.has(QLatin1String("bgcolor"))) {
        r_.fontBackground = surface_.background();
        if (const auto background = attributeColor(attributes.value(QLatin1String("bgcolor")))) {
            surface_.setBackground(*background);
        }
    }
    if (attributes.has(QLatin1String("size"))) {
        // No size, or size 0, is the control's own size; anything else is kept within readable bounds.
        const std::optional<long long> points = wholeNumber(attributes.value(QLatin1String("size")));
        font.pixelSize = points && *points > 0
                             ? pointsToPixels(int(std::min<long long>(*points, maxFontPoints)))
                             : r_.baseFont.pixelSize;
    }
}

void LinePass::closeFont() {
    // Fonts do not nest: every closing tag returns to the base font.
    SurfaceFont& font = state_.font;
    font.name = r_.baseFont.name;
    font.pixelSize = r_.baseFont.pixelSize;
    if (drawing()) {
        font.color = r_.baseFont.color;
        surface_.setBackground(r_.fontBackground);
    }
}

void LinePass::paragraphTag(QStringView tag) {
    const TagAttributes attributes(tag, {QLatin1String("align"), QLatin1String("bgcolor")});
    const QStringView align = attributes.value(QLatin1String("align"));
    // Tested in this order, the last match winning.
    if (align.contains(QLatin1String("right"), Qt::CaseInsensitive)) {
        r_.alignment = Alignment::Right;
    }
    if (align.contains(QLatin1String("left"), Qt::CaseInsensitive)) {
        r_.alignment = Alignment::Left;
    }
    if (align.contains(QLatin1String("center"), Qt::CaseInsensitive)) {
        r_.alignment = Alignment::Center;
    }
    if (drawing() && attributes.has(QLatin1String("bgcolor"))) {
        const TColor color = attributeColor(attributes.value(QLatin1String("bgcolor"))).value_or(clNone);
        r_.paragraphBackground = surface_.background();
        surface_.setBackground(color);
        fillStrip(rect_.top, bottom_);
        r_.paragraphActive = true;
    }
}

void LinePass::closeParagraph() {
    ended_ = true;
    if (drawing()) {
        surface_.setBackground(r_.paragraphBackground);
        r_.paragraphActive = false;
    }
}

void LinePass::fillStrip(int top, int bottom) {
    const TColor color = surface_.background();
    surface_.setPen(color);
    const TColor brush = surface_.brushColor();
    surface_.setBrush(color);
    surface_.fillRect({r_.request.rect.left, top, r_.request.rect.right, bottom});
    surface_.setBrush(brush);
}

void LinePass::rule() {
    ended_ = true;
    if (!drawing()) {
        return;
    }
    const TColor pen = surface_.penColor();
    surface_.setPen(framework::clBlack);
    const int y = bottom_ + 1;
    surface_.moveTo(rect_.left, y);
    surface_.lineTo(rect_.right, y);
    surface_.setPen(pen);
}

bool LinePass::listItem() {
    if (listItems_ > 0) {
        return false; // the second item of a line begins the next one
    }
    ++listItems_;
    const int level = state_.listLevel;
    if (drawing()) {
        SurfaceFont bulletFont = state_.font;
        bulletFont.name = symbolFace;
        surface_.setFont(bulletFont);
        const int x = saturated(rect_.left + advance_ + listIndent * (level - 1));
        surface_.drawText({x, rect_.top, rect_.right, bottom_},
                          QString(level % 2 ? oddLevelBullet : evenLevelBullet),
                          SingleLine | AlignLeft | AlignTop);
        applyFont();
    }
    advance_ += listIndent * static_cast<long long>(level);
    return true;
}

void LinePass::indent(QStringView tag) {
    const std::optional<long long> x =
        wholeNumber(TagAttributes(tag, {QLatin1String("x")}).value(QLatin1String("x")));
    if (x) {
        const long long n = std::clamp<long long>(*x, 0, maxCoordinate);
        if (n > advance_) {
            advance_ = n;
        }
    }
}

bool LinePass::image(QStringView tag) {
    const TagAttributes attributes(
        tag, {QLatin1String("src"), QLatin1String("width"), QLatin1String("height"), QLatin1String("align")});
    const QStringView src = attributes.value(QLatin1String("src"));
    auto dimension = [&](const char* name) {
        const std::optional<long long> value =
            wholeNumber(attributes.value(QLatin1String(name), Qt::CaseSensitive));
        return int(std::clamp<long long>(value.value_or(0), 0, maxCoordinate));
    };
    QImage picture;
    QSize size;
    bool stretched = false;
    if (src.startsWith(QLatin1String("idx:"), Qt::CaseInsensitive)) {
        const std::optional<long long> index = wholeNumber(src.mid(4));
        if (r_.request.images && index && *index >= 0 && *index < r_.request.images->count()) {
            picture = r_.request.images->image(int(*index));
            size = r_.request.images->imageSize();
        }
    } else if (src.startsWith(QLatin1String("ssys:"), Qt::CaseInsensitive) ||
               src.startsWith(QLatin1String("lsys:"), Qt::CaseInsensitive)) {
        picture = desktopIcon(src.mid(5).toString(), src[0].toLower() == QLatin1Char('l'));
        size = picture.size();
    } else if (src.startsWith(QLatin1String("res://"), Qt::CaseInsensitive)) {
        picture = loadImageFile(QStringLiteral(":/") + src.mid(6).toString());
        size = picture.size();
    } else if (src.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        picture = loadImageFile(src.mid(7).toString());
        const int w = dimension("width");
        const int h = dimension("height");
        stretched = w > 0 && h > 0;
        size = stretched ? QSize(w, h) : picture.size();
    }
    if (picture.isNull() || size.isEmpty()) {
        return true; // a missing image takes no room
    }
    const int w = size.width();
    if (!placed() && advance_ + w > lineWidth() && w < lineWidth()) {
        return false; // begins the next line
    }
    const int x = saturated(rect_.left + advance_);
    if (drawing()) {
        if (stretched) {
            surface_.stretchImage({x, rect_.top, x + w, rect_.top + size.height()}, picture);
        } else {
            surface_.drawImage(x, rect_.top, picture);
        }
    }
    if (placed() && state_.link.inside) {
        const QPoint point = r_.request.point;
        const int px = point.x() - rect_.left;
        if (px > advance_ && px < advance_ + w && point.y() > rect_.top &&
            point.y() < rect_.top + size.height()) {
            m_.linkHit = true;
            r_.result.hrefUnderPoint = state_.link.href;
            state_.link.holdsPoint = true;
        }
    }
    advance_ += w;
    m_.height = std::max(m_.height, size.height());
    const QStringView align = attributes.value(QLatin1String("align"));
    if (align.startsWith(QLatin1String("top"), Qt::CaseInsensitive)) {
        m_.lift = m_.height - m_.sampleHeight;
    } else if (align.startsWith(QLatin1String("middle"), Qt::CaseInsensitive)) {
        m_.lift = (m_.height - m_.sampleHeight) / 2;
    }
    return true;
}

void LinePass::openLink(QStringView tag) {
    const MarkupRequest& request = r_.request;
    PassState::Link& link = state_.link;
    ++state_.linkCounter;
    link = {true,
            TagAttributes(tag, {QLatin1String("href")}).value(QLatin1String("href")).toString(),
            state_.linkCounter,
            saturated(rect_.left + advance_),
            rect_.top,
            r_.line,
            false};
    const bool hovered = request.hover && link.number == request.hoverLink;
    if (!request.hover || hovered) {
        state_.font.underline = true;
        if (request.hoverColor != clNone && drawing()) {
            r_.linkBackground = surface_.background();
            surface_.setBackground(request.hoverColor);
        }
    }
    state_.font.color =
        hovered && request.hoverFontColor != clNone ? request.hoverFontColor : request.paramColor;
}

void LinePass::closeLink() {
    const MarkupRequest& request = r_.request;
    PassState::Link& link = state_.link;
    if (link.inside && (!request.hover || link.number == request.hoverLink)) {
        state_.font.underline = false;
        if (request.hoverColor != clNone && drawing()) {
            surface_.setBackground(r_.linkBackground);
        }
    }
    state_.font.color = r_.baseFont.color;
    if (link.inside && link.holdsPoint) {
        Rect area{link.left, link.top, saturated(rect_.left + advance_), rect_.bottom};
        if (link.line != r_.line) {
            area.left = rect_.left;
            area.top = rect_.top;
        }
        r_.result.linkRect = area;
        r_.result.linkUnderPoint = link.number;
    }
    link.inside = false;
    link.holdsPoint = false;
}

void LinePass::rotate(QStringView tag) {
    const std::optional<long long> degrees =
        wholeNumber(TagAttributes(tag, {QLatin1String("a")}).value(QLatin1String("a")));
    state_.unrotated = state_.font;
    const long long turned = (state_.font.angle + degrees.value_or(0)) % fullTurn;
    state_.font.angle = int(turned < 0 ? turned + fullTurn : turned);
}

namespace {

// A background tile is drawn once per copy: a small one is first repeated into a tile of at least this
// many pixels a side, so that a 1 × 1 picture costs a few draws rather than one per pixel.
constexpr int minimumTileSide = 256;

QImage repeatedTile(const QImage& tile) {
    if (tile.width() >= minimumTileSide && tile.height() >= minimumTileSide) {
        return tile;
    }
    const auto repeated = [](int side) { return side * ((minimumTileSide + side - 1) / side); };
    QImage large(repeated(tile.width()), repeated(tile.height()), QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    QPainter painter(&large);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(large.rect(), QBrush(tile));
    return large;
}

} // namespace

void LinePass::body(QStringView tag) {
    if (!drawing()) {
        return;
    }
    const TagAttributes attributes(tag, {QLatin1String("background"), QLatin1String("bgcolor")});
    const Rect area = r_.request.rect;
    const QStringView background = attributes.value(QLatin1String("background"));
    if (background.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        const QImage loaded = loadImageFile(background.mid(7).toString());
        if (!loaded.isNull()) {
            const QImage tile = repeatedTile(loaded);
            const std::optional<Rect> clip = surface_.clipRect();
            // Only the visible part of the area is tiled: an auto-sized label lays out in a rectangle
            // far wider than itself.
            Rect visible = area;
            if (clip) {
                visible = {std::max(area.left, clip->left), std::max(area.top, clip->top),
                           std::min(area.right, clip->right), std::min(area.bottom, clip->bottom)};
            }
            surface_.setClipRect(visible);
            const int w = tile.width();
            const int h = tile.height();
            const int firstColumn = area.left + (std::max(0, visible.left - area.left) / w) * w;
            const int firstRow = area.top + (std::max(0, visible.top - area.top) / h) * h;
            for (int y = firstRow; y < visible.bottom; y += h) {
                for (int x = firstColumn; x < visible.right; x += w) {
                    surface_.drawImage(x, y, tile);
                }
            }
            surface_.setClipRect(clip);
        }
    }
    if (attributes.has(QLatin1String("bgcolor"))) {
        if (const auto color = attributeColor(attributes.value(QLatin1String("bgcolor")))) {
            surface_.setBackground(*color);
            r_.fontBackground = *color;
            const TColor pen = surface_.penColor();
            const TColor brush = surface_.brushColor();
            surface_.setPen(*color);
            surface_.setBrush(*color);
            surface_.fillRect(area);
            surface_.setBrush(brush);
            surface_.setPen(pen);
        }
    }
}

// ---------------------------------------------------------------------------------------------------

Rect Renderer::place(const Rect& lineRect, const LineMetrics& metrics) const {
    Rect placed = lineRect;
    const int right = request.rect.right;
    if (alignment == Alignment::Right) {
        placed.left = right - metrics.width;
    } else if (alignment == Alignment::Center) {
        // A centred line wider than the rectangle starts at the left, as a left-aligned one would.
        const int room = right - lineRect.left - metrics.width;
        placed.left = lineRect.left + std::max(0, room) / 2;
    }
    placed.bottom =
        saturated(static_cast<long long>(lineRect.top) + metrics.height + metrics.rise + metrics.drop);
    return placed;
}

MarkupResult Renderer::run() {
    entryBackground = surface.background();
    baseFont = surface.font();
    surface.setBackground(clNone);

    PassState layoutState;
    layoutState.font = baseFont;
    PassState placedState = layoutState;
    TextStream remaining(request.markup);
    const Rect area = request.rect;
    Rect lineRect{area.left + 1, area.top, area.right, area.bottom};
    long long totalHeight = 0;
    while (!remaining.atEnd()) {
        QString taken;
        const LineMetrics metrics =
            LinePass(*this, LinePass::Kind::Layout, remaining, layoutState, lineRect, nullptr).run(&taken);
        result.maxWidth = std::max(result.maxWidth, metrics.width);

        const Rect placedRect = place(lineRect, metrics);
        TextStream lineText(std::move(taken));
        const LineMetrics again =
            LinePass(*this, LinePass::Kind::Placed, lineText, placedState, placedRect, &metrics).run(nullptr);
        if (again.linkHit) {
            const int y = request.point.y();
            const int textBottom = placedRect.bottom - metrics.lift;
            if (y > textBottom - again.sampleHeight && y < textBottom) {
                result.onLink = true;
            }
        }

        const int lineHeight = metrics.height + metrics.rise + metrics.drop;
        lineRect.top = saturated(static_cast<long long>(lineRect.top) + lineHeight);
        totalHeight += lineHeight;
        ++line;
        // The first line is always laid out; the next only while this line's height still fits below.
        if (static_cast<long long>(lineRect.top) + metrics.height > area.bottom) {
            break;
        }
    }
    surface.setBackground(entryBackground);
    surface.setFont(baseFont);
    // An empty text still has one line's height.
    result.totalHeight = totalHeight == 0 ? surface.textHeight(lineSample) : saturated(totalHeight);
    result.linkCount = placedState.linkCounter;
    return result;
}

} // namespace

MarkupResult RenderMarkup(Surface& surface, const MarkupRequest& request) {
    return Renderer(surface, request).run();
}

QString MarkupPlainText(const QString& markup) {
    QString plain;
    TextStream text(markup);
    while (!text.atEnd()) {
        const qsizetype end = text.wordEnd();
        plain.append(replaceEntities(text.textTo(end)));
        text.advanceTo(end);
        text.rewriteHashTag();
        if (text.atTag()) {
            text.advanceTo(text.tagEnd());
        }
    }
    return plain;
}

TColor ParseColorName(const QString& name) {
    const QString lower = name.toLower();
    for (const NamedColor& named : colorNames) {
        if (lower == named.name) {
            return named.value;
        }
    }
    return framework::clBlack;
}

TColor ParseHexColor(const QString& value) {
    std::array<unsigned, 6> digits{};
    for (qsizetype i = 1; i <= qsizetype(digits.size()) && i < value.size(); ++i) {
        const int digit = hexDigit(value[i]);
        if (digit < 0) {
            break;
        }
        digits[std::size_t(i - 1)] = unsigned(digit);
    }
    return framework::rgb(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
}

} // namespace controls
