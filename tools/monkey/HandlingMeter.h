#pragma once
// Files each handling time under its kind and reports the ones over the limit as findings.

#include "Findings.h"
#include "HandlingClock.h"
#include "HandlingStats.h"

#include <chrono>
#include <string>

namespace monkey {

struct HandlingMeter {
    HandlingClock& clock;
    HandlingStats& stats;
    Findings& findings;
    double limitMs;

    void add(const std::string& kind, Clock::duration time) {
        stats.add(kind, std::chrono::duration_cast<std::chrono::nanoseconds>(time));
        const double ms = std::chrono::duration<double, std::milli>(time).count();
        if (ms > limitMs) {
            findings.add("slow event", QStringLiteral("%1 took %2 ms (limit %3 ms)")
                                           .arg(QString::fromStdString(kind))
                                           .arg(ms, 0, 'f', 1)
                                           .arg(limitMs, 0, 'f', 0));
        }
    }
};

} // namespace monkey
