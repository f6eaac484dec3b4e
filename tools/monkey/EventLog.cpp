#include "EventLog.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <unistd.h>

#include "Sanitizers.h"

#ifdef MONKEY_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace monkey {

void EventLog::record(std::uint64_t index, std::string_view description) {
    std::array<char, lineLength>& line = ring_[next_];
    const int prefix =
        std::snprintf(line.data(), line.size(), "#%llu ", static_cast<unsigned long long>(index));
    const std::size_t room = line.size() - static_cast<std::size_t>(prefix) - 1;
    const std::size_t length = std::min(room, description.size());
    std::memcpy(line.data() + prefix, description.data(), length);
    line[static_cast<std::size_t>(prefix) + length] = '\0';
    next_ = (next_ + 1) % capacity;
    filled_ = std::min(filled_ + 1, capacity);
    lastIndex_.store(index, std::memory_order_relaxed);
}

std::vector<std::string> EventLog::lines() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < filled_; ++i) {
        out.emplace_back(ring_[(next_ + capacity - filled_ + i) % capacity].data());
    }
    return out;
}

namespace {

void put(int fd, const char* text) noexcept {
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(fd, text, left);
        if (written <= 0) {
            return;
        }
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

// Decimal digits without snprintf, which is not safe in a signal handler.
void putNumber(int fd, std::uint64_t value) noexcept {
    char digits[24];
    char* p = digits + sizeof digits;
    *--p = '\0';
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    put(fd, p);
}

} // namespace

void EventLog::dump(int fd, const char* reason) const noexcept {
    put(fd, "\nmonkey: ");
    put(fd, reason);
    put(fd, " at event #");
    putNumber(fd, lastIndex());
    put(fd, ", seed ");
    putNumber(fd, seed_);
    put(fd, " (repeat with --seed ");
    putNumber(fd, seed_);
    put(fd, " --events ");
    putNumber(fd, lastIndex() + 1);
    put(fd, ")\nmonkey: the last events, oldest first:\n");
    for (std::size_t i = 0; i < filled_; ++i) {
        put(fd, "  ");
        put(fd, ring_[(next_ + capacity - filled_ + i) % capacity].data());
        put(fd, "\n");
    }
}

namespace {

// The one log a dying process prints; set once before the storm starts.
const EventLog* crashLog = nullptr;
std::atomic_flag dumped = ATOMIC_FLAG_INIT;

void dumpOnce(const char* reason) noexcept {
    if (crashLog != nullptr && !dumped.test_and_set()) {
        crashLog->dump(STDERR_FILENO, reason);
    }
}

void onFatalSignal(int signal) {
    dumpOnce(signal == SIGABRT ? "abort" : "fatal signal");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void installCrashReport(const EventLog& log) {
    crashLog = &log;
    std::set_terminate([] {
        dumpOnce("std::terminate (an exception escaped to Qt or to main)");
        std::abort();
    });
    std::signal(SIGABRT, onFatalSignal);
#ifdef MONKEY_SANITIZED
    // The sanitizers own SIGSEGV and friends and print their report; they call this before dying.
    __sanitizer_set_death_callback([] { dumpOnce("sanitizer report"); });
#else
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) {
        std::signal(signal, onFatalSignal);
    }
#endif
}

} // namespace monkey
