#pragma once
// What the program remembers from one run to the next, all in one file of the user's configuration
// folder (~/.config/molvanex/molvanex.ini): the folder a document was last saved in.

#include <QString>

namespace framework {

// The folder a document was last saved or printed into, while it still exists; otherwise the user's
// documents folder, or the home folder when the desktop has none.
QString lastFolder();
void rememberFolder(const QString& folder);

} // namespace framework
