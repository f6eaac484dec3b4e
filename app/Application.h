#pragma once
// What every start of the program shares: the main executable, the screenshot tool, the benchmarks
// and the random-input storm all prepare the application this way.

namespace app {

// Sets the application's name, the font substitutions, the window icon and Qt's French texts on the
// running QApplication, and lets a write beyond a file size limit fail rather than end the program.
void prepareApplication();

// Installs Qt's French catalogue; false when it is not installed.
bool loadQtFrench();

} // namespace app
