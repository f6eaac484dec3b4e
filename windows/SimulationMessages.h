#pragma once
// What a screen reader says of a timed simulation, in the main window and in the zoom window alike: its
// start, its end and its stop, each with X as the window then shows it; never its steps.

#include <QString>

namespace windows {

QString simulationStarted(const QString& x);
QString simulationFinished(const QString& xmax);
QString simulationStopped(const QString& x);

} // namespace windows
