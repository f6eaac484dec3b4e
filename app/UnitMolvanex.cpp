#include "app/UnitMolvanex.h"

#include "framework/QtColor.h"

namespace app {

TFiche_molvanex::TFiche_molvanex(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Fiche_molvanex"));
    setWindowTitle(QStringLiteral("Chimie générale - seconde"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, framework::toQColor(framework::clPaleYellow));
    setPalette(pal);
    resize(796, 572);
}

} // namespace app
