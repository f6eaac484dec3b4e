#pragma once
// The application's title: the caption of its error box. It is deliberately not Qt's application display
// name, which Qt appends to every window's title bar (" — Avancement de la réaction"), cutting the narrow
// dialogs' titles mid-word; each title bar shows its window's caption and nothing else.

#include <QString>

namespace framework {

inline QString applicationTitle() {
    return QStringLiteral("Avancement de la réaction");
}

} // namespace framework
