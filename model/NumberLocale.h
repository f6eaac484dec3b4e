#pragma once
#include <string>

namespace model {

// The separators of the user's locale, as UTF-8 texts (the French grouping separator is U+202F).
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";
};

} // namespace model
