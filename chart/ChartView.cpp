#include "chart/ChartView.h"

#include "chart/ChartRenderer.h"

#include "framework/AccessibleFactory.h"
#include "framework/ErrorGuard.h"
#include "framework/FileSaving.h"
#include "framework/LocaleText.h"
#include "framework/Menu.h"
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
#include <QPrinter>
#include <QSvgGenerator>
#include <QTimer>

#include <algorithm>

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
            return framework::toQ(static_cast<TChartView*>(widget())->summary());
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
    }
    static QString objectNameOfItems() { return QStringLiteral("ImageItems"); }
    void act(void (TChartView::*command)()) {
        if (chart_) {
            (chart_->*command)();
        }
    }

    QPointer<TChartView> chart_;
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
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
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

void TChartView::paintBackground(QPainter& p, const QSizeF& size) const {
    const QRectF area(QPointF(0, 0), size);
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
    paintBackground(p, QSizeF(size));
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

double TChartView::fittingScale(const QSize& size) {
    if (scale_ == 1) {
        return 1;
    }
    const double needed = ChartRenderer(*this, QSizeF(size), text_).widthNeeded();
    return std::clamp(size.width() / needed, 1.0, scale_);
}

void TChartView::paintChart(QPainter& painter, const QSize& size) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const PaintingScope scope(painting_);
    const double scale = fittingScale(size);
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

void TChartView::paintChartOnce(QPainter& painter, const QSize& size) {
    const PaintingScope scope(painting_);
    const double scale = fittingScale(size);
    const ChartRenderer renderer(*this, QSizeF(size) / scale, text_);
    painter.save();
    paintBackground(painter, QSizeF(size));
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

QImage TChartView::chartImage(qreal devicePixelRatio) {
    QImage image(size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    const int dotsPerMetre = int(std::lrint(screenDotsPerInch * devicePixelRatio / metresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    paintChartOnce(painter, size());
    return image;
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

void TChartView::saveImageAs() {
    const QString png = QStringLiteral("Image PNG (*.png)");
    const QString svg = QStringLiteral("Dessin SVG (*.svg)");
    framework::saveFileAs(
        window(), QStringLiteral("Enregistrer l'image du graphique"), documentName() + QStringLiteral(".png"),
        {png, svg}, [this](QIODevice& file, const QString& path) {
            if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
                QSvgGenerator drawing;
                drawing.setOutputDevice(&file);
                drawing.setSize(size());
                drawing.setViewBox(rect());
                drawing.setResolution(int(screenDotsPerInch));
                drawing.setTitle(accessibleName());
                QPainter painter(&drawing);
                paintChartOnce(painter, size());
            } else if (!chartImage(imageRatio).save(&file, "PNG")) {
                throw framework::FileSaveError(
                    QStringLiteral("L'image n'a pas pu être écrite dans le fichier « %1 »")
                        .arg(QDir::toNativeSeparators(path))
                        .toStdString());
            }
        });
}

void TChartView::printImage() {
    framework::printWithDialog(window(), documentName(), [this](QPainter& painter, QPrinter& printer) {
        // As large as the page allows, in the chart's proportions.
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        const double fit = std::min(page.width() / width(), page.height() / height());
        painter.scale(fit, fit);
        paintChartOnce(painter, size());
    });
}

} // namespace chart
