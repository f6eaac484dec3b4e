#pragma once
// The last events the storm sent, kept in a fixed ring of fixed-size lines, so that a crash handler
// can print them without allocating: on a crash, a sanitizer report or a hang the reader sees the seed
// and the events that led there.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace monkey {

class EventLog {
public:
    static constexpr std::size_t capacity = 50;
    static constexpr std::size_t lineLength = 240;

    explicit EventLog(std::uint64_t seed)
        : seed_(seed) {}

    void record(std::uint64_t index, std::string_view description);
    std::uint64_t lastIndex() const { return lastIndex_.load(std::memory_order_relaxed); }

    // Oldest first, each line "#index description".
    std::vector<std::string> lines() const;
    // Writes the seed, the reason and the ring to a file descriptor with write() only, so that it may
    // run in a signal handler or a sanitizer's death callback.
    void dump(int fd, const char* reason) const noexcept;

private:
    std::uint64_t seed_;
    std::array<std::array<char, lineLength>, capacity> ring_{};
    std::size_t next_ = 0;
    std::size_t filled_ = 0;
    std::atomic<std::uint64_t> lastIndex_{0};
};

// Prints the log once when the process dies: std::terminate (an exception that escaped the program's
// guards), fatal signals, a sanitizer's report. The log must outlive the process's end.
void installCrashReport(const EventLog& log);

} // namespace monkey
