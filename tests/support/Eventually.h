#pragma once
// Waiting for something that the event loop brings about. Qt's QTRY_* macros report a failure to a
// QTest run only: under GoogleTest they return from the test and it passes. These wait the same way,
// processing events, and fail the test through GoogleTest when the time runs out.

#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

#define ASSERT_EVENTUALLY_WITH_TIMEOUT(condition, timeoutMs)                                                 \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, timeoutMs))                                 \
        << "still false after " << (timeoutMs) << " ms: " #condition
#define ASSERT_EVENTUALLY(condition) ASSERT_EVENTUALLY_WITH_TIMEOUT(condition, 5000)

#define ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(actual, expected, timeoutMs)                                       \
    do {                                                                                                     \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, timeoutMs));               \
        ASSERT_EQ(actual, expected) << "after waiting " << (timeoutMs) << " ms";                             \
    } while (false)
#define ASSERT_EVENTUALLY_EQ(actual, expected) ASSERT_EVENTUALLY_EQ_WITH_TIMEOUT(actual, expected, 5000)

// Readable Qt values in the failure messages (these types live in the global namespace).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << (&text == &texts.back() ? "" : ", ");
    }
    *out << '}';
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
