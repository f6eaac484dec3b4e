// The measurement table: its headings and columns, the measurements from X = 0 to xmax, the count field
// with its up-down, "Valider" and its refusals, and copying cells to a spreadsheet.

#include "FakeMainForm.h"
#include "WindowTestSupport.h"

#include "framework/Announcement.h"
#include "windows/MeasurementGrid.h"
#include "windows/UniteTableau.h"
#include "windows/UpDown.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "framework/FileSaving.h"
#include "framework/LongWork.h"
#include "framework/Printing.h"
#include "support/ModalDialogs.h"
#include "support/Pdf.h"

namespace windows_tests {
namespace {

using windows::TFicheTab;

class TableWindow : public WindowTest {
protected:
    // Preset 1 with 2,5 mol of carbon and 5 mol of dioxygen: xmax = 2.5.
    void SetUp() override {
        WindowTest::SetUp();
        main.setQuantities(QStringLiteral("2,5"), QStringLiteral("5"));
    }
    std::unique_ptr<TFicheTab> open() {
        auto window = std::make_unique<TFicheTab>(main, nullptr);
        window->show();
        // The styled button takes the keyboard focus on a press, which an inactive window cannot give.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
        return window;
    }
    void validate(TFicheTab& window, const QString& count) {
        typeInto(child<QLineEdit>(window, "EditNbreMesures"), count);
        click(child(window, "GlyphButton1"));
    }
    QString countText(const TFicheTab& window) { return child<QLineEdit>(window, "EditNbreMesures")->text(); }
    QStringList row(const TFicheTab& window, int gridRow) {
        QStringList cells;
        for (int column = 0; column < window.columnCount(); ++column) {
            cells << window.cell(column, gridRow);
        }
        return cells;
    }

    FakeMainForm main{1};
};

TEST_F(TableWindow, OpensWithTheCaptionAndAHundredMeasurementsFromZeroToXmax) {
    auto window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("tableau des mesures"));
    EXPECT_EQ(window->size(), QSize(385, 458));
    EXPECT_EQ(countText(*window), QStringLiteral("100"));
    EXPECT_EQ(window->rowCount(), 102);
    EXPECT_EQ(row(*window, 0),
              (QStringList{QStringLiteral("N° mesures"), QStringLiteral("X"), QStringLiteral("n[C(s)]"),
                           QStringLiteral("n[O2(g)]"), QStringLiteral("n[CO2(g)]")}));
    EXPECT_EQ(row(*window, 1), (QStringList{QString(), QStringLiteral("moles"), QStringLiteral("moles"),
                                            QStringLiteral("moles"), QStringLiteral("moles")}));
    EXPECT_EQ(row(*window, 2),
              (QStringList{QStringLiteral("1"), QStringLiteral("0,000"), QStringLiteral("2,500"),
                           QStringLiteral("5,000"), QStringLiteral("0,000")}));
    EXPECT_EQ(row(*window, 101),
              (QStringList{QStringLiteral("100"), QStringLiteral("2,500"), QStringLiteral("0,000"),
                           QStringLiteral("2,500"), QStringLiteral("2,500")}));
    EXPECT_TRUE(errorBoxes().isEmpty());
}

TEST_F(TableWindow, WithoutSlotFourHasFiveColumnsAndWithItSix) {
    auto without = open();
    EXPECT_EQ(without->columnCount(), 5);
    EXPECT_EQ(without->cell(5, 2), QString());

    main.load(2); // CuO + C gives Cu + CO2
    auto with = open();
    ASSERT_EQ(with->columnCount(), 6);
    EXPECT_EQ(with->cell(5, 0), QStringLiteral("n[CO2(g)]"));
    EXPECT_EQ(with->cell(5, 1), QStringLiteral("moles"));
    EXPECT_EQ(with->cell(5, 101), QStringLiteral("1,000")); // xmax 1, coefficient 1
    EXPECT_EQ(with->cell(4, 101), QStringLiteral("2,000"));
}

TEST_F(TableWindow, TheGridHeadersShowBothHeadingLines) {
    auto window = open();
    auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("n[C(s)]\nmoles"));
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        const QString heading =
            grid->model()->headerData(column, Qt::Horizontal).toString().section(QLatin1Char('\n'), 0, 0);
        EXPECT_GE(grid->columnWidth(column),
                  grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading))
            << "column " << column;
    }
}

// The window keeps its design size, and widens to show every column of a long equation whole, as many
// measurements as are asked.
TEST_F(TableWindow, EveryColumnShowsWhole) {
    for (const auto& [preset, count] : {std::pair{1, "100"}, {7, "100"}, {7, "1000000"}}) {
        main.load(preset);
        auto window = open();
        validate(*window, QString::fromLatin1(count));
        auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
        QApplication::processEvents();
        EXPECT_GE(window->width(), 385) << preset;
        EXPECT_EQ(window->height(), 458) << preset;
        const int last = grid->model()->columnCount() - 1;
        EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last), grid->viewport()->width())
            << "preset " << preset << ", " << count << " measurements";
        EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0) << preset;
    }
}

TEST_F(TableWindow, TenMeasurementsStepByANinthOfXmaxAndDropTheRowsBeyond) {
    auto window = open();
    validate(*window, QStringLiteral("10"));
    EXPECT_EQ(window->rowCount(), 12);
    EXPECT_EQ(window->cell(1, 2), QStringLiteral("0,000"));
    EXPECT_EQ(window->cell(1, 3), QStringLiteral("0,278")); // 2,5 / 9
    EXPECT_EQ(window->cell(1, 11), QStringLiteral("2,500"));
    EXPECT_EQ(window->cell(0, 11), QStringLiteral("10"));
    EXPECT_EQ(window->cell(0, 12), QString());
    EXPECT_TRUE(errorBoxes().isEmpty());
}

// From the keyboard: the count is selected when the window opens, so that a typed count replaces it;
// Enter confirms it aloud; Tab and Shift+Tab leave the grid, whose cells the arrows walk.
TEST_F(TableWindow, TheCountIsTypedOverConfirmedAloudAndTabLeavesTheGrid) {
    auto window = open();
    auto* count = child<QLineEdit>(*window, "EditNbreMesures");
    count->setFocus(Qt::ActiveWindowFocusReason);
    QTest::keyClicks(count, QStringLiteral("5"));
    QTest::keyClick(count, Qt::Key_Return);
    EXPECT_EQ(window->rowCount(), 7);
    EXPECT_EQ(framework::TAnnouncement::of(window.get())->message(),
              QStringLiteral("5 mesures, de X = 0,000 mol à X = 2,500 mol"));
    auto* grid = child(*window, "Tableau");
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        grid->setFocus(Qt::TabFocusReason);
        QTest::keyClick(grid, key);
        EXPECT_NE(QApplication::focusWidget(), grid) << key;
    }
}

TEST_F(TableWindow, TheUpDownAtItsMaximumWritesTheGroupedThousandThatValiderReads) {
    auto window = open();
    auto* edit = child<QLineEdit>(*window, "EditNbreMesures");
    edit->setFocus();
    for (int i = 0; i < 95; ++i) { // 100 to 1000 in steps of 10, then against the stop
        QTest::keyClick(edit, Qt::Key_Up);
    }
    const QString thousand = QStringLiteral("1") + QLocale().groupSeparator() + QStringLiteral("000");
    EXPECT_EQ(edit->text(), thousand);
    EXPECT_NE(QLocale().groupSeparator(), QStringLiteral(" ")); // the French grouping is no plain space
    click(child(*window, "GlyphButton1"));
    EXPECT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->rowCount(), 1002);
    EXPECT_EQ(window->cell(0, 1001), QStringLiteral("1000"));
    EXPECT_EQ(window->cell(1, 1001), QStringLiteral("2,500"));
}

TEST_F(TableWindow, TheArrowsStepByTenWithinZeroToAThousand) {
    auto window = open();
    auto* upDown = child<windows::TUpDown>(*window, "UpDownMesures");
    ASSERT_NE(upDown, nullptr);
    const auto arrows = upDown->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    QToolButton* down = up == arrows[0] ? arrows[1] : arrows[0];
    click(up);
    EXPECT_EQ(countText(*window), QStringLiteral("110"));
    typeInto(child<QLineEdit>(*window, "EditNbreMesures"), QStringLiteral("15"));
    click(down);
    EXPECT_EQ(countText(*window), QStringLiteral("5")); // from what was typed
    click(down);
    EXPECT_EQ(countText(*window), QStringLiteral("0"));
    QTest::keyClick(child<QLineEdit>(*window, "EditNbreMesures"), Qt::Key_Down);
    EXPECT_EQ(countText(*window), QStringLiteral("0"));
}

TEST_F(TableWindow, OneMeasurementLiesAtZeroWithoutAnyError) {
    auto window = open();
    validate(*window, QStringLiteral("1"));
    EXPECT_TRUE(errorBoxes().isEmpty());
    EXPECT_EQ(window->rowCount(), 3);
    EXPECT_EQ(row(*window, 2),
              (QStringList{QStringLiteral("1"), QStringLiteral("0,000"), QStringLiteral("2,500"),
                           QStringLiteral("5,000"), QStringLiteral("0,000")}));
}

struct NoRowCase {
    const char* name;
    const char* count;
};

class TableWithoutRows : public TableWindow, public ::testing::WithParamInterface<NoRowCase> {};

TEST_P(TableWithoutRows, KeepsItsHeadingsAndShowsNoMeasurement) {
    auto window = open();
    validate(*window, QString::fromUtf8(GetParam().count));
    EXPECT_TRUE(errorBoxes().isEmpty());
    EXPECT_EQ(window->rowCount(), 2);
    EXPECT_EQ(window->cell(0, 0), QStringLiteral("N° mesures"));
    EXPECT_EQ(window->cell(0, 2), QString());
}

INSTANTIATE_TEST_SUITE_P(Counts, TableWithoutRows,
                         ::testing::Values(NoRowCase{"Zero", "0"}, NoRowCase{"Negative", "-5"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    const char* count;
    bool aboveTheCap = false;
};

class RefusedCount : public TableWindow, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCount, ShowsItsMessageAndKeepsTheRows) {
    auto window = open();
    validate(*window, QStringLiteral("10"));
    const QString text = QString::fromUtf8(GetParam().count);
    validate(*window, text);
    const QString limit =
        QStringLiteral("Le nombre de mesures doit être compris entre 0 et 1\u202F000\u202F000.");
    EXPECT_EQ(errorBoxes(),
              QStringList{GetParam().aboveTheCap
                              ? limit
                              : QLatin1Char('\'') + text +
                                    QStringLiteral("' n'est pas une valeur entière correcte.")});
    EXPECT_EQ(window->rowCount(), 12);
    EXPECT_EQ(window->cell(1, 11), QStringLiteral("2,500"));
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedCount,
                         ::testing::Values(RefusedCase{"Empty", ""}, RefusedCase{"Letters", "dix"},
                                           RefusedCase{"Decimal", "2,5"}, RefusedCase{"BadGroup", "1 00"},
                                           RefusedCase{"Exponent", "1e6"},
                                           RefusedCase{"AboveAMillion", "1000001", true},
                                           RefusedCase{"FarAboveAMillion", "99999999999", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableWindow, AMillionMeasurementsAreAccepted) {
    auto window = open();
    validate(*window, QStringLiteral("1 000 000"));
    EXPECT_TRUE(errorBoxes().isEmpty());
    EXPECT_EQ(window->rowCount(), 1'000'002);
    EXPECT_EQ(window->cell(0, 1'000'001), QStringLiteral("1000000"));
    EXPECT_EQ(window->cell(1, 1'000'001), QStringLiteral("2,500"));
    EXPECT_EQ(window->cell(2, 1'000'001), QStringLiteral("0,000"));
}

TEST_F(TableWindow, ACountTypedAboveTheUpDownRangeIsAccepted) {
    auto window = open();
    validate(*window, QStringLiteral("1500"));
    EXPECT_TRUE(errorBoxes().isEmpty());
    EXPECT_EQ(window->rowCount(), 1502);
}

TEST_F(TableWindow, AMainWindowQuantityThatIsNoNumberLeavesOnlyTheHeadings) {
    main.setQuantities(QStringLiteral("-"), QStringLiteral("5"));
    auto window = open();
    EXPECT_EQ(errorBoxes(),
              QStringList{QStringLiteral("'-' n'est pas une valeur en virgule flottante correcte.")});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->rowCount(), 2);
    EXPECT_EQ(window->cell(2, 0), QStringLiteral("n[C(s)]"));
}

TEST_F(TableWindow, SelectedCellsAreCopiedAsTabSeparatedLines) {
    auto window = open();
    auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
    ASSERT_NE(grid, nullptr);
    const QRect first = grid->visualRect(grid->model()->index(0, 1));
    const QRect last = grid->visualRect(grid->model()->index(1, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, last.center());
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0,000\t2,500\n0,025\t2,475\n"));
}

TEST_F(TableWindow, CopyingEverythingBringsTheHeadingsAlong) {
    auto window = open();
    validate(*window, QStringLiteral("2"));
    auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("N° mesures\tX\tn[C(s)]\tn[O2(g)]\tn[CO2(g)]\n"
                             "\tmoles\tmoles\tmoles\tmoles\n"
                             "1\t0,000\t2,500\t5,000\t0,000\n"
                             "2\t2,500\t0,000\t2,500\t2,500\n"));
}

TEST_F(TableWindow, SelectingAMillionRowsTellsAScreenReaderRowsNotMillionsOfCells) {
    auto window = open();
    validate(*window, QStringLiteral("1000000"));
    auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
    QAccessible::setActive(true);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->selectedCellCount(), 5'000'000);
    EXPECT_EQ(table->selectedRowCount(), 1'000'000);
    EXPECT_EQ(table->selectedRows().back(), 999'999);
    EXPECT_TRUE(table->isColumnSelected(4));
    EXPECT_TRUE(table->selectedCells().isEmpty());
    // A small selection is listed cell by cell, as the cells read.
    const QRect first = grid->visualRect(grid->model()->index(0, 1));
    const QRect last = grid->visualRect(grid->model()->index(1, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, last.center());
    QStringList cells;
    for (QAccessibleInterface* cell : table->selectedCells()) {
        cells << cell->text(QAccessible::Name);
    }
    EXPECT_EQ(cells, (QStringList{QStringLiteral("0,000"), QStringLiteral("2,500"), QStringLiteral("0,000"),
                                  QStringLiteral("2,500")}));
    EXPECT_EQ(table->selectedRowCount(), 0);
    QAccessible::setActive(false);
}

TEST_F(TableWindow, EnterInTheCountFieldValidates) {
    auto window = open();
    auto* field = child<QLineEdit>(*window, "EditNbreMesures");
    typeInto(field, QStringLiteral("10"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window->rowCount(), 12);
    EXPECT_TRUE(window->isVisible());
}

class TableMenu : public TableWindow {
protected:
    // The right button through the window, which turns it into the pop-up request as the window system
    // does; then the item named item.
    void choose(const TFicheTab& window, const char* item) {
        auto* grid = child<windows::TMeasurementGrid>(window, "Tableau");
        const QPoint cell = grid->visualRect(grid->model()->index(0, 0)).center();
        QTest::mouseClick(grid->window()->windowHandle(), Qt::RightButton, {},
                          grid->viewport()->mapTo(grid->window(), cell));
        QMenu* menu = grid->contextMenu();
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
        QAction* action = menu->findChild<QAction*>(QString::fromLatin1(item));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QTemporaryDir folder;
};

TEST_F(TableMenu, CopierCopiesTheSelectionOrWithNoneTheWholeTable) {
    auto window = open();
    validate(*window, QStringLiteral("2"));
    choose(*window, "Copier"); // the right click selected the first cell
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1\n"));
    auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
    QStringList captions;
    for (const QAction* action : grid->contextMenu()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Copier"), QStringLiteral("Tout sélectionner"), QString(),
                                     QStringLiteral("Enregistrer sous…"), QStringLiteral("Imprimer…")}));
    grid->clearSelection();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->contextMenu()->isVisible(); }));
    QTest::keyClick(grid->contextMenu(), Qt::Key_Down);
    QTest::keyClick(grid->contextMenu(), Qt::Key_Return);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("N° mesures\tX\tn[C(s)]\tn[O2(g)]\tn[CO2(g)]\n"
                             "\tmoles\tmoles\tmoles\tmoles\n"
                             "1\t0,000\t2,500\t5,000\t0,000\n"
                             "2\t2,500\t0,000\t2,500\t2,500\n"));
}

TEST_F(TableMenu, SavesACsvFileThatReadsBackAsTheGridsCellsAndFrenchNumbers) {
    main.load(2); // CuO + C
    main.setQuantities(QStringLiteral("3000"), QStringLiteral("1000,5"));
    auto window = open();
    validate(*window, QStringLiteral("1000"));
    QString proposed;
    testing_support::whenModal<QFileDialog>(QString::fromLatin1(framework::saveDialogName),
                                            [&](QFileDialog* d) {
                                                proposed = QFileInfo(d->selectedFiles().value(0)).fileName();
                                                d->selectFile(folder.filePath(QStringLiteral("mesures.csv")));
                                                static_cast<QDialog*>(d)->accept();
                                            });
    choose(*window, "EnregistrerSous");
    EXPECT_EQ(proposed, QStringLiteral("mesures-CuO-C.csv"));
    QFile file(folder.filePath(QStringLiteral("mesures.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), window->rowCount());
    const QLocale french(QLocale::French, QLocale::France);
    for (int row = 0; row < window->rowCount(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char(';'));
        ASSERT_EQ(cells.size(), window->columnCount()) << row;
        for (int column = 0; column < window->columnCount(); ++column) {
            bool number = row < 2;
            (void)french.toDouble(cells[column], row < 2 ? nullptr : &number);
            ASSERT_TRUE(number && cells[column] == window->cell(column, row).remove(french.groupSeparator()))
                << row << ' ' << column << ' ' << cells[column].toStdString();
        }
    }
    EXPECT_EQ(window->cell(2, 2), QStringLiteral("3\u202F000,000")); // the grid groups, the file does not
}

// Answers the next print dialog: no printer here, so it proposes a PDF file in the folder last saved
// into; pdf is typed instead, and choose sets the dialog's options.
void printThroughTheDialog(const QString& pdf, const std::function<void(QPrintDialog*)>& choose) {
    testing_support::whenModal<QPrintDialog>(
        QString::fromLatin1(framework::printDialogName), [=](QPrintDialog* d) {
            auto* edit = d->findChild<QLineEdit*>(QStringLiteral("filename"));
            EXPECT_TRUE(edit->text().endsWith(QLatin1String("mesures-C-O2.pdf")));
            edit->selectAll();
            QTest::keyClicks(edit, pdf);
            choose(d);
            d->accept();
        });
}

TEST_F(TableMenu, PrintsAThousandMeasurementsToAPdfWithTheHeadingsOnEveryPageOrTheChosenPages) {
    auto window = open();
    validate(*window, QStringLiteral("1000"));
    const QString pdf = folder.filePath(QStringLiteral("mesures.pdf"));
    QString question;
    testing_support::whenModal<QMessageBox>(QString::fromLatin1(framework::pageCountQuestionName),
                                            [&](QMessageBox* box) {
                                                question = box->text();
                                                box->button(QMessageBox::Yes)->click();
                                            });
    printThroughTheDialog(pdf, [](QPrintDialog*) {});
    choose(*window, "Imprimer");
    EXPECT_EQ(question, QStringLiteral("L'impression fera 18 pages.\nVoulez-vous vraiment les imprimer ?"));
    // An A4 page holds 56 rows of 9-point text below the title, the date and the two heading lines.
    EXPECT_EQ(testing_support::pdfPages(pdf), 18);
    const QString last = testing_support::pdfText(pdf, 18, 18);
    for (const char* text : {"C(s) + O2(g) → CO2(g)", "Tableau des mesures, imprimé le", "page 18 / 18",
                             "n[O2(g)]", "1000", "2,500"}) {
        EXPECT_TRUE(last.contains(QString::fromUtf8(text))) << text << "\n" << last.toStdString();
    }

    // Pages 2 and 3 only, numbered as in the whole printout, and without a question.
    question.clear();
    printThroughTheDialog(pdf, [](QPrintDialog* d) {
        d->findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
        d->findChild<QSpinBox*>(QStringLiteral("to"))->setValue(3);
        d->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
    });
    choose(*window, "Imprimer");
    EXPECT_EQ(testing_support::pdfPages(pdf), 2);
    EXPECT_TRUE(testing_support::pdfText(pdf, 1, 1).contains(QStringLiteral("page 2 / 18")));
    EXPECT_TRUE(testing_support::pdfText(pdf, 2, 2).contains(QStringLiteral("page 3 / 18")));
    EXPECT_TRUE(question.isEmpty());
    EXPECT_TRUE(errorBoxes().isEmpty());
}

// A command on a million measurements, cancelled at its progress dialog.
struct CancelCase {
    const char* name;
    const char* item;
};

class CancelledCommand : public TableMenu, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelledCommand, LeavesNoFileAndTheClipboardAsItWas) {
    auto window = open();
    validate(*window, QStringLiteral("1000000"));
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    const QString item = QString::fromLatin1(GetParam().item);
    QString question;
    if (item == QLatin1String("Imprimer")) {
        printThroughTheDialog(folder.filePath(QStringLiteral("mesures.pdf")), [](QPrintDialog*) {});
        testing_support::whenModal<QMessageBox>(QString::fromLatin1(framework::pageCountQuestionName),
                                                [&](QMessageBox* box) {
                                                    question = box->text();
                                                    box->button(QMessageBox::Yes)->click();
                                                });
    } else if (item == QLatin1String("EnregistrerSous")) {
        testing_support::whenModal<QFileDialog>(
            QString::fromLatin1(framework::saveDialogName), [this](QFileDialog* d) {
                d->selectFile(folder.filePath(QStringLiteral("mesures.csv")));
                static_cast<QDialog*>(d)->accept();
            });
    } else {
        // Everything, which the right click on a selected cell keeps.
        auto* grid = child<windows::TMeasurementGrid>(*window, "Tableau");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    }
    bool cancelled = false;
    testing_support::whenModal<QProgressDialog>(QString::fromLatin1(framework::progressDialogName),
                                                [&](QProgressDialog* progress) {
                                                    cancelled = true;
                                                    click(progress->findChild<QPushButton*>());
                                                });
    choose(*window, GetParam().item);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("avant"));
    EXPECT_TRUE(errorBoxes().isEmpty());
    if (item == QLatin1String("Imprimer")) {
        EXPECT_EQ(question, QStringLiteral(
                                "L'impression fera 17\u202F858 pages.\nVoulez-vous vraiment les imprimer ?"));
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, CancelledCommand,
                         ::testing::Values(CancelCase{"Print", "Imprimer"},
                                           CancelCase{"Save", "EnregistrerSous"},
                                           CancelCase{"Copy", "Copier"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace windows_tests
