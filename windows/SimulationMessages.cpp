#include "windows/SimulationMessages.h"

namespace windows {

QString simulationStarted(const QString& x) {
    return QStringLiteral("Simulation en cours : X = %1 mol").arg(x);
}

QString simulationFinished(const QString& xmax) {
    return QStringLiteral("Avancement maximal atteint : X = %1 mol").arg(xmax);
}

QString simulationStopped(const QString& x) {
    return QStringLiteral("Arrêt : X = %1 mol").arg(x);
}

} // namespace windows
