#include "windows/StateTable.h"

#include "controls/MarkupEngine.h"
#include "controls/QtSurface.h"
#include "framework/LocaleText.h"
#include "framework/QtColor.h"
#include "model/StateExpressions.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace windows {

namespace {

using controls::SurfaceFont;

const std::array<QString, StateTable::rowCount> rowTitles{
    QStringLiteral("Etat initial (mol)"), QStringLiteral("Etat au cours de la transformation (mol)"),
    QStringLiteral("Etat final (mol)")};
const QString xHead = QStringLiteral("X");
const QString xmaxHead = QStringLiteral("Xmax");
const QString arrow = QStringLiteral("\u2192");
// The narrowest a value column is, so that a blank cell has room for what a pupil writes in it.
const QString widestValue = QStringLiteral("00,000 - 0 X");
const QString widestX = QStringLiteral("0,000");

// Rows grow into the height they are given up to this factor; beyond it the table stays in the middle.
constexpr double tallestRowStretch = 1.5;
// An unbounded width or height for the markup engine, which lays out in integer pixels.
constexpr int unbounded = 1 << 20;

// Every text, margin and line of the picture, from the height of the values' text.
struct Fonts {
    SurfaceFont equation;
    SurfaceFont arrow;
    SurfaceFont head;
    SurfaceFont value;
    SurfaceFont finalValue;
    SurfaceFont title;
    int pad = 1;
    int line = 1;
};

Fonts fontsFor(int textSize, framework::TColor color) {
    const auto font = [&](const char* face, double factor, bool bold) {
        SurfaceFont f;
        f.name = QString::fromLatin1(face);
        f.pixelSize = std::max(1, int(std::lrint(textSize * factor)));
        f.bold = bold;
        f.color = color;
        return f;
    };
    // The equation stands out as it does above the main window's table: a larger serif face.
    return {font("Times New Roman", 1.6, false),
            font("Times New Roman", 2.0, false),
            font("Arial", 1.1, true),
            font("Arial", 1.0, false),
            font("Arial", 1.0, true),
            font("Arial", 0.85, true),
            std::max(1, int(std::lrint(textSize * 0.4))),
            std::max(1, int(std::lrint(textSize / 16.0)))};
}

QSize markupSize(controls::Surface& surface, const QString& markup, const SurfaceFont& font,
                 int wrapWidth = unbounded) {
    surface.setFont(font);
    controls::MarkupRequest request;
    request.markup = markup;
    request.rect = {0, 0, wrapWidth, unbounded};
    const controls::MarkupResult result = controls::RenderMarkup(surface, request);
    return {result.maxWidth, result.totalHeight};
}

int widest(controls::Surface& surface, const SurfaceFont& font, std::initializer_list<QString> texts) {
    int width = 0;
    for (const QString& text : texts) {
        width = std::max(width, markupSize(surface, text, font).width());
    }
    return width;
}

enum class Align { Centre, Left, Right, Wrapped };

// Draws markup in the middle of box's height: centred, against the box's left or right side, or against
// its left side wrapped at its width.
void drawMarkup(controls::Surface& surface, const QString& markup, const SurfaceFont& font, const QRect& box,
                Align align = Align::Centre) {
    if (markup.isEmpty()) {
        return;
    }
    const bool wrapped = align == Align::Wrapped;
    const QSize size = markupSize(surface, markup, font, wrapped ? box.width() : unbounded);
    int left = box.left();
    if (align == Align::Centre) {
        left += (box.width() - size.width()) / 2;
    } else if (align == Align::Right) {
        left = box.right() + 1 - size.width();
    }
    // A single line stands on the baseline of a plain line of its font, so that a subscript hangs below
    // it and formulas with and without one line up.
    const int height = wrapped ? size.height() : markupSize(surface, QString(), font).height();
    const int top = box.top() + (box.height() - height) / 2;
    controls::MarkupRequest request;
    request.markup = markup;
    request.paint = true;
    request.rect = {left, top, wrapped ? box.right() + 1 : left + unbounded, top + unbounded};
    surface.setFont(font);
    controls::RenderMarkup(surface, request);
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// What the table shows

QString StateTable::rowName(int row) {
    // As the main window's table names its rows, without the unit its cells carry.
    return rowTitles.at(std::size_t(row)).chopped(6);
}

QString StateTable::columnName(int column) const {
    return column == 0 ? QStringLiteral("X") : formulas.at(std::size_t(column - 1));
}

QString StateTable::cellText(int row, int column) const {
    if (column == 0) {
        switch (row) {
        case 0:
            return initialX;
        case 1:
            return duringX;
        default:
            return !finalRowShown || finalX.isEmpty() ? QString() : QStringLiteral("Xmax = %1").arg(finalX);
        }
    }
    const std::size_t slot = std::size_t(column - 1);
    switch (row) {
    case 0:
        return initial.at(slot);
    case 1:
        if (expressions.at(slot).isEmpty() || during.at(slot).isEmpty()) {
            return expressions.at(slot) + during.at(slot);
        }
        return expressions.at(slot) + QStringLiteral(" = ") + during.at(slot);
    default:
        return finalRowShown ? finals.at(slot) : QString();
    }
}

QString heardCell(int row, bool finalRowShown, const QString& shown) {
    if (row == StateTable::rowCount - 1 && !finalRowShown) {
        return QStringLiteral("non atteint");
    }
    return shown.isEmpty() ? shown : shown + QStringLiteral(" mol");
}

QString StateTable::equationText() const {
    return QStringLiteral("%1 donnent %2")
        .arg(controls::MarkupPlainText(reactantsSide).simplified(),
             controls::MarkupPlainText(productsSide).simplified());
}

StateTable stateTableOf(const MainFormData& equation, const QString& quantity1, const QString& quantity2) {
    StateTable table;
    table.reactantsSide = equation.reactantsSide();
    table.productsSide = equation.productsSide();
    table.speciesCount = equation.plainFormula(4).isEmpty() ? 3 : 4;
    const std::array<QString, 2> quantities{quantity1, quantity2};
    for (int slot = 1; slot <= table.speciesCount; ++slot) {
        const std::size_t i = std::size_t(slot - 1);
        table.heads[i] = equation.formulaMarkup(slot);
        table.formulas[i] = equation.plainFormula(slot);
        const std::string coefficient = framework::fromQ(equation.coefficientText(slot));
        if (slot <= 2) {
            table.initial[i] = quantities[i];
            table.expressions[i] =
                framework::toQ(model::reactantExpression(framework::fromQ(quantities[i]), coefficient));
        } else {
            table.initial[i] = QStringLiteral("0");
            table.expressions[i] = framework::toQ(model::productExpression(coefficient));
        }
    }
    table.initialX = QStringLiteral("0");
    return table;
}

// ---------------------------------------------------------------------------------------------------
// The picture

struct StateTablePicture::Geometry {
    int textSize = 0;
    Fonts fonts;
    bool withEquation = true;
    bool withTable = true;
    int bandWidth = 0;
    int bandHeight = 0;
    std::vector<int> columns; // the row titles, X, then each species
    std::array<int, StateTable::rowCount> rows{};

    int tableWidth() const { return withTable ? std::accumulate(columns.begin(), columns.end(), 0) : 0; }
    int tableHeight() const { return withTable ? rows[0] + rows[1] + rows[2] : 0; }
    int gap() const { return withEquation && withTable ? fonts.pad : 0; }
    int width() const { return std::max(withEquation ? bandWidth : 0, tableWidth()); }
    int height() const { return (withEquation ? bandHeight : 0) + gap() + tableHeight(); }
};

StateTablePicture::StateTablePicture(const StateTable& table, const StateTableLook& look,
                                     StateTableParts parts)
    : table_(table)
    , look_(look)
    , parts_(parts) {}

StateTablePicture::Geometry StateTablePicture::measure(QPainter& painter, int textSize) const {
    Geometry g;
    g.textSize = textSize;
    g.fonts = fontsFor(textSize, look_.text);
    g.withEquation = parts_ != StateTableParts::Table;
    g.withTable = parts_ != StateTableParts::Equation;
    const Fonts& f = g.fonts;
    controls::QtSurface surface(painter);

    const QSize reactants = markupSize(surface, table_.reactantsSide, f.equation);
    const QSize products = markupSize(surface, table_.productsSide, f.equation);
    const QSize arrowSize = markupSize(surface, arrow, f.arrow);
    g.bandWidth = reactants.width() + arrowSize.width() + products.width() + 4 * f.pad;
    g.bandHeight = std::max({reactants.height(), products.height(), arrowSize.height()}) + 2 * f.pad;

    // The engine breaks a line as wide as its rectangle, and a printer's metrics round otherwise than the
    // screen's: a little room beyond the widest keeps the short titles on one line.
    const int titleWidth = widest(surface, f.title, {rowTitles[0], rowTitles[2]}) + 3 * f.pad;
    int xWidth = widest(surface, f.head, {xHead, xmaxHead});
    xWidth =
        std::max(xWidth, widest(surface, f.value, {widestX, table_.initialX, table_.duringX, table_.finalX}));
    g.columns = {titleWidth, xWidth + 2 * f.pad};
    int headLine = markupSize(surface, QString(), f.head).height();
    for (int i = 0; i < table_.speciesCount; ++i) {
        const std::size_t slot = std::size_t(i);
        headLine = std::max(headLine, markupSize(surface, table_.heads[slot], f.head).height());
        int width = markupSize(surface, table_.heads[slot], f.head).width();
        width = std::max(width, widest(surface, f.value,
                                       {widestValue, table_.initial[slot], table_.expressions[slot],
                                        table_.during[slot]}));
        width = std::max(width, markupSize(surface, table_.finals[slot], f.finalValue).width());
        g.columns.push_back(width + 2 * f.pad);
    }
    const int valueLine = markupSize(surface, QString(), f.value).height();
    int rowHeight = headLine + valueLine + 3 * f.pad;
    for (const QString& title : rowTitles) {
        rowHeight = std::max(rowHeight, markupSize(surface, title, f.title, titleWidth - 2 * f.pad).height() +
                                            2 * f.pad);
    }
    g.rows = {rowHeight, rowHeight, rowHeight};
    return g;
}

StateTablePicture::Geometry StateTablePicture::fitted(QPainter& painter, const QRect& area,
                                                      int textSize) const {
    Geometry g = measure(painter, std::max(1, textSize));
    while (g.textSize > 1 && (g.width() > area.width() || g.height() > area.height())) {
        const double room = std::min(double(area.width()) / g.width(), double(area.height()) / g.height());
        g = measure(painter, std::clamp(int(std::floor(g.textSize * room)), 1, g.textSize - 1));
    }
    // The columns share the whole width, the title column keeping what it needs; the rows grow a little.
    const int extraWidth = std::max(0, area.width() - g.width());
    if (g.withTable) {
        const int growing = g.tableWidth() - g.columns[0];
        const int target = std::max(g.tableWidth(), area.width()) - g.columns[0];
        int given = 0;
        for (std::size_t c = 1; c < g.columns.size(); ++c) {
            const int width = c + 1 == g.columns.size()
                                  ? target - given
                                  : int(std::lrint(double(g.columns[c]) * target / growing));
            given += width;
            g.columns[c] = width;
        }
    }
    g.bandWidth = std::max(g.bandWidth + extraWidth, g.tableWidth());
    const double stretch =
        std::min(tallestRowStretch, double(std::max(area.height(), g.height())) / std::max(1, g.height()));
    g.bandHeight = int(g.bandHeight * stretch);
    for (int& row : g.rows) {
        row = int(row * stretch);
    }
    return g;
}

QSize StateTablePicture::naturalSize(QPainter& painter, int textSize) const {
    const Geometry g = measure(painter, textSize);
    return {g.width(), g.height()};
}

StateTablePicture::Placement StateTablePicture::placementOf(const Geometry& g, const QRect& area) {
    const QSize size(std::min(g.width(), area.width()), std::min(g.height(), area.height()));
    return {QRect(area.left() + (area.width() - size.width()) / 2,
                  area.top() + (area.height() - size.height()) / 2, size.width(), size.height()),
            g.textSize};
}

StateTablePicture::Placement StateTablePicture::place(QPainter& painter, const QRect& area,
                                                      int textSize) const {
    return placementOf(fitted(painter, area, textSize), area);
}

StateTablePicture::Placement StateTablePicture::paint(QPainter& painter, const QRect& area,
                                                      int textSize) const {
    const Geometry g = fitted(painter, area, textSize);
    const Placement placement = placementOf(g, area);
    const QRect& whole = placement.rect;
    if (g.withEquation) {
        drawEquation(painter, g, QRect(whole.left(), whole.top(), whole.width(), g.bandHeight));
    }
    if (g.withTable) {
        drawTable(painter, g,
                  QRect(whole.left(), whole.bottom() + 1 - g.tableHeight(), whole.width(), g.tableHeight()));
    }
    return placement;
}

void StateTablePicture::drawEquation(QPainter& painter, const Geometry& g, const QRect& band) const {
    const Fonts& f = g.fonts;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor background = framework::toQColor(look_.background);
    painter.setBrush(background.isValid() ? QBrush(background) : QBrush(Qt::NoBrush));
    painter.setPen(QPen(framework::toQColor(look_.bandOutline), f.line));
    const double inset = f.line / 2.0;
    painter.drawRoundedRect(QRectF(band).adjusted(inset, inset, -inset, -inset), f.pad, f.pad);
    painter.restore();

    // The arrow in the middle of the line, each side of it against it, as the main window sets them.
    controls::QtSurface surface(painter);
    const int arrowWidth = markupSize(surface, arrow, f.arrow).width();
    const int reactants = markupSize(surface, table_.reactantsSide, f.equation).width();
    const int products = markupSize(surface, table_.productsSide, f.equation).width();
    const int lineWidth = reactants + arrowWidth + products + 2 * f.pad;
    const int left = band.left() + (band.width() - lineWidth) / 2;
    const QRect line(left, band.top(), lineWidth, band.height());
    drawMarkup(surface, table_.reactantsSide, f.equation,
               QRect(line.left(), line.top(), reactants, line.height()), Align::Right);
    drawMarkup(surface, arrow, f.arrow,
               QRect(line.left() + reactants + f.pad, line.top(), arrowWidth, line.height()));
    drawMarkup(surface, table_.productsSide, f.equation,
               QRect(line.right() + 1 - products, line.top(), products, line.height()), Align::Left);
}

void StateTablePicture::drawTable(QPainter& painter, const Geometry& g, const QRect& table) const {
    const Fonts& f = g.fonts;
    std::vector<int> xs{table.left()};
    for (int width : g.columns) {
        xs.push_back(xs.back() + width);
    }
    xs.back() = table.right() + 1;
    std::array<int, StateTable::rowCount + 1> ys{table.top()};
    for (std::size_t r = 0; r < g.rows.size(); ++r) {
        ys[r + 1] = ys[r] + g.rows[r];
    }
    ys.back() = table.bottom() + 1;

    painter.save();
    const QColor background = framework::toQColor(look_.background);
    if (background.isValid()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(background);
        painter.drawRoundedRect(QRectF(table), f.pad, f.pad);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(
        QPen(framework::toQColor(look_.lines), f.line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = f.line / 2.0;
    painter.drawRect(QRectF(table).adjusted(inset, inset, -inset, -inset));
    for (std::size_t c = 1; c + 1 < xs.size(); ++c) {
        painter.drawLine(QPointF(xs[c], table.top()), QPointF(xs[c], table.bottom() + 1));
    }
    for (std::size_t r = 1; r + 1 < ys.size(); ++r) {
        painter.drawLine(QPointF(table.left(), ys[r]), QPointF(table.right() + 1, ys[r]));
    }
    painter.restore();

    controls::QtSurface surface(painter);
    const auto cell = [&](std::size_t column, std::size_t row) {
        return QRect(xs[column], ys[row], xs[column + 1] - xs[column], ys[row + 1] - ys[row])
            .adjusted(f.pad, f.pad / 2, -f.pad, -f.pad / 2);
    };
    // A cell holds a heading over a value, or its value alone in its middle.
    const auto twoLines = [&](const QRect& box, const QString& upper, const SurfaceFont& upperFont,
                              const QString& lower, const SurfaceFont& lowerFont) {
        if (upper.isEmpty()) {
            drawMarkup(surface, lower, lowerFont, box);
            return;
        }
        const int middle = box.top() + box.height() / 2;
        drawMarkup(surface, upper, upperFont, QRect(box.left(), box.top(), box.width(), middle - box.top()));
        drawMarkup(surface, lower, lowerFont,
                   QRect(box.left(), middle, box.width(), box.bottom() + 1 - middle));
    };

    for (std::size_t row = 0; row < rowTitles.size(); ++row) {
        drawMarkup(surface, rowTitles[row], f.title, cell(0, row), Align::Wrapped);
    }
    twoLines(cell(1, 0), xHead, f.head, table_.initialX, f.value);
    twoLines(cell(1, 1), QString(), f.value, table_.duringX, f.value);
    if (table_.finalRowShown) {
        twoLines(cell(1, 2), xmaxHead, f.head, table_.finalX, f.value);
    }
    for (std::size_t slot = 0; slot < std::size_t(table_.speciesCount); ++slot) {
        const std::size_t column = slot + 2;
        twoLines(cell(column, 0), table_.heads[slot], f.head, table_.initial[slot], f.value);
        twoLines(cell(column, 1), table_.expressions[slot], f.value, table_.during[slot], f.value);
        if (table_.finalRowShown) {
            twoLines(cell(column, 2), QString(), f.value, table_.finals[slot], f.finalValue);
        }
    }
}

} // namespace windows
