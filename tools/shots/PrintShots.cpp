// Printouts as a reader sees them: each is printed into a PDF file, which pdftoppm (poppler-utils)
// renders to a picture of its first page.
#include "ScreenshotRegistry.h"

#include "app/SeriesReport.h"
#include "app/UnitMolvanex.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "framework/LocaleText.h"
#include "framework/Printing.h"
#include "framework/TrackBar.h"
#include "windows/MeasurementGrid.h"
#include "windows/UniteTableau.h"

#include <QApplication>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);
const QDateTime printed(QDate(2026, 12, 9), QTime(10, 30));

QImage firstPage(framework::PrintedDocument& document) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("printout.pdf"));
    framework::printToPdf(nullptr, pdf, {}, document);
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, folder.filePath(QStringLiteral("page"))});
    return QImage(folder.filePath(QStringLiteral("page.png")));
}

// The main window with copper oxide and carbon, halfway to xmax.
struct Lesson {
    Lesson() {
        main.BevelCheck2->setChecked(true);
        main.BarEvolution->setPosition(50);
    }
    app::TFiche_molvanex main{nullptr, [] { return lessonWorkArea; }};
};

QImage chartPrintout(const char* chart, chart::TChartView::Background background) {
    Lesson lesson;
    lesson.main.show();
    return firstPage(*lesson.main.findChild<chart::TChartView*>(QString::fromLatin1(chart))
                          ->printout(background, printed));
}

const shots::Registrar curves(QStringLiteral("print-curves-on-white"),
                              [] { return chartPrintout("Chart2", chart::TChartView::Background::White); });
const shots::Registrar bars(QStringLiteral("print-bars-as-shown"),
                            [] { return chartPrintout("Chart1", chart::TChartView::Background::AsShown); });

const shots::Registrar table(QStringLiteral("print-table"), [] {
    Lesson lesson;
    windows::TFicheTab window(lesson.main, nullptr);
    return firstPage(
        *window.findChild<windows::TMeasurementGrid*>(QStringLiteral("Tableau"))->printout(printed));
});

// The results of series 1 at level 2: right, right at the second try, the solution seen, right, right.
const shots::Registrar exerciseResults(QStringLiteral("print-exercise-results"), [] {
    model::SeriesSession session(
        model::catalogueSeries(1, model::Level::FinalState, framework::numberLocale()));
    for (int i = 0; i < model::exercisesPerSeries; ++i) {
        std::vector<std::string> answers;
        for (const model::Field& field : session.exercise().fields) {
            answers.push_back(field.expected);
        }
        if (i == 1) {
            session.check(std::vector<std::string>(answers.size(), "99"));
        }
        if (i == 2) {
            session.showSolution();
        } else {
            session.check(answers);
        }
        session.next();
    }
    const app::SeriesReport report =
        app::seriesReport(session, QStringLiteral("Léa Martin"),
                          QStringLiteral("les sept équations du programme"), printed, (6 * 60 + 12) * 1000);
    return firstPage(*report.printout(QApplication::font(), printed));
});

} // namespace
