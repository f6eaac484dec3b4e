#pragma once
// Measures how long the program takes to handle one thing it is given: an injected input event (with
// the events it posted) or a tick of one of its timers. Handling that opens a modal window runs a
// nested event loop; the time spent inside that loop belongs to the events handled there, so it is
// taken out of the outer measurement. A measurement that starts while another is open can only come
// from such a nested loop (nothing is injected, and no timer fires, from inside a handler otherwise).

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace monkey {

using Clock = std::chrono::steady_clock;

class HandlingClock {
public:
    using Now = std::function<Clock::time_point()>;
    using Token = std::uint64_t;

    explicit HandlingClock(Now now = &Clock::now);

    Token begin();
    // The handling time of the measurement, without the nested loops run inside it. Measurements
    // opened after it and never ended (their object died while it was handling) are dropped.
    Clock::duration end(Token token);

    bool inside() const { return !open_.empty(); }
    std::size_t depth() const { return open_.size(); }
    std::uint64_t abandoned() const { return abandoned_; }

private:
    struct Open {
        Token token;
        Clock::time_point start;
        bool nested = false;
        Clock::time_point nestedFrom;
        Clock::time_point nestedTo;
    };

    Now now_;
    std::vector<Open> open_;
    Token nextToken_ = 1;
    std::uint64_t abandoned_ = 0;
};

} // namespace monkey
