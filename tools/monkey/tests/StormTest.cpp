// The storm on small windows of its own: it reaches modal windows and keeps storming inside their
// nested loops, never presses what it must leave alone, presses the hidden controls it is given,
// replays the same events from the same seed, and reports what it is there to find.

#include "Storm.h"
#include "EventLog.h"

#include "framework/ErrorGuard.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>

namespace monkey {
namespace {

struct Counters {
    int quitPresses = 0;
    int hiddenPresses = 0;
    int dialogsOpened = 0;
};

// A main window with a field, a button opening a modal dialog (with its own field and an OK button),
// a "Quit" button the storm must never press, and a hidden button.
class TestMain : public QWidget {
public:
    explicit TestMain(Counters& counters, std::function<void()> onWork = {})
        : counters_(counters) {
        setObjectName(QStringLiteral("TestMain"));
        resize(320, 240);
        auto* layout = new QVBoxLayout(this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Field"));
        layout->addWidget(field);
        auto* open = new QPushButton(QStringLiteral("Open"), this);
        open->setObjectName(QStringLiteral("Open"));
        layout->addWidget(open);
        auto* work = new QPushButton(QStringLiteral("Work"), this);
        work->setObjectName(QStringLiteral("Work"));
        layout->addWidget(work);
        auto* quit = new QPushButton(QStringLiteral("Quit"), this);
        quit->setObjectName(QStringLiteral("Quit"));
        layout->addWidget(quit);
        auto* hidden = new QPushButton(QStringLiteral("Hidden"), this);
        hidden->setObjectName(QStringLiteral("Hidden"));
        hidden->hide();
        connect(open, &QPushButton::clicked, this, [this] { openDialog(); });
        connect(quit, &QPushButton::clicked, this, [this] {
            ++counters_.quitPresses;
            close();
        });
        connect(hidden, &QPushButton::clicked, this, [this] { ++counters_.hiddenPresses; });
        if (onWork) {
            connect(work, &QPushButton::clicked, this, std::move(onWork));
        }
    }

private:
    void openDialog() {
        ++counters_.dialogsOpened;
        QDialog dialog(this);
        dialog.setObjectName(QStringLiteral("TestDialog"));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLineEdit(&dialog));
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.exec();
    }

    Counters& counters_;
};

StormOptions optionsFor(std::uint64_t seed, std::uint64_t events) {
    StormOptions options;
    options.seed = seed;
    options.events = events;
    options.limitMs = 1000; // these tests are not about speed, except the one that says so
    options.forbidden = {{QStringLiteral("TestMain"), QStringLiteral("Quit")}};
    options.hidden = {{QStringLiteral("TestMain"), QStringLiteral("Hidden"),
                       [](QWidget* w) { static_cast<QPushButton*>(w)->click(); }}};
    return options;
}

class StormTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }
};

TEST_F(StormTest, StormsModalWindowsAndNeverPressesForbiddenControls) {
    Counters counters;
    EventLog log(1234);
    Storm storm(
        optionsFor(1234, 2000), [&] { return new TestMain(counters); }, log);
    const int code = storm.run();
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(storm.findings().empty());
    EXPECT_EQ(storm.eventsSent(), 2000u);
    EXPECT_EQ(counters.quitPresses, 0);
    EXPECT_GT(counters.dialogsOpened, 2);
    EXPECT_GT(counters.hiddenPresses, 0);
    EXPECT_EQ(storm.census().opened(QStringLiteral("QDialog")),
              static_cast<std::size_t>(counters.dialogsOpened));
    const std::string result = storm.resultLine();
    EXPECT_EQ(result.rfind("monkey: CLEAN: 2000 events in ", 0), 0u) << result;
    EXPECT_NE(result.find(", 0 error messages answered, slowest event "), std::string::npos) << result;
    const std::string tail = ", limit 1000 ms), seed 1234";
    EXPECT_EQ(result.find(tail), result.size() - tail.size()) << result;
    // Every kind of event a plain window offers was sent.
    for (const char* kind : {"click", "right click", "double click", "drag", "hover", "wheel", "key", "type",
                             "paste", "press button", "close window"}) {
        EXPECT_GT(storm.eventCounts().count(kind), 0u) << kind;
    }
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
}

std::vector<std::string> lastEvents(std::uint64_t seed) {
    Counters counters;
    EventLog log(seed);
    Storm storm(
        optionsFor(seed, 400), [&] { return new TestMain(counters); }, log);
    storm.run();
    return log.lines();
}

TEST_F(StormTest, ReplaysTheSameEventsFromTheSameSeed) {
    const std::vector<std::string> first = lastEvents(99);
    EXPECT_EQ(first, lastEvents(99));
    EXPECT_NE(first, lastEvents(100));
}

// A window whose timer shows and hides a field: what the storm aims at changes with the ticks.
std::vector<std::string> lastEventsWithATimer(std::uint64_t seed) {
    Counters counters;
    EventLog log(seed);
    Storm storm(
        optionsFor(seed, 600),
        [&] {
            auto* main = new TestMain(counters);
            auto* timer = new QTimer(main);
            timer->setInterval(100);
            auto* field = main->findChild<QLineEdit*>(QStringLiteral("Field"));
            QObject::connect(timer, &QTimer::timeout, main,
                             [field] { field->setVisible(!field->isVisible()); });
            timer->start();
            return main;
        },
        log);
    storm.run();
    EXPECT_GT(storm.timerTicks(), 10u);
    return log.lines();
}

TEST_F(StormTest, ReplaysTheSameEventsWhileTheProgramsTimersRun) {
    EXPECT_EQ(lastEventsWithATimer(31), lastEventsWithATimer(31));
}

TEST_F(StormTest, ReportsSlowHandling) {
    Counters counters;
    EventLog log(5);
    StormOptions options = optionsFor(5, 250);
    options.limitMs = 50;
    Storm storm(
        options,
        [&] {
            return new TestMain(counters, [] { std::this_thread::sleep_for(std::chrono::milliseconds(80)); });
        },
        log);
    EXPECT_EQ(storm.run(), 1);
    EXPECT_GT(storm.findings().count("slow event"), 0u);
}

TEST_F(StormTest, ReportsTheSameErrorTwiceForOneEvent) {
    Counters counters;
    EventLog log(6);
    Storm storm(
        optionsFor(6, 600),
        [&] {
            return new TestMain(counters, [] {
                framework::showErrorBox(QStringLiteral("'x' n'est pas une valeur entière correcte"));
                framework::showErrorBox(QStringLiteral("'x' n'est pas une valeur entière correcte"));
            });
        },
        log);
    EXPECT_EQ(storm.run(), 1);
    EXPECT_GT(storm.findings().count("same error twice for one event"), 0u);
    const std::string result = storm.resultLine();
    EXPECT_EQ(result.rfind("monkey: FAILED with " + std::to_string(storm.findings().size()) +
                               " findings: 600 events",
                           0),
              0u)
        << result;
    EXPECT_NE(result.find(std::to_string(storm.errorMessages()) + " error messages answered"),
              std::string::npos)
        << result;
}

TEST_F(StormTest, AnswersAndReportsARealMessageBox) {
    Counters counters;
    EventLog log(7);
    Storm storm(
        optionsFor(7, 600),
        [&] {
            auto* main = new TestMain(counters);
            QObject::connect(
                main->findChild<QPushButton*>(QStringLiteral("Work")), &QPushButton::clicked, main,
                [main] { QMessageBox::information(main, QStringLiteral("t"), QStringLiteral("a box")); });
            return main;
        },
        log);
    EXPECT_EQ(storm.run(), 1);
    EXPECT_GT(storm.findings().count("message box shown"), 0u);
    EXPECT_EQ(storm.eventsSent(), 600u);
}

TEST_F(StormTest, CancelsFileAndPrintDialogsAtOnce) {
    Counters counters;
    EventLog log(11);
    int accepted = 0;
    Storm storm(
        optionsFor(11, 600),
        [&] {
            auto* main = new TestMain(counters, [&accepted] {
                QFileDialog files;
                files.setOption(QFileDialog::DontUseNativeDialog);
                QPrinter printer;
                QPrintDialog print(&printer);
                accepted += files.exec() + print.exec();
            });
            return main;
        },
        log);
    EXPECT_EQ(storm.run(), 0);
    EXPECT_EQ(accepted, 0);
    EXPECT_GT(storm.eventCounts().at("cancel file or print dialog"), 1u);
}

TEST_F(StormTest, ReportsQtWarnings) {
    Counters counters;
    EventLog log(8);
    Storm storm(
        optionsFor(8, 600), [&] { return new TestMain(counters, [] { qWarning("something is wrong"); }); },
        log);
    EXPECT_EQ(storm.run(), 1);
    EXPECT_GT(storm.findings().count("Qt warning"), 0u);
}

TEST_F(StormTest, MeasuresTheProgramsTimerTicks) {
    Counters counters;
    EventLog log(10);
    int ticks = 0;
    Storm storm(
        optionsFor(10, 300),
        [&] {
            auto* main = new TestMain(counters);
            auto* timer = new QTimer(main);
            timer->setInterval(5);
            QObject::connect(timer, &QTimer::timeout, main, [&ticks] { ++ticks; });
            timer->start();
            return main;
        },
        log);
    EXPECT_EQ(storm.run(), 0);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(storm.timerTicks(), static_cast<std::size_t>(ticks));
}

TEST_F(StormTest, RecreatesAMainWindowThatClosed) {
    Counters counters;
    EventLog log(9);
    StormOptions options = optionsFor(9, 800);
    options.forbidden.clear(); // let it press "Quit"
    Storm storm(
        options, [&] { return new TestMain(counters); }, log);
    EXPECT_EQ(storm.run(), 0);
    EXPECT_GT(counters.quitPresses, 0);
    EXPECT_EQ(storm.eventsSent(), 800u);
}

} // namespace
} // namespace monkey
