#include "windows/Worksheet.h"

#include "chart/AxisTicks.h"
#include "controls/MarkupEngine.h"
#include "controls/QtSurface.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/Printing.h"
#include "framework/QtColor.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace windows {

namespace {

using framework::TColor;

// The page is drawn in units of a thousandth of its printable width, whatever the paper and the printer's
// resolution; texts are sized in them (18 units are about 10 points on A4).
constexpr double pageWidth = 1000;
constexpr int bodyText = 18;
constexpr int titleText = 28;
constexpr int sectionText = 20;
constexpr int tableText = 17;
// The state table's rows are made this much taller than their texts, for a pupil's handwriting.
constexpr double writingRoom = 1.5;
constexpr double sectionGap = 22;

// Each species keeps its colour, a yellow dark enough for paper standing in for the screen's, and a line
// pattern of its own, so that the curves stay apart on a black-and-white printer and where two coincide.
struct CurveStyle {
    TColor color;
    Qt::PenStyle pattern;
};
constexpr std::array<CurveStyle, 4> curveStyles{{{framework::clTeal, Qt::SolidLine},
                                                 {framework::clMaroon, Qt::DashLine},
                                                 {framework::clBlue, Qt::DashDotLine},
                                                 {framework::rgb(200, 150, 0), Qt::DotLine}}};

controls::SurfaceFont textFont(int size, bool bold = false) {
    controls::SurfaceFont font;
    font.name = QStringLiteral("Arial");
    font.pixelSize = size;
    font.bold = bold;
    font.color = framework::clBlack;
    return font;
}

// Draws markup with its top left corner at (x, y), on one line; returns its size.
QSize drawLine(QPainter& painter, const QString& markup, const controls::SurfaceFont& font, double x,
               double y, bool draw = true) {
    controls::QtSurface surface(painter);
    surface.setFont(font);
    controls::MarkupRequest request;
    request.markup = markup;
    request.paint = draw;
    constexpr int unbounded = 1 << 20;
    request.rect = {int(std::lrint(x)), int(std::lrint(y)), unbounded, unbounded};
    const controls::MarkupResult result = controls::RenderMarkup(surface, request);
    return {result.maxWidth, result.totalHeight};
}

// "n(CO<sub>2</sub>(g)) = 2,5 mol": the quantity of a species, its formula drawn as in the table.
QString quantityOf(const QString& head, const QString& quantity) {
    return QStringLiteral("n(%1) = %2 mol").arg(head, quantity);
}

} // namespace

RoundAxis roundAxis(double atLeast) {
    constexpr int mostSteps = 10;
    if (!(atLeast > 0) || !std::isfinite(atLeast)) {
        return {};
    }
    const double decade = std::pow(10.0, std::floor(std::log10(atLeast / mostSteps)));
    const double step = decade * chart::niceMultiple(atLeast / mostSteps / decade);
    // The tolerance keeps an exact multiple (1.0000000001 steps of 0.1) from taking one step more.
    const RoundAxis axis{std::ceil(atLeast / step * (1 - 1e-9)) * step, step};
    // A quantity so small that its tenth is no longer a number leaves the grid as for nothing at all.
    if (!(step > 0) || !std::isfinite(axis.maximum) || !(axis.maximum / step <= mostSteps)) {
        return {};
    }
    return axis;
}

WorksheetAxes worksheetAxes(double n1, double n2, const model::Coefficients& a) {
    constexpr double xRoom = 1.25;
    constexpr double yRoom = 1.1;
    const double largerRatio = std::max({n1 / a.a1, n2 / a.a2, 0.0});
    const double largest = std::max({n1, n2, a.a3 * largerRatio, a.a4 * largerRatio, 0.0});
    return {roundAxis(largerRatio * xRoom), roundAxis(largest * yRoom)};
}

Worksheet::Worksheet(const WorksheetSource& source, WorksheetKind kind)
    : kind_(kind)
    , documentName_(
          (kind == WorksheetKind::Blank ? QStringLiteral("fiche-") : QStringLiteral("fiche-corrigee-")) +
          source.equation.fileStem())
    , table_(stateTableOf(source.equation, source.quantity1, source.quantity2))
    , quantities_{source.quantity1, source.quantity2}
    , xmax_(source.xmax) {
    const double n1 = framework::strictReal(source.quantity1);
    const double n2 = framework::strictReal(source.quantity2);
    const model::Coefficients a = source.equation.coefficients();
    axes_ = worksheetAxes(n1, n2, a);

    // The rows during the transformation give the expressions in X; the final row, X at its maximum.
    table_.duringX = QStringLiteral("X");
    table_.finalRowShown = true;
    if (kind_ == WorksheetKind::Blank) {
        table_.initialX.clear();
        table_.initial = {};
        table_.expressions = {};
        return;
    }
    table_.finalX = framework::textF3(xmax_);
    const std::array<double, 4> finals = model::quantitiesAt(n1, n2, a, xmax_).bySlot();
    for (int i = 0; i < table_.speciesCount; ++i) {
        table_.finals[std::size_t(i)] = framework::textF3(finals[std::size_t(i)]);
    }
    samples_ = model::curveSamples(100, xmax_, n1, n2, a);
}

int Worksheet::layOut(QPaintDevice&, const QSizeF& area) {
    area_ = area;
    return 1;
}

void Worksheet::paintPage(QPainter& painter, int) {
    if (area_.isEmpty()) {
        return;
    }
    painter.save();
    const double units = area_.width() / pageWidth;
    painter.scale(units, units);
    const double pageHeight = area_.height() / units;
    // White paper behind everything, whatever the device starts with.
    painter.fillRect(QRectF(0, 0, pageWidth, pageHeight), Qt::white);

    double y = 0;
    const QString title = kind_ == WorksheetKind::Blank
                              ? QStringLiteral("Fiche d'exercice : avancement d'une réaction chimique")
                              : QStringLiteral("Fiche corrigée : avancement d'une réaction chimique");
    const controls::SurfaceFont titleFont = textFont(titleText, true);
    const QSize titleSize = drawLine(painter, title, titleFont, 0, 0, false);
    drawLine(painter, title, titleFont, (pageWidth - titleSize.width()) / 2, y);
    y += titleSize.height() + sectionGap / 2;
    y += drawLine(painter,
                  QStringLiteral("Nom : ............................  Prénom : ............................  "
                                 "Classe : ..........  Date : ....................."),
                  textFont(bodyText), 0, y)
             .height() +
         sectionGap;

    const auto section = [&](const QString& heading) {
        y += drawLine(painter, heading, textFont(sectionText, true), 0, y).height() + sectionGap / 2;
    };
    section(QStringLiteral("1. Équation de la réaction"));
    const StateTablePicture equation(table_, paperLook, StateTableParts::Equation);
    const int bandHeight = equation.naturalSize(painter, tableText).height();
    equation.paint(painter, QRect(0, int(y), int(pageWidth), bandHeight), tableText);
    y += bandHeight + sectionGap;

    section(QStringLiteral("2. Quantités de matière initiales"));
    const QString given = quantityOf(table_.heads[0], quantities_[0]) + QStringLiteral("      et      ") +
                          quantityOf(table_.heads[1], quantities_[1]);
    y += drawLine(painter, given, textFont(bodyText), 0, y).height() + sectionGap;

    section(QStringLiteral("3. Tableau d'avancement"));
    const StateTablePicture table(table_, paperLook, StateTableParts::Table);
    const int tableHeight = int(std::lrint(table.naturalSize(painter, tableText).height() * writingRoom));
    table.paint(painter, QRect(0, int(y), int(pageWidth), tableHeight), tableText);
    y += tableHeight + sectionGap;

    section(QStringLiteral("4. Quantités de matière n en fonction de l'avancement X"));
    paintGraph(painter, QRectF(0, y, pageWidth, pageHeight - y));
    painter.restore();
}

void Worksheet::paintGraph(QPainter& painter, const QRectF& box) const {
    const controls::SurfaceFont labelFont = textFont(bodyText - 2);
    const double labelHeight = drawLine(painter, QStringLiteral("0"), labelFont, 0, 0, false).height();
    // Room for the labels on the left and below, for "n (mol)" above and the legend under "X (mol)".
    const QRectF plot = box.adjusted(70, labelHeight + 10, -30, -(3 * labelHeight + 30));
    const auto at = [&](double x, double n) {
        return QPointF(plot.left() + plot.width() * x / axes_.x.maximum,
                       plot.bottom() - plot.height() * n / axes_.y.maximum);
    };

    painter.save();
    // Graph paper: a thin line every fifth of a step, a darker one every step.
    constexpr int minorPerStep = 5;
    const auto gridLines = [&](const RoundAxis& axis, bool vertical) {
        const int count = int(std::lrint(axis.maximum / axis.step)) * minorPerStep;
        for (int i = 0; i <= count; ++i) {
            const double value = axis.maximum * i / count;
            const bool major = i % minorPerStep == 0;
            painter.setPen(QPen(major ? QColor(150, 150, 150) : QColor(210, 210, 210), major ? 1.2 : 0.6));
            if (vertical) {
                painter.drawLine(at(value, 0), at(value, axes_.y.maximum));
            } else {
                painter.drawLine(at(0, value), at(axes_.x.maximum, value));
            }
            if (!major) {
                continue;
            }
            const QString label = framework::textG15(value);
            const QSize size = drawLine(painter, label, labelFont, 0, 0, false);
            const QPointF p = vertical ? at(value, 0) : at(0, value);
            if (vertical) {
                drawLine(painter, label, labelFont, p.x() - size.width() / 2.0, p.y() + 6);
            } else {
                drawLine(painter, label, labelFont, p.x() - size.width() - 8, p.y() - size.height() / 2.0);
            }
        }
    };
    gridLines(axes_.x, true);
    gridLines(axes_.y, false);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(at(0, 0), at(axes_.x.maximum, 0));
    painter.drawLine(at(0, 0), at(0, axes_.y.maximum));
    const QString nTitle = QStringLiteral("n (mol)");
    drawLine(painter, nTitle, textFont(bodyText, true), plot.left() - 40, box.top());
    const QString xTitle = QStringLiteral("X (mol)");
    const QSize xTitleSize = drawLine(painter, xTitle, textFont(bodyText, true), 0, 0, false);
    drawLine(painter, xTitle, textFont(bodyText, true), plot.right() - xTitleSize.width(),
             plot.bottom() + labelHeight + 12);

    if (kind_ == WorksheetKind::Corrected) {
        painter.setClipRect(plot.adjusted(-2, -2, 2, 2));
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < table_.speciesCount; ++i) {
            const CurveStyle& style = curveStyles[std::size_t(i)];
            QPainterPath curve;
            for (const model::Sample& sample : samples_) {
                const QPointF p = at(sample.x, sample.quantities.bySlot()[std::size_t(i)]);
                if (curve.elementCount() == 0) {
                    curve.moveTo(p);
                } else {
                    curve.lineTo(p);
                }
            }
            painter.setPen(QPen(framework::toQColor(style.color), 3, style.pattern, Qt::RoundCap));
            painter.drawPath(curve);
        }
        // Where the transformation stops.
        painter.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        painter.drawLine(at(xmax_, 0), at(xmax_, axes_.y.maximum));
        painter.setClipping(false);
        const QString xmaxLabel = QStringLiteral("Xmax = %1 mol").arg(framework::textF3(xmax_));
        drawLine(painter, xmaxLabel, textFont(bodyText - 2, true), at(xmax_, axes_.y.maximum).x() + 6,
                 plot.top() + 4);

        // The legend under the X axis's title: each species' line pattern and its formula.
        double x = plot.left();
        const double legendY = plot.bottom() + 2 * labelHeight + 26;
        for (int i = 0; i < table_.speciesCount; ++i) {
            const CurveStyle& style = curveStyles[std::size_t(i)];
            painter.setPen(QPen(framework::toQColor(style.color), 3, style.pattern, Qt::RoundCap));
            painter.drawLine(QPointF(x, legendY + labelHeight / 2),
                             QPointF(x + 50, legendY + labelHeight / 2));
            const QString name = QStringLiteral("n(%1)").arg(table_.heads[std::size_t(i)]);
            x += 60 + drawLine(painter, name, labelFont, x + 58, legendY).width() + 30;
        }
    }
    painter.restore();
}

void printWorksheet(QWidget* parent, const WorksheetSource& source, WorksheetKind kind) {
    Worksheet sheet(source, kind);
    framework::printWithDialog(parent, sheet.documentName(), sheet);
}

void addWorksheetItems(QMenu& menu, QWidget* parent, std::function<WorksheetSource()> source) {
    const QString marker = QStringLiteral("WorksheetItems");
    if (menu.findChild<QObject*>(marker, Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    (new QObject(&menu))->setObjectName(marker);
    menu.addSeparator();
    const auto item = [&](const char* name, const QString& caption, WorksheetKind kind) {
        framework::addMenuItem(&menu, QString::fromLatin1(name), caption,
                               [parent, source, kind] { printWorksheet(parent, source(), kind); });
    };
    item("ImprimerFiche", QStringLiteral("Imprimer une fiche…"), WorksheetKind::Blank);
    item("ImprimerFicheCorrigee", QStringLiteral("Imprimer la fiche corrigée…"), WorksheetKind::Corrected);
}

} // namespace windows
