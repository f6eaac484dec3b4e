// What the framework gives a screen reader: a table drawn from separate controls, read cell by cell
// with its row and column and walked with the keys; the controls under it left out; the messages a
// slider's keys announce.

#include "framework/AccessibleTable.h"
#include "framework/Announcement.h"
#include "framework/TrackBar.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Walk {
    const char* name;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
    const char* heard;
};

class ReadableTableTest : public ::testing::TestWithParam<Walk> {
protected:
    void SetUp() override {
        page.resize(300, 200);
        table = new QWidget(&page);
        under = new QLabel(QStringLiteral("2"), &page);
        framework::TableReading reading;
        reading.rowCount = 2;
        reading.columnCount = [] { return 3; };
        reading.rowName = [](int row) { return row == 0 ? QStringLiteral("Début") : QStringLiteral("Fin"); };
        reading.columnName = [](int column) { return QStringLiteral("C%1").arg(column); };
        reading.cell = [](int row, int column) { return QStringLiteral("%1 mol").arg(row * 10 + column); };
        readable = framework::readAsTable(table, QStringLiteral("Tableau"), std::move(reading), {under});
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        table->setFocus(Qt::TabFocusReason);
    }
    QWidget page;
    QWidget* table = nullptr;
    QLabel* under = nullptr;
    framework::ReadableTable* readable = nullptr;
};

TEST_P(ReadableTableTest, TheKeysMoveTheCurrentCellWhichReadsWithItsRowAndColumn) {
    for (const auto& [key, modifiers] : GetParam().keys) {
        QTest::keyClick(table, Qt::Key(key), modifiers);
    }
    EXPECT_EQ(readable->spokenCell(readable->currentRow(), readable->currentColumn()),
              QString::fromUtf8(GetParam().heard));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(accessible->tableInterface(), nullptr);
    QAccessibleInterface* cell = accessible->focusChild();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(GetParam().heard));
    EXPECT_TRUE(cell->state().focused);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReadableTableTest,
    ::testing::Values(Walk{"Start", {}, "Début, C0 : 0 mol"},
                      Walk{"RightDown",
                           {{Qt::Key_Right, Qt::NoModifier}, {Qt::Key_Down, Qt::NoModifier}},
                           "Fin, C1 : 11 mol"},
                      Walk{"StopsAtTheEdges",
                           {{Qt::Key_Up, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier}},
                           "Début, C0 : 0 mol"},
                      Walk{"EndOfRow", {{Qt::Key_End, Qt::NoModifier}}, "Début, C2 : 2 mol"},
                      Walk{"LastCellThenRowStart",
                           {{Qt::Key_End, Qt::ControlModifier}, {Qt::Key_Home, Qt::NoModifier}},
                           "Fin, C0 : 10 mol"},
                      Walk{"FirstCell",
                           {{Qt::Key_Down, Qt::NoModifier}, {Qt::Key_Home, Qt::ControlModifier}},
                           "Début, C0 : 0 mol"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadableTableTest, WhatTheTableCoversIsLeftOutAndSilent) {
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&page);
    QList<QObject*> children;
    for (int i = 0; i < parent->childCount(); ++i) {
        children << parent->child(i)->object();
    }
    EXPECT_TRUE(children.contains(table));
    EXPECT_FALSE(children.contains(under));
    // An interface that is not valid is one for which Qt raises no event at all.
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(under)->isValid());
}

TEST(Announcement, ASlidersKeyAnnouncesWhatItsValueTextReadsAfterTheChange) {
    QWidget window;
    auto* bar = new framework::TTrackBar(&window);
    bar->setRange(0, 10);
    int handled = 0;
    bar->OnChange = [&](QObject*) { ++handled; };
    bar->ValueText = [&] { return QStringLiteral("X = %1 mol, après %2").arg(bar->position()).arg(handled); };
    window.show();
    bar->setFocus();
    framework::TAnnouncement* announcement = framework::TAnnouncement::of(&window);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(announcement->message(), QStringLiteral("X = 1 mol, après 1"));
    bar->setPosition(5); // the program's move is not announced
    EXPECT_EQ(announcement->message(), QStringLiteral("X = 1 mol, après 1"));
    EXPECT_EQ(framework::TAnnouncement::of(bar), announcement) << "one announcement per window";
    QWidget dialog(&window, Qt::Dialog);
    EXPECT_EQ(framework::TAnnouncement::of(&dialog), announcement) << "a dialog's goes through its owner";
    EXPECT_TRUE(announcement->isVisible());
}

} // namespace
