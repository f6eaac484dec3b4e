#pragma once
// Everything the storm holds against the program: each finding with the event it happened at. The
// first findings of each kind also print the event log, so that the events leading there are seen.

#include "EventLog.h"

#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace monkey {

class Findings {
public:
    explicit Findings(const EventLog& log)
        : log_(log) {}

    void add(const std::string& kind, const QString& text);
    bool empty() const { return all_.empty(); }
    std::size_t size() const { return all_.size(); }
    std::size_t count(const std::string& kind) const {
        const auto it = perKind_.find(kind);
        return it == perKind_.end() ? 0 : it->second;
    }
    void print() const;

private:
    struct Finding {
        std::uint64_t event;
        std::string kind;
        QString text;
    };
    static constexpr std::size_t logsPerKind = 2;
    static constexpr std::size_t printedPerKind = 10;

    const EventLog& log_;
    std::vector<Finding> all_;
    std::map<std::string, std::size_t> perKind_;
};

} // namespace monkey
