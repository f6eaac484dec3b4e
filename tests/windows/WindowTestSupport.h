#pragma once
// What the window tests share: finding a named control, clicking with the real mouse, typing into a
// field, and the error boxes recorded since the test began.

#include "support/Eventually.h"
#include "support/WidgetTestMain.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace windows_tests {

template <class T = QWidget> T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

// A left click in the middle of the control, as the pupil makes it.
inline void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Replaces the whole text of a field by typing: select all, then the characters one by one (the first
// replaces the selection), or Backspace for an empty text.
inline void typeInto(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, text);
    }
}

inline QStringList errorBoxes() {
    return testing_support::ErrorBoxRecorder::messages();
}

// Every test starts with no recorded error box.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::ErrorBoxRecorder::clear(); }
    void TearDown() override { testing_support::ErrorBoxRecorder::clear(); }
};

} // namespace windows_tests
