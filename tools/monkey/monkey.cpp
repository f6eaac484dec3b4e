// molvanex-monkey [--events N] [--seed N] [--limit-ms MS] [--event-ms MS] [--real-error-boxes] [--trace]
//                 [--watchdog S]
// A seeded random-input storm over the real program: the application prepared as the program prepares
// it, its main window shown, then N random input events sent to whatever window takes input, on the
// offscreen platform in the French locale. Exits non-zero when anything was found: an escaped
// exception, a Qt warning, an event handled slower than the limit, the same error reported twice for
// one event, two error boxes at once, a window that would not close. Crashes and sanitizer reports end
// the process with the seed and the last events printed.

#include "EventLog.h"
#include "Sanitizers.h"
#include "Storm.h"

#include "app/Application.h"
#include "app/UnitMolvanex.h"
#include "controls/GlyphBtn.h"
#include "framework/ErrorGuard.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

// The 50 ms goal is checked by the unsanitized run. Under AddressSanitizer every allocation records its
// stack, which makes allocation-heavy handling (a 32 000-character paste laid out by QLineEdit) up to
// twenty times slower than in the optimised build, so the sanitized run only catches what would break
// the goal even at that cost.
constexpr double plainLimitMs = 50;
constexpr double sanitizedLimitMs = 1000;

void usage() {
    std::fputs("usage: molvanex-monkey [--events N] [--seed N] [--limit-ms MS] [--event-ms MS]"
               " [--real-error-boxes] [--trace] [--watchdog SECONDS]\n"
               "  --event-ms MS  the program's timers advance MS milliseconds per event (default 5);\n"
               "                 0 leaves them on the wall clock, and a run no longer replays exactly\n",
               stderr);
}

std::optional<std::uint64_t> number(const char* text) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (end == text || *end != '\0') {
        return std::nullopt;
    }
    return value;
}

std::optional<monkey::StormOptions> parse(int argc, char** argv) {
    monkey::StormOptions options;
    options.seed = std::random_device{}() * 0x100000000ull + std::random_device{}();
    options.limitMs = monkey::sanitizedBuild ? sanitizedLimitMs : plainLimitMs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--real-error-boxes") {
            options.recordErrors = false;
        } else if (hasValue && (arg == "--events" || arg == "--seed" || arg == "--limit-ms" ||
                                arg == "--watchdog" || arg == "--event-ms")) {
            const std::optional<std::uint64_t> value = number(argv[++i]);
            if (!value) {
                return std::nullopt;
            }
            if (arg == "--events") {
                options.events = *value;
            } else if (arg == "--seed") {
                options.seed = *value;
            } else if (arg == "--limit-ms") {
                options.limitMs = static_cast<double>(*value);
            } else if (arg == "--event-ms") {
                options.eventMs = static_cast<int>(*value);
            } else {
                options.watchdogSeconds = static_cast<int>(*value);
            }
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<monkey::StormOptions> options = parse(argc, argv);
    if (!options) {
        usage();
        return 2;
    }
    // "Quitter" would end the run; everything else of the program is fair game.
    options->forbidden = {{QStringLiteral("Fiche_molvanex"), QStringLiteral("FlatButton1")}};
    // "Nouvelle équation" is hidden, yet its editor is part of the program: pressed from time to time
    // the way a click on it would press it.
    options->hidden = {
        {QStringLiteral("Fiche_molvanex"), QStringLiteral("GlyphButton3"), [](QWidget* control) {
             if (auto* button = qobject_cast<controls::TGlyphButton*>(control)) {
                 framework::guarded([button] { button->click(); });
             }
         }}};

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    app::prepareApplication();
    // The storm recreates the main window if it ever closes; the application must outlive that.
    QApplication::setQuitOnLastWindowClosed(false);

    monkey::EventLog log(options->seed);
    monkey::installCrashReport(log);
    int code = 0;
    {
        monkey::Storm storm(
            *options, [] { return new app::TFiche_molvanex; }, log);
        code = storm.run();
        storm.printSummary();
    }
    std::fflush(stdout);
    return code;
}
