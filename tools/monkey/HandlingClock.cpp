#include "HandlingClock.h"

#include <algorithm>
#include <utility>

namespace monkey {

HandlingClock::HandlingClock(Now now)
    : now_(std::move(now)) {}

HandlingClock::Token HandlingClock::begin() {
    const Clock::time_point now = now_();
    if (!open_.empty() && !open_.back().nested) {
        // The measurement below us has entered a nested loop: from now on its clock is stopped until
        // the last measurement inside that loop has ended.
        open_.back().nested = true;
        open_.back().nestedFrom = now;
        open_.back().nestedTo = now;
    }
    open_.push_back({nextToken_, now, false, {}, {}});
    return nextToken_++;
}

Clock::duration HandlingClock::end(Token token) {
    const Clock::time_point now = now_();
    const auto it =
        std::find_if(open_.begin(), open_.end(), [token](const Open& o) { return o.token == token; });
    if (it == open_.end()) {
        return Clock::duration::zero();
    }
    const auto dropped = static_cast<std::uint64_t>(open_.end() - (it + 1));
    abandoned_ += dropped;
    Open finished = *it;
    if (dropped > 0) {
        // The dropped ones ran in a nested loop that lasted, as far as anyone knows, until now.
        finished.nestedTo = now;
    }
    open_.erase(it, open_.end());
    if (!open_.empty() && open_.back().nested) {
        open_.back().nestedTo = now;
    }
    Clock::duration own = now - finished.start;
    if (finished.nested) {
        own -= finished.nestedTo - finished.nestedFrom;
    }
    return own;
}

} // namespace monkey
