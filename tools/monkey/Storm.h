#pragma once
// The random-input storm: a seeded stream of clicks, drags, wheel turns, keys, typed and pasted text,
// menu choices and window closings, sent to whatever window takes input at the moment. It is driven
// by zero-interval timers, a fresh one whenever the current one is still being handled, so that it
// goes on inside the nested event loop of every modal window and pop-up menu the program opens.

#include "Dice.h"
#include "EventLog.h"
#include "Findings.h"
#include "HandlingMeter.h"
#include "Input.h"
#include "ProgramTimers.h"
#include "Targets.h"
#include "Watchers.h"

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QDialog;
class QTimer;

namespace monkey {

// A control the program keeps hidden but that still belongs to its behaviour: the storm presses it now
// and then through the given function, so that what it opens is stormed too.
struct HiddenControl {
    QString windowName;
    QString controlName;
    std::function<void(QWidget*)> press;
};

struct StormOptions {
    std::uint64_t seed = 0;
    std::uint64_t events = 10000;
    double limitMs = 50;
    bool recordErrors = true;  // count the error guard's messages instead of showing boxes
    bool trace = false;        // print every event as it is sent
    int watchdogSeconds = 120; // no event for that long: the program hangs
    int eventMs = 5;           // the storm's clock for the program's timers; 0: the wall clock
    std::vector<std::pair<QString, QString>> forbidden; // (window, control) never pressed
    std::vector<HiddenControl> hidden;
};

class Storm : public QObject {
    Q_OBJECT
public:
    Storm(StormOptions options, std::function<QWidget*()> createMainWindow, EventLog& log);
    ~Storm() override;

    // Shows the main window, runs the application's event loop until the storm has sent its events
    // and closed every window it opened, and deletes the main window. Returns the exit code.
    int run();

    // Ends with resultLine().
    void printSummary() const;
    // The outcome in one line: clean or not, events sent, error messages answered, the slowest handling
    // and the seed.
    std::string resultLine() const;
    const Findings& findings() const { return findings_; }
    std::uint64_t eventsSent() const { return sent_; }
    const std::map<std::string, std::size_t>& eventCounts() const { return counts_; }
    const WindowCensus& census() const { return census_; }
    std::size_t userGuideRequests() const;
    std::size_t timerTicks() const { return timers_.ticks(); }
    std::size_t errorMessages() const { return errors_.messages(); }

public Q_SLOTS:
    // The desktop's URL handler while the storm runs: the user guide is counted, not opened.
    void openUrl(const QUrl& url);

private:
    enum class Act {
        Click,
        RightClick,
        DoubleClick,
        Drag,
        Hover,
        Wheel,
        Key,
        Type,
        Paste,
        PressButton,
        MenuChoice,
        ClickOutside,
        CloseWindow,
        Activate,
        PressHidden
    };

    void tick();
    void scheduleNext();
    bool windDown();
    void ensureMainWindow();
    // One random action on the window that takes input (named so that it hides no QObject::event).
    void sendRandomAction(Dice& dice);
    std::vector<double> weights(QWidget* window) const;
    void log(const QString& what);
    bool interrupted() const;

    QWidget* pickWidget(QWidget* window, Dice& dice) const;
    QWidget* pickLineEdit(QWidget* window, Dice& dice) const;

    void click(QWidget* window, Dice& dice, Qt::MouseButton button, bool twice);
    void drag(QWidget* window, Dice& dice);
    void hover(QWidget* window, Dice& dice);
    void wheel(QWidget* window, Dice& dice);
    void key(QWidget* window, Dice& dice);
    void type(QWidget* window, Dice& dice);
    void paste(QWidget* window, Dice& dice);
    void pressButton(QWidget* window, Dice& dice);
    void menuChoice(QWidget* window, Dice& dice);
    void clickOutside(QWidget* window, Dice& dice);
    void closeWindow(QWidget* window, Dice& dice);
    void pressHidden(Dice& dice);
    void typeText(QWidget* window, const QString& text);
    void answerBox(QWidget* box);
    QDialog* outsideDialog();
    void cancelOutsideDialog(QDialog* dialog);

    StormOptions options_;
    std::function<QWidget*()> createMainWindow_;
    EventLog& log_;
    Findings findings_;
    HandlingClock clock_;
    HandlingStats stats_;
    HandlingMeter meter_;
    ErrorWatch errors_;
    Input input_;
    Targets targets_;
    QtMessageWatch qtMessages_;
    WindowCensus census_;
    ProgramTimers timers_;

    std::mt19937_64 master_;
    QPointer<QWidget> main_;
    std::vector<QTimer*> pool_;
    std::vector<bool> firing_;
    int depth_ = 0;
    std::uint64_t ticks_ = 0;
    std::uint64_t actionTick_ = 0; // the tick the running action started in
    std::uint64_t sent_ = 0;
    std::uint64_t current_ = 0;
    std::map<std::string, std::size_t> counts_;
    std::size_t mainRecreated_ = 0;
    std::size_t urlRequests_ = 0;
    // The desktop the storm gives the program: an xdg-open that notes what it is given and fails, as on a
    // machine without a web browser, so that no real viewer ever starts and the guide's own window opens.
    QTemporaryDir desktop_;
    QByteArray previousPath_;
    std::size_t hiddenPresses_ = 0;
    int windDownTicks_ = 0;
    bool finished_ = false;
    std::atomic<std::int64_t> lastTickNs_{0};
    Clock::time_point started_;
    double seconds_ = 0;
};

} // namespace monkey
