// The secondary windows as a lesson shows them: the zoom window's three pages at full-HD size, the
// measurement table, the new-equation editor with a formula typed into it, and the About box.
#include "ScreenshotRegistry.h"

#include "app/UnitMolvanex.h"
#include "app/UserGuide.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "framework/Edit.h"
#include "framework/TrackBar.h"
#include "windows/MeasurementGrid.h"
#include "windows/UniteNewEquation.h"
#include "windows/UnitePropos.h"
#include "windows/UniteTableau.h"
#include "windows/UniteZoom.h"
#include "windows/UserGuideWindow.h"
#include "windows/Worksheet.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);
const QSize fullHd(1920, 1080);
// The user guide's pictures: the window at its design size, which the guide shows at its own size.
const QSize designSize(789, 545);

// The main window with the copper oxide equation, or the seventh one, as the windows read it.
// The zoom window covers the main window's work area.
struct Lesson {
    explicit Lesson(bool seventh = false, QRect workArea = lessonWorkArea)
        : main(nullptr, [workArea] { return workArea; }) {
        (seventh ? main.BevelCheck7 : main.BevelCheck2)->setChecked(true);
    }
    app::TFiche_molvanex main;
};

QImage zoomPage(int page, int position, QSize size = fullHd, int scalePercent = 100, bool seventh = false) {
    Lesson lesson(seventh, QRect(QPoint(0, 0), size));
    windows::TFicheZoom zoom(lesson.main, nullptr);
    zoom.show();
    zoom.activateWindow();
    QApplication::processEvents(); // the activation runs the opening steps
    zoom.setScalePercent(scalePercent);
    zoom.findChild<framework::TTrackBar*>(QStringLiteral("BarZoom"))->setPosition(position);
    zoom.findChild<QTabWidget*>(QStringLiteral("PageControleZoom"))->setCurrentIndex(page);
    return shots::grabWidget(zoom);
}

const shots::Registrar zoomHistogram(QStringLiteral("zoom-histogram"), [] { return zoomPage(0, 60); });
const shots::Registrar zoomCurves(QStringLiteral("zoom-curves"), [] { return zoomPage(1, 60); });
const shots::Registrar zoomBoth(QStringLiteral("zoom-both"), [] { return zoomPage(2, 60); });
const shots::Registrar guideHistogram(QStringLiteral("guide-zoom-histogram"),
                                      [] { return zoomPage(0, 60, designSize); });
const shots::Registrar guideCurves(QStringLiteral("guide-zoom-curves"),
                                   [] { return zoomPage(1, 60, designSize); });
const shots::Registrar guideTable(QStringLiteral("guide-zoom-table"),
                                  [] { return zoomPage(3, 60, designSize); });
const shots::Registrar guideBoth(QStringLiteral("guide-zoom-both"),
                                 [] { return zoomPage(2, 60, designSize); });
// A screen smaller than the window's design width; then the window enlarged for a projected lesson.
const shots::Registrar zoomSmall(QStringLiteral("zoom-700x560"),
                                 [] { return zoomPage(2, 60, QSize(700, 560)); });
const shots::Registrar zoom200(QStringLiteral("zoom-both-200"), [] { return zoomPage(2, 60, fullHd, 200); });
const shots::Registrar zoom300(QStringLiteral("zoom-both-300"), [] { return zoomPage(2, 60, fullHd, 300); });
// The seventh equation's long formulas during a run and at its end, at the largest scales.
const shots::Registrar zoomSeventh300(QStringLiteral("zoom-both-preset7-300-60"),
                                      [] { return zoomPage(2, 60, fullHd, 300, true); });
const shots::Registrar zoomSeventh300End(QStringLiteral("zoom-both-preset7-300-100"),
                                         [] { return zoomPage(2, 100, fullHd, 300, true); });
const shots::Registrar zoomHistogram200(QStringLiteral("zoom-histogram-200"),
                                        [] { return zoomPage(0, 60, fullHd, 200); });
const shots::Registrar zoomCurves300(QStringLiteral("zoom-curves-300"),
                                     [] { return zoomPage(1, 60, fullHd, 300); });
// The state table for the class to read, at the design scale and at the largest.
const shots::Registrar zoomTable(QStringLiteral("zoom-table"), [] { return zoomPage(3, 60); });
const shots::Registrar zoomTable300(QStringLiteral("zoom-table-300"),
                                    [] { return zoomPage(3, 100, fullHd, 300); });

// The charts' pop-up menu, with the items that take the chart's image out after the window's own.
const shots::Registrar zoomMenu(QStringLiteral("zoom-chart-menu"), [] {
    Lesson lesson;
    windows::TFicheZoom zoom(lesson.main, nullptr);
    zoom.show();
    QApplication::processEvents();
    auto* chart = zoom.findChild<chart::TChartView*>(QStringLiteral("Courbe_1"));
    QMenu* menu = chart->popupMenu();
    menu->popup(chart->mapToGlobal(chart->rect().center()));
    QApplication::processEvents();
    QImage image = shots::grabWidget(*menu);
    menu->hide();
    return image;
});

// The worksheet on an A4 page at 150 dots per inch (10 mm margins), blank and corrected.
QImage worksheet(windows::WorksheetKind kind) {
    Lesson lesson;
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    const int margin = 59;
    painter.translate(margin, margin);
    lesson.main.MaskEdit11i->setText(QStringLiteral("3"));
    const app::TFiche_molvanex& main = lesson.main;
    windows::Worksheet sheet({main, main.initialQuantityText(1), main.initialQuantityText(2), main.xmax()},
                             kind);
    sheet.layOut(page, QSizeF(page.width() - 2 * margin, page.height() - 2 * margin));
    sheet.paintPage(painter, 0);
    return page;
}
const shots::Registrar worksheetBlank(QStringLiteral("worksheet-blank"),
                                      [] { return worksheet(windows::WorksheetKind::Blank); });
const shots::Registrar worksheetCorrected(QStringLiteral("worksheet-corrected"),
                                          [] { return worksheet(windows::WorksheetKind::Corrected); });

const shots::Registrar table(QStringLiteral("table"), [] {
    Lesson lesson;
    windows::TFicheTab window(lesson.main, nullptr);
    return shots::grabWidget(window);
});

// The grid's pop-up menu over a selection, drawn where it opens.
const shots::Registrar tableMenu(QStringLiteral("table-menu"), [] {
    Lesson lesson;
    windows::TFicheTab window(lesson.main, nullptr);
    QImage image = shots::grabWidget(window);
    auto* grid = window.findChild<windows::TMeasurementGrid*>(QStringLiteral("Tableau"));
    grid->selectionModel()->select(QItemSelection(grid->model()->index(2, 1), grid->model()->index(5, 3)),
                                   QItemSelectionModel::Select);
    const QPoint at = grid->visualRect(grid->model()->index(4, 2)).center();
    grid->contextMenu()->popup(grid->viewport()->mapToGlobal(at));
    image = shots::grabWidget(window);
    const QImage menu = shots::grabWidget(*grid->contextMenu());
    QPainter painter(&image);
    painter.drawImage(window.mapFromGlobal(grid->contextMenu()->pos()), menu);
    painter.end();
    grid->contextMenu()->close();
    return image;
});

const shots::Registrar editor(QStringLiteral("editor"), [] {
    windows::TFicheNouvelleEquation window(nullptr);
    window.show();
    const auto type = [&](const char* name, const QString& text) {
        window.findChild<framework::TEdit*>(QString::fromLatin1(name))->setText(text);
    };
    type("NomReactif1", QStringLiteral("Dihydrogène"));
    type("Edit1", QStringLiteral("H2(g)"));
    type("EditHTML1", QStringLiteral("H<sub>2</sub>(g)"));
    type("EditHTML3", QStringLiteral("H<sub>2</sub>O(l)"));
    return shots::grabWidget(window);
});

// The guide in the program's own window, as a desktop without a web browser leaves it.
const shots::Registrar userGuide(QStringLiteral("user-guide-window"), [] {
    windows::TUserGuideWindow* window =
        windows::TUserGuideWindow::showGuide(nullptr, app::locateUserGuide(app::userGuideDirectories()));
    const QImage image = shots::grabWidget(*window);
    delete window;
    return image;
});

const shots::Registrar about(QStringLiteral("about"), [] {
    windows::TAboutBox box(nullptr);
    return shots::grabWidget(box);
});

} // namespace
