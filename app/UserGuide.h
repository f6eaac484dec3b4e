#pragma once
// Finding and opening the user guide "mode_emploi.htm". The guide is looked for where a pupil may have
// started the program from: the current directory, the program's own directory, the installed data
// directory and, for a program run from its build tree, the source tree's docs/.

#include <QString>
#include <QStringList>

namespace app {

inline QString userGuideFileName() {
    return QStringLiteral("mode_emploi.htm");
}

// The directories searched, in order.
QStringList userGuideDirectories();

// The absolute path of the first existing guide in those directories; empty when there is none.
QString locateUserGuide(const QStringList& directories);

// Hands the guide to the desktop's default viewer. The desktop opens it on its own time and its result
// is not examined; a guide that cannot be found opens nothing and shows no message.
void openUserGuide();

} // namespace app
