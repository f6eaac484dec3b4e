#include "chart/ChartView.h"

#include "chart/ChartRenderer.h"

#include "framework/AccessibleFactory.h"
#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
#include "framework/PageHeading.h"
#include "framework/Printing.h"
#include "framework/QtColor.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSvgGenerator>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace chart {

namespace {

// A screen reader reads the chart as its summary: the title, each bar as its mark reads, each line
// series with its last point.
class ChartAccessible final : public QAccessibleWidget {
public:
    explicit ChartAccessible(TChartView* view)
        : QAccessibleWidget(view, QAccessible::Chart) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description || kind == QAccessible::Value) {
            auto* view = static_cast<TChartView*>(widget());
            view->summaryRead();
            return framework::toQ(view->summary());
        }
        return QAccessibleWidget::text(kind);
    }
};

// Mark callbacks run while the chart paints: what they change is already in the picture being painted.
class PaintingScope {
public:
    explicit PaintingScope(bool& painting)
        : painting_(painting) {
        painting_ = true;
    }
    ~PaintingScope() { painting_ = false; }
    PaintingScope(const PaintingScope&) = delete;
    PaintingScope& operator=(const PaintingScope&) = delete;

private:
    bool& painting_;
};

// Copied and saved images have twice the chart's pixel size; they say so, so that a document shows them
// at the chart's size on the screen, sharper.
constexpr qreal imageRatio = 2;
constexpr double screenDotsPerInch = 96;
// Around the heading of an image for print, in pixels.
constexpr int imageMargin = 8;
constexpr double metresPerInch = 0.0254;

// The items every chart's pop-up menu ends with, after a separator below the window's own. A window
// shares one menu between its charts: the items act on the chart that showed it last.
class ImageItems : public QObject {
public:
    static void addTo(QMenu& menu) {
        if (menu.findChild<QObject*>(objectNameOfItems(), Qt::FindDirectChildrenOnly) == nullptr) {
            new ImageItems(menu);
        }
    }
    static void shownBy(QMenu& menu, TChartView* chart) {
        static_cast<ImageItems*>(menu.findChild<QObject*>(objectNameOfItems(), Qt::FindDirectChildrenOnly))
            ->chart_ = chart;
    }

private:
    explicit ImageItems(QMenu& menu)
        : QObject(&menu) {
        setObjectName(objectNameOfItems());
        menu.addSeparator();
        QAction* copy =
            framework::addMenuItem(&menu, QStringLiteral("CopierImage"), QStringLiteral("Copier l'image"),
                                   [this] { act(&TChartView::copyImage); });
        // Shown beside the caption; the chart itself answers Ctrl+C.
        copy->setShortcut(QKeySequence::Copy);
        copy->setShortcutContext(Qt::WidgetShortcut);
        framework::addMenuItem(&menu, QStringLiteral("EnregistrerImage"),
                               QStringLiteral("Enregistrer l'image sous…"),
                               [this] { act(&TChartView::saveImageAs); });
        framework::addMenuItem(&menu, QStringLiteral("ImprimerImage"), QStringLiteral("Imprimer…"),
                               [this] { act(&TChartView::printImage); });
        framework::addMenuItem(&menu, QStringLiteral("EnregistrerImageImpression"),
                               QStringLiteral("Enregistrer l'image pour l'impression…"),
                               [this] { act(&TChartView::saveImageForPrint); });
        framework::addMenuItem(&menu, QStringLiteral("ImprimerFondBlanc"),
                               QStringLiteral("Imprimer sur fond blanc…"),
                               [this] { act(&TChartView::printOnWhite); });
    }
    static QString objectNameOfItems() { return QStringLiteral("ImageItems"); }
    void act(void (TChartView::*command)()) {
        if (chart_) {
            (chart_->*command)();
        }
    }

    QPointer<TChartView> chart_;
};

// The heading's face: the one the charts' titles and axes use.
QFont headingFont() {
    return QFont(QStringLiteral("Arial"));
}

QString printedLine(const QDateTime& printed) {
    return framework::printedLine(QStringLiteral("Graphique"), printed);
}

// The chart on one page: its heading at the top, then the chart as large as the rest of the page allows,
// in its proportions.
class ChartPrintout final : public framework::PrintedDocument {
public:
    ChartPrintout(TChartView& view, TChartView::Background background, QStringList heading,
                  const QDateTime& printed)
        : view_(view)
        , background_(background)
        , lines_(std::move(heading))
        , printed_(printed) {}

    int layOut(QPaintDevice& device, const QSizeF& area) override {
        area_ = area;
        heading_.emplace(lines_, printedLine(printed_), headingFont(), device.logicalDpiY());
        return 1;
    }
    void paintPage(QPainter& painter, int) override {
        heading_->paint(painter, area_.width(), QString());
        const double top = heading_->height();
        const double fit = std::min(area_.width() / view_.width(), (area_.height() - top) / view_.height());
        painter.translate(0, top);
        painter.scale(fit, fit);
        view_.paintChartOnce(painter, view_.size(), background_);
    }

private:
    TChartView& view_;
    TChartView::Background background_;
    QStringList lines_;
    QDateTime printed_;
    QSizeF area_;
    std::optional<framework::PageHeading> heading_;
};

} // namespace

TChartView::TChartView(QWidget* parent)
    : QWidget(parent) {
    framework::installAccessible<TChartView, ChartAccessible>();
    setLocaleProvider(&framework::numberLocale);
    setAccessibleName(QStringLiteral("Graphique"));
    // Reached by Tab only: a click on the chart leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

TChartView::~TChartView() = default;

QSize TChartView::sizeHint() const {
    return {400, 250};
}

QSize TChartView::minimumSizeHint() const {
    return {120, 80};
}

void TChartView::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
    if (menu) {
        ImageItems::addTo(*menu);
    }
}

void TChartView::chartChanged() {
    if (painting_) {
        return;
    }
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
    if (!announcementPending_ && QAccessible::isActive()) {
        announcementPending_ = true;
        QTimer::singleShot(0, this, [this] { framework::guarded([this] { announceChange(); }); });
    }
}

void TChartView::announceChange() {
    announcementPending_ = false;
    summaryNotice_.changed(this, QAccessible::DescriptionChanged);
}

TChartView::BackgroundKey TChartView::backgroundKey(const QSize& size, qreal devicePixelRatio) const {
    return {size,
            devicePixelRatio,
            gradient().startColor(),
            gradient().endColor(),
            gradient().direction(),
            gradient().visible(),
            palette().window().color().rgba()};
}

void TChartView::setHeading(HeadingLines heading) {
    heading_ = std::move(heading);
}

void TChartView::paintBackground(QPainter& p, const QSizeF& size, Background background) const {
    const QRectF area(QPointF(0, 0), size);
    if (background == Background::White) {
        p.fillRect(area, Qt::white);
        return;
    }
    if (!gradient().visible()) {
        p.fillRect(area, palette().window());
        return;
    }
    QLinearGradient g;
    switch (gradient().direction()) {
    case GradientDirection::TopBottom:
        g = QLinearGradient(area.topLeft(), area.bottomLeft());
        break;
    case GradientDirection::LeftRight:
        g = QLinearGradient(area.topLeft(), area.topRight());
        break;
    case GradientDirection::RightLeft:
        g = QLinearGradient(area.topRight(), area.topLeft());
        break;
    }
    g.setColorAt(0, framework::toQColor(gradient().startColor()));
    g.setColorAt(1, framework::toQColor(gradient().endColor()));
    p.fillRect(area, g);
}

const QImage& TChartView::backgroundPicture(const QSize& size, qreal devicePixelRatio) {
    const BackgroundKey key = backgroundKey(size, devicePixelRatio);
    if (key == backgroundKey_ && !background_.isNull()) {
        return background_;
    }
    backgroundKey_ = key;
    background_ = QImage(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    background_.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&background_);
    paintBackground(p, QSizeF(size), Background::AsShown);
    return background_;
}

void TChartView::setScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    scenery_.clear();
    chartChanged();
}

double TChartView::fittingScale(const QSize& size, double scale) {
    if (scale <= 1) {
        return 1;
    }
    const double needed = ChartRenderer(*this, QSizeF(size), text_).widthNeeded();
    return std::clamp(size.width() / needed, 1.0, scale);
}

QSizeF TChartView::layoutSize(const QSize& size, std::optional<double> scale) {
    return QSizeF(size) / fittingScale(size, scale.value_or(scale_));
}

bool TChartView::marksClearAt(const QSize& size, std::optional<double> scale) {
    return ChartRenderer(*this, layoutSize(size, scale), text_).marksClear();
}

void TChartView::paintChart(QPainter& painter, const QSize& size) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const PaintingScope scope(painting_);
    const double scale = fittingScale(size, scale_);
    const ChartRenderer renderer(*this, QSizeF(size) / scale, text_);
    // The background fills the widget whatever the scale; what stands on it is drawn enlarged.
    const auto drawBackground = [&](QPainter& p) {
        // The picture is opaque: copying the background is cheaper than blending it.
        const QPainter::CompositionMode mode = p.compositionMode();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPointF(0, 0), backgroundPicture(size, ratio));
        p.setCompositionMode(mode);
    };
    const auto scaled = [scale](QPainter& p, const auto& draw) {
        p.save();
        p.scale(scale, scale);
        draw(p);
        p.restore();
    };
    if (!renderer.movingPartsClearOfScenery()) {
        scenery_.clear();
        drawBackground(painter);
        scaled(painter, [&](QPainter& p) { renderer.paint(p); });
        return;
    }
    scenery_.paint(painter, size, SceneryKey{backgroundKey(size, ratio), renderer.scenery(), scale},
                   [&](QPainter& p) {
                       drawBackground(p);
                       scaled(p, [&](QPainter& q) { renderer.paintScenery(q); });
                   });
    scaled(painter, [&](QPainter& p) { renderer.paintMovingParts(p); });
}

void TChartView::paintChartOnce(QPainter& painter, const QSize& size, Background background) {
    const PaintingScope scope(painting_);
    const double scale = fittingScale(size, scale_);
    const ChartRenderer renderer(*this, QSizeF(size) / scale, text_);
    painter.save();
    paintBackground(painter, QSizeF(size), background);
    painter.scale(scale, scale);
    renderer.paint(painter);
    painter.restore();
}

void TChartView::paintEvent(QPaintEvent*) {
    framework::guarded([&] {
        repaintPending_ = false;
        QPainter painter(this);
        paintChart(painter, size());
    });
}

void TChartView::resizeEvent(QResizeEvent*) {
    framework::guarded([&] {
        background_ = QImage();
        scenery_.clear();
    });
}

void TChartView::mousePressEvent(QMouseEvent* event) {
    framework::guarded([&] {
        if (event->button() == Qt::RightButton) {
            showPopupMenu(event->globalPosition().toPoint());
        }
    });
}

void TChartView::contextMenuEvent(QContextMenuEvent* event) {
    // A right-click has already shown the menu on the press; the menu key comes here only.
    framework::guarded([&] {
        if (event->reason() != QContextMenuEvent::Mouse) {
            showPopupMenu(mapToGlobal(rect().center()));
        }
    });
}

void TChartView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        framework::guarded([&] { showPopupMenu(mapToGlobal(rect().center())); });
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        framework::guarded([this] { copyImage(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TChartView::showPopupMenu(const QPoint& globalPos) {
    if (popupMenu_) {
        ImageItems::shownBy(*popupMenu_, this);
        popupMenu_->popup(globalPos);
    }
}

namespace {

// A picture of size logical pixels painted at devicePixelRatio times as many, and telling so.
QImage picture(const QSize& size, qreal devicePixelRatio, const std::function<void(QPainter&)>& paint) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    const int dotsPerMetre = int(std::lrint(screenDotsPerInch * devicePixelRatio / metresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    paint(painter);
    return image;
}

} // namespace

QImage TChartView::chartImage(qreal devicePixelRatio) {
    return picture(size(), devicePixelRatio, [this](QPainter& painter) { paintChartOnce(painter, size()); });
}

std::unique_ptr<framework::PrintedDocument> TChartView::printout(Background background,
                                                                 const QDateTime& printed) {
    return std::make_unique<ChartPrintout>(*this, background, heading_ ? heading_() : QStringList(), printed);
}

QString TChartView::documentName() const {
    for (int s = 0; s < seriesCount(); ++s) {
        if (series(s).kind() == SeriesKind::Bar) {
            return QStringLiteral("histogramme");
        }
    }
    return QStringLiteral("courbes");
}

void TChartView::copyImage() {
    QGuiApplication::clipboard()->setImage(chartImage(imageRatio));
}

void TChartView::savePicture(const QString& title, const QString& proposedName, const QSize& size,
                             const std::function<void(QPainter&)>& paint) {
    const QString png = QStringLiteral("Image PNG (*.png)");
    const QString svg = QStringLiteral("Dessin SVG (*.svg)");
    framework::saveFileAs(
        window(), title, proposedName + QStringLiteral(".png"), {png, svg},
        [&](QIODevice& file, const QString& path) {
            if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
                QSvgGenerator drawing;
                drawing.setOutputDevice(&file);
                drawing.setSize(size);
                drawing.setViewBox(QRect(QPoint(0, 0), size));
                drawing.setResolution(int(screenDotsPerInch));
                drawing.setTitle(accessibleName());
                QPainter painter(&drawing);
                paint(painter);
            } else if (!picture(size, imageRatio, paint).save(&file, "PNG")) {
                throw framework::FileSaveError(
                    QStringLiteral("L'image n'a pas pu être écrite dans le fichier « %1 »")
                        .arg(QDir::toNativeSeparators(path))
                        .toStdString());
            }
        });
}

void TChartView::saveImageAs() {
    savePicture(QStringLiteral("Enregistrer l'image du graphique"), documentName(), size(),
                [this](QPainter& painter) { paintChartOnce(painter, size()); });
}

framework::PageHeading TChartView::imageHeading() {
    return framework::PageHeading(heading_ ? heading_() : QStringList(),
                                  printedLine(QDateTime::currentDateTime()), headingFont(),
                                  screenDotsPerInch);
}

void TChartView::saveImageForPrint() {
    // The heading above the chart, within a margin; a heading wider than a narrow chart widens the image,
    // the chart in its middle.
    const framework::PageHeading heading = imageHeading();
    const int top = imageMargin + int(std::ceil(heading.height()));
    const int across = std::max(width(), 2 * imageMargin + int(std::ceil(heading.width())));
    savePicture(QStringLiteral("Enregistrer l'image pour l'impression"),
                documentName() + QStringLiteral("-impression"), QSize(across, top + height()),
                [&](QPainter& painter) {
                    painter.fillRect(QRect(0, 0, across, top + height()), Qt::white);
                    painter.translate(imageMargin, imageMargin);
                    heading.paint(painter, across - 2 * imageMargin, QString());
                    painter.translate((across - width()) / 2 - imageMargin, top - imageMargin);
                    paintChartOnce(painter, size(), Background::White);
                });
}

void TChartView::print(Background background) {
    const auto document = printout(background, QDateTime::currentDateTime());
    framework::printWithDialog(window(), documentName(), *document);
}

void TChartView::printImage() {
    print(Background::AsShown);
}

void TChartView::printOnWhite() {
    print(Background::White);
}

} // namespace chart
