#pragma once
// What every start of the program shares: the main executable, the screenshot tool, the benchmarks
// and the random-input storm all prepare the application this way.

namespace app {

// Sets the application's name, the font substitutions, the window icon and Qt's French texts on the
// running QApplication.
void prepareApplication();

// Installs Qt's French catalogue; false when it is not installed.
bool loadQtFrench();

} // namespace app
