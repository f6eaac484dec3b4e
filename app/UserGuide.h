#pragma once
// Finding and opening the user guide "mode_emploi.htm". The guide is looked for where a pupil may have
// started the program from: the current directory, the program's own directory, the installed data
// directory and, for a program run from its build tree, the source tree's docs/.

#include <QString>
#include <QStringList>

class QWidget;

namespace app {

inline QString userGuideFileName() {
    return QStringLiteral("mode_emploi.htm");
}

// The directories searched, in order.
QStringList userGuideDirectories();

// The absolute path of the first existing guide in those directories; empty when there is none.
QString locateUserGuide(const QStringList& directories);

// Hands the first guide found in directories to the desktop's default viewer (xdg-open). When the
// desktop cannot show it (no viewer for web pages: xdg-open ends with an error, or there is no xdg-open),
// the guide opens in the program's own guide window, owned by owner. A guide found nowhere throws a
// French message.
void openUserGuide(QWidget* owner, const QStringList& directories = userGuideDirectories());

} // namespace app
