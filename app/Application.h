#pragma once
// What every start of the program shares: the main executable, the screenshot tool, the benchmarks
// and the random-input storm all prepare the application this way.

namespace app {

// Sets the application's name, the font substitutions and the window icon on the running QApplication.
void prepareApplication();

} // namespace app
