#include "chart/ChartRenderer.h"

#include "framework/FormulaBreak.h"
#include "framework/QtColor.h"
#include "model/NumberFormat.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {

namespace {

using framework::toQColor;

// Metrics of the figure, in device-independent pixels.
constexpr double outerMargin = 6;
constexpr double titlePadding = 3;
constexpr double blockGap = 6;
constexpr double tickLength = 4;
constexpr double minorTickLength = 2;
constexpr double labelGap = 3;
constexpr double labelSpacing = 6;
constexpr double legendPadding = 5;
constexpr double legendSymbolSize = 10;
constexpr double legendTextGap = 5;
constexpr double legendEntryGap = 12;
constexpr double barWidthShare = 0.7;
constexpr double markPadding = 3;
constexpr int maxPenWidth = 20;

const QColor axisColor(40, 40, 40);
const QColor gridColor(175, 175, 205);
const QColor wallLineColor(110, 110, 140);
const QColor markFill(255, 255, 231);
const QColor markFrame(90, 90, 90);

// Saves the painter's state for a scope.
class PainterState {
public:
    explicit PainterState(QPainter& p)
        : p_(p) {
        p_.save();
    }
    ~PainterState() { p_.restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter& p_;
};

// The two measures the layout takes of a font, through the cache.
struct Metrics {
    TextCache& cache;
    const QFont& font;
    double height() const { return cache.height(font); }
    double horizontalAdvance(const QString& text) const { return cache.width(font, text); }
};

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Lines wider than the room break at their spaces, so that a title in a chart narrower than it loses
// neither end; a single word wider than the room stays whole on its own line.
QStringList brokenToWidth(const QStringList& lines, const Metrics& m, double room) {
    QStringList out;
    for (const QString& line : lines) {
        if (m.horizontalAdvance(line) <= room) {
            out << line;
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && m.horizontalAdvance(longer) > room) {
                out << current;
                current = word;
            } else {
                current = longer;
            }
        }
        out << current;
    }
    return out;
}

// A crisp one-pixel line lies on pixel centres.
double crisp(double v) {
    return std::floor(v) + 0.5;
}

// Whether b lies on the segment a-c, to a small fraction of a pixel: such a point adds nothing to a
// stroke but its cost (a curve of 101 samples of a straight line strokes as one segment).
bool liesBetween(QPointF a, QPointF b, QPointF c) {
    constexpr double tolerance = 0.02;
    const QPointF ac = c - a;
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ac, ac);
    if (length2 == 0) {
        return ab == QPointF();
    }
    const double along = QPointF::dotProduct(ab, ac);
    const double cross = ab.x() * ac.y() - ab.y() * ac.x();
    return along >= 0 && along <= length2 && cross * cross <= tolerance * tolerance * length2;
}

// One-pixel lines: those along the axes as rectangle fills, which Qt does far faster than strokes of a
// cosmetic pen, the slanted ones (3-D edges) as antialiased strokes.
void drawHairlines(QPainter& p, const std::vector<QLineF>& lines, const QColor& color) {
    PainterState state(p);
    // Whole pixels need no antialiasing, and without it Qt fills them as plain spans.
    p.setRenderHint(QPainter::Antialiasing, false);
    std::vector<QLineF> slanted;
    for (const QLineF& l : lines) {
        if (l.y1() == l.y2()) {
            p.fillRect(QRectF(std::min(l.x1(), l.x2()), l.y1() - 0.5, std::abs(l.dx()), 1), color);
        } else if (l.x1() == l.x2()) {
            p.fillRect(QRectF(l.x1() - 0.5, std::min(l.y1(), l.y2()), 1, std::abs(l.dy())), color);
        } else {
            slanted.push_back(l);
        }
    }
    if (!slanted.empty()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(color, 0));
        p.drawLines(slanted.data(), int(slanted.size()));
    }
}

// Liang-Barsky: the part of the segment a-b inside the rectangle, if any.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& r) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy), QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
}

QStringList markLines(const std::string& text) {
    // A carriage return starts the second line; a line feed after it belongs to the same break.
    QStringList lines = toQString(text).split(QLatin1Char('\r'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1Char('\n'))) {
            line.remove(0, 1);
        }
    }
    return lines;
}

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

ChartRenderer::ChartRenderer(ChartModel& chart, const QSizeF& size, TextCache& text)
    : chart_(chart)
    , text_(text)
    , locale_(chart.numberLocale()) {
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        if (chart_.series(s).kind() != SeriesKind::Bar) {
            continue;
        }
        auto& bars = chart_.barSeries(s);
        if (!bars.marks().visible()) {
            continue;
        }
        for (int i = 0; i < bars.count(); ++i) {
            if (std::isfinite(bars.point(i).y) && bars.pointColor(i) != framework::clNone) {
                marks_.push_back({s, i, markLines(bars.markText(i)), std::nullopt});
            }
        }
    }
    layOut(size);
}

double ChartRenderer::categoryCount() const {
    return std::max(1, categoryTotal_);
}

std::pair<double, double> ChartRenderer::rangeOf(const Axis& axis, bool vertical) const {
    double lo = axis.minimum();
    double hi = axis.maximum();
    const bool autoMin = axis.automatic() || axis.automaticMinimum();
    const bool autoMax = axis.automatic() || axis.automaticMaximum();
    if (!autoMin && !autoMax) {
        return {lo, hi};
    }
    double dataMin = std::numeric_limits<double>::infinity();
    double dataMax = -dataMin;
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        const Series& series = chart_.series(s);
        const bool bars = series.kind() == SeriesKind::Bar;
        for (const ChartPoint& p : series.points()) {
            const double v = vertical ? p.y : p.x;
            if (std::isfinite(v)) {
                dataMin = std::min(dataMin, v);
                dataMax = std::max(dataMax, v);
            }
        }
        if (bars && vertical && series.count() > 0) {
            dataMin = std::min(dataMin, 0.0); // bars stand on zero
        }
    }
    if (dataMin > dataMax) {
        return {lo, hi};
    }
    lo = autoMin ? dataMin : lo;
    hi = autoMax ? dataMax : hi;
    return lo <= hi ? std::pair{lo, hi} : std::pair{lo, lo};
}

ChartRenderer::AxisLayout ChartRenderer::valueAxis(const Axis& axis, bool vertical, double lengthPx,
                                                   const QFont& font) const {
    AxisLayout layout;
    std::tie(layout.minimum, layout.maximum) = rangeOf(axis, vertical);
    if (!axis.graduationVisible()) {
        return layout;
    }
    const double height = text_.height(font);
    TickRequest request;
    request.minimum = layout.minimum;
    request.maximum = layout.maximum;
    request.increment = axis.increment();
    request.lengthPx = lengthPx;
    request.gapPx = labelSpacing;
    if (vertical) {
        request.labelExtent = [height](double) { return height; };
    } else {
        request.labelExtent = [&](double v) {
            return text_.width(font, toQString(model::formatMark(v, locale_)));
        };
    }
    layout.ticks = layoutTicks(request);
    for (double v : layout.ticks.labels) {
        layout.labelTexts << toQString(model::formatMark(v, locale_));
    }
    return layout;
}

void ChartRenderer::layOut(const QSizeF& size) {
    titleFont_ = &text_.font(chart_.title().font());
    leftLabelsFont_ = &text_.font(chart_.leftAxis().labelsFont());
    bottomLabelsChartFont_ = chart_.bottomAxis().labelsFont();
    bottomLabelsFont_ = &text_.font(bottomLabelsChartFont_);
    leftTitleFont_ = &text_.font(chart_.leftAxis().title().font());
    bottomTitleFont_ = &text_.font(chart_.bottomAxis().title().font());
    legendFont_ = &text_.font(ChartFont{});

    QRectF free(QPointF(outerMargin, outerMargin), size - QSizeF(2 * outerMargin, 2 * outerMargin));

    // Title block, centred at the top.
    if (chart_.title().visible()) {
        for (const std::string& line : chart_.title().text()) {
            titleLines_ << toQString(line);
        }
    }
    if (!titleLines_.isEmpty()) {
        const Metrics m{text_, *titleFont_};
        const auto blockWidth = [&m](const QStringList& lines) {
            double width = 0;
            for (const QString& line : lines) {
                width = std::max(width, m.horizontalAdvance(line));
            }
            return width + 4 * titlePadding;
        };
        naturalTitleWidth_ = blockWidth(titleLines_);
        titleLines_ = brokenToWidth(titleLines_, m, free.width() - 4 * titlePadding);
        const QSizeF block(blockWidth(titleLines_), titleLines_.size() * m.height() + 2 * titlePadding);
        titleBlock_ = QRectF(QPointF(free.center().x() - block.width() / 2, free.top()), block);
        free.setTop(titleBlock_.bottom() + blockGap);
    }

    // Legend, at the right (vertically centred) or under the title (one row).
    if (chart_.legend().visible()) {
        legendEntries_ = chart_.legendEntries();
    }
    if (!legendEntries_.empty()) {
        const Metrics m{text_, *legendFont_};
        legendRowHeight_ = std::max(legendSymbolSize, m.height());
        const double symbolAndGap = legendSymbolSize + legendTextGap;
        if (chart_.legend().alignment() == LegendAlignment::Top) {
            double x = legendPadding;
            for (const LegendEntry& e : legendEntries_) {
                legendColumns_.push_back(x);
                x += symbolAndGap + m.horizontalAdvance(toQString(e.text)) + legendEntryGap;
            }
            const QSizeF box(x - legendEntryGap + legendPadding, legendRowHeight_ + 2 * legendPadding);
            legend_ = QRectF(QPointF(free.center().x() - box.width() / 2, free.top()), box);
            free.setTop(legend_->bottom() + blockGap);
        } else {
            double textWidth = 0;
            for (const LegendEntry& e : legendEntries_) {
                textWidth = std::max(textWidth, m.horizontalAdvance(toQString(e.text)));
            }
            const double n = double(legendEntries_.size());
            const QSizeF box(2 * legendPadding + symbolAndGap + textWidth,
                             2 * legendPadding + n * legendRowHeight_ + (n - 1) * 2);
            legend_ = QRectF(QPointF(free.right() - box.width(), 0), box);
            free.setRight(legend_->left() - blockGap);
        }
    }

    // Bottom band: axis title under the labels under the ticks.
    const Metrics bottomLabels{text_, *bottomLabelsFont_};
    const Metrics leftLabels{text_, *leftLabelsFont_};
    const std::string& bottomCaption = chart_.bottomAxis().title().caption();
    const std::string& leftCaption = chart_.leftAxis().title().caption();
    if (chart_.bottomAxis().visible()) {
        labelsBandHeight_ = bottomLabels.height();
        free.setBottom(free.bottom() - tickLength - labelGap - labelsBandHeight_);
        if (!blank(bottomCaption)) {
            free.setBottom(free.bottom() - labelGap - text_.height(*bottomTitleFont_));
        }
    }
    if (chart_.leftAxis().visible() && !blank(leftCaption)) {
        free.setLeft(free.left() + text_.height(*leftTitleFont_) + labelGap);
    }
    // Half a label's height sticks out above the top label.
    free.setTop(free.top() + leftLabels.height() / 2);

    // The 3-D view: the back wall lies up and to the right of the front plane.
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        const Series& series = chart_.series(s);
        if (series.kind() == SeriesKind::Bar) {
            if (categorySeries_ < 0) {
                categorySeries_ = s;
            }
            categoryTotal_ = std::max(categoryTotal_, series.count());
        }
    }
    categories_ = categorySeries_ >= 0;
    if (chart_.view3D()) {
        const double depth = std::clamp(chart_.chart3DPercent(), 0, 100) / 100.0 *
                             std::max(0.0, std::min(free.width(), free.height())) / 4;
        const double tilt =
            std::clamp(360 - chart_.view3DOptions().elevation(), 5, 60) * std::numbers::pi / 180;
        const double shrink = 1 - std::clamp(chart_.view3DOptions().perspective(), 0, 100) / 200.0;
        // Whole pixels keep the back wall's lines crisp.
        depthDx_ = std::round(depth * std::cos(tilt) * shrink);
        depthDy_ = std::round(depth * std::sin(tilt) * shrink);
        free.setTop(free.top() + depthDy_);
        free.setRight(free.right() - depthDx_);
    }

    // The left labels' width depends on the plot's height only, so the vertical layout comes first.
    const double plotHeight = std::max(1.0, free.height());
    left_ = valueAxis(chart_.leftAxis(), true, plotHeight, *leftLabelsFont_);
    leftLabelsWidth_ = 0;
    for (const QString& text : left_.labelTexts) {
        leftLabelsWidth_ = std::max(leftLabelsWidth_, leftLabels.horizontalAdvance(text));
    }
    // The reserved width is a minimum: a label never runs into the axis title.
    leftLabelsWidth_ = std::max<double>(leftLabelsWidth_, chart_.leftAxis().labelsSize());
    if (chart_.leftAxis().visible()) {
        free.setLeft(free.left() + leftLabelsWidth_ + labelGap + tickLength);
    }

    if (!categories_) {
        // Half the last label may stand out at the right.
        free.setRight(free.right() - bottomLabels.horizontalAdvance(QStringLiteral("0,000")) / 2);
        bottom_ = valueAxis(chart_.bottomAxis(), false, std::max(1.0, free.width()), *bottomLabelsFont_);
    }
    plot_ = QRectF(free.topLeft(), QSizeF(std::max(1.0, free.width()), plotHeight));
    if (categories_) {
        fitCategoryNames();
    }
    if (legend_ && chart_.legend().alignment() == LegendAlignment::Right) {
        legend_->moveTop(plot_.center().y() - depthDy_ / 2 - legend_->height() / 2);
        legend_->moveLeft(std::max(plot_.right() + depthDx_ + blockGap, legend_->left()));
    }
    placeMarks(size);
}

// The names under the bars share one size, the labels' own unless the widest would reach its neighbours:
// a long formula then shrinks rather than go unnamed, and the names too wide even at the smallest size go
// on two lines, in the height of one.
void ChartRenderer::fitCategoryNames() {
    constexpr int smallestPixels = 7;
    const Series& named = chart_.series(categorySeries_);
    const double room = plot_.width() / categoryCount() - labelGap;
    ChartFont& font = bottomLabelsChartFont_;
    const auto fits = [&] {
        const Metrics m{text_, *bottomLabelsFont_};
        if (categoryNamesBroken_ && 2 * m.height() > labelsBandHeight_ + labelGap) {
            return false;
        }
        for (int i = 0; i < named.count(); ++i) {
            for (const QString& line : categoryNameLines(toQString(named.pointLabel(i)))) {
                if (m.horizontalAdvance(line) > room) {
                    return false;
                }
            }
        }
        return true;
    };
    const ChartFont designed = font;
    for (bool broken : {false, true}) {
        categoryNamesBroken_ = broken;
        font = designed;
        bottomLabelsFont_ = &text_.font(font);
        while (font.pixelSize > smallestPixels && !fits()) {
            --font.pixelSize;
            bottomLabelsFont_ = &text_.font(font);
        }
        if (fits()) {
            return;
        }
    }
}

QStringList ChartRenderer::categoryNameLines(const QString& name) const {
    const double room = plot_.width() / categoryCount() - labelGap;
    const bool tooWide = Metrics{text_, *bottomLabelsFont_}.horizontalAdvance(name) > room;
    const qsizetype at = categoryNamesBroken_ && tooWide ? framework::formulaBreak(name) : -1;
    return at < 0 ? QStringList{name} : QStringList{name.left(at), name.mid(at)};
}

double ChartRenderer::widthNeeded() const {
    double width = naturalTitleWidth_;
    if (legend_ && chart_.legend().alignment() == LegendAlignment::Top) {
        width = std::max(width, legend_->width());
    }
    return width + 2 * outerMargin;
}

double ChartRenderer::xPixel(double value) const {
    return plot_.left() + axisFraction(value, bottom_.minimum, bottom_.maximum) * plot_.width();
}

double ChartRenderer::yPixel(double value) const {
    return plot_.bottom() - axisFraction(value, left_.minimum, left_.maximum) * plot_.height();
}

std::optional<QPointF> ChartRenderer::pointPosition(int seriesIndex, int pointIndex) const {
    const ChartPoint& p = chart_.series(seriesIndex).point(pointIndex);
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        return std::nullopt;
    }
    return QPointF(xPixel(p.x), yPixel(p.y));
}

std::optional<QRectF> ChartRenderer::barFace(int seriesIndex, int pointIndex) const {
    const ChartPoint& p = chart_.series(seriesIndex).point(pointIndex);
    if (!std::isfinite(p.y) || !std::isfinite(p.x)) {
        return std::nullopt;
    }
    int rank = 0;
    int barSeries = 0;
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        if (chart_.series(s).kind() == SeriesKind::Bar) {
            rank = s == seriesIndex ? barSeries : rank;
            ++barSeries;
        }
    }
    const double category = plot_.width() / categoryCount();
    const double width = category * barWidthShare / std::max(1, barSeries);
    const double left = plot_.left() + category * (p.x + (1 - barWidthShare) / 2) + rank * width;
    const double base = yPixel(std::clamp(0.0, left_.minimum, left_.maximum));
    const double top = yPixel(p.y);
    return QRectF(QPointF(left, std::min(base, top)), QPointF(left + width, std::max(base, top)));
}

QRectF ChartRenderer::legendSymbol(int entry) const {
    if (!legend_) {
        return {};
    }
    const double rowTop = chart_.legend().alignment() == LegendAlignment::Top
                              ? legend_->top() + legendPadding
                              : legend_->top() + legendPadding + entry * (legendRowHeight_ + 2);
    const double x = chart_.legend().alignment() == LegendAlignment::Top
                         ? legend_->left() + legendColumns_[std::size_t(entry)]
                         : legend_->left() + legendPadding;
    return QRectF(x, rowTop + (legendRowHeight_ - legendSymbolSize) / 2, legendSymbolSize, legendSymbolSize);
}

void ChartRenderer::paint(QPainter& p) const {
    PainterState state(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintWalls(p);
    paintGrid(p);
    paintSeries(p);
    paintAxisLines(p);
    paintAxisLabels(p);
    paintAxisTitles(p);
    paintMarks(p);
    paintTitle(p);
    paintLegend(p);
}

void ChartRenderer::paintScenery(QPainter& p) const {
    PainterState state(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintWalls(p);
    paintGrid(p);
    paintAxisLabels(p);
    paintAxisTitles(p);
    paintTitle(p);
    paintLegend(p);
}

void ChartRenderer::paintMovingParts(QPainter& p) const {
    PainterState state(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintSeries(p);
    paintAxisLines(p);
    paintMarks(p);
}

void ChartRenderer::paintSeries(QPainter& p) const {
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        const Series& series = chart_.series(s);
        if (series.kind() == SeriesKind::Bar) {
            paintBars(p, static_cast<const BarSeries&>(series), s);
        } else {
            paintLine(p, static_cast<const LineSeries&>(series), s);
        }
    }
}

bool ChartRenderer::movingPartsClearOfScenery() const {
    // Where the moving parts may draw: the series' clip rectangles, the axis lines with their ticks,
    // the marks with their arrows.
    std::vector<QRectF> moving;
    const double axisX = crisp(plot_.left()) - 1;
    const double axisY = crisp(plot_.bottom());
    moving.emplace_back(QPointF(axisX - tickLength - 0.5, plot_.top() - 0.5),
                        QPointF(plot_.right() + 0.5, axisY + tickLength + 0.5));
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        const Series& series = chart_.series(s);
        if (series.kind() == SeriesKind::Bar) {
            moving.push_back(plot_.united(plot_.translated(depthOffset())).adjusted(-1, -1, 1, 1));
        } else {
            const int width = std::clamp(static_cast<const LineSeries&>(series).lineWidth(), 1, maxPenWidth);
            moving.push_back(plot_.adjusted(-width, -width, width, width));
        }
    }
    for (const Mark& mark : marks_) {
        if (const auto& place = mark.place) {
            moving.push_back(
                place->box.united(QRectF(place->anchor, place->end).normalized()).adjusted(-1, -1, 1, 1));
        }
    }
    // What the scenery draws over the walls, with room for glyphs that stand out of their boxes.
    constexpr double overhang = 1;
    std::vector<QRectF> scenery;
    const double everywhere = 1e6;
    if (chart_.leftAxis().visible()) {
        const double right = axisX - tickLength - labelGap;
        scenery.emplace_back(right - leftLabelsWidth_, -everywhere, leftLabelsWidth_, 2 * everywhere);
        if (!blank(chart_.leftAxis().title().caption())) {
            scenery.emplace_back(leftTitleX(), -everywhere, text_.height(*leftTitleFont_), 2 * everywhere);
        }
    }
    if (chart_.bottomAxis().visible()) {
        scenery.emplace_back(-everywhere, bottomLabelsTop(), 2 * everywhere, bottomLabelsHeight());
        if (!blank(chart_.bottomAxis().title().caption())) {
            scenery.emplace_back(-everywhere, bottomTitleTop(), 2 * everywhere,
                                 text_.height(*bottomTitleFont_));
        }
    }
    if (!titleLines_.isEmpty()) {
        scenery.push_back(titleBlock_);
    }
    if (legend_) {
        scenery.push_back(*legend_);
    }
    for (const QRectF& still : scenery) {
        const QRectF area = still.adjusted(-overhang, -overhang, overhang, overhang);
        for (const QRectF& reach : moving) {
            if (area.intersects(reach)) {
                return false;
            }
        }
    }
    return true;
}

ChartRenderer::Scenery ChartRenderer::scenery() const {
    Scenery s;
    s.plot = plot_;
    s.depthDx = depthDx_;
    s.depthDy = depthDy_;
    s.categories = categories_;
    s.categoryTotal = categoryTotal_;
    if (categories_) {
        const Series& named = chart_.series(categorySeries_);
        for (int i = 0; i < named.count(); ++i) {
            s.categoryNames.emplace_back(named.point(i).x, toQString(named.pointLabel(i)));
        }
    }
    s.leftMinimum = left_.minimum;
    s.leftMaximum = left_.maximum;
    s.leftLabels = left_.ticks.labels;
    s.leftTexts = left_.labelTexts;
    s.bottomMinimum = bottom_.minimum;
    s.bottomMaximum = bottom_.maximum;
    s.bottomLabels = bottom_.ticks.labels;
    s.bottomTexts = bottom_.labelTexts;
    s.leftLabelsWidth = leftLabelsWidth_;
    s.backWallColor = chart_.backWall().color();
    s.backWallStyle = chart_.backWall().brushStyle();
    s.leftVisible = chart_.leftAxis().visible();
    s.bottomVisible = chart_.bottomAxis().visible();
    s.leftLabelsFont = chart_.leftAxis().labelsFont();
    s.bottomLabelsFont = bottomLabelsChartFont_;
    s.leftCaption = chart_.leftAxis().title().caption();
    s.bottomCaption = chart_.bottomAxis().title().caption();
    s.leftTitleFont = chart_.leftAxis().title().font();
    s.bottomTitleFont = chart_.bottomAxis().title().font();
    s.titleLines = titleLines_;
    s.titleBlock = titleBlock_;
    s.titleFont = chart_.title().font();
    s.titleFill = chart_.title().brushColor() != framework::clNone ? chart_.title().brushColor()
                                                                   : chart_.title().color();
    s.legendEntries = legendEntries_;
    s.legend = legend_;
    s.legendAlignment = chart_.legend().alignment();
    return s;
}

void ChartRenderer::paintWalls(QPainter& p) const {
    PainterState state(p);
    const QRectF back = plot_.translated(depthOffset());
    if (chart_.backWall().brushStyle() == BrushStyle::Solid) {
        p.fillRect(back, toQColor(chart_.backWall().color()));
    }
    const QRectF crispBack(QPointF(crisp(back.left()), crisp(back.top())),
                           QPointF(crisp(back.right()), crisp(back.bottom())));
    std::vector<QLineF> lines{{crispBack.topLeft(), crispBack.topRight()},
                              {crispBack.topRight(), crispBack.bottomRight()}};
    if (depthDx_ > 0) {
        // The floor and the left wall join the front plane to the back wall.
        const QPointF depth = depthOffset();
        const QPointF frontBottomLeft(crisp(plot_.left()), crisp(plot_.bottom()));
        lines.insert(lines.end(),
                     {{crispBack.topLeft(), crispBack.bottomLeft()},
                      {crispBack.bottomLeft(), crispBack.bottomRight()},
                      {frontBottomLeft, frontBottomLeft + depth},
                      {QPointF(crisp(plot_.right()), crisp(plot_.bottom())), crispBack.bottomRight()},
                      {QPointF(crisp(plot_.left()), crisp(plot_.top())), crispBack.topLeft()}});
    }
    drawHairlines(p, lines, wallLineColor);
}

void ChartRenderer::paintGrid(QPainter& p) const {
    std::vector<QLineF> lines;
    const QPointF depth = depthOffset();
    for (double v : left_.ticks.labels) {
        const double y = crisp(yPixel(v));
        if (v == left_.minimum) {
            continue; // the floor or the bottom axis is there
        }
        const QPointF front(plot_.left(), y);
        if (depthDx_ > 0) {
            lines.emplace_back(front, front + depth);
        }
        lines.emplace_back(front + depth, QPointF(plot_.right(), y) + depth);
    }
    if (!categories_) {
        for (double v : bottom_.ticks.labels) {
            if (v == bottom_.minimum) {
                continue;
            }
            const double x = crisp(xPixel(v));
            lines.emplace_back(QPointF(x, plot_.top()) + depth, QPointF(x, plot_.bottom()) + depth);
        }
    }
    drawHairlines(p, lines, gridColor);
}

void ChartRenderer::paintBars(QPainter& p, const BarSeries& bars, int seriesIndex) const {
    PainterState state(p);
    p.setClipRect(plot_.united(plot_.translated(depthOffset())).adjusted(-1, -1, 1, 1));
    for (int i = 0; i < bars.count(); ++i) {
        const TColor own = bars.pointColor(i);
        const auto face = barFace(seriesIndex, i);
        if (own == framework::clNone || !face) {
            continue;
        }
        const QColor color = toQColor(own);
        const QColor outline = color.darker(170);
        p.setPen(QPen(outline, 0));
        if (depthDx_ > 0) {
            const QPointF d = depthOffset();
            const QPolygonF side(
                {face->topRight(), face->topRight() + d, face->bottomRight() + d, face->bottomRight()});
            const QPolygonF top(
                {face->topLeft(), face->topLeft() + d, face->topRight() + d, face->topRight()});
            p.setBrush(color.darker(145));
            p.drawPolygon(side);
            p.setBrush(color.lighter(135).value() > color.value() ? color.lighter(135) : color.darker(115));
            p.drawPolygon(top);
        }
        p.setBrush(color);
        p.drawRect(*face);
    }
}

void ChartRenderer::paintLine(QPainter& p, const LineSeries& line, int seriesIndex) const {
    if (line.count() < 2) {
        return; // a single point joins nothing
    }
    PainterState state(p);
    const int width = std::clamp(line.lineWidth(), 1, maxPenWidth);
    p.setClipRect(plot_.adjusted(-width, -width, width, width));
    // Geometry is clipped before it reaches the painter: a coordinate far outside costs Qt dearly.
    const QRectF window = plot_.adjusted(-2 * width, -2 * width, 2 * width, 2 * width);
    // Separate segments with square caps go through Qt's fast wide-line rasterizer, where a polyline
    // with joins goes through the general stroker, many times slower; the caps cover the joins.
    QPen pen(QColor(), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setBrush(Qt::NoBrush);

    // Consecutive segments of one colour form one run, whose collinear points are merged.
    QPolygonF run;
    std::vector<QLineF> segments;
    TColor runColor = framework::clNone;
    auto flush = [&] {
        if (run.size() >= 2) {
            segments.clear();
            for (qsizetype k = 1; k < run.size(); ++k) {
                segments.emplace_back(run[k - 1], run[k]);
            }
            pen.setColor(toQColor(runColor));
            p.setPen(pen);
            p.drawLines(segments.data(), int(segments.size()));
        }
        run.clear();
    };
    std::optional<QPointF> previous = pointPosition(seriesIndex, 0);
    bool previousJoins = line.pointColor(0) != framework::clNone;
    for (int i = 1; i < line.count(); ++i) {
        const std::optional<QPointF> current = pointPosition(seriesIndex, i);
        const TColor color = line.pointColor(i);
        const bool joins = color != framework::clNone;
        if (previous && current && previousJoins && joins) {
            if (const auto clipped = clipSegment(*previous, *current, window)) {
                const bool continues = !run.isEmpty() && runColor == color && run.back() == clipped->first;
                if (!continues) {
                    flush();
                    run << clipped->first;
                    runColor = color;
                }
                if (run.size() >= 2 && liesBetween(run[run.size() - 2], run.back(), clipped->second)) {
                    run.back() = clipped->second;
                } else {
                    run << clipped->second;
                }
            } else {
                flush();
            }
        } else {
            flush();
        }
        previous = current;
        previousJoins = joins;
    }
    flush();
}

void ChartRenderer::paintAxisLines(QPainter& p) const {
    PainterState state(p);
    const double axisX = crisp(plot_.left()) - 1;
    const double axisY = crisp(plot_.bottom());
    std::vector<QLineF> lines;
    if (chart_.leftAxis().visible()) {
        lines.emplace_back(axisX, plot_.top(), axisX, axisY);
        for (double v : left_.ticks.labels) {
            const double y = crisp(yPixel(v));
            lines.emplace_back(axisX - tickLength, y, axisX, y);
        }
        for (double v : left_.ticks.ticks) {
            const double y = crisp(yPixel(v));
            lines.emplace_back(axisX - minorTickLength, y, axisX, y);
        }
    }
    if (chart_.bottomAxis().visible()) {
        lines.emplace_back(axisX, axisY, plot_.right(), axisY);
        if (categories_) {
            const double category = plot_.width() / categoryCount();
            for (int i = 0; i <= categoryTotal_; ++i) {
                const double x = crisp(plot_.left() + i * category);
                lines.emplace_back(x, axisY, x, axisY + tickLength);
            }
        } else {
            for (double v : bottom_.ticks.labels) {
                const double x = crisp(xPixel(v));
                lines.emplace_back(x, axisY, x, axisY + tickLength);
            }
            for (double v : bottom_.ticks.ticks) {
                const double x = crisp(xPixel(v));
                lines.emplace_back(x, axisY, x, axisY + minorTickLength);
            }
        }
    }
    drawHairlines(p, lines, axisColor);
}

void ChartRenderer::paintAxisLabels(QPainter& p) const {
    PainterState state(p);
    const double axisX = crisp(plot_.left()) - 1;
    if (chart_.leftAxis().visible()) {
        p.setPen(toQColor(chart_.leftAxis().labelsFont().color));
        const double h = text_.height(*leftLabelsFont_);
        const double right = axisX - tickLength - labelGap;
        for (qsizetype i = 0; i < left_.labelTexts.size(); ++i) {
            const double y = yPixel(left_.ticks.labels[std::size_t(i)]);
            text_.draw(p, QRectF(right - leftLabelsWidth_, y - h / 2, leftLabelsWidth_, h),
                       Qt::AlignRight | Qt::AlignVCenter, *leftLabelsFont_, left_.labelTexts[i]);
        }
    }
    if (chart_.bottomAxis().visible()) {
        p.setPen(toQColor(chart_.bottomAxis().labelsFont().color));
        const Metrics m{text_, *bottomLabelsFont_};
        const double top = bottomLabelsTop();
        double lastRight = -std::numeric_limits<double>::infinity();
        auto label = [&](double x, const QStringList& lines) {
            double w = 0;
            for (const QString& line : lines) {
                w = std::max(w, m.horizontalAdvance(line));
            }
            if (x - w / 2 < lastRight + labelGap) {
                return; // labels too long for their room: skip rather than overlap
            }
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const double lineWidth = m.horizontalAdvance(lines[i]);
                text_.draw(p, QRectF(x - lineWidth / 2, top + i * m.height(), lineWidth, m.height()),
                           Qt::AlignLeft | Qt::AlignTop, *bottomLabelsFont_, lines[i]);
            }
            lastRight = x + w / 2;
        };
        if (categories_) {
            const Series& named = chart_.series(categorySeries_);
            const double category = plot_.width() / categoryCount();
            for (int i = 0; i < named.count(); ++i) {
                const double x = plot_.left() + category * (named.point(i).x + 0.5);
                label(x, categoryNameLines(toQString(named.pointLabel(i))));
            }
        } else {
            for (qsizetype i = 0; i < bottom_.labelTexts.size(); ++i) {
                label(xPixel(bottom_.ticks.labels[std::size_t(i)]), {bottom_.labelTexts[i]});
            }
        }
    }
}

void ChartRenderer::paintAxisTitles(QPainter& p) const {
    const Axis& left = chart_.leftAxis();
    if (left.visible() && !blank(left.title().caption())) {
        PainterState state(p);
        p.setPen(toQColor(left.title().font().color));
        const double h = text_.height(*leftTitleFont_);
        const double x = leftTitleX();
        // Turned a quarter to the left, centred on the plot's height.
        p.translate(x, plot_.center().y());
        p.rotate(-90);
        text_.draw(p, QRectF(-plot_.height(), 0, 2 * plot_.height(), h), Qt::AlignCenter, *leftTitleFont_,
                   toQString(left.title().caption()));
    }
    const Axis& bottom = chart_.bottomAxis();
    if (bottom.visible() && !blank(bottom.title().caption())) {
        PainterState state(p);
        p.setPen(toQColor(bottom.title().font().color));
        const double top = bottomTitleTop();
        text_.draw(
            p, QRectF(plot_.left() - plot_.width(), top, 3 * plot_.width(), text_.height(*bottomTitleFont_)),
            Qt::AlignHCenter | Qt::AlignTop, *bottomTitleFont_, toQString(bottom.title().caption()));
    }
}

// A mark stands at its arrow's length beyond the end of its bar, inside the room it may draw in: the
// plot with its back wall for a clipped mark, the chart between its title and its bottom axis, right of
// its left axis, otherwise. When that place is taken by a bar or an earlier mark, the mark goes to the
// nearest free place that stays clear of every bar, of the earlier marks and of the axes, its arrow
// still joining it to its bar. Only a mark that finds no such place stands where it did before: beyond
// its bar, and inside that bar's end when even that room is missing, where the pupil still reads it whole.
void ChartRenderer::placeMarks(const QSizeF& size) {
    std::vector<QRectF> obstacles;
    if (legend_) {
        obstacles.push_back(*legend_);
    }
    for (int s = 0; s < chart_.seriesCount(); ++s) {
        if (chart_.series(s).kind() != SeriesKind::Bar) {
            continue;
        }
        for (int i = 0; i < chart_.series(s).count(); ++i) {
            if (const auto face = barFace(s, i)) {
                // The front face with the top and the side the depth adds to it.
                obstacles.push_back(face->united(face->translated(depthOffset())));
            }
        }
    }
    std::vector<QRectF> taken;
    marksClear_ = true;
    for (Mark& mark : marks_) {
        const auto face = barFace(mark.series, mark.point);
        if (!face) {
            continue;
        }
        auto& bars = static_cast<const BarSeries&>(chart_.series(mark.series));
        const Metrics m{text_, text_.font(bars.marks().font())};
        double width = 0;
        for (const QString& line : mark.lines) {
            width = std::max(width, m.horizontalAdvance(line));
        }
        const QSizeF boxSize(width + 2 * markPadding, mark.lines.size() * m.height() + markPadding);
        const bool up = bars.point(mark.point).y >= 0;
        const QPointF anchor =
            (up ? QPointF(face->center().x(), face->top()) : QPointF(face->center().x(), face->bottom())) +
            depthOffset() / 2;
        const double arrow = std::clamp(bars.marks().arrowLength(), 0, 1000);
        const double below = titleLines_.isEmpty() ? 0 : titleBlock_.bottom() + blockGap;
        const QRectF room = bars.marks().clip() ? markClip()
                                                : QRectF(QPointF(plot_.left() + 1, below),
                                                         QPointF(size.width(), plot_.bottom()));
        const QRectF wanted(QPointF(anchor.x() - boxSize.width() / 2,
                                    up ? anchor.y() - arrow - boxSize.height() : anchor.y() + arrow),
                            boxSize);
        std::vector<QRectF> blocking = obstacles;
        blocking.insert(blocking.end(), taken.begin(), taken.end());
        const std::optional<QRectF> free = freePlace(wanted, room, blocking);
        QRectF box = free ? *free : fallbackPlace(wanted, *face, up, room, taken);
        marksClear_ = marksClear_ && free.has_value();
        taken.push_back(box);
        mark.place = MarkPlace{anchor, arrowEnd(anchor, box), box};
    }
}

// The free box of wanted's size nearest to wanted inside room, next to the edges of what blocks it.
std::optional<QRectF> ChartRenderer::freePlace(const QRectF& wanted, const QRectF& room,
                                               const std::vector<QRectF>& blocking) {
    constexpr double gap = 2;
    const auto isFree = [&](const QRectF& box) {
        return room.contains(box) && std::none_of(blocking.begin(), blocking.end(), [&](const QRectF& other) {
                   return other.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2).intersects(box);
               });
    };
    if (room.width() < wanted.width() || room.height() < wanted.height()) {
        return std::nullopt;
    }
    const auto clampedLeft = [&](double x) {
        return std::clamp(x, room.left(), room.right() - wanted.width());
    };
    const auto clampedTop = [&](double y) {
        return std::clamp(y, room.top(), room.bottom() - wanted.height());
    };
    std::vector<double> lefts{clampedLeft(wanted.left())};
    std::vector<double> tops{clampedTop(wanted.top())};
    for (const QRectF& other : blocking) {
        lefts.push_back(clampedLeft(other.right() + gap));
        lefts.push_back(clampedLeft(other.left() - gap - wanted.width()));
        tops.push_back(clampedTop(other.top() - gap - wanted.height()));
        tops.push_back(clampedTop(other.bottom() + gap));
    }
    std::optional<QRectF> best;
    double bestCost = std::numeric_limits<double>::infinity();
    for (double top : tops) {
        for (double left : lefts) {
            const QRectF box(QPointF(left, top), wanted.size());
            const double cost = std::abs(left - wanted.left()) + std::abs(top - wanted.top());
            if (cost < bestCost && isFree(box)) {
                best = box;
                bestCost = cost;
            }
        }
    }
    return best;
}

// Where a mark with no free place stands: beyond its bar as far as the room allows, inside its bar's
// end when the room ends first, and below or above the earlier marks it would cover.
QRectF ChartRenderer::fallbackPlace(const QRectF& wanted, const QRectF& face, bool up, const QRectF& room,
                                    const std::vector<QRectF>& taken) {
    const auto inside = [&room](QRectF box) {
        box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() - box.width())));
        box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() - box.height())));
        return box;
    };
    QRectF box = inside(wanted);
    const double anchorY = up ? face.top() : face.bottom();
    if (up ? box.bottom() > anchorY : box.top() < anchorY) {
        box.moveTop(up ? face.top() + markPadding : face.bottom() - markPadding - box.height());
        box = inside(box);
    }
    for (std::size_t attempt = 0; attempt <= taken.size(); ++attempt) {
        const auto covered = std::find_if(taken.begin(), taken.end(),
                                          [&box](const QRectF& other) { return other.intersects(box); });
        if (covered == taken.end()) {
            break;
        }
        if (covered->bottom() + 1 + box.height() <= room.bottom()) {
            box.moveTop(covered->bottom() + 1);
        } else {
            box.moveBottom(covered->top() - 1);
        }
    }
    return box;
}

// The arrow joins the end of the bar to the nearer edge of its box, unless the box touches that end.
QPointF ChartRenderer::arrowEnd(const QPointF& anchor, const QRectF& box) {
    const QPointF nearest(std::clamp(anchor.x(), box.left(), box.right()),
                          std::clamp(anchor.y(), box.top(), box.bottom()));
    if (box.contains(anchor)) {
        return anchor;
    }
    if (anchor.y() < box.top() || anchor.y() > box.bottom()) {
        return QPointF(nearest.x(), anchor.y() < box.top() ? box.top() : box.bottom());
    }
    return QPointF(anchor.x() < box.left() ? box.left() : box.right(), nearest.y());
}

QRectF ChartRenderer::markClip() const {
    return plot_.united(plot_.translated(depthOffset()));
}

std::vector<QRectF> ChartRenderer::markBoxes() const {
    std::vector<QRectF> boxes;
    for (const Mark& mark : marks_) {
        if (mark.place) {
            boxes.push_back(mark.place->box);
        }
    }
    return boxes;
}

void ChartRenderer::paintMarks(QPainter& p) const {
    if (marks_.empty()) {
        return;
    }
    PainterState state(p);
    const auto clipFor = [&](const Mark& mark) {
        if (static_cast<const BarSeries&>(chart_.series(mark.series)).marks().clip()) {
            p.setClipRect(markClip());
        } else {
            p.setClipping(false);
        }
    };
    // Every arrow first, so that no arrow crosses a box.
    p.setPen(QPen(markFrame, 1));
    for (const Mark& mark : marks_) {
        if (mark.place && mark.place->end != mark.place->anchor) {
            clipFor(mark);
            p.drawLine(mark.place->anchor, mark.place->end);
        }
    }
    for (const Mark& mark : marks_) {
        if (!mark.place) {
            continue;
        }
        clipFor(mark);
        auto& bars = static_cast<const BarSeries&>(chart_.series(mark.series));
        const QFont& font = text_.font(bars.marks().font());
        const Metrics m{text_, font};
        const QRectF& rect = mark.place->box;
        p.setPen(QPen(markFrame, 1));
        p.setBrush(markFill);
        p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(toQColor(bars.marks().font().color));
        double y = rect.top() + markPadding / 2;
        for (const QString& line : mark.lines) {
            text_.draw(p, QRectF(rect.left(), y, rect.width(), m.height()), Qt::AlignCenter, font, line);
            y += m.height();
        }
    }
}

double ChartRenderer::leftTitleX() const {
    return plot_.left() - tickLength - labelGap - leftLabelsWidth_ - labelGap - text_.height(*leftTitleFont_);
}

double ChartRenderer::bottomLabelsTop() const {
    return crisp(plot_.bottom()) + tickLength + labelGap - 0.5;
}

double ChartRenderer::bottomLabelsHeight() const {
    return text_.height(*bottomLabelsFont_) * (categoryNamesBroken_ ? 2 : 1);
}

double ChartRenderer::bottomTitleTop() const {
    // Smaller names on one line bring the title up under them; on two they fill the band laid out.
    const double labels = categoryNamesBroken_ ? labelsBandHeight_ : bottomLabelsHeight();
    return plot_.bottom() + tickLength + labelGap + labels + labelGap;
}

void ChartRenderer::paintTitle(QPainter& p) const {
    if (titleLines_.isEmpty()) {
        return;
    }
    PainterState state(p);
    const Title& title = chart_.title();
    const TColor fill = title.brushColor() != framework::clNone ? title.brushColor() : title.color();
    if (fill != framework::clNone) {
        p.setPen(QPen(toQColor(fill).darker(125), 1));
        p.setBrush(toQColor(fill));
        p.drawRect(titleBlock_.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    p.setPen(toQColor(title.font().color));
    const double h = text_.height(*titleFont_);
    double y = titleBlock_.top() + titlePadding;
    for (const QString& line : titleLines_) {
        text_.draw(p, QRectF(titleBlock_.left(), y, titleBlock_.width(), h), Qt::AlignCenter, *titleFont_,
                   line);
        y += h;
    }
}

void ChartRenderer::paintLegend(QPainter& p) const {
    if (!legend_) {
        return;
    }
    PainterState state(p);
    p.setPen(QPen(wallLineColor, 1));
    p.setBrush(Qt::white);
    p.drawRect(legend_->adjusted(0.5, 0.5, -0.5, -0.5));
    for (std::size_t i = 0; i < legendEntries_.size(); ++i) {
        const QRectF symbol = legendSymbol(int(i));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        const QColor color = toQColor(legendEntries_[i].color);
        p.setBrush(color.isValid() ? QBrush(color) : QBrush(Qt::NoBrush));
        p.drawRect(symbol.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(toQColor(ChartFont{}.color));
        const QRectF text(symbol.right() + legendTextGap, symbol.center().y() - legendRowHeight_ / 2,
                          legend_->right() - symbol.right(), legendRowHeight_);
        text_.draw(p, text, Qt::AlignLeft | Qt::AlignVCenter, *legendFont_,
                   toQString(legendEntries_[i].text));
    }
}

} // namespace chart
