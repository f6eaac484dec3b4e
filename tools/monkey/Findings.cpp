#include "Findings.h"

#include <cstdio>
#include <unistd.h>

namespace monkey {

void Findings::add(const std::string& kind, const QString& text) {
    const std::uint64_t event = log_.lastIndex();
    all_.push_back({event, kind, text});
    const std::size_t seen = ++perKind_[kind];
    std::fprintf(stderr, "monkey: FINDING at event #%llu: %s: %s\n", static_cast<unsigned long long>(event),
                 kind.c_str(), qPrintable(text));
    if (seen <= logsPerKind) {
        std::fflush(stderr);
        log_.dump(STDERR_FILENO, kind.c_str());
    }
}

void Findings::print() const {
    std::printf("findings: %zu\n", all_.size());
    std::map<std::string, std::size_t> printed;
    for (const Finding& f : all_) {
        if (++printed[f.kind] <= printedPerKind) {
            std::printf("  #%llu %s: %s\n", static_cast<unsigned long long>(f.event), f.kind.c_str(),
                        qPrintable(f.text));
        }
    }
    for (const auto& [kind, count] : perKind_) {
        if (count > printedPerKind) {
            std::printf("  ... %zu findings of kind %s in all\n", count, kind.c_str());
        }
    }
}

} // namespace monkey
