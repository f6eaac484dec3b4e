#pragma once
// The storm's eyes: the error messages the program reports, Qt's own warnings, the windows that open,
// and the program's timer ticks (which are measured like injected events).

#include "Findings.h"
#include "HandlingMeter.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <map>
#include <string>
#include <vector>

class QMessageBox;

namespace monkey {

// The error guard's messages. Recording mode (the default) counts them instead of showing the box;
// otherwise the real boxes open and the storm answers them like any modal window. Either way, one
// event (an injected input or a timer tick) that reports the same message twice, or a report that
// arrives while another is being made, is a finding: the pupil would face a second box for one action.
class ErrorWatch {
public:
    ErrorWatch(Findings& findings, bool record);
    ~ErrorWatch();
    ErrorWatch(const ErrorWatch&) = delete;
    ErrorWatch& operator=(const ErrorWatch&) = delete;

    // The messages arriving between these two belong to one event, named for the findings. Events nest
    // (a timer tick inside the nested loop of a modal window opened by a click).
    void beginEvent(std::string name);
    void endEvent();

    // Looks at the open message boxes: counts the new ones, and reports two open at once (and any box
    // at all while recording). Returns the box to answer in recording mode, if one is open.
    QMessageBox* scanBoxes();

    std::size_t messages() const { return total_; }
    std::size_t boxesSeen() const { return boxesSeen_; }
    void printSummary() const;

private:
    void recorded(const QString& text);

    Findings& findings_;
    bool record_;
    bool reporting_ = false;
    struct Event {
        std::string name;
        std::map<QString, int> messages;
    };
    std::vector<Event> perEvent_;
    std::map<QString, std::size_t> counts_;
    std::size_t total_ = 0;
    std::size_t boxesSeen_ = 0;
    QSet<QObject*> knownBoxes_;
};

// Qt's warnings and critical messages. Each distinct one is printed once with the event it came with;
// all of them are findings except the few listed as harmless.
class QtMessageWatch {
public:
    explicit QtMessageWatch(Findings& findings);
    ~QtMessageWatch();
    QtMessageWatch(const QtMessageWatch&) = delete;
    QtMessageWatch& operator=(const QtMessageWatch&) = delete;

    void printSummary() const;

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);
    void received(QtMsgType type, const QString& message);

    Findings& findings_;
    std::map<QString, std::size_t> counts_;
};

// Counts the windows and menus that open, by class.
class WindowCensus {
public:
    void scan();
    void printSummary() const;
    std::size_t opened(const QString& className) const;

private:
    QHash<QObject*, bool> shown_;
    std::map<QString, std::size_t> opened_;
};

} // namespace monkey
