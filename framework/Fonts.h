#pragma once

namespace framework {

// Maps the faces the windows name ("MS Sans Serif", "System", "Arial", "Times New Roman") to the
// Liberation faces installed with the program, so that every machine draws with the same metrics.
void installFontSubstitutions();

} // namespace framework
