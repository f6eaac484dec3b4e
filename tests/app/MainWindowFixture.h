#pragma once
// A main window on a 1024 x 738 work area, shown on the offscreen platform in the French locale, and
// the means to drive it as a pupil does: by the controls' names, with the mouse and the keyboard.

#include "app/UnitMolvanex.h"
#include "chart/ChartView.h"
#include "controls/BevelCheck.h"
#include "controls/FloatSpinEdit.h"
#include "controls/GlyphBtn.h"
#include "controls/MarkupImageList.h"
#include "controls/markuplabel.h"
#include "framework/TrackBar.h"
#include "support/WidgetTestMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace app_testing {

inline const QRect lessonWorkArea(0, 0, 1024, 738);

// One notch of the mouse wheel over a widget, which does not take the focus.
inline void turnWheelOver(QWidget* widget) {
    const QPointF at = QPointF(widget->rect().center());
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::ErrorBoxRecorder::clear();
        window_ = std::make_unique<app::TFiche_molvanex>(nullptr, [] { return lessonWorkArea; });
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    void TearDown() override {
        window_.reset();
        testing_support::ErrorBoxRecorder::clear();
    }

    app::TFiche_molvanex& window() { return *window_; }

    template <class T = QWidget> T* child(const QString& name) {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <class T = QWidget> T* child(const char* name) { return child<T>(QString::fromLatin1(name)); }

    // What a control shows: a field's text, a static text's caption or a markup label's markup.
    QString shown(const char* name) {
        QObject* object = child<QObject>(name);
        if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            return edit->text();
        }
        if (auto* label = qobject_cast<QLabel*>(object)) {
            return label->text();
        }
        if (auto* markup = qobject_cast<controls::TMarkupLabel*>(object)) {
            return markup->HTMLText().lines().join(QString());
        }
        ADD_FAILURE() << name << " shows no text";
        return {};
    }
    bool visible(const char* name) { return child(name)->isVisible(); }

    // Gives the window an outer size, its frame included (the chart sizing reads the outer size).
    void resizeOuter(int width, int height) {
        const QSize frame = window_->frameGeometry().size() - window_->size();
        window_->resize(width - frame.width(), height - frame.height());
        ASSERT_EQ(window_->frameGeometry().size(), QSize(width, height));
    }

    controls::TBevelCheck* box(int preset) {
        return child<controls::TBevelCheck>(QStringLiteral("BevelCheck%1").arg(preset));
    }
    framework::TTrackBar* slider() { return child<framework::TTrackBar>("BarEvolution"); }
    controls::TFloatSpinEdit* field(int reactant) {
        return child<controls::TFloatSpinEdit>(reactant == 1 ? "MaskEdit11i" : "MaskEdit22i");
    }
    chart::TChartView* barChart() { return child<chart::TChartView>("Chart1"); }
    chart::TChartView* lineChart() { return child<chart::TChartView>("Chart2"); }
    chart::BarSeries& bars() { return barChart()->barSeries(0); }
    chart::LineSeries& line(int slot) { return lineChart()->lineSeries(slot - 1); }
    QAction* item(const char* name) { return child<QAction>(name); }

    // A left click on the check box of a preset, as the mouse gives it.
    void clickBox(int preset) { QTest::mouseClick(box(preset), Qt::LeftButton, {}, QPoint(6, 8)); }

    void clickButton(const char* name) {
        QWidget* button = child(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Selects the whole field and types the text over it.
    void typeInto(int reactant, const QString& text) {
        controls::TFloatSpinEdit* edit = field(reactant);
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(8, edit->height() / 2));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Moves the slider with the keyboard: Home, then Right (ten at a time) and Page Up (two at a time).
    void slideTo(int position) {
        framework::TTrackBar* bar = slider();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        for (int i = 0; i < position / 10; ++i) {
            QTest::keyClick(bar, Qt::Key_Right);
        }
        for (int i = 0; i < position % 10 / 2; ++i) {
            QTest::keyClick(bar, Qt::Key_PageUp);
        }
        ASSERT_EQ(bar->position(), position) << "the keyboard reaches even positions only";
    }

    std::vector<std::string> barLabels() {
        std::vector<std::string> labels;
        for (const chart::ChartPoint& point : bars().points()) {
            labels.push_back(point.label);
        }
        return labels;
    }
    std::vector<double> barValues() {
        std::vector<double> values;
        for (const chart::ChartPoint& point : bars().points()) {
            values.push_back(point.y);
        }
        return values;
    }
    std::vector<std::string> legendTexts() {
        std::vector<std::string> texts;
        for (const chart::LegendEntry& entry : lineChart()->legendEntries()) {
            texts.push_back(entry.text);
        }
        return texts;
    }

    static QStringList errors() { return testing_support::ErrorBoxRecorder::messages(); }

private:
    std::unique_ptr<app::TFiche_molvanex> window_;
};

} // namespace app_testing
