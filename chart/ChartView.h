#pragma once
// The chart as a widget: it is the chart model (configure and fill it directly, every change repaints)
// and paints it with QPainter: gradient background, title block, axes with their labels and titles,
// 3-D bars with their marks, line series, legend. A right-click shows the pop-up menu it was given; Tab
// reaches the chart, and the Menu key or Shift+F10 shows the menu under the keyboard; Ctrl+C copies its
// image. Printed, or saved for print, it carries a heading that says what it shows.

#include "chart/ChartModel.h"
#include "chart/ChartRenderer.h"
#include "chart/TextCache.h"
#include "framework/ChangeNotice.h"
#include "framework/PictureCache.h"

#include <QDateTime>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QMenu;

namespace framework {
class PageHeading;
class PrintedDocument;
} // namespace framework

namespace chart {

class TChartView : public QWidget, public ChartModel {
    Q_OBJECT
public:
    explicit TChartView(QWidget* parent = nullptr);
    ~TChartView() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The menu shown on right-click; the view does not own it (nullptr: none).
    void setPopupMenu(QMenu* menu);
    QMenu* popupMenu() const { return popupMenu_; }

    // Texts and lines drawn this many times their size, for a room projected on a wall: the chart lays
    // itself out in its size divided by the scale, then draws everything enlarged by it.
    double scale() const { return scale_; }
    void setScale(double scale);
    // The size the chart lays itself out in when it is drawn in size at scale (its own unless given):
    // smaller by the scale, less where its title or a legend above the plot would not fit across it.
    QSizeF layoutSize(const QSize& size, std::optional<double> scale = std::nullopt);
    // Whether every bar mark then finds a place clear of the bars, the axes and the other marks.
    bool marksClearAt(const QSize& size, std::optional<double> scale = std::nullopt);

    // The lines a printout and an image for print carry above the chart, the equation first: the window
    // knows what its chart shows (the equation, the initial quantities, X) and is asked when it prints.
    using HeadingLines = std::function<QStringList()>;
    void setHeading(HeadingLines heading);

    // Behind the chart: its background as the screen shows it, or white for paper, which keeps the
    // chart's colours and marks and drops the gradient.
    enum class Background { AsShown, White };

    // Paints the chart as the widget shows it, at the painter's origin in a rectangle of that size. Mark
    // callbacks run during it, as they do during a paint event.
    void paintChart(QPainter& painter, const QSize& size);
    // The same picture in one pass, without the pictures kept for the screen, so that a vector device
    // (an SVG drawing, a printed page) receives shapes and texts rather than a copied bitmap.
    void paintChartOnce(QPainter& painter, const QSize& size, Background background = Background::AsShown);

    // The chart as drawn, at devicePixelRatio times its pixel size so that it stays crisp in a document.
    QImage chartImage(qreal devicePixelRatio);
    // The chart as printed on one page under its heading, the date of printed in it.
    std::unique_ptr<framework::PrintedDocument> printout(Background background, const QDateTime& printed);
    // What the last items of every pop-up menu do: the image to the clipboard (as Ctrl+C does), to a PNG
    // or SVG file, or to the printer; then, for paper, on white under its heading, to a file or the
    // printer.
    void copyImage();
    void saveImageAs();
    void printImage();
    void saveImageForPrint();
    void printOnWhite();

    // A screen reader has just been given the summary.
    void summaryRead() const { summaryNotice_.read(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void chartChanged() override;

private:
    void showPopupMenu(const QPoint& globalPos);
    // The name a saved image or a print job is proposed, from what the chart shows.
    QString documentName() const;
    void print(Background background);
    // Saves a picture of size as the user chooses: a PNG image of twice its pixels, or an SVG drawing.
    void savePicture(const QString& title, const QString& proposedName, const QSize& size,
                     const std::function<void(QPainter&)>& paint);
    // The heading above the chart on white, across its width, as an image for print carries it.
    framework::PageHeading imageHeading();
    void paintBackground(QPainter& painter, const QSizeF& size, Background background) const;
    // The scale the chart is drawn at in size: the given one, less where its title or a legend above the
    // plot would no longer fit across it, never below 1.
    double fittingScale(const QSize& size, double scale);
    struct BackgroundKey;
    BackgroundKey backgroundKey(const QSize& size, qreal devicePixelRatio) const;
    const QImage& backgroundPicture(const QSize& size, qreal devicePixelRatio);

    void announceChange();

    QMenu* popupMenu_ = nullptr;
    HeadingLines heading_;
    framework::ChangeNotice summaryNotice_;
    double scale_ = 1;
    // A slider move refills hundreds of points: one update() and one announcement cover them all.
    bool repaintPending_ = false;
    bool announcementPending_ = false;
    // Mark callbacks run while painting, before anything is measured: what they change is already in
    // the picture being painted.
    bool painting_ = false;
    TextCache text_;
    QImage background_;
    struct BackgroundKey {
        QSize size;
        qreal devicePixelRatio = 0;
        TColor start = framework::clNone;
        TColor end = framework::clNone;
        GradientDirection direction = GradientDirection::TopBottom;
        bool visible = false;
        QRgb window = 0; // the background without a gradient
        friend bool operator==(const BackgroundKey&, const BackgroundKey&) = default;
    } backgroundKey_;
    // The background under the scenery, kept while neither changes: a slider move only moves the
    // series and the marks.
    struct SceneryKey {
        BackgroundKey background;
        ChartRenderer::Scenery scenery;
        double scale = 1;
        friend bool operator==(const SceneryKey&, const SceneryKey&) = default;
    };
    framework::PictureCache<SceneryKey> scenery_{framework::PictureOpacity::Opaque};
};

} // namespace chart
