#pragma once
// What every start of the program shares: the main executable, the screenshot tool, the benchmarks
// and the random-input storm all prepare the application this way.

#include <QString>

namespace app {

inline QString applicationTitle() {
    return QStringLiteral("Avancement de la réaction");
}

// Sets the application title, the font substitutions and the window icon on the running QApplication.
void prepareApplication();

} // namespace app
